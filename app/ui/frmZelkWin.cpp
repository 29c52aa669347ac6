#include "frmZelkWin.h"

#include "CAppData.h"
#include "CKeyEventsForClipboardHandling.h"
#include "CZelkController.h"
#include "CZelkProController.h"
#include "IconFactory.h"
#include "UserDialogs.h"
#include "ViewMouse.h"
#include "WindowKeys.h"
#include "ctlZelkView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
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
#include <string_view>

namespace {

// Rounds to the nearest integer, ties to even, as all layout arithmetic does.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

struct ToolBarEntry {
    const char* key; // nullptr for a separator
    const char* toolTip;
    const char* command;
};
const ToolBarEntry kToolBar[19] = {
    {"cmdFin", "立体ゼルクの終了", "FIN"},
    {nullptr, nullptr, nullptr},
    {"cmdFigLoad", "図形データの読み込み", "LOAD"},
    {"cmdFigSave", "図形データの保存", "SAVE"},
    {nullptr, nullptr, nullptr},
    {"cmdDrawFig", "作図モードと通常モードの切り替えボタン", "CHANGE_MODE"},
    {"cmdNewFig", "今までの図を消して新しい図を描く", "NEW_FIGURE"},
    {nullptr, nullptr, nullptr},
    {"cmdMagnify", "図を大きくする", "MAGNIFY"},
    {"cmdReduce", "図を小さくする", "REDUCE"},
    {nullptr, nullptr, nullptr},
    {"cmdContinuousTurn", "図を回転し続けさせる", "CONTINUOUS_TURN"},
    {"cmdESC", "回転を止める", "CONTINUOUS_TURN_STOP"},
    {nullptr, nullptr, nullptr},
    {"cmdFrontView", "正面図を表示", "FRONT_VIEW"},
    {"cmdTopView", "平面図を表示", "TOP_VIEW"},
    {"cmdSideView", "右側面図を表示", "SIDE_VIEW"},
    {"cmdEqualAngleView", "等角図を表示", "EQUAL_ANGLE_VIEW"},
    {"cmdThirdAngleProjectionMethod", "三角法で図形を表示します。",
     "THIRD_ANGLE_PROJECTION_METHOD"}};

struct ToolBoxEntry {
    const char* command;
    int times;
    const char* toolTip;
};
const ToolBoxEntry kToolBox[19] = {
    {"TURN_UP", 1, "図を上に回す"},
    {"TURN_LEFT", 1, "図を左に回す"},
    {"TURN_RIGHT", 1, "図を右に回す"},
    {"TURN_DOWN", 1, "図を下に回す"},
    {"POINTER_MOVE_X", 1, "ポインタを X のプラス方向へ 1 ステップ動かす"},
    {"POINTER_MOVE_MX", 1, "ポインタを X のマイナス方向へ 1 ステップ動かす"},
    {"POINTER_MOVE_Y", 1, "ポインタを Y のプラス方向へ 1 ステップ動かす"},
    {"POINTER_MOVE_MY", 1, "ポインタを Y のマイナス方向へ 1 ステップ動かす"},
    {"POINTER_MOVE_Z", 1, "ポインタを Z のプラス方向へ 1 ステップ動かす"},
    {"POINTER_MOVE_MZ", 1, "ポインタを Z のマイナス方向へ 1 ステップ動かす"},
    {"RETURN_POINTER_TO_ORIGIN", 1, "ポインタを原点に戻す"},
    {"DEL_TAIL", 1, "最後の線を取り消す"},
    {"APPLY", 1, "ポインタの位置を決定する（線の始点・終点）"},
    {"POINTER_MOVE_X", 10, "ポインタを X のプラス方向へ 10 ステップ動かす"},
    {"POINTER_MOVE_Y", 10, "ポインタを Y のプラス方向へ 10 ステップ動かす"},
    {"POINTER_MOVE_Z", 10, "ポインタを Z のプラス方向へ 10 ステップ動かす"},
    {"POINTER_MOVE_MX", 10, "ポインタを X のマイナス方向へ 10 ステップ動かす"},
    {"POINTER_MOVE_MY", 10, "ポインタを Y のマイナス方向へ 10 ステップ動かす"},
    {"POINTER_MOVE_MZ", 10, "ポインタを Z のマイナス方向へ 10 ステップ動かす"}};

const char* const kProCommands[7] = {"TURN_UP",    "TURN_LEFT",   "TURN_RIGHT", "TURN_DOWN",
                                     "APPLY_LINE", "DELETE_LINE", "NEW_LINE"};
const char* const kTurnTips[4] = {"図を上に回す", "図を左に回す", "図を右に回す", "図を下に回す"};

} // namespace

