#include "CKeyEventsForClipboardHandling.h"

#include <QApplication>
#include <QClipboard>
#include <QPixmap>

QImage CKeyEventsForClipboardHandling::GrabEntireForm() {
    QWidget* window = window_ ? window_->window() : QApplication::activeWindow();
    QApplication::processEvents();
    if (window == nullptr) {
        return {};
    }
    return window->grab().toImage();
}

void CKeyEventsForClipboardHandling::CopyEntireFormToClipboard() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    const QImage picture = GrabEntireForm();
    if (!picture.isNull()) {
        clipboard->setImage(picture);
    }
}
