#include "frmZelkWin.h"

#include "CAppData.h"
#include "CKeyEventsForClipboardHandling.h"
#include "CZelkController.h"
#include "CZelkProController.h"
#include "IconFactory.h"
#include "MenuTable.h"
#include "ProPanelKeys.h"
#include "UserDialogs.h"
#include "ViewMouse.h"
#include "WindowKeys.h"
#include "ctlZelkView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace {

// Rounds to the nearest integer, ties to even, as all layout arithmetic does.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

frmZelkWin::frmZelkWin(AppContext& context)
    : context_(context), client_(new QWidget(this)),
      view_(ctlZelkView::CreateControl(ctlZelkView::CreationIdentifier(), client_)),
      picFrontView_(new QLabel(client_)), picTopView_(new QLabel(client_)),
      picSideView_(new QLabel(client_)), turningTimer_(new QTimer(this)),
      autosaveTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmZelkWin"));
    setWindowTitle(UserDialogs::ShownTitle());
    setCentralWidget(client_);
    view_->setObjectName(QStringLiteral("ctlZelkView"));
    picFrontView_->setObjectName(QStringLiteral("picFrontView"));
    picTopView_->setObjectName(QStringLiteral("picTopVIew"));
    picSideView_->setObjectName(QStringLiteral("picSideView"));
    for (QLabel* box : {picFrontView_, picTopView_, picSideView_}) {
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setAutoFillBackground(true);
        box->hide();
    }

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildSidePanel();
    BuildProInterface();

    turningTimer_->setInterval(500);
    connect(turningTimer_, &QTimer::timeout, this,
            [this] { Send(QStringLiteral("TURNING_TIMER_CALL")); });
    autosaveTimer_->setInterval(60000);
    connect(autosaveTimer_, &QTimer::timeout, this, [this] { Send(QStringLiteral("AUTOSAVE")); });
    autosaveTimer_->start();

    keys_ = std::make_unique<WindowKeys>(this, [this](int16_t key, int16_t shift) {
        if (context_.controller != nullptr) {
            context_.controller->SetKeyCommand(key, shift);
        }
    });
    mouse_ = std::make_unique<ViewMouse>(
        [this] { return context_.controller; },
        [this](const char* command) { Send(QString::fromLatin1(command)); },
        [this](const QPoint& at) { ShowViewMenu(at); });

    // Key preview: the window sees every key first, whatever control has the focus.
    qApp->installEventFilter(this);
}

frmZelkWin::~frmZelkWin() {
    Detach();
}

void frmZelkWin::Detach() {
    detached_ = true;
    keys_->Stop();
    turningTimer_->stop();
    autosaveTimer_->stop();
    qApp->removeEventFilter(this);
}

void frmZelkWin::Send(const QString& command) {
    if (!detached_ && context_.controller != nullptr) {
        keys_->BeginCommand();
        context_.controller->SetCommand(command);
        keys_->EndCommand();
    }
}

void frmZelkWin::SendPro(const QString& command) {
    if (!detached_ && context_.proController != nullptr) {
        keys_->BeginCommand();
        context_.proController->SetCommand(command);
        keys_->EndCommand();
    }
}

// ---------------------------------------------------------------- building

void frmZelkWin::BuildMenus() {
    using Row = MenuTable::MenuRow;
    auto item = [](QMenu* menu, const char* name, const QString& caption, bool checkable) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (checkable) {
            // A check mark is the program's to set, never a side effect of the click:
            // undo the toggle before any handler runs.
            action->setCheckable(true);
            connect(action, &QAction::triggered, action,
                    [action](bool checked) { action->setChecked(!checked); });
        }
        return action;
    };
    auto sends = [this](QAction* action, const QString& command) {
        connect(action, &QAction::triggered, this, [this, command] { Send(command); });
    };

    QMenu* top = nullptr;
    QMenu* menu = nullptr;
    for (const Row& row : MenuTable::Menus()) {
        const QString caption = MenuTable::Tr(row.caption);
        switch (row.kind) {
        case Row::Kind::Menu:
            top = menu = menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            continue;
        case Row::Kind::SubMenu:
            menu = top->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            continue;
        case Row::Kind::End:
            menu = top;
            continue;
        case Row::Kind::Separator: {
            QAction* line = menu->addSeparator();
            line->setObjectName(QString::fromLatin1(row.name));
            line->setVisible(!row.hidden);
            continue;
        }
        case Row::Kind::Recent:
            for (int i = 0; i < static_cast<int>(recent_.size()); ++i) {
                QAction* recent = menu->addAction(QString());
                recent->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i));
                recent->setVisible(false);
                sends(recent, QStringLiteral("LOAD_RECENT_%1").arg(i));
                recent_[static_cast<size_t>(i)] = recent;
            }
            continue;
        case Row::Kind::Levels:
            for (const DifficultyEntry& entry : ZelkStates::Levels()) {
                QAction* level = item(menu, entry.menuItem, ZelkStates::Tr(entry.caption), true);
                connect(level, &QAction::triggered, this,
                        [this, level] { OnDifficultyMenu(level); });
            }
            continue;
        case Row::Kind::Sizes:
            for (const FormSizeEntry& size : ZelkStates::FormSizes()) {
                sends(item(menu, size.menuItem, ZelkStates::Tr(size.caption), true),
                      QString::fromLatin1(size.command));
            }
            continue;
        case Row::Kind::Item:
            break;
        }
        QAction* action = item(menu, row.name, caption, row.checkable);
        if (row.shortcut != 0) {
            action->setShortcut(QKeySequence(row.shortcut));
        }
        action->setVisible(!row.hidden);
        action->setEnabled(!row.disabled);
        switch (row.does) {
        case Row::Does::Command:
            sends(action, CZelkController::CommandText(row.command));
            break;
        case Row::Does::DrawMode:
            connect(action, &QAction::triggered, this, [this] { OnDrawMenu(); });
            break;
        case Row::Does::ProInterface:
            connect(action, &QAction::triggered, this, [this] { OnProInterfaceMenu(); });
            break;
        case Row::Does::Nothing:
            break;
        }
    }
    SetUndoState(false, QString(), false, QString());
}

