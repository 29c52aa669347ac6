#pragma once

#include <QString>

// Plays WAV files. A file that cannot be played is silent; nothing here reports errors.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts the file and returns at once, cutting off a cue that is still playing.
    virtual void PlayAsync(const QString& fileName) = 0;
    // Returns when the file has played to its end; without audio output, when the file's
    // playing time has passed.
    virtual void PlaySync(const QString& fileName) = 0;
};
