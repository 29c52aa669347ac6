#pragma once

#include <QString>

class SoundBackend;

// Plays a WAV cue. "ASYNC" returns at once, "SYNC" when the cue has ended; any other
// mode plays nothing. Never reports an error.
class CWavePlay {
public:
    enum class Mode { Async, Sync };

    explicit CWavePlay(SoundBackend& backend) : backend_(backend) {}
    void Play(const QString& FileName, const QString& Mode);
    void Play(const QString& FileName, Mode mode);

private:
    SoundBackend& backend_;
};
