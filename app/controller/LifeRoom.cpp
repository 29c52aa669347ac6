// Start-up and shut-down.
#include "LifeRoom.h"

#include "CAppData.h"
#include "CFileHandling.h"
#include "CKeyHandler.h"
#include "CWavePlay.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkIniFileHandler.h"
#include "CZelkInitialData_zelk01.h"
#include "Clock.h"
#include "CopySlots.h"
#include "FigurePreload.h"
#include "FileRoom.h"
#include "IMainWindow.h"
#include "IWindowFactory.h"
#include "UserDialogs.h"
#include "ViewRoom.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

QString LifeRoom::DataFolder() const {
    return context_.Folders().Data();
}

// Empty when this copy holds no slot (every one is held or keeps another copy's
// recovery file): such a copy autosaves nowhere rather than over another's work.
QString LifeRoom::AutosavePath() const {
    if (context_.copySlots != nullptr && context_.copySlots->Slot() == 0) {
        return QString();
    }
    return DataFolder() + u'/' +
           CopySlots::AutosaveName(context_.copySlots ? context_.copySlots->Slot() : 1);
}

QStringList LifeRoom::RecoveryFiles() const {
    if (context_.copySlots != nullptr) {
        return context_.copySlots->RecoveryFiles();
    }
    // Without slots there is one autosave file, recovered when no other copy runs.
    if (!context_.previousInstance && QFileInfo::exists(AutosavePath())) {
        return {AutosavePath()};
    }
    return {};
}

// Takes another copy's left recovery file as this copy's own, so that it is autosaved
// on from here and offered no more once this copy ends cleanly. The name to load.
QString LifeRoom::AdoptRecoveryFile(const QString& path) {
    const QString own = AutosavePath();
    if (own.isEmpty() || path == own || QFileInfo::exists(own) || !QFile::rename(path, own)) {
        return path;
    }
    return own;
}

QString LifeRoom::CommandLineFile(const QStringList& arguments) {
    QString commandLine = arguments.join(u' ');
    if (commandLine.startsWith(u'"')) {
        commandLine.remove(0, 1);
    }
    if (commandLine.endsWith(u'"')) {
        commandLine.chop(1);
    }
    // A relative name would point elsewhere once the working folder differs.
    if (!commandLine.isEmpty() && QFileInfo(commandLine).isRelative()) {
        commandLine = QFileInfo(commandLine).absoluteFilePath();
    }
    return commandLine;
}

