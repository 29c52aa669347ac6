#pragma once

#include "AppContext.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;
class QToolBar;
class QToolButton;

// The main window: the 3D view, a tool bar, a status bar of two panels, the side
// panel of drawing buttons or the detailed-input panel, and the three picture boxes
// of the third-angle arrangement. It turns every user action into a command string
// for the controllers and only arranges its controls; the logic is theirs.
class frmZelkWin : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kSidePanelWidth = 150;
    static constexpr int kSidePanelMaxHeight = 300;
    static constexpr int kStatusBarHeight = 20;

    explicit frmZelkWin(AppContext& context);
    ~frmZelkWin() override;

    ctlZelkView* View() const { return view_; }

    // Layouts.
    void SetFormSize(const QString& size);
    QString GetFormSize() const { return formSize_; }
    void SetTAPMMode();
    void ResetTAPMMode();
    void ClipboardToFrontView();
    void ClipboardToTopView();
    void ClipboardToSideView();
    void SetEntireFormToClipboard();
    void SetViewMode();
    void SetDrawMode();

    // Difficulty and interface switching.
    void SetDifficulty(const QString& difficulty);
    void ChangeToProInterface();
    void ChangeToEasyInterface();

    // Status bar panels: 1 "sbrExplanation", 2 "sbrAngle".
    void SetStatusText(int panel, const QString& text);
    QString StatusText(int panel) const;

    // Controls the controllers reach directly.
    QAction* Action(const QString& name) const;
    QAction* RecentItem(int index) const { return recent_[static_cast<size_t>(index)]; }
    QAbstractButton* ToolBarButton(int index) const; // 1-based; nullptr for separators
    QAbstractButton* ToolBoxButton(int index) const;
    QAbstractButton* ProInterfaceButton(int index) const;
    QLineEdit* PosField(int index) const { return txtPos_[static_cast<size_t>(index)]; }
    QScrollBar* LineNumberScrollBar() const { return vscrLineNumber_; }
    QLabel* LineNumberLabel() const { return lblLineNumber_; }
    QWidget* SecondaryTools() const { return picSecondaryTools_; }
    QWidget* ProInterfacePanel() const { return picProInterface_; }
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Send(const QString& command);
    void SendPro(const QString& command);
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildSidePanel();
    void BuildProInterface();
    void LayoutStatusBar();
    int PlaceSidePanel(QWidget* panel);
    void LayoutSidePanel();
    void LayoutProInterface();
    void SizeViewSingle();
    void SetDrawingControlsEnabled(bool enabled);
    void OnDrawMenu();
    void OnDifficultyMenu(QAction* item);
    void OnProInterfaceMenu();
    void OnToolBox(int index);
    void OnProButton(int index);
    bool HandleKey(QKeyEvent* event);
    static int VirtualKey(int qtKey);

    AppContext& context_;
    bool detached_ = false;
    bool keyPreview_ = true;
    QString formSize_ = QStringLiteral("800x400");
    int nominalWidth_ = 800;
    int nominalHeight_ = 400;
    int scaleWidth_ = 800;
    int scaleHeight_ = 400;

    QWidget* client_;
    ctlZelkView* view_;
    QToolBar* tlbToolBar_ = nullptr;
    std::array<QToolButton*, 20> toolBarButtons_{};
    QWidget* sbrCurrentCondition_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    QWidget* picSecondaryTools_ = nullptr;
    std::array<QToolButton*, 19> cmdToolBox_{};
    QWidget* picProInterface_ = nullptr;
    std::array<QToolButton*, 7> cmdProInterface_{};
    QLabel* lblLineNumber_ = nullptr;
    std::array<QLabel*, 3> lblPos_{};
    QLabel* lblFrom_ = nullptr;
    QLabel* lblTo_ = nullptr;
    std::array<QLineEdit*, 6> txtPos_{};
    QScrollBar* vscrLineNumber_ = nullptr;
    QLabel* picFrontView_;
    QLabel* picTopView_;
    QLabel* picSideView_;
    std::array<QAction*, 5> recent_{};
    QTimer* turningTimer_;
    QTimer* autosaveTimer_;
};