void frmZelkWin::BuildToolBar() {
    tlbToolBar_ = new QToolBar(client_);
    tlbToolBar_->setObjectName(QStringLiteral("tlbToolBar"));
    tlbToolBar_->setIconSize(QSize(24, 24));
    tlbToolBar_->setMovable(false);
    tlbToolBar_->setFloatable(false);
    for (const MenuTable::ToolRow& row : MenuTable::ToolBar()) {
        if (row.name == nullptr) {
            tlbToolBar_->addSeparator();
            continue;
        }
        auto* button = new QToolButton(tlbToolBar_);
        const QString key = QString::fromLatin1(row.name);
        button->setObjectName(key);
        button->setIcon(IconFactory::ToolBarIcon(key));
        button->setToolTip(MenuTable::Tr(row.toolTip));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QString command = CZelkController::CommandText(row.command);
        connect(button, &QToolButton::clicked, this, [this, command] { Send(command); });
        tlbToolBar_->addWidget(button);
        // Undo and redo are enabled when there is a step to take.
        button->setEnabled(row.command != CommandId::Undo && row.command != CommandId::Redo);
    }
}

void frmZelkWin::BuildStatusBar() {
    sbrCurrentCondition_ = new QWidget(client_);
    sbrCurrentCondition_->setObjectName(QStringLiteral("sbrCurrentCondition"));
    const char* keys[2] = {"sbrExplanation", "sbrAngle"};
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(sbrCurrentCondition_);
        panel->setObjectName(QString::fromLatin1(keys[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        panels_[static_cast<size_t>(i)] = panel;
    }
}

void frmZelkWin::BuildSidePanel() {
    picSecondaryTools_ = new QWidget(client_);
    picSecondaryTools_->setObjectName(QStringLiteral("picSecondaryTools"));
    picSecondaryTools_->setFocusPolicy(Qt::StrongFocus);
    picSecondaryTools_->resize(kSidePanelWidth, kSidePanelMaxHeight);
    for (int i = 0; i < static_cast<int>(cmdToolBox_.size()); ++i) {
        auto* button = new QToolButton(picSecondaryTools_);
        button->setObjectName(QStringLiteral("cmdToolBox%1").arg(i));
        button->setIcon(IconFactory::ToolBoxIcon(i));
        const MenuTable::ToolBoxRow& row = MenuTable::ToolBox()[static_cast<size_t>(i)];
        button->setToolTip(MenuTable::Tr(row.toolTip));
        if (row.caption != nullptr) {
            // The word beside the picture, in the user's language.
            button->setText(MenuTable::Tr(row.caption));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(button, &QToolButton::clicked, this, [this, i] { OnToolBox(i); });
        cmdToolBox_[static_cast<size_t>(i)] = button;
    }
}

void frmZelkWin::BuildProInterface() {
    picProInterface_ = new QWidget(client_);
    picProInterface_->setObjectName(QStringLiteral("picProInterface"));
    picProInterface_->setFocusPolicy(Qt::StrongFocus);
    picProInterface_->setAutoFillBackground(true);
    picProInterface_->hide();
    for (int i = 0; i < static_cast<int>(cmdProInterface_.size()); ++i) {
        const MenuTable::ProButtonRow& row = MenuTable::ProButtons()[static_cast<size_t>(i)];
        auto* button = new QToolButton(picProInterface_);
        button->setObjectName(QStringLiteral("cmdProInterface%1").arg(i));
        if (*row.caption == 0) {
            button->setIcon(IconFactory::TurnIcon(i));
        } else {
            button->setText(MenuTable::Tr(row.caption));
        }
        if (*row.toolTip != 0) {
            button->setToolTip(MenuTable::Tr(row.toolTip));
        }
        connect(button, &QToolButton::clicked, this, [this, i] { OnProButton(i); });
        cmdProInterface_[static_cast<size_t>(i)] = button;
    }
    lblLineNumber_ = new QLabel(QStringLiteral("LineNo.  0 / 100"), picProInterface_);
    lblLineNumber_->setObjectName(QStringLiteral("lblLineNumber"));
    const char* axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        lblPos_[static_cast<size_t>(i)] =
            new QLabel(QString::fromLatin1(axes[i]), picProInterface_);
        lblPos_[static_cast<size_t>(i)]->setAlignment(Qt::AlignCenter);
    }
    lblFrom_ = new QLabel(QStringLiteral("●"), picProInterface_);
    lblFrom_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    lblTo_ = new QLabel(QStringLiteral("●"), picProInterface_);
    for (int i = 0; i < 6; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), picProInterface_);
        field->setObjectName(QStringLiteral("txtPos%1").arg(i));
        field->setToolTip(QCoreApplication::translate("frmZelkWin", "%1の %2 座標")
                              .arg(i % 2 == 0 ? QCoreApplication::translate("frmZelkWin", "始点")
                                              : QCoreApplication::translate("frmZelkWin", "終点"))
                              .arg(QString::fromLatin1(axes[i / 2])));
        txtPos_[static_cast<size_t>(i)] = field;
    }
    vscrLineNumber_ = new QScrollBar(Qt::Vertical, picProInterface_);
    vscrLineNumber_->setObjectName(QStringLiteral("vscrLineNumber"));
    vscrLineNumber_->setToolTip(QCoreApplication::translate("frmZelkWin", "線の番号を選ぶ"));
    connect(vscrLineNumber_, &QScrollBar::valueChanged, this,
            [this] { SendPro(QStringLiteral("VSCR_LINE_NUMBER_CHANGE")); });
    // After the fields Tab reaches 決定, 削除 and 新しい線, then the turning buttons.
    const std::array<QAbstractButton*, 7> buttons = {
        cmdProInterface_[4], cmdProInterface_[5], cmdProInterface_[6], cmdProInterface_[0],
        cmdProInterface_[1], cmdProInterface_[2], cmdProInterface_[3]};
    panelKeys_ = std::make_unique<ProPanelKeys>(picProInterface_, txtPos_, buttons,
                                                [this] { SendPro(QStringLiteral("APPLY_LINE")); });
}

