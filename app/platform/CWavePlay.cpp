#include "CWavePlay.h"

#include "SoundBackend.h"

void CWavePlay::Play(const QString& FileName, const QString& Mode) {
    if (Mode == QLatin1String("ASYNC")) {
        backend_.PlayAsync(FileName);
    } else if (Mode == QLatin1String("SYNC")) {
        backend_.PlaySync(FileName);
    }
}
