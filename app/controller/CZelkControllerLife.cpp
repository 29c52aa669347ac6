// Start-up and shut-down.
#include "CAppData.h"
#include "CFileHandling.h"
#include "CKeyHandler.h"
#include "CWavePlay.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkIniFileHandler.h"
#include "CZelkInitialData_zelk01.h"
#include "Clock.h"
#include "IMainWindow.h"
#include "IWindowFactory.h"
#include "ModelNotice.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QFileInfo>

QString CZelkController::DataFolder() const {
    return context_.Folders().Data();
}

QString CZelkController::AutosavePath() const {
    return DataFolder() + QStringLiteral("/autosave.zlk");
}

void CZelkController::Boot() {
    CAppData& app = *context_.appData;
    IMainWindow& window = *context_.window;
    ctlZelkView& view = *context_.view;

    wavePlay_ = std::make_unique<CWavePlay>(*context_.sound);
    keyHandler_ = std::make_unique<CKeyHandler>(context_);

    context_.windows->ShowSplash(context_.Folders().Pictures() + QStringLiteral("/ZelkSplash.bmp"),
                                 SoundFile(QStringLiteral("Splash.wav")));

    ReadSettings();

    window.SetFormSize(app.FormSize());
    window.SetDifficulty(app.Level());
    window.SetFormSize(app.FormSize());

    window.SetChecked(IMainWindow::CheckItem::DataPathFixed, app.DataPathFixed());
    window.ShowProInterfacePanel(app.ProInterface());
    window.SetChecked(IMainWindow::CheckItem::ProInterface, app.ProInterface());

    window.SetTurningInterval(app.TickTime());
    window.StartAutosaveTimer(kAutosaveInterval);

    UpdateRecentMenu();

    view.SetPointerFromColor(app.PointerFromColor());
    view.SetPointerToColor(app.PointerToColor());
    view.SetAxisLineSize(app.AxisLineSize());
    view.SetSubAxisLineSize(app.SubAxisLineSize());

    // Loading, the mode and the standard view each redraw a figure that nobody sees yet
    // (the window shows after the last picture): only the last picture is drawn.
    holdDrawing_ = true;
    CFileHandling files(*context_.dialogs);
    QString commandLine = context_.arguments.join(u' ');
    if (commandLine.startsWith(u'"')) {
        commandLine.remove(0, 1);
    }
    if (commandLine.endsWith(u'"')) {
        commandLine.chop(1);
    }
    if (!context_.arguments.isEmpty()) {
        // A relative name would point elsewhere once the working folder differs.
        if (!commandLine.isEmpty() && QFileInfo(commandLine).isRelative()) {
            commandLine = QFileInfo(commandLine).absoluteFilePath();
        }
        app.SetFileName(commandLine);
        LoadFigureFile(commandLine);
        UpdateTitle();
    } else if (files.FileExists(AutosavePath()) && !context_.previousInstance) {
        const QString folder = app.DataPath();
        context_.dialogs->Message(
            QStringLiteral("前回異常終了したようです。autosave.zlkを読み込みます。"), QString(),
            UserDialogs::Buttons::Ok);
        app.SetFileName(AutosavePath());
        LoadFigureFile(AutosavePath());
        // Recovered work exists nowhere else: it counts as unsaved, so quitting,
        // opening or starting anew asks before it can be lost.
        context_.figure->SetDirty(true);
        ClearHistory(true);
        app.SetDataPath(folder);
        UpdateTitle();
    } else {
        const QString folder = app.DataPath();
        LoadBuiltInFigure();
        SaveFigureFile(DataFolder() + QStringLiteral("/zelk01.zlk"));
        app.SetFileName(QString());
        app.SetDataPath(folder);
    }

    SetCommand(QStringLiteral("VIEW_MODE"));
    SetCommand(QStringLiteral("EQUAL_ANGLE_VIEW"));

    app.SetRatio(FitRatio());
    view.SetRatio(app.Ratio());
    holdDrawing_ = false;
    view.Draw();

    context_.windows->CloseSplash();
    ShowCondition(QStringLiteral("さあ、立体ゼルクをはじめましょう！   <") +
                  context_.clock->ShortDate() + u'>');
    window.ShowWindow();
}

void CZelkController::LoadBuiltInFigure() {
    CZelkData& figure = *context_.figure;
    figure.ClearData();
    CZelkInitialData_zelk01 source;
    while (source.HasMore()) {
        figure.AddLine(source.More());
    }
    figure.SetComment(source.Comment());
    ClearHistory();
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
    // From here on the program ends: no tick may autosave again or cut the cue off.
    context_.window->StopTimers();
    WriteSettings();
    DeleteAutosaveFile();
    LetEventsRun();
    PlayFinSound();
    if (context_.endProgram) {
        context_.endProgram();
    }
}

// The desktop session ends or the process is asked to stop: no questions can be
// answered now, so unsaved work goes where the next start recovers it.
void CZelkController::EndSession() {
    if (context_.window != nullptr) {
        context_.window->StopTimers();
    }
    if (context_.figure != nullptr && context_.figure->IsDirty()) {
        SaveRecoveryCopy();
    } else {
        DeleteAutosaveFile();
    }
    CZelkIniFileHandler(context_).WriteSetting();
    if (context_.endProgram) {
        context_.endProgram();
    }
}

// The figure as it is into autosave.zlk, its changed mark kept. No message box: nobody
// is there to answer it while the session ends (a failure goes to the error output).
void CZelkController::SaveRecoveryCopy() {
    CZelkData& figure = *context_.figure;
    const bool changed = figure.IsDirty();
    const ModelNotice::Handler previous = ModelNotice::SetHandler({});
    figure.SaveData(AutosavePath());
    ModelNotice::SetHandler(previous);
    figure.SetDirty(changed);
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

void CZelkController::AutoSave() {
    const bool changed = context_.figure->IsDirty();
    SaveFigureFile(AutosavePath());
    // The autosave is never the user's save: the changed mark and its warnings stay.
    if (changed) {
        context_.figure->SetDirty(true);
    }
}

void CZelkController::ReadSettings() {
    CZelkIniFileHandler(context_).ReadSetting();
}

// A settings file that cannot be written must not keep the program from ending.
void CZelkController::WriteSettings() {
    CZelkIniFileHandler handler(context_);
    if (!handler.WriteSetting()) {
        context_.dialogs->Message(QStringLiteral("設定ファイルに書き込めませんでした。\r\n") +
                                      handler.FilePath() + u' ' + handler.LastError() +
                                      QStringLiteral("\r\n今回の設定は保存されません。"),
                                  QString(), UserDialogs::Buttons::Ok);
    }
}

void CZelkController::ShowVersionDialog() {
    context_.windows->ShowVersionDialog(context_.Folders().Pictures() +
                                            QStringLiteral("/ZelkVersion.bmp"),
                                        SoundFile(QStringLiteral("Splash.wav")));
}