// ---------------------------------------------------------------- layouts

int frmZelkWin::ToolBarHeight() const {
    return tlbToolBar_->sizeHint().height();
}

void frmZelkWin::SetFormSize(const QString& size) {
    formSize_ = size;
    for (const FormSizeEntry& entry : ZelkStates::FormSizes()) {
        Action(QString::fromLatin1(entry.menuItem))->setChecked(false);
    }
    const FormSizeEntry* chosen = ZelkStates::FormSize(size);
    if (chosen == nullptr) {
        chosen = &ZelkStates::FormSizes()[0];
        formSize_ = QString::fromLatin1(chosen->command);
    }
    // The window always lies wholly on the screen: a size that does not fit gives way to
    // the largest of the sizes that does.
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    auto fits = [&area](const FormSizeEntry& e) {
        return e.width <= area.width() && e.height <= area.height();
    };
    sizeNote_.clear();
    if (!fits(*chosen)) {
        const FormSizeEntry* best = nullptr;
        const FormSizeEntry* smallest = nullptr;
        for (const FormSizeEntry& entry : ZelkStates::FormSizes()) {
            if (fits(entry) &&
                (best == nullptr || entry.width * entry.height > best->width * best->height)) {
                best = &entry;
            }
            if (smallest == nullptr ||
                entry.width * entry.height < smallest->width * smallest->height) {
                smallest = &entry;
            }
        }
        chosen = best != nullptr ? best : smallest;
    }
    Action(QString::fromLatin1(chosen->menuItem))->setChecked(true);
    // Where not even the smallest size fits (a small screen at twice the scale), the
    // window takes the area there is and the view gives way.
    nominalWidth_ = std::min(chosen->width, area.width());
    nominalHeight_ = std::min(chosen->height, area.height());
    if (!fits(*ZelkStates::FormSize(formSize_))) {
        sizeNote_ = QCoreApplication::translate(
                        "frmZelkWin", "画面に収まらないため、ウィンドウの大きさを %1 にしました。")
                        .arg(QStringLiteral("%1x%2").arg(nominalWidth_).arg(nominalHeight_));
    }
    threeViewLayout_ = false;

    // The whole window, frame included, is the nominal size.
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    layoutFrame_ = QSize(frameWidth, frameHeight);
    setFixedSize(nominalWidth_ - frameWidth, nominalHeight_ - frameHeight);
    scaleWidth_ = nominalWidth_ - frameWidth;
    scaleHeight_ = nominalHeight_ - frameHeight - menuBar()->sizeHint().height();
    // Centred, and never with an edge off the screen.
    move(std::max(area.x(), area.x() + (area.width() - nominalWidth_) / 2),
         std::max(area.y(), area.y() + (area.height() - nominalHeight_) / 2));
    if (isVisible()) {
        ShowSizeNote();
    }

    LayoutStatusBar();
    LayoutSidePanel();
    LayoutProInterface();
    tlbToolBar_->setGeometry(0, 0, scaleWidth_, ToolBarHeight());
    SizeViewSingle();
    DrawView();
    update();
}