void LifeRoom::Boot() {
    CAppData& app = *context_.appData;
    IMainWindow& window = *context_.window;
    ctlZelkView& view = *context_.view;

    // Settings, loading, the mode and the standard view each redraw a figure that nobody
    // sees yet (the window shows after the last picture): only the last picture is drawn.
    controller_.HoldDrawing(true);
    controller_.StartServices();

    context_.windows->ShowSplash(context_.Folders().Pictures() + QStringLiteral("/ZelkSplash.bmp"),
                                 controller_.SoundFile(QStringLiteral("Splash.wav")));

    // The figure named at start is read on another thread while the settings are applied
    // and the window laid out: not sooner, as beside the splash's first drawing (the
    // display server's work too) it held up both.
    if (context_.preload != nullptr) {
        context_.preload->Start(CommandLineFile(context_.arguments));
    }
    ReadSettings();
    // The language the settings name (Japanese unless English was chosen), before any
    // text is shown; Qt's own dialogs follow.
    controller_.Viewing().ApplyLanguage(app.LanguageKind());

    window.SetFormSize(app.FormSize());
    window.SetDifficulty(app.Level());
    window.SetFormSize(app.FormSize());

    window.SetChecked(IMainWindow::CheckItem::DataPathFixed, app.DataPathFixed());
    window.ShowProInterfacePanel(app.ProInterface());
    window.SetChecked(IMainWindow::CheckItem::ProInterface, app.ProInterface());

    window.SetTurningInterval(app.TickTime());
    window.StartAutosaveTimer(CZelkController::kAutosaveInterval);

    controller_.UpdateRecentMenu();

    view.SetPointerFromColor(app.PointerFromColor());
    view.SetPointerToColor(app.PointerToColor());
    view.SetAxisLineSize(app.AxisLineSize());
    view.SetSubAxisLineSize(app.SubAxisLineSize());

    CFileHandling files(*context_.dialogs);
    QString waitingNote;
    if (!context_.arguments.isEmpty()) {
        const QString commandLine = CommandLineFile(context_.arguments);
        app.SetFileName(commandLine);
        // A name that does not exist yet stays (the user may save under it); a file that
        // exists but cannot be read is not taken as the figure's name, so that a later
        // save cannot replace it by an empty figure.
        if (!controller_.Files().LoadFigureFile(commandLine) && QFileInfo::exists(commandLine)) {
            app.SetFileName(QString());
        }
        controller_.UpdateTitle();
        // Work of a copy that ended abnormally stays for a start without a file; the
        // user learns that it is there.
        if (const QStringList waiting = RecoveryFiles(); !waiting.isEmpty()) {
            waitingNote = QCoreApplication::translate(
                              "CZelkController", "前回異常終了したときの作業が %1 に残っています"
                                                 "（ファイルを指定せずに起動すると読み込みます）。")
                              .arg(QDir::toNativeSeparators(waiting.first()));
        }
    } else if (const QStringList recovery = RecoveryFiles(); !recovery.isEmpty()) {
        const QString folder = app.DataPath();
        QString notice = QCoreApplication::translate("CZelkController",
                                                     "前回異常終了したようです。%1を読み込みます。")
                             .arg(QFileInfo(recovery.first()).fileName());
        if (recovery.size() > 1) {
            // Only one figure fits the window: the others wait in the recent-file list.
            notice += QCoreApplication::translate(
                "CZelkController", "\r\nほかにも復旧できるファイルがあります（最近使ったファイル"
                                   "から開けます）：");
            for (qsizetype i = recovery.size() - 1; i >= 1; --i) {
                notice += QStringLiteral("\r\n") + recovery[i];
                app.SetFileName(recovery[i]);
            }
        }
        context_.dialogs->Message(notice, QString(), UserDialogs::Buttons::Ok);
        const QString recovered = AdoptRecoveryFile(recovery.first());
        app.SetFileName(recovered);
        // The recovery file is removed at the next normal end: never a recent file.
        app.RemoveHistory(recovered);
        if (controller_.Files().LoadFigureFile(recovered)) {
            // Recovered work exists nowhere else: it counts as unsaved, so quitting,
            // opening or starting anew asks before it can be lost.
            context_.figure->SetDirty(true);
            controller_.ClearHistory(true);
        } else {
            app.SetFileName(QString());
        }
        app.SetDataPath(folder);
        controller_.UpdateTitle();
    } else {
        const QString folder = app.DataPath();
        LoadBuiltInFigure();
        const QString builtInFile = DataFolder() + QStringLiteral("/zelk01.zlk");
        if (HoldsBuiltInFigure(builtInFile)) {
            controller_.Files().SaveFigureFile(builtInFile);
        } else {
            // The built-in figure is nobody's unsaved work.
            context_.figure->SetDirty(false);
        }
        app.SetFileName(QString());
        app.SetDataPath(folder);
    }

    controller_.Run(CommandId::ViewMode);
    controller_.Run(CommandId::EqualAngleView);

    app.SetRatio(controller_.Viewing().FitRatio());
    view.SetRatio(app.Ratio());
    controller_.HoldDrawing(false);

    context_.windows->CloseSplash();
    QStringList notes;
    if (!context_.restoredAtStart.isEmpty()) {
        notes << QCoreApplication::translate("CZelkController",
                                             "前回の保存が途中で止まっていたため、%1 を保存前の"
                                             "内容に戻しました。")
                     .arg(QDir::toNativeSeparators(
                         context_.restoredAtStart.join(QStringLiteral("、"))));
    }
    notes << controller_.Files().LoadNote() << waitingNote;
    notes.removeAll(QString());
    if (!notes.isEmpty()) {
        controller_.ShowCondition(notes.join(u'\u3000'));
    } else {
        controller_.ShowCondition(QCoreApplication::translate(
                                      "CZelkController", "さあ、立体ゼルクをはじめましょう！   <") +
                                  context_.clock->ShortDate() + u'>');
    }
    // The figure is drawn once, for the window as it is shown (showing lays it out and
    // draws on most platforms); a large figure is not drawn twice at start.
    const int64_t drawn = view.DrawCount();
    window.ShowWindow();
    if (view.DrawCount() == drawn) {
        view.Draw();
    }
}

void LifeRoom::LoadBuiltInFigure() {
    CZelkData& figure = *context_.figure;
    figure.ClearData();
    CZelkInitialData_zelk01 source;
    while (source.HasMore()) {
        figure.AddLine(source.More());
    }
    figure.SetComment(source.Comment());
    controller_.ClearHistory();
}

// zelk01.zlk is written anew only while it is missing or still the built-in figure: a
// user may have saved a figure of their own under that name.
bool LifeRoom::HoldsBuiltInFigure(const QString& path) const {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        return true;
    }
    // Whatever is there is not reported: a file that is not ours is left alone.
    CZelkData stored;
    const bool read = stored.Load(path).ok;
    // Comments differ by the date of their stamp; the lines decide.
    return read && stored.SameLines(*context_.figure);
}

