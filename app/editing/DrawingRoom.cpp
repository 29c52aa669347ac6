// Pointer movement and line construction: the two pointers, "APPLY" and "DEL_TAIL",
// and the pointer read-out of the status bar; undo and redo; the mouse in the view.
#include "DrawingRoom.h"

#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "FigureDocument.h"
#include "FileRoom.h"
#include "IMainWindow.h"
#include "NumberText.h"
#include "ViewRoom.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The six coordinates of a line as 16-bit whole numbers, rounded half to even.
std::array<int16_t, 6> LineIntegers(const CLine& l) {
    const float values[6] = {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ};
    std::array<int16_t, 6> out{};
    for (size_t i = 0; i < 6; ++i) {
        out[i] =
            static_cast<int16_t>(std::clamp(NumberText::RoundHalfEven(values[i]), -32768, 32767));
    }
    return out;
}

} // namespace

FigureRenderer::Point DrawingRoom::FromPoint() const {
    const CAppData& app = *context_.appData;
    return {float(app.PointerFromX()), float(app.PointerFromY()), float(app.PointerFromZ())};
}

FigureRenderer::Point DrawingRoom::ToPoint() const {
    const CAppData& app = *context_.appData;
    return {float(app.PointerToX()), float(app.PointerToY()), float(app.PointerToZ())};
}

void DrawingRoom::ShowFromCondition() {
    const CAppData& app = *context_.appData;
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController", "ポインタの位置 【 %1 , %2 , %3 】")
            .arg(app.PointerFromX())
            .arg(app.PointerFromY())
            .arg(app.PointerFromZ()));
}

void DrawingRoom::ShowToCondition() {
    const CAppData& app = *context_.appData;
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController",
                                    "ポインタの位置 ( %1 , %2 , %3 ) -【 %4 , %5 , %6 】")
            .arg(app.PointerFromX())
            .arg(app.PointerFromY())
            .arg(app.PointerFromZ())
            .arg(app.PointerToX())
            .arg(app.PointerToY())
            .arg(app.PointerToZ()));
}

// axis 0, 1, 2 for x, y, z; sign +1 or -1.
void DrawingRoom::MovePointer(int axis, int sign) {
    const CAppData& app = *context_.appData;
    const bool to = app.Pointer() == DrawingPointer::To;
    std::array<int32_t, 3> at{to ? app.PointerToX() : app.PointerFromX(),
                              to ? app.PointerToY() : app.PointerFromY(),
                              to ? app.PointerToZ() : app.PointerFromZ()};
    at[static_cast<size_t>(axis)] += sign * app.UnitLength();
    PlaceCurrentPointer(at[0], at[1], at[2]);
}

// The pointer the drawing condition names goes to the point (clamped to the working
// space), with its read-out, the rubber band and the status text.
void DrawingRoom::PlaceCurrentPointer(int32_t x, int32_t y, int32_t z) {
    CAppData& app = *context_.appData;
    if (app.Pointer() == DrawingPointer::To) {
        app.SetPointerToX(x);
        app.SetPointerToY(y);
        app.SetPointerToZ(z);
    } else {
        app.SetPointerFromX(x);
        app.SetPointerFromY(y);
        app.SetPointerFromZ(z);
    }
    ShowPointersMoved();
}

void DrawingRoom::ReturnPointerToOrigin() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    if (app.Pointer() == DrawingPointer::From) {
        app.SetPointerFromX(0);
        app.SetPointerFromY(0);
        app.SetPointerFromZ(0);
        view.SetPointerFrom(FromPoint());
        ShowFromCondition();
    } else {
        app.SetPointerToX(0);
        app.SetPointerToY(0);
        app.SetPointerToZ(0);
        view.SetPointerTo(ToPoint());
        view.SetTempLine(view.PointerLine());
        view.ViewTempLine(true);
        ShowToCondition();
    }
    view.Draw();
}

