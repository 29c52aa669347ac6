#include "CZelkProController.h"

#include "CAppData.h"
#include "CStringUtil.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "FileRoom.h"
#include "IMainWindow.h"
#include "NumberText.h"
#include "RowsInIdOrder.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

// The panel's vocabulary, compared in this order.
std::span<const CZelkProController::CommandEntry> CZelkProController::CommandTable() {
    using P = CZelkProController;
    static constexpr auto table = std::to_array<CommandEntry>({
        {ProCommandId::TurnUp, "TURN_UP", [](P& p) { p.Forward(CommandId::TurnUp); }},
        {ProCommandId::TurnDown, "TURN_DOWN", [](P& p) { p.Forward(CommandId::TurnDown); }},
        {ProCommandId::TurnLeft, "TURN_LEFT", [](P& p) { p.Forward(CommandId::TurnLeft); }},
        {ProCommandId::TurnRight, "TURN_RIGHT", [](P& p) { p.Forward(CommandId::TurnRight); }},
        {ProCommandId::ApplyLine, "APPLY_LINE", [](P& p) { p.ApplyLine(); }},
        {ProCommandId::DeleteLine, "DELETE_LINE", [](P& p) { p.DeleteCurrentLine(); }},
        {ProCommandId::NewLine, "NEW_LINE", [](P& p) { p.PrepareNewLine(); }},
        {ProCommandId::RefleshProInterface, "REFLESH_PRO_INTERFACE",
         [](P& p) { p.RefreshProInterface(); }},
        {ProCommandId::ProInterfaceChange, "PRO_INTERFACE_CHANGE",
         [](P& p) { p.ShowEditedLine(); }},
        {ProCommandId::SetupVscrollBar, "SETUP_VSCROLL_BAR", [](P& p) { p.SetUpScrollBar(); }},
        {ProCommandId::SetupLineNumberLabel, "SETUP_LINE_NUMBER_LABEL",
         [](P& p) { p.ShowLineNumber(); }},
        {ProCommandId::VscrLineNumberChange, "VSCR_LINE_NUMBER_CHANGE",
         [](P& p) { p.ChangeLineNumber(); }},
        {ProCommandId::SetTempLine, "SET_TEMP_LINE", [](P& p) { p.TakePointersFromFields(); }},
    });
    static_assert(RowsInIdOrder(table), "the command table's rows are in the order of their ids");
    return table;
}

// The turning keys of the panel are the main controller's commands.
void CZelkProController::Forward(CommandId command) {
    context_.controller->Run(command);
}

QString CZelkProController::CommandText(ProCommandId command) {
    return QString::fromLatin1(CommandTable()[static_cast<size_t>(command)].command);
}

bool CZelkProController::SetCommand(const QString& command) {
    for (const CommandEntry& entry : CommandTable()) {
        if (command == QLatin1String(entry.command)) {
            return Run(entry.id);
        }
    }
    return false;
}

bool CZelkProController::Run(ProCommandId command) {
    if (context_.controller != nullptr && context_.controller->CommandsHeld()) {
        return false;
    }
    // The table holds the commands in the order of the ids.
    CommandTable()[static_cast<size_t>(command)].handler(*this);
    return true;
}

void CZelkProController::SetPointerCoordinate(int part, int32_t value) {
    CAppData& app = *context_.appData;
    switch (part) {
    case 0:
        app.SetPointerFromX(value);
        break;
    case 1:
        app.SetPointerFromY(value);
        break;
    case 2:
        app.SetPointerFromZ(value);
        break;
    case 3:
        app.SetPointerToX(value);
        break;
    case 4:
        app.SetPointerToY(value);
        break;
    default:
        app.SetPointerToZ(value);
        break;
    }
}

