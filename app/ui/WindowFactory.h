#pragma once

#include "AppContext.h"
#include "IWindowFactory.h"

#include <QPointer>
#include <memory>

class QWidget;
class frmAbout;
class frmPreView;

// The program's other windows: splash and version dialog (frmAbout), the thumbnail
// browser (frmPreView) and the help window, owned by or parented to the main window.
class WindowFactory : public IWindowFactory {
public:
    WindowFactory(AppContext& context, QWidget* mainWindow);
    ~WindowFactory() override;
    WindowFactory(const WindowFactory&) = delete;
    WindowFactory& operator=(const WindowFactory&) = delete;

    void ShowSplash(const QString& picture, const QString& sound) override;
    void CloseSplash() override;
    void ShowVersionDialog(const QString& picture, const QString& sound) override;
    void OpenThumbnailBrowser(const QString& folder) override;
    QString ThumbnailSelection() const override;
    void ShowHelp(const QString& file) override;

    // The open browser, if any.
    frmPreView* ThumbnailBrowser() const;

private:
    AppContext& context_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<frmAbout> splash_;
    QPointer<frmPreView> preview_;
};