void DrawingRoom::ApplyPointer() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    const FigureEdit::Pointers before = CurrentPointers();
    int32_t added = 0;
    if (app.Pointer() == DrawingPointer::From) {
        app.SetPointer(DrawingPointer::To);
        app.SetPointerToX(app.PointerFromX());
        app.SetPointerToY(app.PointerFromY());
        app.SetPointerToZ(app.PointerFromZ());
        ShowToCondition();
        view.SetPointerTo(view.PointerFrom());
        view.SetViewPointerTo(true);
    } else {
        // A line that no file could hold is refused aloud; the "to" pointer stays.
        if (controller_.Files().RefuseWhenFull()) {
            return;
        }
        app.SetPointer(DrawingPointer::From);
        // A refused line (zero length or already drawn) is dropped without a word.
        const FigureRenderer::Point from = FromPoint();
        const FigureRenderer::Point to = ToPoint();
        if (context_.figure->AddLine(CLine{from[0], from[1], from[2], to[0], to[1], to[2]})) {
            added = context_.figure->NumberOfLines();
        }
        app.SetPointerFromX(app.PointerToX());
        app.SetPointerFromY(app.PointerToY());
        app.SetPointerFromZ(app.PointerToZ());
        view.SetPointerFrom(FromPoint());
        ShowFromCondition();
        view.ViewTempLine(false);
        view.SetViewPointerFrom(true);
        view.SetViewPointerTo(false);
    }
    controller_.Viewing().RebuildView();
    if (added > 0) {
        controller_.RecordEdit(
            FigureEdit::Added(*context_.figure, added, context_.figure->GetLine(added),
                              QCoreApplication::translate("CZelkController", "線の追加"), before,
                              CurrentPointers(), HistoryRefresh()));
    }
}

int32_t DrawingRoom::DeleteLineBetweenPointers(QString& deletedLine) {
    const CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    const std::array<int16_t, 3> from{app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()};
    const std::array<int16_t, 3> to{app.PointerToX(), app.PointerToY(), app.PointerToZ()};
    for (int32_t index = 1; index <= figure.NumberOfLines(); ++index) {
        const std::array<int16_t, 6> line =
            LineIntegers(figure.Lines()[static_cast<size_t>(index - 1)]);
        const std::array<int16_t, 3> a{line[0], line[1], line[2]};
        const std::array<int16_t, 3> b{line[3], line[4], line[5]};
        if ((a == from && b == to) || (a == to && b == from)) {
            deletedLine = figure.GetLine(index);
            return figure.DelLine(index) ? index : 0;
        }
    }
    return 0;
}

void DrawingRoom::DeleteTail() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    CZelkData& figure = *context_.figure;
    const FigureEdit::Pointers before = CurrentPointers();
    int32_t removed = 0;
    QString removedLine;
    if (app.Pointer() == DrawingPointer::To) {
        removed = DeleteLineBetweenPointers(removedLine);
        const bool deleted = removed > 0;
        app.SetPointer(DrawingPointer::From);
        if (deleted) {
            app.SetPointerFromX(app.PointerToX());
            app.SetPointerFromY(app.PointerToY());
            app.SetPointerFromZ(app.PointerToZ());
            view.SetPointerFrom(FromPoint());
        }
        view.SetViewPointerTo(false);
        view.ViewTempLine(false);
    } else {
        const int32_t lastIndex = figure.NumberOfLines();
        const QString lastLine = figure.GetLine(lastIndex);
        if (figure.DelLine(lastIndex)) {
            removed = lastIndex;
            removedLine = lastLine;
        }
        // The pointers go to the end of the line now last, or to the origin.
        const std::array<int16_t, 6> last =
            figure.Lines().empty() ? std::array<int16_t, 6>{} : LineIntegers(figure.Lines().back());
        const int16_t x = last[3];
        const int16_t y = last[4];
        const int16_t z = last[5];
        app.SetPointerFromX(x);
        app.SetPointerFromY(y);
        app.SetPointerFromZ(z);
        app.SetPointerToX(x);
        app.SetPointerToY(y);
        app.SetPointerToZ(z);
        app.SetPointer(DrawingPointer::From);
        view.SetViewPointerFrom(true);
        view.SetViewPointerTo(false);
        view.SetPointerFrom(FromPoint());
        view.SetPointerTo(ToPoint());
        view.SetTempLine(view.PointerLine());
    }
    controller_.Viewing().RebuildView();
    if (removed > 0) {
        controller_.RecordEdit(
            FigureEdit::Removed(*context_.figure, removed, removedLine,
                                QCoreApplication::translate("CZelkController", "線の削除"), before,
                                CurrentPointers(), HistoryRefresh()));
    }
}

namespace {
// How near a click must be to a corner or a line, in pixels.
constexpr int kCornerRadius = 6;
constexpr int kLineRadius = 4;
} // namespace

FigureEdit::Pointers DrawingRoom::CurrentPointers() const {
    const CAppData& app = *context_.appData;
    return FigureEdit::Pointers{{app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()},
                                {app.PointerToX(), app.PointerToY(), app.PointerToZ()},
                                app.Pointer()};
}

