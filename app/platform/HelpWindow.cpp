#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
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
    setWindowTitle(QCoreApplication::translate("HelpWindow", "立体ゼルク ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(720, 560);
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(QCoreApplication::translate("HelpWindow", "立体ゼルク ヘルプ"));
    }
    QWidget::changeEvent(event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Esc and Ctrl+W close the help, as in other viewers.
    const bool close = (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) ||
                       (event->key() == Qt::Key_W && event->modifiers() == Qt::ControlModifier);
    if (close) {
        this->close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowFile(const QString& fileName, QWidget* owner) {
    shownFile_ = fileName;
    if (owner != nullptr && parentWidget() != owner->window()) {
        // A window of its own, kept in front of its owner by the window manager.
        setParent(owner->window(), Qt::Window);
        setAttribute(Qt::WA_QuitOnClose, false);
    }
    if (owner != nullptr && !isVisible()) {
        const QRect frame = owner->window()->frameGeometry();
        QRect placed(QPoint(0, 0), size());
        placed.moveCenter(frame.center());
        move(placed.topLeft());
    }
    if (QFileInfo(fileName).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(fileName));
    } else {
        browser_->setHtml(QCoreApplication::translate(
                              "HelpWindow", "<p>ヘルプファイルが見つかりません。</p><p>") +
                          fileName.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    show();
    raise();
    activateWindow();
}
