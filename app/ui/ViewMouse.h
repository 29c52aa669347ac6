#pragma once

#include "CommandId.h"

#include <QPoint>
#include <functional>

class CZelkController;
class QEvent;

// The mouse in the main view: a left drag turns the figure by whole degrees, a click
// without a drag picks a corner or a line, the wheel zooms one step a notch (finer
// wheels add up), the right button opens the view's menu.
class ViewMouse {
public:
    // controller: asked at every event (none: the mouse does nothing); send runs a
    // command as the window does; showMenu opens the view's menu at a screen position.
    ViewMouse(std::function<CZelkController*()> controller,
              std::function<void(CommandId command)> send,
              std::function<void(const QPoint& globalPos)> showMenu);

    // True when the event was the mouse's and is used up.
    bool Handle(QEvent* event);

private:
    std::function<CZelkController*()> controller_;
    std::function<void(CommandId)> send_;
    std::function<void(const QPoint&)> showMenu_;
    bool dragging_ = false;
    bool dragged_ = false;
    QPoint pressAt_;
    QPoint lastDragAt_;
    int wheelRemainder_ = 0;
};
