#include "WindowKeys.h"

#include "KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

WindowKeys::WindowKeys(QWidget* window, std::function<void(int16_t, int16_t)> run)
    : window_(window), run_(std::move(run)) {}

int WindowKeys::VirtualKey(int qtKey) {
    using namespace KeyCodes;
    switch (qtKey) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Space:
        return kSpace;
    case Qt::Key_Left:
        return kLeft;
    case Qt::Key_Up:
        return kUp;
    case Qt::Key_Right:
        return kRight;
    case Qt::Key_Down:
        return kDown;
    default:
        // Letters and digits have the same codes in both key sets.
        if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
            (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
            return qtKey;
        }
        return 0;
    }
}

bool WindowKeys::Handle(QKeyEvent* event) {
    const int key = VirtualKey(event->key());
    const Qt::KeyboardModifiers mods = event->modifiers();
    using namespace KeyCodes;
    const int mask = (mods & Qt::ShiftModifier ? kShiftMask : 0) |
                     (mods & Qt::ControlModifier ? kCtrlMask : 0) |
                     (mods & Qt::AltModifier ? kAltMask : 0);
    ++busy_;
    run_(static_cast<int16_t>(key), static_cast<int16_t>(mask));
    --busy_;
    // Keys the program uses are its own, except inside a text field.
    const bool used = key == kBackspace || key == kEnter || key == kEscape || key == kSpace ||
                      (key >= kLeft && key <= kDown) || key == kO || (key >= kX && key <= kZ);
    return used && qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr;
}

bool WindowKeys::Filter(QObject* watched, QKeyEvent* key) {
    if (busy_ > 0 || runningQueued_) {
        queued_.emplace_back(key->clone());
        return true;
    }
    const QPointer<QWidget> alive(window_);
    const bool used = Handle(key);
    if (!alive || queued_.empty()) {
        return used;
    }
    // Keys came while this one ran: this one reaches its widget first, then they run.
    if (!used) {
        forwarding_ = true;
        QApplication::sendEvent(watched, key);
        forwarding_ = false;
    }
    RunQueued();
    return true;
}

void WindowKeys::EndCommand() {
    --busy_;
    RunQueued();
}

void WindowKeys::RunQueued() {
    if (busy_ > 0 || runningQueued_) {
        return;
    }
    // A key may end the program and take the window, and this object, with it.
    const QPointer<QWidget> alive(window_);
    runningQueued_ = true;
    while (!queued_.empty() && !stopped_) {
        const std::unique_ptr<QKeyEvent> key = std::move(queued_.front());
        queued_.pop_front();
        if (!Handle(key.get()) && alive) {
            // Not the program's key: it goes on to the widget it was typed into.
            if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == window_) {
                forwarding_ = true;
                QApplication::sendEvent(focus, key.get());
                forwarding_ = false;
            }
        }
        if (!alive) {
            return;
        }
    }
    runningQueued_ = false;
}
