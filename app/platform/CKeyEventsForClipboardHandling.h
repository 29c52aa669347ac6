#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

// Puts a picture of the main window on the clipboard (the whole window, grabbed
// directly), replacing whatever was there.
class CKeyEventsForClipboardHandling {
public:
    // window: the main window; without one the active window is taken.
    explicit CKeyEventsForClipboardHandling(QWidget* window = nullptr) : window_(window) {}
    void CopyEntireFormToClipboard();
    // The same picture, without touching the clipboard (null without a window).
    QImage GrabEntireForm();

private:
    QPointer<QWidget> window_;
};
