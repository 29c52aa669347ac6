#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// Title bar and borders of a usual desktop frame, in the window's own pixels, assumed
// until the window manager has given the window its real one.
constexpr int kAssumedTitle = 32;
constexpr int kAssumedBorder = 4;

bool IsFitted(const QWidget* widget) {
    if (widget == nullptr || !widget->isWindow()) {
        return false;
    }
    // The main window sizes itself to the screen by its own rules.
    if (qobject_cast<const QMainWindow*>(widget) != nullptr) {
        return false;
    }
    const Qt::WindowType type = widget->windowType();
    // Menus, tool tips and the like place themselves.
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
}

// The frame the window manager gave a window (none yet: zero).
QMargins FrameOf(const QWidget* window) {
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The screen a window is on (the primary one before it has one); null without screens.
const QScreen* ScreenOf(const QWidget* window) {
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

// True when the window's size, frame included, fits its screen's free area.
bool OnScreen(const QWidget* window, const QMargins& frame) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return true;
    }
    const QSize outer = window->size().grownBy(frame);
    const QRect area = screen->availableGeometry();
    return outer.width() <= area.width() && outer.height() <= area.height();
}

} // namespace

void ScreenFit::Install() {
    static QPointer<ScreenFit> installed;
    if (installed == nullptr && qApp != nullptr) {
        installed = new ScreenFit(qApp);
        qApp->installEventFilter(installed);
    }
}

void ScreenFit::Fit(QWidget* window) {
    if (!IsFitted(window)) {
        return;
    }
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect inner = window->geometry();
    QMargins frame = FrameOf(window);
    const bool framed = !window->testAttribute(Qt::WA_DontShowOnScreen) &&
                        !window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                        QGuiApplication::platformName() != QLatin1String("offscreen");
    if (frame.isNull() && framed) {
        frame = QMargins(kAssumedBorder, kAssumedTitle, kAssumedBorder, kAssumedBorder);
    }
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    if (room.width() <= 0 || room.height() <= 0) {
        return;
    }
    QSize size = inner.size();
    if (size.width() > room.width() || size.height() > room.height()) {
        size = size.boundedTo(room);
        // A window that cannot become as small as that still becomes as small as it can.
        window->setMinimumSize(window->minimumSize().boundedTo(size));
        window->resize(size);
        size = window->size();
    }
    const QRect outer(inner.topLeft() - QPoint(frame.left(), frame.top()), size.grownBy(frame));
    const int x = std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width());
    const int y = std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height());
    if (x != outer.left() || y != outer.top()) {
        // move() places the frame's corner.
        window->move(std::max(x, area.left()), std::max(y, area.top()));
    }
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A window manager may give the frame without moving the window: the activation that
    // follows the mapping is the latest point to see it.
    if (type != QEvent::Show && type != QEvent::Resize && type != QEvent::Move &&
        type != QEvent::WindowActivate) {
        return false;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (!IsFitted(window) || !window->isVisible() || window->isMaximized() ||
        window->isFullScreen()) {
        return false;
    }
    // As it is shown (after it has laid itself out: a message box sizes itself then), and
    // once more when the window manager frames it; a window the user moves stays where
    // it is put.
    static const char* const kFrame = "zelkFittedFrame";
    const QMargins frame = FrameOf(window);
    const QVariant fitted = window->property(kFrame);
    // A window that grows by itself after it was fitted (a file dialog that has read its
    // folder) is fitted again; one only moved is not.
    const bool grownPast = type == QEvent::Resize && !OnScreen(window, frame);
    if (type != QEvent::Show && fitted.isValid() && fitted.value<QMargins>() == frame &&
        !grownPast) {
        return false;
    }
    window->setProperty(kFrame, QVariant::fromValue(frame));
    QTimer::singleShot(0, window, [window] { Fit(window); });
    return false;
}
