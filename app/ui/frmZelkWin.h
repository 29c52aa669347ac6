#pragma once

#include "AppContext.h"
#include "CommandId.h"
#include "IMainWindow.h"
#include "ProCommandId.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class MainMenus;
class ProPanel;
class ToolBoxPanel;
class ViewMouse;
class WindowKeys;
class QTimer;
class QToolBar;
class QToolButton;

// The main window: the 3D view, a tool bar, a status bar of two panels, the side
// panel of drawing buttons or the detailed-input panel, and the three picture boxes
// of the third-angle arrangement. It turns every user action into a command string
// for the controllers and only arranges its controls; the logic is theirs.
class frmZelkWin : public QMainWindow, public IMainWindow {
    Q_OBJECT

public:
    static constexpr int kSidePanelWidth = 150;
    static constexpr int kSidePanelMaxHeight = 300;
    static constexpr int kStatusBarHeight = 20;
    // A status text shrinks to fit its panel, but not below this.
    static constexpr int kSmallestStatusPixels = 7;

    explicit frmZelkWin(AppContext& context);
    ~frmZelkWin() override;

    ctlZelkView* View() const { return view_; }

    // IMainWindow: layouts.
    void SetFormSize(const QString& size) override;
    QString GetFormSize() const { return formSize_; }
    void SetTAPMMode() override;
    void ResetTAPMMode() override;
    void SetViewMode() override;
    void SetDrawMode() override;
    void SetDifficulty(DifficultyLevel level) override;
    void ShowProInterfacePanel(bool shown) override;
    void ShowWindow() override;
    void Retranslate() override;
    void SetPanePicture(Pane pane, const QImage& picture) override;
    QImage EntireFormPicture() override;
    QSize EntireFormSize() const override { return frameGeometry().size(); }

    // IMainWindow: title, status, menus, timers, detailed-input panel.
    void SetTitle(const QString& title) override { setWindowTitle(title); }
    // Status bar panels: 1 "sbrExplanation", 2 "sbrAngle".
    void SetStatusText(int panel, const QString& text) override;
    QString StatusText(int panel) const;
    void SetRecentItem(int index, const QString& text) override;
    QString RecentItemText(int index) const override;
    void SetRecentSeparatorVisible(bool visible) override;
    void SetChecked(CheckItem item, bool checked) override;
    void SetContinuousTurnEnabled(bool enabled) override;
    void SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                      const QString& redoText) override;
    void SetTurningInterval(int milliseconds) override;
    void StartTurningTimer() override;
    void StopTurningTimer() override;
    bool TurningTimerActive() const override;
    void StartAutosaveTimer(int milliseconds) override;
    void StopTimers() override;
    QString PosFieldText(int index) const override;
    void SetPosFieldText(int index, const QString& text) override;
    void SetLineScrollRange(int minimum, int maximum) override;
    int LineScrollValue() const override;
    void SetLineNumberText(const QString& text) override;
    void SetLineScrollValue(int value) override;

    // Interface switching.
    void ChangeToProInterface();
    void ChangeToEasyInterface();

    // The controls themselves, for the window's own code and its tests.
    QAction* Action(const QString& name) const;
    QAction* RecentItem(int index) const;
    // By key, e.g. "cmdNewFig"; nullptr for an unknown key.
    QAbstractButton* ToolBarButton(const QString& key) const;
    QAbstractButton* ToolBoxButton(int index) const;
    QAbstractButton* ProInterfaceButton(int index) const;
    QLineEdit* PosField(int index) const;
    QScrollBar* LineNumberScrollBar() const;
    QLabel* LineNumberLabel() const;
    QWidget* SecondaryTools() const;
    QWidget* ProInterfacePanel() const;
    QLabel* FrontView() const { return picFrontView_; }
    QLabel* TopView() const { return picTopView_; }
    QLabel* SideView() const { return picSideView_; }
    QTimer* TurningTimer() const { return turningTimer_; }
    QTimer* AutosaveTimer() const { return autosaveTimer_; }
    int ToolBarHeight() const;
    int ScaleWidth() const { return scaleWidth_; }
    int ScaleHeight() const { return scaleHeight_; }

    // From now on no timer tick, key or click reaches the controllers, and closing
    // the window closes it.
    void Detach();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Where the window manager gives the window its frame only after it is shown, the
    // layout is made again so that the outer size is the stated one.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSizeNote();
    void Send(const QString& command);
    void Send(CommandId command);
    void SendPro(const QString& command);
    void SendPro(ProCommandId command);
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildSidePanel();
    // The detailed-input panel, built when first needed: most starts never show it.
    ProPanel& Pro() const;
    void LayoutStatusBar();
    int PlaceSidePanel(QWidget* panel);
    void LayoutSidePanel();
    void LayoutProInterface();
    void SizeViewSingle();
    void SetDrawingControlsEnabled(bool enabled);
    void OnDrawMenu();
    void OnProInterfaceMenu();
    void ShowViewMenu(const QPoint& globalPos);

    AppContext& context_;
    bool detached_ = false;
    // The keys: as the program's codes, those of a running command waiting their turn.
    std::unique_ptr<WindowKeys> keys_;
    // The frame (outer size minus client size) the last size layout assumed.
    QSize layoutFrame_;
    bool threeViewLayout_ = false;
    // The status panels have their places: before that, fitting their texts is wasted.
    bool statusBarPlaced_ = false;
    // Said in the status bar when a size did not fit on the screen.
    QString sizeNote_;
    // The note as status panel 1 shows it, and the text it replaced there.
    QString shownNote_;
    QString replacedByNote_;
    // The status panels: the angle panel as wide as its widest text, the other the rest;
    // a text too long for its panel is set in a smaller font.
    void FitStatusPanels();
    void DrawView();
    QString formSize_ = QStringLiteral("800x400");
    int nominalWidth_ = 800;
    int nominalHeight_ = 400;
    int scaleWidth_ = 800;
    int scaleHeight_ = 400;

    QWidget* client_;
    ctlZelkView* view_;
    QToolBar* tlbToolBar_ = nullptr;
    QWidget* sbrCurrentCondition_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    ToolBoxPanel* picSecondaryTools_ = nullptr;
    // Built by Pro(); until then only its enabled state and whether it was laid out are
    // kept, and nothing else has touched it.
    mutable ProPanel* proPanel_ = nullptr;
    bool proDrawingEnabled_ = true;
    bool proLaidOut_ = false;
    QLabel* picFrontView_;
    QLabel* picTopView_;
    QLabel* picSideView_;
    MainMenus* menus_ = nullptr;
    QTimer* turningTimer_;
    QTimer* autosaveTimer_;
    // The mouse in the view: drag to turn, wheel to zoom, click to pick, right menu.
    std::unique_ptr<ViewMouse> mouse_;
};
