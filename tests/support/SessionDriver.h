#pragma once

#include "FixedClock.h"
#include "MemoryClipboard.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CZelkData;
class Main_TheApp;

// Drives the whole program offscreen through a session read from bytes (commands, keys,
// drags, clicks, wheel turns, undo and redo, opening good and damaged files, saving,
// importing, the detailed-input panel) and checks after every step what must always hold:
// the step returned (a watchdog ends a hung run with the step's name); the figure equals
// the replay of its history from the last load; the changed mark is clear only while the
// figure is its clean state; both angles lie in -180..180; a save reads back as the
// figure; no temporary is left; no figure exceeds 32767 lines. Used by the seeded test and
// by the libFuzzer target.
class SessionDriver {
public:
    // failure: told what broke and the steps that led there; it must not return for the
    // fuzzer (abort), a test records it and the run stops at the next step.
    // builtProgramFolder: the build's program folder, whose pictures, sounds and help the
    // session's own program folder gets.
    SessionDriver(const QString& builtProgramFolder,
                  std::function<void(const std::string&)> failure, int watchdogSeconds);
    ~SessionDriver();
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    // Runs the session the bytes describe, at most maxSteps steps; false once an invariant
    // was broken.
    bool Run(const uint8_t* data, size_t size, int maxSteps);

    int StepsRun() const { return steps_; }

private:
    class Bytes;
    void Boot();
    void WriteFiles();
    bool Step(Bytes& in);
    void Check(const std::string& step, bool mayMoveCleanState);
    void CheckReplay();
    void Fail(const std::string& what);
    void Snapshot(std::vector<float>& lines, QString* comment = nullptr) const;
    QString File(const char* name) const;
    void Watch();

    std::function<void(const std::string&)> failure_;
    QTemporaryDir dir_;
    ScriptedUserDialogs dialogs_;
    RecordingSoundBackend sound_;
    FixedClock clock_;
    MemoryClipboard clipboard_;
    std::unique_ptr<Main_TheApp> app_;
    int quits_ = 0;
    bool failed_ = false;
    int steps_ = 0;
    std::vector<std::string> log_;
    QString lastSaveTarget_;

    // The figure when its history last began, and when it last was its clean state.
    std::vector<float> historyBase_;
    bool historyBaseKnown_ = false;
    std::vector<float> cleanState_;

    std::thread watchdog_;
    std::mutex watchMutex_;
    std::string watchedStep_;
    std::atomic<int64_t> stepStartedMs_{0};
    std::atomic<bool> stopWatching_{false};
    int watchdogSeconds_;
};
