#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class QKeyEvent;
class QObject;

// The main window's keys: Qt's keys become the program's key codes, and keys that arrive
// while a command of the window runs (a command may let events run) wait and run after
// it, in order. A waiting key the program does not use goes on to the field it was typed
// into.
class WindowKeys {
public:
    // run: hands a key code and shift state to the program.
    WindowKeys(QWidget* window, std::function<void(int16_t key, int16_t shift)> run);

    static int VirtualKey(int qtKey);
    // A key press the window sees first; true when it is used up.
    bool Filter(QObject* watched, QKeyEvent* key);
    // A key being handed on to its widget by this object (the window lets it pass).
    bool Forwarding() const { return forwarding_; }
    // A command of the window starts or ends; at the end the waiting keys run.
    void BeginCommand() { ++busy_; }
    void EndCommand();
    // No key runs any more.
    void Stop() { stopped_ = true; }

private:
    bool Handle(QKeyEvent* event);
    void RunQueued();

    QPointer<QWidget> window_;
    std::function<void(int16_t, int16_t)> run_;
    int busy_ = 0;
    std::deque<std::unique_ptr<QKeyEvent>> queued_;
    bool runningQueued_ = false;
    bool forwarding_ = false;
    bool stopped_ = false;
};
