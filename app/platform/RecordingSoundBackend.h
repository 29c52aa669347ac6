#pragma once

#include "SoundBackend.h"

#include <QList>
#include <QString>

// Records every cue instead of playing it: a silent program for tests and for
// machines without sound.
class RecordingSoundBackend : public SoundBackend {
public:
    struct Cue {
        QString file;
        QString mode;
        bool operator==(const Cue&) const = default;
    };

    void PlayAsync(const QString& fileName) override { cues.append({fileName, "ASYNC"}); }
    void PlaySync(const QString& fileName) override { cues.append({fileName, "SYNC"}); }

    QList<Cue> cues;
};