// Through the controller, which holds the pictures nobody sees while the program starts.
void frmZelkWin::DrawView() {
    if (context_.controller != nullptr) {
        context_.controller->DrawView();
    } else {
        view_->Draw();
    }
}

void frmZelkWin::SizeViewSingle() {
    const int toolBar = ToolBarHeight();
    view_->move(0, toolBar);
    view_->SetControlWidth(scaleWidth_ - picSecondaryTools_->width());
    view_->SetControlHeight(scaleHeight_ - toolBar - kStatusBarHeight);
    view_->SetControlScaleWidth(nominalWidth_ - picSecondaryTools_->width());
    view_->SetControlScaleHeight(nominalHeight_ - toolBar - kStatusBarHeight);
}

void frmZelkWin::LayoutStatusBar() {
    // The side panel's width as it stands before this layout's own side panel step.
    const int side = picSecondaryTools_->width();
    sbrCurrentCondition_->setGeometry(0, scaleHeight_ - kStatusBarHeight, scaleWidth_,
                                      kStatusBarHeight);
    panels_[0]->setGeometry(0, 0, scaleWidth_ - side, kStatusBarHeight);
    panels_[1]->setGeometry(scaleWidth_ - side, 0, side, kStatusBarHeight);
    statusBarPlaced_ = true;
    FitStatusPanels();
}

void frmZelkWin::FitStatusPanels() {
    if (!statusBarPlaced_) {
        return;
    }
    QLabel* explanation = panels_[0];
    QLabel* angle = panels_[1];
    const int total = explanation->width() + angle->width();
    const int right = explanation->x() + total;
    // Room the frame and margins of a panel take from its text.
    const auto chrome = [](const QLabel* panel) {
        return panel->width() - panel->contentsRect().width() + 2;
    };
    const QFontMetrics normal(sbrCurrentCondition_->font());
    const int widest = normal.horizontalAdvance(
        QCoreApplication::translate("frmZelkWin", "視点の角度[-180° , -180°]"));
    const int angleWidth = std::min(total / 2, std::max(angle->width(), widest + chrome(angle)));
    explanation->setGeometry(explanation->x(), 0, total - angleWidth, explanation->height());
    angle->setGeometry(right - angleWidth, 0, angleWidth, angle->height());
    for (QLabel* panel : {explanation, angle}) {
        QFont font = sbrCurrentCondition_->font();
        const int room = panel->width() - chrome(panel);
        // The largest font, down to 7 pixels, at which the whole text shows. Every size
        // tried loads fonts, so the first try is the size the width scales to.
        const int normalPixels = QFontInfo(font).pixelSize();
        const auto width = [&font, panel](int pixels) {
            QFont sized = font;
            sized.setPixelSize(pixels);
            return QFontMetrics(sized).horizontalAdvance(panel->text());
        };
        int pixels = normalPixels;
        if (const int full = QFontMetrics(font).horizontalAdvance(panel->text());
            pixels > kSmallestStatusPixels && full > room) {
            pixels = std::clamp(normalPixels * room / std::max(full, 1), kSmallestStatusPixels,
                                normalPixels - 1);
            while (pixels + 1 < normalPixels && width(pixels + 1) <= room) {
                ++pixels;
            }
            while (pixels > kSmallestStatusPixels && width(pixels) > room) {
                --pixels;
            }
        }
        if (pixels != normalPixels) {
            font.setPixelSize(pixels);
        }
        panel->setFont(font);
    }
}

// Both side panels: the room between tool bar and status bar, at most 300 high.
int frmZelkWin::PlaceSidePanel(QWidget* panel) {
    const int toolBar = ToolBarHeight();
    const int p = std::min(scaleHeight_ - toolBar - kStatusBarHeight, kSidePanelMaxHeight);
    panel->setGeometry(scaleWidth_ - kSidePanelWidth, toolBar, kSidePanelWidth, p);
    return p;
}

