#pragma once

#include "SoundBackend.h"

// Passes every cue on to the real backend, and while a cue plays to its end ("SYNC")
// holds the program's commands: the nested wait lets timers fire, and a tick must
// neither run a command (an autosave after shut-down began) nor cut the cue off.
class HoldingSoundBackend : public SoundBackend {
public:
    explicit HoldingSoundBackend(SoundBackend& inner) : inner_(inner) {}
    void PlayAsync(const QString& fileName) override;
    void PlaySync(const QString& fileName) override;
    // True while a "SYNC" cue plays.
    bool Holding() const { return depth_ > 0; }

private:
    SoundBackend& inner_;
    int depth_ = 0;
};
