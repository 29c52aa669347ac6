#pragma once

#include "SoundBackend.h"

#include <memory>

class QSoundEffect;

// Sound through QSoundEffect; without an audio output every cue is silent and "SYNC"
// returns at once.
class QtSoundBackend : public SoundBackend {
public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    void PlayAsync(const QString& fileName) override;
    void PlaySync(const QString& fileName) override;

    static bool HasAudioOutput();
    // Playing time of a PCM WAV file from its header; 0 when it cannot be told.
    static int WavDurationMs(const QString& fileName);

    // The cue last given to the sound effect ("" before the first).
    QString CurrentSource() const;

private:
    // Stops the playing cue and loads the file; false when nothing can be heard.
    bool Prepare(const QString& fileName);
    QSoundEffect* Effect();
    std::unique_ptr<QSoundEffect> effect_;
};
