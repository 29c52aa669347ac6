// Pointer movement and line construction: the two pointers, "APPLY" and "DEL_TAIL",
// and the pointer read-out of the status bar.
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "NumberText.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A whole number with a blank in its sign position when not negative.
QString SignPosition(int value) {
    return value >= 0 ? QStringLiteral(" ") + QString::number(value) : QString::number(value);
}

QString PointText(int x, int y, int z) {
    return SignPosition(x) + u',' + SignPosition(y) + u',' + SignPosition(z);
}

// The six coordinates of a line text as 16-bit whole numbers, rounded half to even.
std::array<int16_t, 6> LineIntegers(const QString& lineText) {
    float values[6] = {0, 0, 0, 0, 0, 0};
    NumberText::ToSingles(lineText, values, 6);
    std::array<int16_t, 6> out{};
    for (size_t i = 0; i < 6; ++i) {
        out[i] =
            static_cast<int16_t>(std::clamp(NumberText::RoundHalfEven(values[i]), -32768, 32767));
    }
    return out;
}

} // namespace

QString CZelkController::FromPointerText() const {
    const CAppData& app = *context_.appData;
    return PointText(app.PointerFromX(), app.PointerFromY(), app.PointerFromZ());
}

QString CZelkController::ToPointerText() const {
    const CAppData& app = *context_.appData;
    return PointText(app.PointerToX(), app.PointerToY(), app.PointerToZ());
}

QString CZelkController::TempLineText() const {
    return context_.view->PointerFrom() + u',' + context_.view->PointerTo();
}

void CZelkController::ShowFromCondition() {
    const CAppData& app = *context_.appData;
    ShowCondition(
        QCoreApplication::translate("CZelkController", "ポインタの位置 【 %1 , %2 , %3 】")
            .arg(app.PointerFromX())
            .arg(app.PointerFromY())
            .arg(app.PointerFromZ()));
}

void CZelkController::ShowToCondition() {
    const CAppData& app = *context_.appData;
    ShowCondition(QCoreApplication::translate("CZelkController",
                                              "ポインタの位置 ( %1 , %2 , %3 ) -【 %4 , %5 , %6 】")
                      .arg(app.PointerFromX())
                      .arg(app.PointerFromY())
                      .arg(app.PointerFromZ())
                      .arg(app.PointerToX())
                      .arg(app.PointerToY())
                      .arg(app.PointerToZ()));
}

// axis 0, 1, 2 for x, y, z; sign +1 or -1.
void CZelkController::MovePointer(int axis, int sign) {
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
void CZelkController::PlaceCurrentPointer(int32_t x, int32_t y, int32_t z) {
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

void CZelkController::ReturnPointerToOrigin() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    if (app.Pointer() == DrawingPointer::From) {
        app.SetPointerFromX(0);
        app.SetPointerFromY(0);
        app.SetPointerFromZ(0);
        view.SetPointerFrom(FromPointerText());
        ShowFromCondition();
    } else {
        app.SetPointerToX(0);
        app.SetPointerToY(0);
        app.SetPointerToZ(0);
        view.SetPointerTo(ToPointerText());
        view.SetTempLine(TempLineText());
        view.ViewTempLine(true);
        ShowToCondition();
    }
    view.Draw();
}

void CZelkController::ApplyPointer() {
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
        if (RefuseWhenFull()) {
            return;
        }
        app.SetPointer(DrawingPointer::From);
        // A refused line (zero length or already drawn) is dropped without a word.
        if (context_.figure->AddLine(FromPointerText() + u',' + ToPointerText())) {
            added = context_.figure->NumberOfLines();
        }
        app.SetPointerFromX(app.PointerToX());
        app.SetPointerFromY(app.PointerToY());
        app.SetPointerFromZ(app.PointerToZ());
        view.SetPointerFrom(FromPointerText());
        ShowFromCondition();
        view.ViewTempLine(false);
        view.SetViewPointerFrom(true);
        view.SetViewPointerTo(false);
    }
    RebuildView();
    if (added > 0) {
        RecordEdit(FigureEdit::Added(*context_.figure, added, context_.figure->GetLine(added),
                                     QCoreApplication::translate("CZelkController", "線の追加"),
                                     before, CurrentPointers(), HistoryRefresh()));
    }
}

int32_t CZelkController::DeleteLineBetweenPointers(QString& deletedLine) {
    const CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    const std::array<int16_t, 3> from{app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()};
    const std::array<int16_t, 3> to{app.PointerToX(), app.PointerToY(), app.PointerToZ()};
    for (int32_t index = 1; index <= figure.NumberOfLines(); ++index) {
        const std::array<int16_t, 6> line = LineIntegers(figure.GetLine(index));
        const std::array<int16_t, 3> a{line[0], line[1], line[2]};
        const std::array<int16_t, 3> b{line[3], line[4], line[5]};
        if ((a == from && b == to) || (a == to && b == from)) {
            deletedLine = figure.GetLine(index);
            return figure.DelLine(index) ? index : 0;
        }
    }
    return 0;
}

void CZelkController::DeleteTail() {
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
            view.SetPointerFrom(FromPointerText());
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
        const std::array<int16_t, 6> last = LineIntegers(figure.GetLine(figure.NumberOfLines()));
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
        view.SetPointerFrom(FromPointerText());
        view.SetPointerTo(ToPointerText());
        view.SetTempLine(TempLineText());
    }
    RebuildView();
    if (removed > 0) {
        RecordEdit(FigureEdit::Removed(*context_.figure, removed, removedLine,
                                       QCoreApplication::translate("CZelkController", "線の削除"),
                                       before, CurrentPointers(), HistoryRefresh()));
    }
}
