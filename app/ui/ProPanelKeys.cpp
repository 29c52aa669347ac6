#include "ProPanelKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

ProPanelKeys::ProPanelKeys(QWidget* panel, std::array<QLineEdit*, 6> fields,
                           std::span<QAbstractButton* const> buttons, std::function<void()> apply)
    : panel_(panel), fields_(fields), apply_(std::move(apply)) {
    // Row by row, as the eye reads the panel: the start point, then the end point.
    QWidget* chain[6] = {fields[0], fields[2], fields[4], fields[1], fields[3], fields[5]};
    QWidget* previous = nullptr;
    for (QWidget* field : chain) {
        field->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, field);
        }
        previous = field;
    }
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(Qt::StrongFocus);
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

bool ProPanelKeys::Owns(const QWidget* focus) const {
    if (focus == nullptr || panel_ == nullptr || focus == panel_ || !panel_->isVisible()) {
        return false;
    }
    return (qobject_cast<const QLineEdit*>(focus) != nullptr ||
            qobject_cast<const QAbstractButton*>(focus) != nullptr) &&
           panel_->isAncestorOf(focus);
}

bool ProPanelKeys::Key(QWidget* focus, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Escape) {
        panel_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
        if (enter || key->key() == Qt::Key_Space) {
            if (button->isEnabled() && !key->isAutoRepeat()) {
                button->click();
            }
            return true;
        }
        return false;
    }
    const bool field = std::find(fields_.begin(), fields_.end(), focus) != fields_.end();
    if (field && enter) {
        apply_();
        return true;
    }
    // Everything else edits the text (arrows, Home, End, Backspace, Delete, typing).
    return false;
}
