#include "ProPanel.h"

#include "IconFactory.h"
#include "LayoutRound.h"
#include "MenuTable.h"
#include "ProPanelKeys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

constexpr const char* kAxes[3] = {"X", "Y", "Z"};

} // namespace

ProPanel::ProPanel(QWidget* parent, Send send) : QWidget(parent), send_(std::move(send)) {
    setObjectName(QStringLiteral("picProInterface"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    hide();
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const MenuTable::ProButtonRow& row = MenuTable::ProButtons()[static_cast<size_t>(i)];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdProInterface%1").arg(i));
        if (*row.caption == 0) {
            button->setIcon(IconFactory::TurnIcon(i));
        }
        connect(button, &QToolButton::clicked, this, [this, i] { OnButton(i); });
        buttons_[static_cast<size_t>(i)] = button;
    }
    lineNumber_ = new QLabel(QStringLiteral("LineNo.  0 / 100"), this);
    lineNumber_->setObjectName(QStringLiteral("lblLineNumber"));
    for (int i = 0; i < 3; ++i) {
        axes_[static_cast<size_t>(i)] = new QLabel(QString::fromLatin1(kAxes[i]), this);
        axes_[static_cast<size_t>(i)]->setAlignment(Qt::AlignCenter);
    }
    from_ = new QLabel(QStringLiteral("●"), this);
    from_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    to_ = new QLabel(QStringLiteral("●"), this);
    for (int i = 0; i < 6; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), this);
        field->setObjectName(QStringLiteral("txtPos%1").arg(i));
        field->installEventFilter(this);
        fields_[static_cast<size_t>(i)] = field;
    }
    lineScroll_ = new QScrollBar(Qt::Vertical, this);
    lineScroll_->setObjectName(QStringLiteral("vscrLineNumber"));
    connect(lineScroll_, &QScrollBar::valueChanged, this,
            [this] { send_(ProCommandId::VscrLineNumberChange); });
    // After the fields Tab reaches 決定, 削除 and 新しい線, then the turning buttons.
    const std::array<QAbstractButton*, 7> order = {
        buttons_[4], buttons_[5], buttons_[6], buttons_[0], buttons_[1], buttons_[2], buttons_[3]};
    keys_ = std::make_unique<ProPanelKeys>(this, fields_, order,
                                           [this] { send_(ProCommandId::ApplyLine); });
    Retranslate();
}

ProPanel::~ProPanel() = default;

void ProPanel::Retranslate() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const MenuTable::ProButtonRow& row = MenuTable::ProButtons()[i];
        if (*row.caption != 0) {
            buttons_[i]->setText(MenuTable::Tr(row.caption));
        }
        buttons_[i]->setToolTip(*row.toolTip != 0 ? MenuTable::Tr(row.toolTip) : QString());
    }
    for (int i = 0; i < 6; ++i) {
        fields_[static_cast<size_t>(i)]->setToolTip(
            QCoreApplication::translate("frmZelkWin", "%1の %2 座標")
                .arg(i % 2 == 0 ? QCoreApplication::translate("frmZelkWin", "始点")
                                : QCoreApplication::translate("frmZelkWin", "終点"))
                .arg(QString::fromLatin1(kAxes[i / 2])));
    }
    lineScroll_->setToolTip(QCoreApplication::translate("frmZelkWin", "線の番号を選ぶ"));
}

void ProPanel::Layout(int height) {
    const int r = LayoutRound(height / 11.0);
    const double b = LayoutRound(width() * 0.7);
    const int m = LayoutRound(r / 4.0);
    const double x = LayoutRound(width() * 0.15);
    const int xi = static_cast<int>(x);
    const int bi = static_cast<int>(b);
    const int half = LayoutRound(b / 2);
    buttons_[0]->setGeometry(xi, m, bi, r);
    buttons_[1]->setGeometry(xi, m + r, half, r);
    buttons_[2]->setGeometry(LayoutRound(b / 2 + x), m + r, half, r);
    buttons_[3]->setGeometry(xi, m + 2 * r, bi, r);
    for (int i = 0; i < 4; ++i) {
        QToolButton* button = buttons_[static_cast<size_t>(i)];
        button->setIconSize(QSize(button->width() - 4, std::max(r - 6, 4)));
    }
    lineNumber_->setGeometry(xi, 2 * m + 3 * r, bi, r);
    const int columns[3] = {LayoutRound(b / 10 + x), LayoutRound(4 * b / 10 + x),
                            LayoutRound(7 * b / 10 + x)};
    for (int i = 0; i < 3; ++i) {
        axes_[static_cast<size_t>(i)]->setGeometry(columns[i], 2 * m + 4 * r,
                                                   LayoutRound(2 * b / 10), r);
    }
    from_->setGeometry(xi, 2 * m + 5 * r, LayoutRound(b / 10), r);
    to_->setGeometry(xi, 2 * m + 6 * r, LayoutRound(b / 10), r);
    for (int i = 0; i < 6; ++i) {
        fields_[static_cast<size_t>(i)]->setGeometry(
            columns[i / 2], 2 * m + (i % 2 == 0 ? 5 : 6) * r, LayoutRound(3 * b / 10), r);
    }
    lineScroll_->setGeometry(bi + xi, 2 * m + 5 * r, LayoutRound(3 * b / 20), 2 * r);
    buttons_[4]->setGeometry(xi, 3 * m + 7 * r, bi, r);
    buttons_[5]->setGeometry(xi, 3 * m + 8 * r, bi, r);
    buttons_[6]->setGeometry(xi, 3 * m + 9 * r, bi, r);
    buttons_[6]->hide();
    {
        // A layout's new range may clamp the value; that is no choice of the user's and
        // must not move the pointers to a figure line.
        const QSignalBlocker quiet(lineScroll_);
        send_(ProCommandId::SetupVscrollBar);
    }
    send_(ProCommandId::SetupLineNumberLabel);
}

void ProPanel::SetDrawingControlsEnabled(bool enabled) {
    for (int i = 4; i <= 6; ++i) {
        buttons_[static_cast<size_t>(i)]->setEnabled(enabled);
    }
    for (QLineEdit* field : fields_) {
        field->setEnabled(enabled);
    }
    lineScroll_->setEnabled(enabled);
}

QAbstractButton* ProPanel::Button(int index) const {
    return buttons_[static_cast<size_t>(index)];
}

bool ProPanel::OwnsKeysOf(const QWidget* focus) const {
    return keys_->Owns(focus);
}

bool ProPanel::Key(QWidget* focus, QKeyEvent* key) {
    return keys_->Key(focus, key);
}

bool ProPanel::eventFilter(QObject* watched, QEvent* event) {
    // A field taking the focus shows its line as the one being edited.
    if (event->type() == QEvent::FocusIn) {
        send_(ProCommandId::SetTempLine);
        send_(ProCommandId::ProInterfaceChange);
    }
    return QWidget::eventFilter(watched, event);
}

void ProPanel::OnButton(int index) {
    send_(MenuTable::ProButtons()[static_cast<size_t>(index)].command);
    setFocus();
}
