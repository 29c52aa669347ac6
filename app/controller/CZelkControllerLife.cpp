// Start-up and shut-down.
#include "CAppData.h"
#include "CFileHandling.h"
#include "CKeyHandler.h"
#include "CStringUtil.h"
#include "CWavePlay.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkInitialData_zelk01.h"
#include "Clock.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"
#include "frmZelkWin.h"

#include <QAction>
#include <QTimer>

QString CZelkController::AutosavePath() const {
    return context_.programFolder + QStringLiteral("/data/autosave.zlk");
}

void CZelkController::Boot() {
    CAppData& app = *context_.appData;
    frmZelkWin& window = *context_.window;
    ctlZelkView& view = *context_.view;

    wavePlay_ = std::make_unique<CWavePlay>(*context_.sound);
    keyHandler_ = std::make_unique<CKeyHandler>(context_);
    splitter_ = std::make_unique<CStringUtil>();

    window.SetFormSize(app.FormSize());
    window.SetDifficulty(app.Difficulty());
    window.SetFormSize(app.FormSize());

    window.Action(QStringLiteral("mnuDataPathFixed"))->setChecked(app.DataPathFixed());
    window.ProInterfacePanel()->setVisible(app.ProInterface());
    window.SecondaryTools()->setVisible(!app.ProInterface());
    window.Action(QStringLiteral("mnuOptionProInterface"))->setChecked(app.ProInterface());

    window.TurningTimer()->setInterval(app.TickTime());
    window.AutosaveTimer()->setInterval(60000);
    window.AutosaveTimer()->start();

    UpdateRecentMenu();

    view.SetPointerFromColor(app.PointerFromColor());
    view.SetPointerToColor(app.PointerToColor());
    view.SetAxisLineSize(app.AxisLineSize());
    view.SetSubAxisLineSize(app.SubAxisLineSize());

    LoadBuiltInFigure();
    // The built-in figure as it comes is not a change of the user's.
    context_.figure->SetDirty(false);
    app.SetFileName(QString());

    SetCommand(QStringLiteral("VIEW_MODE"));
    SetCommand(QStringLiteral("EQUAL_ANGLE_VIEW"));

    app.SetRatio(FitRatio());
    view.SetRatio(app.Ratio());
    view.Draw();

    ShowCondition(QStringLiteral("さあ、立体ゼルクをはじめましょう！   <") +
                  context_.clock->ShortDate() + u'>');
    window.show();
}

void CZelkController::LoadBuiltInFigure() {
    CZelkData& figure = *context_.figure;
    figure.ClearData();
    CZelkInitialData_zelk01 source;
    while (source.HasMore()) {
        figure.AddLine(source.More());
    }
    figure.SetComment(source.Comment());
}

void CZelkController::Finish() {
    UserDialogs& dialogs = *context_.dialogs;
    if (dialogs.Message(QStringLiteral("立体ゼルクを終了しますか？"), QString(),
                        UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    if (context_.figure->IsDirty() &&
        dialogs.Message(
            QStringLiteral("！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？"),
            UserDialogs::ProgramTitle(), UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    DeleteAutosaveFile();
    LetEventsRun();
    PlayFinSound();
    if (context_.endProgram) {
        context_.endProgram();
    }
}

void CZelkController::DeleteAutosaveFile() {
    CFileHandling files(*context_.dialogs);
    const QString path = AutosavePath();
    if (files.FileExists(path) && !files.DeleteFile(path)) {
        context_.dialogs->Message(
            QStringLiteral("問題発生！\r\nautosave.zlk\u3000が削除できませんでした。"), QString(),
            UserDialogs::Buttons::Ok);
    }
}