void frmZelkWin::LayoutSidePanel() {
    const int p = PlaceSidePanel(picSecondaryTools_);
    const int r = Round(p / 10.0);
    const double b = Round(kSidePanelWidth * 0.7);
    const int m = Round(r / 4.0);
    const double x = Round(picSecondaryTools_->width() * 0.15);
    const int half = Round(b / 2);
    const int narrow = Round(b / 10);
    const int wide = Round(4 * b / 10);
    const int leftHalf = Round(b / 2 + x);
    const int leftTenth = Round(b / 10 + x);
    const int leftEnd = Round(b / 2 + x + 4 * b / 10);
    const int bi = static_cast<int>(b);
    const int xi = static_cast<int>(x);
    const QRect places[19] = {
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
    for (int i = 0; i < 19; ++i) {
        QToolButton* button = cmdToolBox_[static_cast<size_t>(i)];
        button->setGeometry(places[i]);
        const bool worded = MenuTable::ToolBox()[static_cast<size_t>(i)].caption != nullptr;
        button->setIconSize(worded ? QSize(std::max(r - 8, 4), std::max(r - 8, 4))
                                   : QSize(std::max(places[i].width() - 4, 4), std::max(r - 6, 4)));
    }
}

void frmZelkWin::LayoutProInterface() {
    const int p = PlaceSidePanel(picProInterface_);
    const int r = Round(p / 11.0);
    const double b = Round(kSidePanelWidth * 0.7);
    const int m = Round(r / 4.0);
    const double x = Round(kSidePanelWidth * 0.15);
    const int xi = static_cast<int>(x);
    const int bi = static_cast<int>(b);
    const int half = Round(b / 2);
    auto set = [](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(left, top, width, height);
    };
    set(cmdProInterface_[0], xi, m, bi, r);
    set(cmdProInterface_[1], xi, m + r, half, r);
    set(cmdProInterface_[2], Round(b / 2 + x), m + r, half, r);
    set(cmdProInterface_[3], xi, m + 2 * r, bi, r);
    for (int i = 0; i < 4; ++i) {
        cmdProInterface_[static_cast<size_t>(i)]->setIconSize(
            QSize(cmdProInterface_[static_cast<size_t>(i)]->width() - 4, std::max(r - 6, 4)));
    }
    set(lblLineNumber_, xi, 2 * m + 3 * r, bi, r);
    const int columns[3] = {Round(b / 10 + x), Round(4 * b / 10 + x), Round(7 * b / 10 + x)};
    for (int i = 0; i < 3; ++i) {
        set(lblPos_[static_cast<size_t>(i)], columns[i], 2 * m + 4 * r, Round(2 * b / 10), r);
    }
    set(lblFrom_, xi, 2 * m + 5 * r, Round(b / 10), r);
    set(lblTo_, xi, 2 * m + 6 * r, Round(b / 10), r);
    for (int i = 0; i < 6; ++i) {
        set(txtPos_[static_cast<size_t>(i)], columns[i / 2], 2 * m + (i % 2 == 0 ? 5 : 6) * r,
            Round(3 * b / 10), r);
    }
    set(vscrLineNumber_, bi + xi, 2 * m + 5 * r, Round(3 * b / 20), 2 * r);
    set(cmdProInterface_[4], xi, 3 * m + 7 * r, bi, r);
    set(cmdProInterface_[5], xi, 3 * m + 8 * r, bi, r);
    set(cmdProInterface_[6], xi, 3 * m + 9 * r, bi, r);
    cmdProInterface_[6]->hide();
    {
        // A layout's new range may clamp the value; that is no choice of the user's and
        // must not move the pointers to a figure line.
        const QSignalBlocker quiet(vscrLineNumber_);
        SendPro(QStringLiteral("SETUP_VSCROLL_BAR"));
    }
    SendPro(QStringLiteral("SETUP_LINE_NUMBER_LABEL"));
}

void frmZelkWin::SetTAPMMode() {
    threeViewLayout_ = true;
    const int toolBar = ToolBarHeight();
    view_->SetControlWidth(Round((scaleWidth_ - picSecondaryTools_->width()) / 2.0));
    view_->SetControlHeight(Round((scaleHeight_ - toolBar - kStatusBarHeight) / 2.0));
    view_->SetControlScaleWidth(nominalWidth_ - picSecondaryTools_->width());
    view_->SetControlScaleHeight(nominalHeight_ - toolBar - kStatusBarHeight);
    for (QLabel* box : {picFrontView_, picSideView_, picTopView_}) {
        box->show();
        box->resize(view_->width(), view_->height());
    }
    view_->move(view_->width(), view_->y());
    picTopView_->move(0, view_->y());
    picFrontView_->move(0, view_->y() + view_->height());
    picSideView_->move(view_->x(), picFrontView_->y());
    DrawView();
}

void frmZelkWin::ResetTAPMMode() {
    SizeViewSingle();
    for (QLabel* box : {picFrontView_, picSideView_, picTopView_}) {
        box->hide();
        box->setPixmap(QPixmap());
    }
    DrawView();
}

void frmZelkWin::SetPanePicture(Pane pane, const QImage& picture) {
    QLabel* box = pane == Pane::Front ? picFrontView_
                  : pane == Pane::Top ? picTopView_
                                      : picSideView_;
    box->setPixmap(QPixmap::fromImage(picture));
}

QImage frmZelkWin::EntireFormPicture() {
    return CKeyEventsForClipboardHandling(this).GrabEntireForm();
}

void frmZelkWin::SetDrawingControlsEnabled(bool enabled) {
    ToolBarButton(QStringLiteral("cmdNewFig"))->setEnabled(enabled);
    Action(QStringLiteral("mnuNewFig"))->setEnabled(enabled);
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        Action(QString::fromLatin1(entry.menuItem))->setEnabled(enabled);
    }
    for (int i = 4; i <= 18; ++i) {
        cmdToolBox_[static_cast<size_t>(i)]->setEnabled(enabled);
    }
    for (int i = 4; i <= 6; ++i) {
        cmdProInterface_[static_cast<size_t>(i)]->setEnabled(enabled);
    }
    for (QLineEdit* field : txtPos_) {
        field->setEnabled(enabled);
    }
    vscrLineNumber_->setEnabled(enabled);
}

