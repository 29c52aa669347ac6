#include "CWavePlay.h"

#include "SoundBackend.h"

void CWavePlay::Play(const QString& FileName, const QString& Mode) {
    if (Mode == QLatin1String("ASYNC")) {
        Play(FileName, Mode::Async);
    } else if (Mode == QLatin1String("SYNC")) {
        Play(FileName, Mode::Sync);
    }
}

void CWavePlay::Play(const QString& FileName, Mode mode) {
    if (mode == Mode::Async) {
        backend_.PlayAsync(FileName);
    } else {
        backend_.PlaySync(FileName);
    }
}
