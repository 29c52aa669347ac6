#pragma once

#include "IMainWindow.h"

#include <QMap>
#include <QStringList>
#include <array>

// The main window as the controllers see it, without widgets: it remembers what it was
// asked, so a test can read the state a real window would show.
class RecordingMainWindow : public IMainWindow {
public:
    void SetFormSize(const QString& size) override { formSize = size; }
    void SetTAPMMode() override { threeViews = true; }
    void ResetTAPMMode() override { threeViews = false; }
    void SetViewMode() override { drawingControls = false; }
    void SetDrawMode() override { drawingControls = true; }
    void SetDifficulty(DifficultyLevel level) override { difficulty = level; }
    void ShowProInterfacePanel(bool shown) override { proPanel = shown; }
    void ShowWindow() override { shown = true; }
    void Retranslate() override { ++retranslations; }
    int retranslations = 0;
    void SetPanePicture(Pane pane, const QImage& picture) override {
        panes[static_cast<size_t>(pane)] = picture;
    }
    QImage EntireFormPicture() override { return entireForm; }
    QSize EntireFormSize() const override { return entireForm.size(); }
    void SetTitle(const QString& text) override { title = text; }
    void SetStatusText(int panel, const QString& text) override {
        status[static_cast<size_t>(panel - 1)] = text;
    }
    void SetRecentItem(int index, const QString& text) override {
        recent[static_cast<size_t>(index)] = text;
    }
    QString RecentItemText(int index) const override { return recent[static_cast<size_t>(index)]; }
    void SetRecentSeparatorVisible(bool visible) override { recentSeparator = visible; }
    void SetChecked(CheckItem item, bool checked) override { checks[item] = checked; }
    void SetContinuousTurnEnabled(bool enabled) override { continuousTurnEnabled = enabled; }
    void SetUndoState(bool canUndoNow, const QString& undo, bool canRedoNow,
                      const QString& redo) override {
        canUndo = canUndoNow;
        undoText = undo;
        canRedo = canRedoNow;
        redoText = redo;
    }
    void SetTurningInterval(int milliseconds) override { turningInterval = milliseconds; }
    void StartTurningTimer() override { turning = true; }
    void StopTurningTimer() override { turning = false; }
    bool TurningTimerActive() const override { return turning; }
    void StartAutosaveTimer(int milliseconds) override { autosaveInterval = milliseconds; }
    void StopTimers() override {
        turning = false;
        autosaveInterval = 0;
    }
    QString PosFieldText(int index) const override { return fields[static_cast<size_t>(index)]; }
    void SetPosFieldText(int index, const QString& text) override {
        fields[static_cast<size_t>(index)] = text;
    }
    void SetLineScrollRange(int minimum, int maximum) override {
        scrollMinimum = minimum;
        scrollMaximum = maximum;
        scrollValue = std::clamp(scrollValue, minimum, maximum);
    }
    int LineScrollValue() const override { return scrollValue; }
    void SetLineNumberText(const QString& text) override { lineNumberText = text; }
    void SetLineScrollValue(int value) override { scrollValue = value; }

    QString formSize;
    bool threeViews = false;
    bool drawingControls = false;
    DifficultyLevel difficulty = DifficultyLevel::Midium;
    bool proPanel = false;
    bool shown = false;
    std::array<QImage, 3> panes;
    QImage entireForm;
    QString title;
    std::array<QString, 2> status;
    std::array<QString, 5> recent;
    bool recentSeparator = false;
    QMap<CheckItem, bool> checks;
    bool continuousTurnEnabled = true;
    int turningInterval = 0;
    bool turning = false;
    int autosaveInterval = 0;
    std::array<QString, 6> fields;
    int scrollMinimum = 0;
    int scrollMaximum = 0;
    int scrollValue = 0;
    QString lineNumberText;
    bool canUndo = false;
    bool canRedo = false;
    QString undoText;
    QString redoText;
};