void frmZelkWin::SetViewMode() {
    SetDrawingControlsEnabled(false);
    ShowDrawingMenus(false);
}

void frmZelkWin::SetDrawMode() {
    SetDrawingControlsEnabled(true);
    ShowDrawingMenus(true);
    if (context_.appData != nullptr && context_.appData->ProInterface()) {
        SendPro(QStringLiteral("REFLESH_PRO_INTERFACE"));
    }
}

// ---------------------------------------------------------------- difficulty, interface

void frmZelkWin::SetDifficulty(DifficultyLevel level) {
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        Action(QString::fromLatin1(entry.menuItem))->setChecked(entry.level == level);
    }
    Send(ZelkStates::Text(level));
}

void frmZelkWin::ShowProInterfacePanel(bool shown) {
    picProInterface_->setVisible(shown);
    picSecondaryTools_->setVisible(!shown);
}

void frmZelkWin::ChangeToProInterface() {
    picSecondaryTools_->hide();
    picProInterface_->show();
    picProInterface_->setFocus();
}

void frmZelkWin::ChangeToEasyInterface() {
    picSecondaryTools_->show();
    picProInterface_->hide();
    picSecondaryTools_->setFocus();
}

void frmZelkWin::OnDrawMenu() {
    Send(QStringLiteral("CHANGE_MODE"));
    ShowDrawingMenus(context_.appData != nullptr && context_.appData->Drawing());
}

// However the mode changes (menu, tool bar, key, another command), 作図's check mark and
// the levels follow it.
void frmZelkWin::ShowDrawingMenus(bool drawing) {
    Action(QStringLiteral("mnuDraw"))->setChecked(drawing);
    for (const char* name : {"mnuBeginner", "mnuMidClass", "mnuSenior"}) {
        Action(QString::fromLatin1(name))->setEnabled(drawing);
    }
}

void frmZelkWin::OnDifficultyMenu(QAction* level) {
    QString command;
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        QAction* a = Action(QString::fromLatin1(entry.menuItem));
        a->setChecked(a == level);
        if (a == level) {
            command = QString::fromLatin1(entry.command);
        }
    }
    Send(command);
}

void frmZelkWin::OnProInterfaceMenu() {
    QAction* item = Action(QStringLiteral("mnuOptionProInterface"));
    if (item->isChecked()) {
        Send(QStringLiteral("NORMAL_INTERFACE"));
        LayoutSidePanel();
        ChangeToEasyInterface();
        item->setChecked(false);
    } else {
        LayoutProInterface();
        ChangeToProInterface();
        Send(QStringLiteral("PRO_INTERFACE"));
        item->setChecked(true);
    }
}

void frmZelkWin::OnToolBox(int index) {
    const MenuTable::ToolBoxRow& row = MenuTable::ToolBox()[static_cast<size_t>(index)];
    const QString command = CZelkController::CommandText(row.command);
    for (int i = 0; i < row.times; ++i) {
        Send(command);
    }
    picSecondaryTools_->setFocus();
}

void frmZelkWin::OnProButton(int index) {
    SendPro(CZelkProController::CommandText(
        MenuTable::ProButtons()[static_cast<size_t>(index)].command));
    picProInterface_->setFocus();
}

// ---------------------------------------------------------------- controls, events

void frmZelkWin::SetStatusText(int panel, const QString& text) {
    panels_[static_cast<size_t>(panel - 1)]->setText(text);
    FitStatusPanels();
}

QString frmZelkWin::StatusText(int panel) const {
    return panels_[static_cast<size_t>(panel - 1)]->text();
}

QAction* frmZelkWin::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

QAbstractButton* frmZelkWin::ToolBarButton(const QString& key) const {
    return tlbToolBar_ != nullptr ? tlbToolBar_->findChild<QToolButton*>(key) : nullptr;
}

