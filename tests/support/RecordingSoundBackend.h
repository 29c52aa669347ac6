#pragma once

#include "SoundBackend.h"

#include <QList>
#include <QString>
#include <functional>

// Records every cue instead of playing it: a silent program for tests and for
// machines without sound.
class RecordingSoundBackend : public SoundBackend {
public:
    struct Cue {
        QString file;
        QString mode;
        bool operator==(const Cue&) const = default;
    };

    void PlayAsync(const QString& fileName) override { Record({fileName, "ASYNC"}); }
    void PlaySync(const QString& fileName) override { Record({fileName, "SYNC"}); }

    QList<Cue> cues;
    // Called with every cue as it is played.
    std::function<void(const Cue&)> onCue;

private:
    void Record(const Cue& cue) {
        cues.append(cue);
        if (onCue) {
            onCue(cue);
        }
    }
};
