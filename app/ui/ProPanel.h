#pragma once

#include "ProCommandId.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolButton;
class ProPanelKeys;

// The detailed-input panel ("picProInterface"): the turning buttons, the line number
// with its scroll bar, the six number fields of a line's start and end point, and the
// apply, delete and new-line buttons. It sends its commands to the detailed-input
// controller and keeps its fields' keys to itself while they have the focus.
class ProPanel : public QWidget {
    Q_OBJECT
public:
    using Send = std::function<void(ProCommandId command)>;

    ProPanel(QWidget* parent, Send send);
    ~ProPanel() override;

    // Places the controls for a panel of this height and lets the controller set the
    // scroll bar's range and the line number for it.
    void Layout(int height);
    void Retranslate();
    // Apply, delete, the fields and the scroll bar: only while drawing.
    void SetDrawingControlsEnabled(bool enabled);

    QAbstractButton* Button(int index) const;
    QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
    QScrollBar* LineScroll() const { return lineScroll_; }
    QLabel* LineNumberLabel() const { return lineNumber_; }
    // True when the focus is one of the panel's fields or buttons: then its keys are the
    // panel's, not the view's.
    bool OwnsKeysOf(const QWidget* focus) const;
    // A key press for the focused field or button; true when it is used up.
    bool Key(QWidget* focus, QKeyEvent* key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnButton(int index);

    Send send_;
    std::array<QToolButton*, 7> buttons_{};
    QLabel* lineNumber_ = nullptr;
    std::array<QLabel*, 3> axes_{};
    QLabel* from_ = nullptr;
    QLabel* to_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
    QScrollBar* lineScroll_ = nullptr;
    std::unique_ptr<ProPanelKeys> keys_;
};
