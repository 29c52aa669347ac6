#include "CKeyEventsForClipboardHandling.h"

#include <QApplication>
#include <QClipboard>
#include <QPixmap>

void CKeyEventsForClipboardHandling::CopyEntireFormToClipboard() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    QWidget* window = window_ ? window_->window() : QApplication::activeWindow();
    QApplication::processEvents();
    if (window == nullptr) {
        return;
    }
    const QPixmap picture = window->grab();
    if (!picture.isNull()) {
        clipboard->setImage(picture.toImage());
    }
}
