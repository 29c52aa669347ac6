// Pointer movement and line construction: the two pointers, "APPLY" and "DEL_TAIL",
// and the pointer read-out of the status bar.
#include "CAppData.h"
#include "CStringUtil.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "NumberText.h"
#include "ctlZelkView.h"

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

// A line text field as a 16-bit whole number, rounded half to even.
int16_t ToInteger(const QString& field) {
    float value = 0;
    if (!NumberText::ToSingle(field, value)) {
        return 0;
    }
    const double rounded = std::nearbyint(static_cast<double>(value));
    return static_cast<int16_t>(std::clamp(rounded, -32768.0, 32767.0));
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
    ShowCondition(QStringLiteral("ポインタの位置 【 %1 , %2 , %3 】")
                      .arg(app.PointerFromX())
                      .arg(app.PointerFromY())
                      .arg(app.PointerFromZ()));
}

void CZelkController::ShowToCondition() {
    const CAppData& app = *context_.appData;
    ShowCondition(QStringLiteral("ポインタの位置 ( %1 , %2 , %3 ) -【 %4 , %5 , %6 】")
                      .arg(app.PointerFromX())
                      .arg(app.PointerFromY())
                      .arg(app.PointerFromZ())
                      .arg(app.PointerToX())
                      .arg(app.PointerToY())
                      .arg(app.PointerToZ()));
}

void CZelkController::MovePointer(const QString& command) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    const bool minus = command.startsWith(QLatin1String("POINTER_MOVE_M"));
    const QChar axis = command.back();
    const int step = minus ? -app.UnitLength() : app.UnitLength();
    const bool to = app.DrawingCondition() == QLatin1String("TO");

    view.SetViewPointerTo(to);
    view.SetViewPointerFrom(true);
    if (to) {
        if (axis == u'X') {
            app.SetPointerToX(app.PointerToX() + step);
        } else if (axis == u'Y') {
            app.SetPointerToY(app.PointerToY() + step);
        } else {
            app.SetPointerToZ(app.PointerToZ() + step);
        }
        view.SetPointerTo(ToPointerText());
        view.SetTempLine(TempLineText());
        view.ViewTempLine(true);
        ShowToCondition();
    } else {
        if (axis == u'X') {
            app.SetPointerFromX(app.PointerFromX() + step);
        } else if (axis == u'Y') {
            app.SetPointerFromY(app.PointerFromY() + step);
        } else {
            app.SetPointerFromZ(app.PointerFromZ() + step);
        }
        view.SetPointerFrom(FromPointerText());
        view.ViewTempLine(false);
        ShowFromCondition();
    }
    view.Draw();
}

void CZelkController::ReturnPointerToOrigin() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    if (app.DrawingCondition() == QLatin1String("FROM")) {
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
    if (app.DrawingCondition() == QLatin1String("FROM")) {
        app.SetDrawingCondition(QStringLiteral("TO"));
        app.SetPointerToX(app.PointerFromX());
        app.SetPointerToY(app.PointerFromY());
        app.SetPointerToZ(app.PointerFromZ());
        ShowToCondition();
        view.SetPointerTo(view.PointerFrom());
        view.SetViewPointerTo(true);
    } else {
        app.SetDrawingCondition(QStringLiteral("FROM"));
        // A refused line (zero length or already drawn) is dropped without a word.
        context_.figure->AddLine(FromPointerText() + u',' + ToPointerText());
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
}

bool CZelkController::DeleteLineBetweenPointers() {
    const CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    const std::array<int16_t, 3> from{app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()};
    const std::array<int16_t, 3> to{app.PointerToX(), app.PointerToY(), app.PointerToZ()};
    QList<QString> parts;
    for (int32_t index = 1; index <= figure.NumberOfLines(); ++index) {
        splitter_->StringSprit(figure.GetLine(index), QStringLiteral(","), parts, 0, 255);
        std::array<int16_t, 3> a{};
        std::array<int16_t, 3> b{};
        for (int i = 0; i < 3; ++i) {
            a[static_cast<size_t>(i)] = ToInteger(parts[i]);
            b[static_cast<size_t>(i)] = ToInteger(parts[i + 3]);
        }
        if ((a == from && b == to) || (a == to && b == from)) {
            return figure.DelLine(index);
        }
    }
    return false;
}

void CZelkController::DeleteTail() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    CZelkData& figure = *context_.figure;
    if (app.DrawingCondition() == QLatin1String("TO")) {
        const bool deleted = DeleteLineBetweenPointers();
        app.SetDrawingCondition(QStringLiteral("FROM"));
        if (deleted) {
            app.SetPointerFromX(app.PointerToX());
            app.SetPointerFromY(app.PointerToY());
            app.SetPointerFromZ(app.PointerToZ());
            view.SetPointerFrom(FromPointerText());
        }
        view.SetViewPointerTo(false);
        view.ViewTempLine(false);
    } else {
        figure.DelLine(figure.NumberOfLines());
        QList<QString> parts;
        splitter_->StringSprit(figure.GetLine(figure.NumberOfLines()), QStringLiteral(","), parts,
                               0, 255);
        const int16_t x = ToInteger(parts[3]);
        const int16_t y = ToInteger(parts[4]);
        const int16_t z = ToInteger(parts[5]);
        app.SetPointerFromX(x);
        app.SetPointerFromY(y);
        app.SetPointerFromZ(z);
        app.SetPointerToX(x);
        app.SetPointerToY(y);
        app.SetPointerToZ(z);
        app.SetDrawingCondition(QStringLiteral("FROM"));
        view.SetViewPointerFrom(true);
        view.SetViewPointerTo(false);
        view.SetPointerFrom(FromPointerText());
        view.SetPointerTo(ToPointerText());
        view.SetTempLine(TempLineText());
    }
    RebuildView();
}
