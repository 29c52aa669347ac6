// Undo and redo of the figure's changes, and the mouse in the view.
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "FigureDocument.h"
#include "IMainWindow.h"
#include "NumberText.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QUndoStack>

namespace {
// How near a click must be to a corner or a line, in pixels.
constexpr int kCornerRadius = 6;
constexpr int kLineRadius = 4;
} // namespace

FigureEdit::Pointers CZelkController::CurrentPointers() const {
    const CAppData& app = *context_.appData;
    return FigureEdit::Pointers{{app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()},
                                {app.PointerToX(), app.PointerToY(), app.PointerToZ()},
                                app.Pointer()};
}

FigureEdit::Refresh CZelkController::HistoryRefresh() {
    return [this](const FigureEdit::Pointers& pointers) { ShowHistoryStep(pointers); };
}

FigureDocument& CZelkController::Document() {
    if (!document_) {
        Q_ASSERT(context_.figure != nullptr && context_.appData != nullptr);
        document_ = std::make_unique<FigureDocument>(*context_.figure, *context_.appData);
        FigureDocument* document = document_.get();
        QObject::connect(document, &FigureDocument::HistoryChanged, document,
                         [this] { ShowHistoryState(); });
        QObject::connect(document, &FigureDocument::AboutToBeReplaced, document,
                         [this] { EndExercise(); });
        QObject::connect(document, &FigureDocument::Replaced, document, [this] {
            context_.appData->SetRatio(FitRatio());
            context_.view->SetRatio(context_.appData->Ratio());
            // A half-drawn line belonged to the figure that went: the pointers start again
            // at the origin, and the view, the panes, the read-out and the panel show the
            // new figure.
            panesOutdated_ = true;
            ShowHistoryStep(FigureEdit::Pointers{});
        });
    }
    return *document_;
}

QUndoStack& CZelkController::History() {
    return Document().History();
}

void CZelkController::RecordEdit(FigureEdit* edit) {
    Document().Record(edit);
}

void CZelkController::ClearHistory(bool unsaved) {
    Document().ClearHistory(unsaved);
}

void CZelkController::MarkHistorySaved() {
    Document().MarkSaved();
}

void CZelkController::ShowHistoryDocument(const FigureEdit::Document& document) {
    Document().SetFileName(document.fileName);
    Document().SetSavedStep(document.savedStep);
    // A whole figure came or went back (a new figure, its undo).
    panesOutdated_ = true;
}

void CZelkController::ShowHistoryState() {
    if (context_.window != nullptr) {
        const QUndoStack& history = History();
        context_.window->SetUndoState(history.canUndo(), history.undoText(), history.canRedo(),
                                      history.redoText());
    }
}

void CZelkController::Undo() {
    StepHistory(true);
}

void CZelkController::Redo() {
    StepHistory(false);
}

void CZelkController::StepHistory(bool back) {
    Document().Step(back);
}

void CZelkController::SetPointers(const FigureEdit::Pointers& pointers) {
    CAppData& app = *context_.appData;
    app.SetPointerFromX(pointers.from[0]);
    app.SetPointerFromY(pointers.from[1]);
    app.SetPointerFromZ(pointers.from[2]);
    app.SetPointerToX(pointers.to[0]);
    app.SetPointerToY(pointers.to[1]);
    app.SetPointerToZ(pointers.to[2]);
    app.SetPointer(pointers.condition);
}

void CZelkController::ShowHistoryStep(const FigureEdit::Pointers& pointers) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    SetPointers(pointers);
    view.SetPointerFrom(FromPointerText());
    view.SetPointerTo(ToPointerText());
    view.SetTempLine(TempLineText());
    view.SetHighlightedLine(0);
    if (app.Drawing() && !app.ProInterface()) {
        const bool to = app.Pointer() == DrawingPointer::To;
        view.SetViewPointerFrom(true);
        view.SetViewPointerTo(to);
        view.ViewTempLine(to);
        if (to) {
            ShowToCondition();
        } else {
            ShowFromCondition();
        }
    }
    RebuildView();
    if (panesOutdated_) {
        RetakeThreeViewPanes();
    }
    if (app.ProInterface()) {
        if (app.ProIF_LineNumber() < 1 && context_.figure->NumberOfLines() > 0) {
            app.SetProIF_LineNumber(1);
        }
        RefreshProInterfaceAfterLoad();
    }
}

void CZelkController::TurnBy(int longitudeDegrees, int latitudeDegrees) {
    CAppData& app = *context_.appData;
    // The same limits and normalisation as the turning commands, without their cue.
    app.SetLongitude(app.Longitude() + longitudeDegrees);
    app.SetLatitude(app.Latitude() + latitudeDegrees);
    int32_t longitude = app.Longitude();
    int32_t latitude = app.Latitude();
    context_.view->SetLongitude(longitude);
    context_.view->SetLatitude(latitude);
    context_.view->Draw();
    ShowViewAngle(app.Longitude(), app.Latitude());
}

void CZelkController::ShowPointersMoved() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    const bool to = app.Pointer() == DrawingPointer::To;
    view.SetViewPointerTo(to);
    view.SetViewPointerFrom(true);
    if (to) {
        view.SetPointerTo(ToPointerText());
        view.SetTempLine(TempLineText());
        view.ViewTempLine(true);
        ShowToCondition();
    } else {
        view.SetPointerFrom(FromPointerText());
        view.ViewTempLine(false);
        ShowFromCondition();
    }
    view.Draw();
}

void CZelkController::ClickAt(int x, int y) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    if (app.Drawing() && !app.ProInterface()) {
        float corner[3];
        if (NumberText::ToSingles(view.NearestCorner(x, y, kCornerRadius), corner, 3)) {
            // As if stepped there: whole millimetres, clamped to the working space.
            PlaceCurrentPointer(NumberText::RoundHalfEven(corner[0]),
                                NumberText::RoundHalfEven(corner[1]),
                                NumberText::RoundHalfEven(corner[2]));
            PlayTurnSound();
            return;
        }
    }
    const int32_t line = view.NearestLine(x, y, kLineRadius);
    if (line > 0 && app.ProInterface()) {
        // The detailed-input panel takes the line, as its scroll bar would.
        app.SetProIF_LineNumber(line);
        context_.window->SetLineScrollValue(line);
        context_.proController->Run(ProCommandId::RefleshProInterface);
        return;
    }
    view.SetHighlightedLine(line);
    view.Draw();
    if (line > 0) {
        float v[6] = {0, 0, 0, 0, 0, 0};
        NumberText::ToSingles(context_.figure->GetLine(line), v, 6);
        ShowCondition(QCoreApplication::translate(
                          "CZelkController", "線 %1 / %2 【 %3 , %4 , %5 】-【 %6 , %7 , %8 】")
                          .arg(line)
                          .arg(context_.figure->NumberOfLines())
                          .arg(NumberText::FromSingle(v[0]), NumberText::FromSingle(v[1]),
                               NumberText::FromSingle(v[2]), NumberText::FromSingle(v[3]),
                               NumberText::FromSingle(v[4]), NumberText::FromSingle(v[5])));
    }
}
