#pragma once

#include "CommandId.h"

#include <QWidget>
#include <array>
#include <functional>

class QAbstractButton;
class QToolButton;

// The side panel of drawing buttons ("picSecondaryTools"): the turning buttons, the
// pointer steps along each axis, and the line buttons. Each button sends its command as
// many times as the tool table says.
class ToolBoxPanel : public QWidget {
    Q_OBJECT
public:
    using Send = std::function<void(CommandId command)>;
    static constexpr int kButtons = 19;

    ToolBoxPanel(QWidget* parent, int width, int height, Send send);

    // Places the buttons for a panel of this height.
    void Layout(int height);
    void Retranslate();
    // Everything but the turning buttons: only while drawing.
    void SetDrawingControlsEnabled(bool enabled);
    QAbstractButton* Button(int index) const;

private:
    void OnButton(int index);

    Send send_;
    std::array<QToolButton*, kButtons> buttons_{};
};