void LifeRoom::Finish() {
    UserDialogs& dialogs = *context_.dialogs;
    if (dialogs.Message(
            QCoreApplication::translate("CZelkController", "立体ゼルクを終了しますか？"), QString(),
            UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    if (context_.figure->IsDirty() &&
        dialogs.Message(QCoreApplication::translate(
                            "CZelkController",
                            "！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？"),
                        UserDialogs::ShownTitle(),
                        UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    // From here on the program ends: no tick may autosave again or cut the cue off.
    context_.window->StopTimers();
    WriteSettings();
    DeleteAutosaveFile();
    CZelkController::LetEventsRun();
    controller_.PlayFinSound();
    if (context_.endProgram) {
        context_.endProgram();
    }
}

// The desktop session ends or the process is asked to stop: no questions can be
// answered now, so unsaved work goes where the next start recovers it.
void LifeRoom::EndSession() {
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

void LifeRoom::CommitSession() {
    if (context_.figure != nullptr && context_.figure->IsDirty()) {
        SaveRecoveryCopy();
    }
    CZelkIniFileHandler(context_).WriteSetting();
}

// The figure as it is into autosave.zlk, its changed mark kept. No message box: nobody
// is there to answer it while the session ends (a failure goes to the error output).
void LifeRoom::SaveRecoveryCopy() {
    if (AutosavePath().isEmpty()) {
        return;
    }
    CZelkData& figure = *context_.figure;
    const bool changed = figure.IsDirty();
    const FileResult saved = figure.Save(AutosavePath());
    if (!saved) {
        std::fprintf(
            stderr, "zelk: %s: %s\n", qPrintable(saved.title),
            qPrintable(QString(saved.reason).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    }
    figure.SetDirty(changed);
}

void LifeRoom::DeleteAutosaveFile() {
    CFileHandling files(*context_.dialogs);
    const QString path = AutosavePath();
    if (path.isEmpty()) {
        return;
    }
    const QString removalError = QCoreApplication::translate(
        "CZelkController", "エラーが発生しました。Autosaveファイルの削除は正常に行われなかった"
                           "可能性があります。");
    if (!files.FileExists(path)) {
        // Something else under the file's name (a folder) is not ours to remove.
        if (QFileInfo::exists(path)) {
            context_.dialogs->Message(removalError, QString(), UserDialogs::Buttons::Ok);
        }
        return;
    }
    // The file handling has said why; this says which file stays.
    if (!files.DeleteFile(path)) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "問題発生！") + QStringLiteral("\r\n") +
                QFileInfo(path).fileName() +
                QCoreApplication::translate("CZelkController", "　が削除できませんでした。"),
            QString(), UserDialogs::Buttons::Ok);
    } else if (QFileInfo::exists(path)) {
        context_.dialogs->Message(removalError, QString(), UserDialogs::Buttons::Ok);
    }
}

void LifeRoom::AutoSave() {
    if (AutosavePath().isEmpty()) {
        return;
    }
    const bool changed = context_.figure->IsDirty();
    controller_.Files().SaveFigureFile(AutosavePath());
    // The autosave is never the user's save: the changed mark and its warnings stay.
    if (changed) {
        context_.figure->SetDirty(true);
    }
}

void LifeRoom::ReadSettings() {
    CZelkIniFileHandler(context_).ReadSetting();
}

// A settings file that cannot be written must not keep the program from ending.
void LifeRoom::WriteSettings() {
    CZelkIniFileHandler handler(context_);
    if (!handler.WriteSetting()) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController",
                                        "設定ファイルに書き込めませんでした。\r\n") +
                handler.FilePath() + u' ' + handler.LastError() +
                QCoreApplication::translate("CZelkController", "\r\n今回の設定は保存されません。"),
            QString(), UserDialogs::Buttons::Ok);
    }
}

void LifeRoom::ShowVersionDialog() {
    // The picture in the user's language, when there is one.
    const QString pictures = context_.Folders().Pictures();
    QString picture = pictures + QStringLiteral("/ZelkVersion.bmp");
    if (context_.appData->LanguageKind() == UiLanguage::English &&
        QFileInfo::exists(pictures + QStringLiteral("/ZelkVersion_en.bmp"))) {
        picture = pictures + QStringLiteral("/ZelkVersion_en.bmp");
    }
    context_.windows->ShowVersionDialog(picture,
                                        controller_.SoundFile(QStringLiteral("Splash.wav")));
}

LifeRoom::LifeRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
