#include "Main_TheApp.h"

#include "FigurePreload.h"
#include "Languages.h"

#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "CopySlots.h"
#include "HoldingSoundBackend.h"
#include "MenuBarStyle.h"
#include "QtClipboard.h"
#include "QtPrinter.h"
#include "SafeFile.h"
#include "ScreenFit.h"
#include "UserDialogs.h"
#include "WindowFactory.h"
#include "frmZelkWin.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

Main_TheApp::Main_TheApp(const QString& programFolder, const QStringList& arguments,
                         UserDialogs& dialogs, SoundBackend& sound, Clock& clock,
                         std::function<void()> quit, Clipboard* clipboard, Printer* printer)
    : quit_(std::move(quit)) {
    if (clipboard == nullptr) {
        systemClipboard_ = std::make_unique<QtClipboard>();
        clipboard = systemClipboard_.get();
    }
    if (printer == nullptr) {
        systemPrinter_ = std::make_unique<QtPrinter>();
        printer = systemPrinter_.get();
    }
    context_.clipboard = clipboard;
    context_.printer = printer;
    context_.programFolder = programFolder;
    context_.folders = AppFolders::ForProgram(programFolder);
    context_.arguments = arguments;
    context_.dialogs = &dialogs;
    sound_ = std::make_unique<HoldingSoundBackend>(sound);
    context_.sound = sound_.get();
    context_.soundHold = sound_.get();
    context_.clock = &clock;
    context_.endProgram = [this] { End(); };
}

Main_TheApp::~Main_TheApp() {
    Release();
}

bool Main_TheApp::Start() {
    context_.dialogs->RouteModelNoticesHere();
    // The data folder is where figures, the autosave file and the lock live; a fresh
    // program folder gets one, so that saving never fails for want of it.
    const QString data = context_.folders.Data();
    QDir().mkpath(data);
    QDir().mkpath(QFileInfo(context_.folders.SettingsFile()).path());
    // Every running copy holds a slot of its own: its own autosave file.
    slots_ = std::make_unique<CopySlots>(data);
    // A start with a file leaves recovery files where they are, for a start without one.
    slots_->Take(context_.arguments.isEmpty() ? CopySlots::Recovery::Offered
                                              : CopySlots::Recovery::LeftAlone);
    context_.copySlots = slots_.get();
    context_.previousInstance = slots_->OthersRunning();
    // Journals of files in folders that take no new files are kept here.
    SafeFile::SetSpareJournalFolder(data);
    const QString settingsFolder = QFileInfo(context_.folders.SettingsFile()).path();
    const QStringList ownFolders{data, data + QStringLiteral("/DataHistory"), settingsFolder};
    // Rewrites cut short are undone (one a running copy is still making holds its lock).
    for (const QString& folder : ownFolders) {
        context_.restoredAtStart << SafeFile::RestoreJournals(folder);
    }
    if (!context_.previousInstance) {
        // Temporaries of saves that were killed half-way; no other copy is writing them.
        const QStringList suffixes{QStringLiteral(".zlk")};
        SafeFile::RemoveLeftovers(data, suffixes);
        SafeFile::RemoveLeftovers(data + QStringLiteral("/DataHistory"), suffixes);
        SafeFile::RemoveLeftovers(settingsFolder, {QStringLiteral(".ini")});
    }
    // The figure named on the command line is read on another thread once the splash is
    // up (the start begins it).
    if (!context_.arguments.isEmpty()) {
        preload_ = std::make_unique<FigurePreload>();
        context_.preload = preload_.get();
    }
    languages_ =
        std::make_unique<Languages>(context_.folders.Resources() + QStringLiteral("/translations"));
    context_.languages = languages_.get();
    controller_ = std::make_unique<CZelkController>(context_);
    context_.controller = controller_.get();
    proController_ = std::make_unique<CZelkProController>(context_);
    context_.proController = proController_.get();
    appData_ = std::make_unique<CAppData>(context_.programFolder, context_.folders.Data());
    context_.appData = appData_.get();
    // The program's style before any widget: the menu bar takes it as it is made.
    MenuBarStyle::Install();
    ScreenFit::Install();
    window_ = std::make_unique<frmZelkWin>(context_);
    context_.window = window_.get();
    windows_ = std::make_unique<WindowFactory>(context_, window_.get());
    context_.windows = windows_.get();
    figure_ = std::make_unique<CZelkData>();
    context_.figure = figure_.get();
    appData_->SetFigure(figure_.get());
    context_.view = window_->View();
    const bool booted = controller_->Run(CommandId::BootZelk);
    // Only the start takes the figure read ahead.
    context_.preload = nullptr;
    preload_.reset();
    return booted;
}

void Main_TheApp::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (window_) {
        window_->Detach();
    }
    // Every window of the program goes: the browser, help and version dialogs too.
    QApplication::closeAllWindows();
    if (quit_) {
        quit_();
    }
}

void Main_TheApp::Release() {
    if (window_) {
        window_->Detach();
    }
    context_.controller = nullptr;
    controller_.reset();
    context_.proController = nullptr;
    proController_.reset();
    context_.appData = nullptr;
    appData_.reset();
    context_.windows = nullptr;
    windows_.reset();
    context_.window = nullptr;
    context_.view = nullptr;
    window_.reset();
    context_.figure = nullptr;
    figure_.reset();
    slots_.reset();
}