void frmZelkWin::ShowViewMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuViewContext"));
    const bool turning = turningTimer_->isActive();
    for (const MenuTable::ContextRow& row : MenuTable::ViewContextMenu()) {
        if (row.caption == nullptr) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(MenuTable::Tr(row.caption));
        // Undo and redo as the edit menu has them; the standard views wait for a turn.
        const char* same = row.command == CommandId::Undo   ? "mnuUndo"
                           : row.command == CommandId::Redo ? "mnuRedo"
                                                            : nullptr;
        if (same != nullptr) {
            const QAction* edit = Action(QString::fromLatin1(same));
            action->setText(edit->text());
            action->setEnabled(edit->isEnabled());
        } else {
            action->setEnabled(!turning || row.command == CommandId::NormalCopy);
        }
        const QString command = CZelkController::CommandText(row.command);
        connect(action, &QAction::triggered, this, [this, command] { Send(command); });
    }
    menu.exec(globalPos);
}

void frmZelkWin::SetRecentItem(int index, const QString& text) {
    QAction* item = recent_[static_cast<size_t>(index)];
    item->setText(text);
    item->setVisible(!text.isEmpty());
}

QString frmZelkWin::RecentItemText(int index) const {
    return recent_[static_cast<size_t>(index)]->text();
}

void frmZelkWin::SetRecentSeparatorVisible(bool visible) {
    Action(QStringLiteral("mnuFileHyphenForThumbNail"))->setVisible(visible);
}

void frmZelkWin::SetChecked(CheckItem item, bool checked) {
    const char* name = item == CheckItem::DataPathFixed      ? "mnuDataPathFixed"
                       : item == CheckItem::ProInterface     ? "mnuOptionProInterface"
                       : item == CheckItem::LanguageJapanese ? "mnuLanguageJapanese"
                                                             : "mnuLanguageEnglish";
    Action(QString::fromLatin1(name))->setChecked(checked);
}

void frmZelkWin::Retranslate() {
    using Row = MenuTable::MenuRow;
    for (const Row& row : MenuTable::Menus()) {
        const QString name = QString::fromLatin1(row.name);
        if (row.kind == Row::Kind::Menu || row.kind == Row::Kind::SubMenu) {
            if (auto* menu = findChild<QMenu*>(name)) {
                menu->setTitle(MenuTable::Tr(row.caption));
            }
        } else if (row.kind == Row::Kind::Item) {
            if (QAction* action = Action(name)) {
                action->setText(MenuTable::Tr(row.caption));
            }
        }
    }
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        Action(QString::fromLatin1(entry.menuItem))->setText(ZelkStates::Tr(entry.caption));
    }
    for (const FormSizeEntry& size : ZelkStates::FormSizes()) {
        Action(QString::fromLatin1(size.menuItem))->setText(ZelkStates::Tr(size.caption));
    }
    for (const MenuTable::ToolRow& row : MenuTable::ToolBar()) {
        if (row.name != nullptr) {
            ToolBarButton(QString::fromLatin1(row.name))->setToolTip(MenuTable::Tr(row.toolTip));
        }
    }
    for (size_t i = 0; i < cmdToolBox_.size(); ++i) {
        const MenuTable::ToolBoxRow& row = MenuTable::ToolBox()[i];
        cmdToolBox_[i]->setToolTip(MenuTable::Tr(row.toolTip));
        if (row.caption != nullptr) {
            cmdToolBox_[i]->setText(MenuTable::Tr(row.caption));
        }
    }
    for (size_t i = 0; i < cmdProInterface_.size(); ++i) {
        const MenuTable::ProButtonRow& row = MenuTable::ProButtons()[i];
        if (*row.caption != 0) {
            cmdProInterface_[i]->setText(MenuTable::Tr(row.caption));
        }
        cmdProInterface_[i]->setToolTip(*row.toolTip != 0 ? MenuTable::Tr(row.toolTip) : QString());
    }
}

void frmZelkWin::SetContinuousTurnEnabled(bool enabled) {
    Action(QStringLiteral("mnuContinuousTurn"))->setEnabled(enabled);
    ToolBarButton(QStringLiteral("cmdThirdAngleProjectionMethod"))->setEnabled(enabled);
}

void frmZelkWin::SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                              const QString& redoText) {
    const auto caption = [](const char* base, const QString& step) {
        const QString text = MenuTable::Tr(base);
        return step.isEmpty() ? text : text + QStringLiteral(" (") + step + u')';
    };
    if (QAction* undo = Action(QStringLiteral("mnuUndo"))) {
        undo->setEnabled(canUndo);
        undo->setText(caption("元に戻す", canUndo ? undoText : QString()));
    }
    if (QAction* redo = Action(QStringLiteral("mnuRedo"))) {
        redo->setEnabled(canRedo);
        redo->setText(caption("やり直し", canRedo ? redoText : QString()));
    }
    if (QAbstractButton* undo = ToolBarButton(QStringLiteral("cmdUndo"))) {
        undo->setEnabled(canUndo);
    }
    if (QAbstractButton* redo = ToolBarButton(QStringLiteral("cmdRedo"))) {
        redo->setEnabled(canRedo);
    }
}

