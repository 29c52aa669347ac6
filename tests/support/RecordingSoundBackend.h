#pragma once

#include "SoundBackend.h"

#include <QEventLoop>
#include <QList>
#include <QString>
#include <QTimer>
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
    // Like a real cue, a "SYNC" one takes syncMs: the events of that time (timers
    // among them) run meanwhile, as in the program's wait for the end of the cue.
    void PlaySync(const QString& fileName) override {
        Record({fileName, "SYNC"});
        if (syncMs > 0) {
            syncing = true;
            QEventLoop loop;
            QTimer::singleShot(syncMs, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            syncing = false;
            if (atSyncEnd) {
                atSyncEnd();
            }
        }
    }

    QList<Cue> cues;
    int syncMs = 0;
    bool syncing = false;
    // Cues that started while a "SYNC" cue was still playing.
    QList<Cue> cuesDuringSync;
    // Called as a "SYNC" cue ends, before the player returns.
    std::function<void()> atSyncEnd;
    // Called with every cue as it is played.
    std::function<void(const Cue&)> onCue;

private:
    void Record(const Cue& cue) {
        if (syncing) {
            cuesDuringSync.append(cue);
        }
        cues.append(cue);
        if (onCue) {
            onCue(cue);
        }
    }
};
