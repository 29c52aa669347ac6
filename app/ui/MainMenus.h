#pragma once

#include "CommandId.h"
#include "IMainWindow.h"
#include "ZelkStates.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QMenuBar;
class QPoint;
class QWidget;

// The main window's menus, built from the menu table: each item sends its command, the
// check marks and enabled states are the program's to set, the recent-file places and
// the view's context menu. Only the window uses it.
class MainMenus : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(CommandId command)> run;
        // The levels and window sizes send their commands as the state tables name them.
        std::function<void(const QString& command)> send;
        // 作図 and 詳細入力モード do more than send a command: the window's own.
        std::function<void()> drawMenu;
        std::function<void()> proInterfaceMenu;
    };

    MainMenus(QMenuBar* bar, Hooks hooks);

    // By name, e.g. "mnuSave"; nullptr for an unknown name.
    QAction* Action(const QString& name) const;
    QAction* Recent(int index) const { return recent_[static_cast<size_t>(index)]; }
    void SetRecentItem(int index, const QString& text);
    void SetRecentSeparatorVisible(bool visible);
    void SetChecked(IMainWindow::CheckItem item, bool checked);
    void SetUndoState(bool canUndo, const QString& undoText, bool canRedo, const QString& redoText);
    // However the mode changes, 作図's check mark and the levels follow it.
    void ShowDrawing(bool drawing);
    void CheckLevel(DifficultyLevel level);
    void CheckSize(const char* menuItem);
    void Retranslate();
    // The view's context menu at a point of the screen; while the figure turns only
    // copying is offered besides undo and redo.
    void ExecViewMenu(QWidget* parent, const QPoint& globalPos, bool turning);

private:
    void Build();
    void OnLevel(QAction* level);

    QMenuBar* bar_;
    Hooks hooks_;
    std::array<QAction*, 5> recent_{};
};