frmZelkWin::frmZelkWin(AppContext& context)
    : context_(context), client_(new QWidget(this)),
      view_(ctlZelkView::CreateControl(ctlZelkView::CreationIdentifier(), client_)),
      picFrontView_(new QLabel(client_)), picTopView_(new QLabel(client_)),
      picSideView_(new QLabel(client_)), turningTimer_(new QTimer(this)),
      autosaveTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmZelkWin"));
    setWindowTitle(UserDialogs::ProgramTitle());
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
    auto item = [this](QMenu* menu, const char* name, const QString& caption, const char* command,
                       bool checkable = false) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (checkable) {
            // A check mark is the program's to set, never a side effect of the click:
            // undo the toggle before any handler runs.
            action->setCheckable(true);
            connect(action, &QAction::triggered, action,
                    [action](bool checked) { action->setChecked(!checked); });
        }
        if (command != nullptr) {
            const QString text = QString::fromLatin1(command);
            connect(action, &QAction::triggered, this, [this, text] { Send(text); });
        }
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    item(file, "mnuFileLoad", QStringLiteral("読込み(&L)"), "LOAD")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    item(file, "mnuFileSave", QStringLiteral("保存"), "SAVE")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    item(file, "mnuViewThumbnail", QStringLiteral("サムネイル表示"), "VIEW_THUMBNAIL");
    item(file, "mnuFileInfo", QStringLiteral("データファイル情報"), "VIEW_DATA_FILE_INFO");
    item(file, "mnuFileParaParaAnime", QStringLiteral("ぱらぱらアニメーション作成"),
         "PARA_PARA_ANIME");
    item(file, "mnuFileImport", QStringLiteral("インポート…"), "IMPORT");
    item(file, "mnuFileExport", QStringLiteral("エクスポート…"), "EXPORT");
    separator(file, "mnuFileHyphenForPrint");
    item(file, "mnuFilePrint", QStringLiteral("印刷"), "PRINT_MONOCHROME_PICTURE");
    separator(file, "mnuFileHyphenForThumbNail");
    Action(QStringLiteral("mnuFileHyphenForThumbNail"))->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i));
        recent->setVisible(false);
        const QString command = QStringLiteral("LOAD_RECENT_%1").arg(i);
        connect(recent, &QAction::triggered, this, [this, command] { Send(command); });
        recent_[static_cast<size_t>(i)] = recent;
    }
    separator(file, "mnuSep");
    item(file, "mnuFin", QStringLiteral("終了"), "FIN");

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* draw = item(edit, "mnuDraw", QStringLiteral("作図"), nullptr, true);
    connect(draw, &QAction::triggered, this, [this] { OnDrawMenu(); });
    item(edit, "mnuNewFig", QStringLiteral("新規図面"), "NEW_FIGURE");
    separator(edit, "hifun4");
    item(edit, "mnuCopy", QStringLiteral("コピー"), "MONOCHROME_COPY");
    // Undo and redo: Ctrl+Z and Ctrl+Y move the pointer in drawing mode, so U and R.
    separator(edit, "mnuUndoHyphen");
    item(edit, "mnuUndo", QStringLiteral("元に戻す"), "UNDO")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    item(edit, "mnuRedo", QStringLiteral("やり直し"), "REDO")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    SetUndoState(false, QString(), false, QString());

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));
    item(view, "mnuViewMagnify", QStringLiteral("拡大"), "MAGNIFY");
    item(view, "mnuViewReduce", QStringLiteral("縮小"), "REDUCE");
    separator(view, "mnuViewHyphen");
    item(view, "mnuContinuousTurn", QStringLiteral("連続回転表示"), "CONTINUOUS_TURN");
    separator(view, "mnuSep2");
    item(view, "mnuFrontView", QStringLiteral("正面図"), "FRONT_VIEW");
    item(view, "mnuTopView", QStringLiteral("平面図"), "TOP_VIEW");
    item(view, "mnuSideView", QStringLiteral("右側面図"), "SIDE_VIEW");
    item(view, "mnuEqualAngleView", QStringLiteral("等角図"), "EQUAL_ANGLE_VIEW");
    separator(view, "haifun");
    item(view, "mnuThirdAngleProjectionMethod", QStringLiteral("三角法表示"),
         "THIRD_ANGLE_PROJECTION_METHOD");

    QMenu* option = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    option->setObjectName(QStringLiteral("mnuOption"));
    QMenu* difficulty = option->addMenu(QStringLiteral("操作の難易度"));
    difficulty->setObjectName(QStringLiteral("mnuDifficulty"));
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        QAction* level =
            item(difficulty, entry.menuItem, QString::fromUtf8(entry.caption), nullptr, true);
        connect(level, &QAction::triggered, this, [this, level] { OnDifficultyMenu(level); });
    }
    separator(difficulty, "hifun3");
    item(difficulty, "mnuOtherOption", QStringLiteral("さらに細かい設定"), nullptr)
        ->setEnabled(false);
    separator(option, "hifun");
    QMenu* sizes = option->addMenu(QStringLiteral("画面の大きさ"));
    sizes->setObjectName(QStringLiteral("mnuWiindowSize"));
    const char* sizeCaptions[4] = {"モバイル用(800×400)", "ノーマル(640×480)", "拡張１(800×600)",
                                   "拡張２(1024×768)"};
    for (size_t i = 0; i < ZelkStates::FormSizes().size(); ++i) {
        const FormSizeEntry& size = ZelkStates::FormSizes()[i];
        item(sizes, size.menuItem, QString::fromUtf8(sizeCaptions[i]), size.command, true);
    }
    separator(option, "mnuHifun2");
    QAction* pro =
        item(option, "mnuOptionProInterface", QStringLiteral("詳細入力モード"), nullptr, true);
    connect(pro, &QAction::triggered, this, [this] { OnProInterfaceMenu(); });
    for (const char* hidden : {"mnuDrawEnabled", "mnuSaveEnabled"}) {
        QAction* a = item(option, hidden,
                          hidden == std::string_view("mnuDrawEnabled")
                              ? QStringLiteral("作図を許可")
                              : QStringLiteral("データの保存を許可"),
                          nullptr);
        a->setVisible(false);
        a->setEnabled(false);
    }
    separator(option, "mnuHiFun");
    item(option, "mnuDataPathFixed", QStringLiteral("データの保存場所固定"), "DATA_PATH_FIXED",
         true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuHelpCall", QStringLiteral("ヘルプ"), "SHOW_HELP");
    item(help, "mnuShowVersion", QStringLiteral("バージョン情報"), "SHOW_VERSION_DIALOG");
}