void CZelkProController::RefreshProInterface() {
    CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    IMainWindow& window = *context_.window;
    ctlZelkView& view = *context_.view;
    if (figure.NumberOfLines() > 0) {
        CStringUtil splitter;
        QList<QString> parts;
        splitter.StringSprit(figure.GetLine(app.ProIF_LineNumber()), QStringLiteral(","), parts, 0,
                             255);
        for (int k = 0; k < 6; ++k) {
            window.SetPosFieldText(kFieldOrder[static_cast<size_t>(k)], parts[k]);
            float value = 0;
            NumberText::ToSingle(parts[k], value);
            SetPointerCoordinate(k, NumberText::RoundHalfEven(value));
        }
        view.SetPointerFrom(parts[0] + u',' + parts[1] + u',' + parts[2]);
        view.SetPointerTo(parts[3] + u',' + parts[4] + u',' + parts[5]);
    } else {
        for (int i = 0; i < 6; ++i) {
            window.SetPosFieldText(i, QStringLiteral("0"));
        }
        view.SetPointerFrom(QStringLiteral("0,0,0"));
        view.SetPointerTo(QStringLiteral("0,0,0"));
    }
    view.SetTempLine(view.PointerFrom() + u',' + view.PointerTo());
    const bool drawing = app.Drawing();
    view.SetViewPointerFrom(drawing);
    view.SetViewPointerTo(drawing);
    view.ViewTempLine(drawing);
    context_.controller->Run(CommandId::Redraw);
    ShowLineNumber();
}

void CZelkProController::SetUpScrollBar() {
    const int32_t lines = context_.figure->NumberOfLines();
    context_.window->SetLineScrollRange(lines > 0 ? 1 : 0, lines);
}

void CZelkProController::ShowLineNumber() {
    context_.window->SetLineNumberText(QStringLiteral("LineNo. %1 / %2")
                                           .arg(context_.appData->ProIF_LineNumber())
                                           .arg(context_.figure->NumberOfLines()));
}

void CZelkProController::ChangeLineNumber() {
    context_.appData->SetProIF_LineNumber(context_.window->LineScrollValue());
    RefreshProInterface();
}

void CZelkProController::PrepareNewLine() {
    SetUpScrollBar();
    RefreshProInterface();
}

// After an undo or redo of the panel's own edits: the panel and the view follow.
void CZelkProController::AfterHistoryStep() {
    CAppData& app = *context_.appData;
    const int32_t lines = context_.figure->NumberOfLines();
    if (app.ProIF_LineNumber() > lines || (app.ProIF_LineNumber() < 1 && lines > 0)) {
        app.SetProIF_LineNumber(lines > 0 ? std::min(std::max(app.ProIF_LineNumber(), 1), lines)
                                          : 0);
    }
    SetUpScrollBar();
    RefreshProInterface();
}