void frmZelkWin::SetTurningInterval(int milliseconds) {
    turningTimer_->setInterval(milliseconds);
}

void frmZelkWin::StartTurningTimer() {
    turningTimer_->start();
}

void frmZelkWin::StopTurningTimer() {
    turningTimer_->stop();
}

bool frmZelkWin::TurningTimerActive() const {
    return turningTimer_->isActive();
}

void frmZelkWin::StopTimers() {
    turningTimer_->stop();
    autosaveTimer_->stop();
}

void frmZelkWin::StartAutosaveTimer(int milliseconds) {
    autosaveTimer_->setInterval(milliseconds);
    autosaveTimer_->start();
}

QString frmZelkWin::PosFieldText(int index) const {
    return txtPos_[static_cast<size_t>(index)]->text();
}

void frmZelkWin::SetPosFieldText(int index, const QString& text) {
    txtPos_[static_cast<size_t>(index)]->setText(text);
}

void frmZelkWin::SetLineScrollRange(int minimum, int maximum) {
    // Maximum first, then minimum, as the panel has always set them.
    vscrLineNumber_->setMaximum(maximum);
    vscrLineNumber_->setMinimum(minimum);
}

int frmZelkWin::LineScrollValue() const {
    return vscrLineNumber_->value();
}

void frmZelkWin::SetLineScrollValue(int value) {
    vscrLineNumber_->setValue(value);
}

void frmZelkWin::SetLineNumberText(const QString& text) {
    lblLineNumber_->setText(text);
}

QAbstractButton* frmZelkWin::ToolBoxButton(int index) const {
    return cmdToolBox_[static_cast<size_t>(index)];
}

QAbstractButton* frmZelkWin::ProInterfaceButton(int index) const {
    return cmdProInterface_[static_cast<size_t>(index)];
}

void frmZelkWin::closeEvent(QCloseEvent* event) {
    if (detached_) {
        event->accept();
        return;
    }
    // Only the controller's "FIN" ends the program.
    event->ignore();
    Send(QStringLiteral("FIN"));
}

void frmZelkWin::ShowWindow() {
    show();
    ShowSizeNote();
}

// The note about a size that does not fit takes status panel 1 for a while: once a size
// fits again, what it replaced (the greeting, say) comes back.
void frmZelkWin::ShowSizeNote() {
    if (sizeNote_.isEmpty()) {
        if (!shownNote_.isEmpty() && StatusText(1) == shownNote_) {
            SetStatusText(1, replacedByNote_);
        }
        shownNote_.clear();
        return;
    }
    if (shownNote_.isEmpty() || StatusText(1) != shownNote_) {
        replacedByNote_ = StatusText(1);
    }
    SetStatusText(1, sizeNote_);
    shownNote_ = sizeNote_;
}

bool frmZelkWin::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (!detached_ && isVisible() && !threeViewLayout_ &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
         type == QEvent::WindowActivate)) {
        const QSize frame(frameGeometry().width() - geometry().width(),
                          frameGeometry().height() - geometry().height());
        if (frame != layoutFrame_) {
            SetFormSize(formSize_);
        }
    }
    return handled;
}

bool frmZelkWin::eventFilter(QObject* watched, QEvent* event) {
    if (detached_) {
        return false;
    }
    if (watched == view_) {
        return mouse_->Handle(event);
    }
    if (event->type() == QEvent::FocusIn) {
        for (QLineEdit* field : txtPos_) {
            if (watched == field) {
                SendPro(QStringLiteral("SET_TEMP_LINE"));
                SendPro(QStringLiteral("PRO_INTERFACE_CHANGE"));
            }
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || keys_->Forwarding()) {
        return false;
    }
    // While a menu or the menu bar is in use, its keys are its own.
    if (QApplication::activePopupWidget() != nullptr || menuBar()->activeAction() != nullptr) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    // A key travels from the focus widget up to its parents; the window takes it once.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr ? widget != focus : widget != this) {
        return false;
    }
    auto* press = static_cast<QKeyEvent*>(event);
    if (press->key() == Qt::Key_F10 && press->modifiers() == Qt::NoModifier) {
        // The desktop's key for the menus: the first menu opens, worked with the keys.
        for (QAction* menu : menuBar()->actions()) {
            if (menu->isVisible() && menu->isEnabled()) {
                menuBar()->setActiveAction(menu);
                break;
            }
        }
        return true;
    }
    if (panelKeys_->Owns(focus)) {
        return panelKeys_->Key(focus, press);
    }
    return keys_->Filter(watched, press);
}
