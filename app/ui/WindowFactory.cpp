#include "WindowFactory.h"

#include "CHelp.h"
#include "frmAbout.h"
#include "frmPreView.h"

WindowFactory::WindowFactory(AppContext& context, QWidget* mainWindow)
    : context_(context), mainWindow_(mainWindow) {}

WindowFactory::~WindowFactory() = default;

void WindowFactory::ShowSplash(const QString& picture, const QString& sound) {
    splash_ = std::make_unique<frmAbout>(*context_.sound, *context_.dialogs);
    splash_->ShowWithModePicSound(QStringLiteral("SPLASH"), picture, sound);
}

void WindowFactory::CloseSplash() {
    if (splash_) {
        splash_->Terminate();
        splash_.reset();
    }
}

void WindowFactory::ShowVersionDialog(const QString& picture, const QString& sound) {
    auto* dialog = new frmAbout(*context_.sound, *context_.dialogs, mainWindow_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ShowWithModePicSound(QStringLiteral("VERSION"), picture, sound);
}

void WindowFactory::OpenThumbnailBrowser(const QString& folder) {
    if (preview_) {
        preview_->close();
    }
    auto* browser = new frmPreView(context_);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    preview_ = browser;
    browser->show();
    // Opened from the main window, it comes to the front even where the window manager
    // would keep it behind.
    browser->raise();
    browser->activateWindow();
    browser->SetDataPath(folder);
}

QString WindowFactory::ThumbnailSelection() const {
    return preview_ ? preview_->SelectedFile() : QString();
}

frmPreView* WindowFactory::ThumbnailBrowser() const {
    return preview_;
}

void WindowFactory::ShowHelp(const QString& file) {
    CHelp().ShowHTMLHelpUsingAPI(mainWindow_, file);
}
