#include "ViewMouse.h"

#include "CZelkController.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWheelEvent>

ViewMouse::ViewMouse(std::function<CZelkController*()> controller,
                     std::function<void(CommandId)> send,
                     std::function<void(const QPoint&)> showMenu)
    : controller_(std::move(controller)), send_(std::move(send)), showMenu_(std::move(showMenu)) {}

bool ViewMouse::Handle(QEvent* event) {
    CZelkController* controller = controller_();
    if (controller == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        dragging_ = true;
        dragged_ = false;
        pressAt_ = lastDragAt_ = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_) {
            return false;
        }
        const QPoint at = mouse->position().toPoint();
        if (!dragged_ && (at - pressAt_).manhattanLength() < QApplication::startDragDistance()) {
            return true;
        }
        dragged_ = true;
        // One whole degree a pixel, the near side following the hand: dragging right
        // brings it right (the longitude grows), dragging down brings it down (the eye
        // rises, the latitude grows).
        const QPoint delta = at - lastDragAt_;
        lastDragAt_ = at;
        if (!delta.isNull()) {
            controller->TurnBy(delta.x(), delta.y());
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !dragging_) {
            return false;
        }
        dragging_ = false;
        if (!dragged_) {
            const QPoint at = mouse->position().toPoint();
            controller->ClickAt(at.x(), at.y());
        }
        return true;
    }
    case QEvent::Wheel: {
        // One zoom step a notch; fine-grained wheels add up to whole notches.
        wheelRemainder_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        while (wheelRemainder_ >= 120) {
            wheelRemainder_ -= 120;
            send_(CommandId::Magnify);
        }
        while (wheelRemainder_ <= -120) {
            wheelRemainder_ += 120;
            send_(CommandId::Reduce);
        }
        return true;
    }
    case QEvent::ContextMenu:
        showMenu_(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}
