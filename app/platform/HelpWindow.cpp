#include "HelpWindow.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow* HelpWindow::Instance() {
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow();
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return window;
}

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("立体ゼルク ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(720, 560);
}

void HelpWindow::ShowFile(const QString& fileName) {
    shownFile_ = fileName;
    if (QFileInfo(fileName).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(fileName));
    } else {
        browser_->setHtml(QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>") +
                          fileName.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    show();
    raise();
    activateWindow();
}