FigureEdit::Refresh DrawingRoom::HistoryRefresh() {
    return [this](const FigureEdit::Pointers& pointers) { ShowHistoryStep(pointers); };
}

void DrawingRoom::ShowHistoryDocument(const FigureEdit::Document& document) {
    controller_.Document().SetFileName(document.fileName);
    controller_.Document().SetSavedStep(document.savedStep);
    // A whole figure came or went back (a new figure, its undo).
    controller_.Viewing().OutdatePanes();
}

void DrawingRoom::ShowHistoryState() {
    if (context_.window != nullptr) {
        const QUndoStack& history = controller_.History();
        context_.window->SetUndoState(history.canUndo(), history.undoText(), history.canRedo(),
                                      history.redoText());
    }
}

void DrawingRoom::Undo() {
    controller_.Document().Step(true);
}

void DrawingRoom::Redo() {
    controller_.Document().Step(false);
}

void DrawingRoom::SetPointers(const FigureEdit::Pointers& pointers) {
    CAppData& app = *context_.appData;
    app.SetPointerFromX(pointers.from[0]);
    app.SetPointerFromY(pointers.from[1]);
    app.SetPointerFromZ(pointers.from[2]);
    app.SetPointerToX(pointers.to[0]);
    app.SetPointerToY(pointers.to[1]);
    app.SetPointerToZ(pointers.to[2]);
    app.SetPointer(pointers.condition);
}

void DrawingRoom::ShowHistoryStep(const FigureEdit::Pointers& pointers) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    SetPointers(pointers);
    view.SetPointerFrom(FromPoint());
    view.SetPointerTo(ToPoint());
    view.SetTempLine(view.PointerLine());
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
    controller_.Viewing().RebuildView();
    controller_.Viewing().RetakePanesIfOutdated();
    if (app.ProInterface()) {
        if (app.ProIF_LineNumber() < 1 && context_.figure->NumberOfLines() > 0) {
            app.SetProIF_LineNumber(1);
        }
        controller_.Files().RefreshProInterfaceAfterLoad();
    }
}

void DrawingRoom::TurnBy(int longitudeDegrees, int latitudeDegrees) {
    CAppData& app = *context_.appData;
    // The same limits and normalisation as the turning commands, without their cue.
    app.SetLongitude(app.Longitude() + longitudeDegrees);
    app.SetLatitude(app.Latitude() + latitudeDegrees);
    int32_t longitude = app.Longitude();
    int32_t latitude = app.Latitude();
    context_.view->SetLongitude(longitude);
    context_.view->SetLatitude(latitude);
    context_.view->Draw();
    controller_.ShowViewAngle(app.Longitude(), app.Latitude());
}

void DrawingRoom::ShowPointersMoved() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    const bool to = app.Pointer() == DrawingPointer::To;
    view.SetViewPointerTo(to);
    view.SetViewPointerFrom(true);
    if (to) {
        view.SetPointerTo(ToPoint());
        view.SetTempLine(view.PointerLine());
        view.ViewTempLine(true);
        ShowToCondition();
    } else {
        view.SetPointerFrom(FromPoint());
        view.ViewTempLine(false);
        ShowFromCondition();
    }
    view.Draw();
}

void DrawingRoom::ClickAt(int x, int y) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    if (app.Drawing() && !app.ProInterface()) {
        if (const auto corner = view.NearestCornerPoint(x, y, kCornerRadius)) {
            // As if stepped there: whole millimetres, clamped to the working space.
            PlaceCurrentPointer(NumberText::RoundHalfEven((*corner)[0]),
                                NumberText::RoundHalfEven((*corner)[1]),
                                NumberText::RoundHalfEven((*corner)[2]));
            controller_.PlayTurnSound();
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
        controller_.ShowCondition(
            QCoreApplication::translate("CZelkController",
                                        "線 %1 / %2 【 %3 , %4 , %5 】-【 %6 , %7 , %8 】")
                .arg(line)
                .arg(context_.figure->NumberOfLines())
                .arg(NumberText::FromSingle(v[0]), NumberText::FromSingle(v[1]),
                     NumberText::FromSingle(v[2]), NumberText::FromSingle(v[3]),
                     NumberText::FromSingle(v[4]), NumberText::FromSingle(v[5])));
    }
}

DrawingRoom::DrawingRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
