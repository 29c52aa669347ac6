#include "QtClipboard.h"

#include <QApplication>
#include <QClipboard>

void QtClipboard::Clear() {
    QApplication::clipboard()->clear();
}

void QtClipboard::SetImage(const QImage& image) {
    QApplication::clipboard()->setImage(image);
}

QImage QtClipboard::Image() const {
    return QApplication::clipboard()->image();
}
