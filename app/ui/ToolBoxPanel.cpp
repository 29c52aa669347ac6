#include "ToolBoxPanel.h"

#include "IconFactory.h"
#include "LayoutRound.h"
#include "MenuTable.h"

#include <QToolButton>

ToolBoxPanel::ToolBoxPanel(QWidget* parent, int width, int height, Send send)
    : QWidget(parent), send_(std::move(send)) {
    setObjectName(QStringLiteral("picSecondaryTools"));
    setFocusPolicy(Qt::StrongFocus);
    resize(width, height);
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdToolBox%1").arg(i));
        button->setIcon(IconFactory::ToolBoxIcon(i));
        if (MenuTable::ToolBox()[static_cast<size_t>(i)].caption != nullptr) {
            // The word beside the picture, in the user's language.
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(button, &QToolButton::clicked, this, [this, i] { OnButton(i); });
        buttons_[static_cast<size_t>(i)] = button;
    }
    Retranslate();
}

void ToolBoxPanel::Retranslate() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const MenuTable::ToolBoxRow& row = MenuTable::ToolBox()[i];
        buttons_[i]->setToolTip(MenuTable::Tr(row.toolTip));
        if (row.caption != nullptr) {
            buttons_[i]->setText(MenuTable::Tr(row.caption));
        }
    }
}

void ToolBoxPanel::Layout(int height) {
    const int r = LayoutRound(height / 10.0);
    const double b = LayoutRound(width() * 0.7);
    const int m = LayoutRound(r / 4.0);
    const double x = LayoutRound(width() * 0.15);
    const int half = LayoutRound(b / 2);
    const int narrow = LayoutRound(b / 10);
    const int wide = LayoutRound(4 * b / 10);
    const int leftHalf = LayoutRound(b / 2 + x);
    const int leftTenth = LayoutRound(b / 10 + x);
    const int leftEnd = LayoutRound(b / 2 + x + 4 * b / 10);
    const int bi = static_cast<int>(b);
    const int xi = static_cast<int>(x);
    const QRect places[kButtons] = {
        {xi, m, bi, r},
        {xi, m + r, half, r},
        {leftHalf, m + r, half, r},
        {xi, m + 2 * r, bi, r},
        {leftTenth, 2 * m + 3 * r, wide, r},
        {leftHalf, 2 * m + 3 * r, wide, r},
        {leftTenth, 2 * m + 4 * r, wide, r},
        {leftHalf, 2 * m + 4 * r, wide, r},
        {leftTenth, 2 * m + 5 * r, wide, r},
        {leftHalf, 2 * m + 5 * r, wide, r},
        {xi, 3 * m + 6 * r, bi, r},
        {xi, 3 * m + 7 * r, bi, r},
        {xi, 3 * m + 8 * r, bi, r},
        {xi, 2 * m + 3 * r, narrow, r},
        {xi, 2 * m + 4 * r, narrow, r},
        {xi, 2 * m + 5 * r, narrow, r},
        {leftEnd, 2 * m + 3 * r, narrow, r},
        {leftEnd, 2 * m + 4 * r, narrow, r},
        {leftEnd, 2 * m + 5 * r, narrow, r},
    };
    for (int i = 0; i < kButtons; ++i) {
        QToolButton* button = buttons_[static_cast<size_t>(i)];
        button->setGeometry(places[i]);
        const bool worded = MenuTable::ToolBox()[static_cast<size_t>(i)].caption != nullptr;
        button->setIconSize(worded ? QSize(std::max(r - 8, 4), std::max(r - 8, 4))
                                   : QSize(std::max(places[i].width() - 4, 4), std::max(r - 6, 4)));
    }
}

void ToolBoxPanel::SetDrawingControlsEnabled(bool enabled) {
    for (int i = 4; i < kButtons; ++i) {
        buttons_[static_cast<size_t>(i)]->setEnabled(enabled);
    }
}

QAbstractButton* ToolBoxPanel::Button(int index) const {
    return buttons_[static_cast<size_t>(index)];
}

void ToolBoxPanel::OnButton(int index) {
    const MenuTable::ToolBoxRow& row = MenuTable::ToolBox()[static_cast<size_t>(index)];
    for (int i = 0; i < row.times; ++i) {
        send_(row.command);
    }
    setFocus();
}
