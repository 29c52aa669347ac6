#pragma once

#include "ZelkStates.h"

#include <QImage>
#include <QString>

// What the controllers ask of the main window: layouts and modes, title and status,
// menus and buttons, timers, the three-view panes and the detailed-input panel. The
// program's frmZelkWin implements it; controller tests may use a recording double.
class IMainWindow {
public:
    enum class Pane { Front, Top, Side };
    // The items whose check mark the controllers set.
    enum class CheckItem { DataPathFixed, ProInterface, LanguageJapanese, LanguageEnglish };

    virtual ~IMainWindow() = default;

    // Layouts and modes.
    virtual void SetFormSize(const QString& size) = 0;
    virtual void SetTAPMMode() = 0;
    virtual void ResetTAPMMode() = 0;
    virtual void SetViewMode() = 0;
    virtual void SetDrawMode() = 0;
    virtual void SetDifficulty(DifficultyLevel level) = 0;
    // The detailed-input panel instead of the drawing buttons (or back).
    virtual void ShowProInterfacePanel(bool shown) = 0;
    virtual void ShowWindow() = 0;

    // Every text the window takes from its tables again, in the language now chosen.
    virtual void Retranslate() = 0;

    // A picture for one pane of the three-view layout.
    virtual void SetPanePicture(Pane pane, const QImage& picture) = 0;
    // The whole window as the user sees it, for printing.
    virtual QImage EntireFormPicture() = 0;
    // The window's outer size, frame included.
    virtual QSize EntireFormSize() const = 0;

    // Title, status bar panels (1 "sbrExplanation", 2 "sbrAngle").
    virtual void SetTitle(const QString& title) = 0;
    virtual void SetStatusText(int panel, const QString& text) = 0;

    // Recent-file items 0..4 ("" hides one) and the separator above them.
    virtual void SetRecentItem(int index, const QString& text) = 0;
    virtual QString RecentItemText(int index) const = 0;
    virtual void SetRecentSeparatorVisible(bool visible) = 0;
    virtual void SetChecked(CheckItem item, bool checked) = 0;
    // The continuous-turn menu item and tool bar button.
    virtual void SetContinuousTurnEnabled(bool enabled) = 0;

    // The undo and redo items and buttons: enabled, and the step they would take.
    virtual void SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                              const QString& redoText) = 0;

    // Timers: continuous turning and the minute's autosave.
    virtual void SetTurningInterval(int milliseconds) = 0;
    virtual void StartTurningTimer() = 0;
    virtual void StopTurningTimer() = 0;
    virtual bool TurningTimerActive() const = 0;
    virtual void StartAutosaveTimer(int milliseconds) = 0;
    // Both timers stop (the program is ending).
    virtual void StopTimers() = 0;

    // The detailed-input panel: the six fields (txtPos 0..5), the line scroll bar and
    // its label.
    virtual QString PosFieldText(int index) const = 0;
    virtual void SetPosFieldText(int index, const QString& text) = 0;
    virtual void SetLineScrollRange(int minimum, int maximum) = 0;
    virtual int LineScrollValue() const = 0;
    virtual void SetLineNumberText(const QString& text) = 0;
    virtual void SetLineScrollValue(int value) = 0;
};