void CZelkProController::Notice(const QString& text) {
    context_.dialogs->Message(text, UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
}

void CZelkProController::ApplyLine() {
    CZelkData& figure = *context_.figure;
    if (context_.controller->Files().RefuseWhenFull()) {
        return;
    }
    const int32_t position = figure.NumberOfLines() > 0 ? context_.appData->ProIF_LineNumber() : 1;
    QStringList fields;
    for (int index : kFieldOrder) {
        fields << context_.window->PosFieldText(index);
    }
    const FigureEdit::Pointers before = context_.controller->CurrentPointers();
    if (figure.AddLineTo(position, fields.join(u','))) {
        const int32_t at = std::min(position, figure.NumberOfLines());
        context_.controller->RecordEdit(
            FigureEdit::Added(figure, at, figure.GetLine(at),
                              QCoreApplication::translate("CZelkProController", "線の挿入"), before,
                              context_.controller->CurrentPointers(),
                              [this](const FigureEdit::Pointers&) { AfterHistoryStep(); }));
        Notice(QStringLiteral("Apply Succeeded"));
        SetUpScrollBar();
    } else {
        Notice(QStringLiteral("Apply Failed"));
        context_.controller->ShowCondition(
            QCoreApplication::translate("CZelkProController", "線を加えられませんでした：") +
            RefusalOf(fields));
    }
    RefreshProInterface();
}

// Why the figure took no line of these six fields (from x, y, z, to x, y, z).
QString CZelkProController::RefusalOf(const QStringList& fields) const {
    const CZelkData& figure = *context_.figure;
    static const char* const kNames[6] = {QT_TRANSLATE_NOOP("CZelkProController", "始点の X"),
                                          QT_TRANSLATE_NOOP("CZelkProController", "始点の Y"),
                                          QT_TRANSLATE_NOOP("CZelkProController", "始点の Z"),
                                          QT_TRANSLATE_NOOP("CZelkProController", "終点の X"),
                                          QT_TRANSLATE_NOOP("CZelkProController", "終点の Y"),
                                          QT_TRANSLATE_NOOP("CZelkProController", "終点の Z")};
    float v[6];
    for (int i = 0; i < 6; ++i) {
        if (!NumberText::ToSingle(fields[i], v[i])) {
            return QCoreApplication::translate("CZelkProController",
                                               "%1 座標「%2」が数ではありません。")
                .arg(QCoreApplication::translate("CZelkProController", kNames[i]), fields[i]);
        }
    }
    const CLine line{v[0], v[1], v[2], v[3], v[4], v[5]};
    bool sameEnds = true;
    for (int i = 0; i < 3; ++i) {
        sameEnds = sameEnds && NumberText::Canonical(v[i]) == NumberText::Canonical(v[i + 3]);
    }
    if (sameEnds) {
        return QCoreApplication::translate("CZelkProController",
                                           "始点と終点が同じです（長さ 0 の線）。");
    }
    if (const int32_t same = figure.IndexOf(line); same > 0) {
        return QCoreApplication::translate("CZelkProController", "%1 番目の線と同じ線です。")
            .arg(same);
    }
    if (figure.IsFull()) {
        return QCoreApplication::translate("CZelkProController", "線は %1 本までです。")
            .arg(CZelkData::kMaxLines);
    }
    return QCoreApplication::translate("CZelkProController", "線として読めませんでした。");
}

void CZelkProController::DeleteCurrentLine() {
    CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    const int32_t line = app.ProIF_LineNumber();
    if (context_.dialogs->Message(
            QCoreApplication::translate(
                "CZelkProController",
                "%1 番目の線を削除しようとしています。\r\n本当によろしいですか？")
                .arg(line),
            UserDialogs::ShownTitle(), UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    const QString deletedLine = figure.GetLine(line);
    const FigureEdit::Pointers before = context_.controller->CurrentPointers();
    if (!figure.DelLine(line)) {
        Notice(QCoreApplication::translate("CZelkProController",
                                           "エラー、または削除されませんでした。"));
        return;
    }
    context_.controller->RecordEdit(FigureEdit::Removed(
        figure, line, deletedLine, QCoreApplication::translate("CZelkProController", "線の削除"),
        before, before, [this](const FigureEdit::Pointers&) { AfterHistoryStep(); }));
    Notice(QCoreApplication::translate("CZelkProController", "削除完了"));
    if (figure.NumberOfLines() < line) {
        app.SetProIF_LineNumber(figure.NumberOfLines());
    }
    SetUpScrollBar();
    RefreshProInterface();
}

int16_t CZelkProController::ToPointerCoordinate(const QString& text) const {
    float value = 0;
    if (!NumberText::ToSingle(text, value) || value <= 0) {
        return 0;
    }
    const int16_t limit = context_.appData->MaxSize();
    if (value >= limit) {
        return limit;
    }
    return static_cast<int16_t>(NumberText::RoundHalfEven(value));
}

void CZelkProController::TakePointersFromFields() {
    for (int k = 0; k < 6; ++k) {
        SetPointerCoordinate(k, ToPointerCoordinate(context_.window->PosFieldText(
                                    kFieldOrder[static_cast<size_t>(k)])));
    }
}

void CZelkProController::ShowEditedLine() {
    CAppData& app = *context_.appData;
    IMainWindow& window = *context_.window;
    ctlZelkView& view = *context_.view;
    const int16_t values[6] = {app.PointerFromX(), app.PointerFromY(), app.PointerFromZ(),
                               app.PointerToX(),   app.PointerToY(),   app.PointerToZ()};
    for (int k = 0; k < 6; ++k) {
        window.SetPosFieldText(kFieldOrder[static_cast<size_t>(k)], QString::number(values[k]));
    }
    auto text = [&window](int a, int b, int c) {
        return window.PosFieldText(a) + u',' + window.PosFieldText(b) + u',' +
               window.PosFieldText(c);
    };
    view.SetPointerFrom(text(0, 2, 4));
    view.SetPointerTo(text(1, 3, 5));
    view.SetTempLine(view.PointerFrom() + u',' + view.PointerTo());
    view.SetViewPointerFrom(true);
    view.SetViewPointerTo(true);
    view.ViewTempLine(true);
    context_.controller->Run(CommandId::Redraw);
}
