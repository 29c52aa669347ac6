#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <span>

class QAbstractButton;
class QKeyEvent;
class QLineEdit;

// The keys of the detailed-input panel while one of its fields or buttons has the focus:
// a form's keys. Return in a field applies the line, Space or Return presses a button,
// editing keys stay in the field, Esc gives the keys back to the view. Tab goes through
// the start point's X, Y, Z, the end point's X, Y, Z, then the buttons.
class ProPanelKeys {
public:
    // fields: the six number fields, start and end point alternating (start X, end X, …);
    // buttons: the panel's buttons in the order Tab reaches them after the fields;
    // apply: what Return in a field does.
    ProPanelKeys(QWidget* panel, std::array<QLineEdit*, 6> fields,
                 std::span<QAbstractButton* const> buttons, std::function<void()> apply);

    // True when the focus is one of the panel's fields or buttons: then its keys are the
    // panel's, not the view's.
    bool Owns(const QWidget* focus) const;
    // A key press for the focused field or button; true when it is used up here, false
    // when it goes on to that widget.
    bool Key(QWidget* focus, QKeyEvent* key);

private:
    QPointer<QWidget> panel_;
    std::array<QLineEdit*, 6> fields_;
    std::function<void()> apply_;
};
