#include "frmZelkWin.h"

#include "CAppData.h"
#include "CKeyEventsForClipboardHandling.h"
#include "CZelkController.h"
#include "CZelkProController.h"
#include "IconFactory.h"
#include "LayoutRound.h"
#include "MainMenus.h"
#include "MenuTable.h"
#include "ProPanel.h"
#include "ToolBoxPanel.h"
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

    turningTimer_->setInterval(500);
    connect(turningTimer_, &QTimer::timeout, this, [this] { Send(CommandId::TurningTimerCall); });
    autosaveTimer_->setInterval(60000);
    connect(autosaveTimer_, &QTimer::timeout, this, [this] { Send(CommandId::Autosave); });
    autosaveTimer_->start();

    keys_ = std::make_unique<WindowKeys>(this, [this](int16_t key, int16_t shift) {
        if (context_.controller != nullptr) {
            context_.controller->SetKeyCommand(key, shift);
        }
    });
    mouse_ = std::make_unique<ViewMouse>([this] { return context_.controller; },
                                         [this](CommandId command) { Send(command); },
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

void frmZelkWin::Send(CommandId command) {
    if (!detached_ && context_.controller != nullptr) {
        keys_->BeginCommand();
        context_.controller->Request(command);
        keys_->EndCommand();
    }
}

void frmZelkWin::SendPro(ProCommandId command) {
    if (!detached_ && context_.proController != nullptr) {
        keys_->BeginCommand();
        context_.proController->Run(command);
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
    menus_ = new MainMenus(
        menuBar(), MainMenus::Hooks{[this](CommandId command) { Send(command); },
                                    [this](const QString& command) { Send(command); },
                                    [this] { OnDrawMenu(); }, [this] { OnProInterfaceMenu(); }});
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
        const CommandId command = row.command;
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
    picSecondaryTools_ = new ToolBoxPanel(client_, kSidePanelWidth, kSidePanelMaxHeight,
                                          [this](CommandId command) { Send(command); });
}

ProPanel& frmZelkWin::Pro() const {
    if (proPanel_ == nullptr) {
        // Building is no change the caller sees: the window only grows a hidden part.
        auto* self = const_cast<frmZelkWin*>(this);
        proPanel_ = new ProPanel(client_, [self](ProCommandId command) { self->SendPro(command); });
        proPanel_->SetDrawingControlsEnabled(proDrawingEnabled_);
        if (proLaidOut_) {
            self->LayoutProInterface();
        }
    }
    return *proPanel_;
}

// ---------------------------------------------------------------- layouts

int frmZelkWin::ToolBarHeight() const {
    return tlbToolBar_->sizeHint().height();
}

void frmZelkWin::SetFormSize(const QString& size) {
    formSize_ = size;
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
    menus_->CheckSize(chosen->menuItem);
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
    picSecondaryTools_->Layout(PlaceSidePanel(picSecondaryTools_));
}

void frmZelkWin::LayoutProInterface() {
    proLaidOut_ = true;
    if (proPanel_ != nullptr) {
        proPanel_->Layout(PlaceSidePanel(proPanel_));
    }
}

void frmZelkWin::SetTAPMMode() {
    threeViewLayout_ = true;
    const int toolBar = ToolBarHeight();
    view_->SetControlWidth(LayoutRound((scaleWidth_ - picSecondaryTools_->width()) / 2.0));
    view_->SetControlHeight(LayoutRound((scaleHeight_ - toolBar - kStatusBarHeight) / 2.0));
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
    picSecondaryTools_->SetDrawingControlsEnabled(enabled);
    proDrawingEnabled_ = enabled;
    if (proPanel_ != nullptr) {
        proPanel_->SetDrawingControlsEnabled(enabled);
    }
}

void frmZelkWin::SetViewMode() {
    SetDrawingControlsEnabled(false);
    menus_->ShowDrawing(false);
}

void frmZelkWin::SetDrawMode() {
    SetDrawingControlsEnabled(true);
    menus_->ShowDrawing(true);
    if (context_.appData != nullptr && context_.appData->ProInterface()) {
        SendPro(ProCommandId::RefleshProInterface);
    }
}

// ---------------------------------------------------------------- difficulty, interface

void frmZelkWin::SetDifficulty(DifficultyLevel level) {
    menus_->CheckLevel(level);
    Send(ZelkStates::Text(level));
}

void frmZelkWin::ShowProInterfacePanel(bool shown) {
    if (shown || proPanel_ != nullptr) {
        Pro().setVisible(shown);
    }
    picSecondaryTools_->setVisible(!shown);
}

void frmZelkWin::ChangeToProInterface() {
    picSecondaryTools_->hide();
    Pro().show();
    proPanel_->setFocus();
}

void frmZelkWin::ChangeToEasyInterface() {
    picSecondaryTools_->show();
    if (proPanel_ != nullptr) {
        proPanel_->hide();
    }
    picSecondaryTools_->setFocus();
}

void frmZelkWin::OnDrawMenu() {
    Send(CommandId::ChangeMode);
    menus_->ShowDrawing(context_.appData != nullptr && context_.appData->Drawing());
}

void frmZelkWin::OnProInterfaceMenu() {
    QAction* item = Action(QStringLiteral("mnuOptionProInterface"));
    if (item->isChecked()) {
        Send(CommandId::NormalInterface);
        LayoutSidePanel();
        ChangeToEasyInterface();
        item->setChecked(false);
    } else {
        LayoutProInterface();
        ChangeToProInterface();
        Send(CommandId::ProInterface);
        item->setChecked(true);
    }
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
    return menus_->Action(name);
}

QAbstractButton* frmZelkWin::ToolBarButton(const QString& key) const {
    return tlbToolBar_ != nullptr ? tlbToolBar_->findChild<QToolButton*>(key) : nullptr;
}

void frmZelkWin::ShowViewMenu(const QPoint& globalPos) {
    menus_->ExecViewMenu(this, globalPos, turningTimer_->isActive());
}

void frmZelkWin::SetRecentItem(int index, const QString& text) {
    menus_->SetRecentItem(index, text);
}

QString frmZelkWin::RecentItemText(int index) const {
    return menus_->Recent(index)->text();
}

void frmZelkWin::SetRecentSeparatorVisible(bool visible) {
    menus_->SetRecentSeparatorVisible(visible);
}

void frmZelkWin::SetChecked(CheckItem item, bool checked) {
    menus_->SetChecked(item, checked);
}

void frmZelkWin::Retranslate() {
    menus_->Retranslate();
    for (const MenuTable::ToolRow& row : MenuTable::ToolBar()) {
        if (row.name != nullptr) {
            ToolBarButton(QString::fromLatin1(row.name))->setToolTip(MenuTable::Tr(row.toolTip));
        }
    }
    picSecondaryTools_->Retranslate();
    if (proPanel_ != nullptr) {
        proPanel_->Retranslate();
    }
}

void frmZelkWin::SetContinuousTurnEnabled(bool enabled) {
    Action(QStringLiteral("mnuContinuousTurn"))->setEnabled(enabled);
    ToolBarButton(QStringLiteral("cmdThirdAngleProjectionMethod"))->setEnabled(enabled);
}

void frmZelkWin::SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                              const QString& redoText) {
    menus_->SetUndoState(canUndo, undoText, canRedo, redoText);
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
    return Pro().Field(index)->text();
}

void frmZelkWin::SetPosFieldText(int index, const QString& text) {
    Pro().Field(index)->setText(text);
}

void frmZelkWin::SetLineScrollRange(int minimum, int maximum) {
    // Maximum first, then minimum, as the panel has always set them.
    Pro().LineScroll()->setMaximum(maximum);
    Pro().LineScroll()->setMinimum(minimum);
}

int frmZelkWin::LineScrollValue() const {
    return Pro().LineScroll()->value();
}

void frmZelkWin::SetLineScrollValue(int value) {
    Pro().LineScroll()->setValue(value);
}

void frmZelkWin::SetLineNumberText(const QString& text) {
    Pro().LineNumberLabel()->setText(text);
}

QAbstractButton* frmZelkWin::ToolBoxButton(int index) const {
    return picSecondaryTools_->Button(index);
}

QAbstractButton* frmZelkWin::ProInterfaceButton(int index) const {
    return Pro().Button(index);
}

void frmZelkWin::closeEvent(QCloseEvent* event) {
    if (detached_) {
        event->accept();
        return;
    }
    // Only the controller's "FIN" ends the program.
    event->ignore();
    Send(CommandId::Fin);
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
    if (proPanel_ != nullptr && proPanel_->OwnsKeysOf(focus)) {
        return Pro().Key(focus, press);
    }
    return keys_->Filter(watched, press);
}

QLineEdit* frmZelkWin::PosField(int index) const {
    return Pro().Field(index);
}

QScrollBar* frmZelkWin::LineNumberScrollBar() const {
    return Pro().LineScroll();
}

QLabel* frmZelkWin::LineNumberLabel() const {
    return Pro().LineNumberLabel();
}

QWidget* frmZelkWin::ProInterfacePanel() const {
    return &Pro();
}

QAction* frmZelkWin::RecentItem(int index) const {
    return menus_->Recent(index);
}

QWidget* frmZelkWin::SecondaryTools() const {
    return picSecondaryTools_;
}