void frmZelkWin::BuildToolBar() {
    tlbToolBar_ = new QToolBar(client_);
    tlbToolBar_->setObjectName(QStringLiteral("tlbToolBar"));
    tlbToolBar_->setIconSize(QSize(24, 24));
    tlbToolBar_->setMovable(false);
    tlbToolBar_->setFloatable(false);
    const auto add = [this](const ToolBarEntry& entry) {
        auto* button = new QToolButton(tlbToolBar_);
        const QString key = QString::fromLatin1(entry.key);
        button->setObjectName(key);
        button->setIcon(IconFactory::ToolBarIcon(key));
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QString command = QString::fromLatin1(entry.command);
        connect(button, &QToolButton::clicked, this, [this, command] { Send(command); });
        tlbToolBar_->addWidget(button);
        return button;
    };
    for (const ToolBarEntry& entry : kToolBar) {
        if (entry.key == nullptr) {
            tlbToolBar_->addSeparator();
        } else {
            add(entry);
        }
    }
    // Undo and redo, after the buttons of old; enabled when there is a step to take.
    tlbToolBar_->addSeparator();
    add({"cmdUndo", "元に戻す (Ctrl+U)", "UNDO"})->setEnabled(false);
    add({"cmdRedo", "やり直し (Ctrl+R)", "REDO"})->setEnabled(false);
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
    for (int i = 0; i < 19; ++i) {
        auto* button = new QToolButton(picSecondaryTools_);
        button->setObjectName(QStringLiteral("cmdToolBox%1").arg(i));
        button->setIcon(IconFactory::ToolBoxIcon(i));
        button->setToolTip(QString::fromUtf8(kToolBox[i].toolTip));
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
    const char* captions[3] = {"決定", "削除", "新しい線"};
    for (int i = 0; i < 7; ++i) {
        auto* button = new QToolButton(picProInterface_);
        button->setObjectName(QStringLiteral("cmdProInterface%1").arg(i));
        if (i < 4) {
            button->setIcon(IconFactory::TurnIcon(i));
            button->setToolTip(QString::fromUtf8(kTurnTips[i]));
        } else {
            button->setText(QString::fromUtf8(captions[i - 4]));
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
        field->setToolTip(QStringLiteral("%1の %2 座標")
                              .arg(i % 2 == 0 ? QStringLiteral("始点") : QStringLiteral("終点"))
                              .arg(QString::fromLatin1(axes[i / 2])));
        txtPos_[static_cast<size_t>(i)] = field;
    }
    vscrLineNumber_ = new QScrollBar(Qt::Vertical, picProInterface_);
    vscrLineNumber_->setObjectName(QStringLiteral("vscrLineNumber"));
    vscrLineNumber_->setToolTip(QStringLiteral("線の番号を選ぶ"));
    connect(vscrLineNumber_, &QScrollBar::valueChanged, this,
            [this] { SendPro(QStringLiteral("VSCR_LINE_NUMBER_CHANGE")); });
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
        sizeNote_ = QStringLiteral("画面に収まらないため、ウィンドウの大きさを %1 にしました。")
                        .arg(QString::fromLatin1(chosen->command));
    }
    Action(QString::fromLatin1(chosen->menuItem))->setChecked(true);
    nominalWidth_ = chosen->width;
    nominalHeight_ = chosen->height;
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
    if (!sizeNote_.isEmpty() && isVisible()) {
        SetStatusText(1, sizeNote_);
    }

    LayoutStatusBar();
    LayoutSidePanel();
    LayoutProInterface();
    tlbToolBar_->setGeometry(0, 0, scaleWidth_, ToolBarHeight());
    SizeViewSingle();
    view_->Draw();
    update();
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
    FitStatusPanels();
}

void frmZelkWin::FitStatusPanels() {
    QLabel* explanation = panels_[0];
    QLabel* angle = panels_[1];
    const int total = explanation->width() + angle->width();
    const int right = explanation->x() + total;
    // Room the frame and margins of a panel take from its text.
    const auto chrome = [](const QLabel* panel) {
        return panel->width() - panel->contentsRect().width() + 2;
    };
    const QFontMetrics normal(sbrCurrentCondition_->font());
    const int widest = normal.horizontalAdvance(QStringLiteral("視点の角度[-180° , -180°]"));
    const int angleWidth = std::min(total / 2, std::max(angle->width(), widest + chrome(angle)));
    explanation->setGeometry(explanation->x(), 0, total - angleWidth, explanation->height());
    angle->setGeometry(right - angleWidth, 0, angleWidth, angle->height());
    for (QLabel* panel : {explanation, angle}) {
        QFont font = sbrCurrentCondition_->font();
        const int room = panel->width() - chrome(panel);
        // A smaller font until the whole text shows (not below 7 pixels).
        int pixels = QFontInfo(font).pixelSize();
        while (pixels > 7 && QFontMetrics(font).horizontalAdvance(panel->text()) > room) {
            font.setPixelSize(--pixels);
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
        button->setIconSize(QSize(std::max(places[i].width() - 4, 4), std::max(r - 6, 4)));
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
    view_->Draw();
}

void frmZelkWin::ResetTAPMMode() {
    SizeViewSingle();
    for (QLabel* box : {picFrontView_, picSideView_, picTopView_}) {
        box->hide();
        box->setPixmap(QPixmap());
    }
    view_->Draw();
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
}

void frmZelkWin::SetDrawMode() {
    SetDrawingControlsEnabled(true);
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
    const bool drawing = context_.appData != nullptr && context_.appData->Drawing();
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
    const ToolBoxEntry& entry = kToolBox[index];
    for (int i = 0; i < entry.times; ++i) {
        Send(QString::fromLatin1(entry.command));
    }
    picSecondaryTools_->setFocus();
}

void frmZelkWin::OnProButton(int index) {
    SendPro(QString::fromLatin1(kProCommands[index]));
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
    const auto add = [this, &menu](const QString& text, const char* command, bool enabled) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        const QString name = QString::fromLatin1(command);
        connect(action, &QAction::triggered, this, [this, name] { Send(name); });
    };
    const bool turning = turningTimer_->isActive();
    add(QStringLiteral("正面図"), "FRONT_VIEW", !turning);
    add(QStringLiteral("平面図"), "TOP_VIEW", !turning);
    add(QStringLiteral("右側面図"), "SIDE_VIEW", !turning);
    add(QStringLiteral("等角図"), "EQUAL_ANGLE_VIEW", !turning);
    menu.addSeparator();
    add(QStringLiteral("コピー"), "NORMAL_COPY", true);
    menu.addSeparator();
    QAction* undo = Action(QStringLiteral("mnuUndo"));
    QAction* redo = Action(QStringLiteral("mnuRedo"));
    add(undo->text(), "UNDO", undo->isEnabled());
    add(redo->text(), "REDO", redo->isEnabled());
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
    Action(item == CheckItem::DataPathFixed ? QStringLiteral("mnuDataPathFixed")
                                            : QStringLiteral("mnuOptionProInterface"))
        ->setChecked(checked);
}

void frmZelkWin::SetContinuousTurnEnabled(bool enabled) {
    Action(QStringLiteral("mnuContinuousTurn"))->setEnabled(enabled);
    ToolBarButton(QStringLiteral("cmdThirdAngleProjectionMethod"))->setEnabled(enabled);
}

void frmZelkWin::SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                              const QString& redoText) {
    const auto caption = [](const char* base, const QString& step) {
        const QString text = QString::fromUtf8(base);
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
    if (!sizeNote_.isEmpty()) {
        SetStatusText(1, sizeNote_);
    }
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
    return keys_->Filter(watched, static_cast<QKeyEvent*>(event));
}
