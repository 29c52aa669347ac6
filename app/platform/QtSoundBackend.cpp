#include "QtSoundBackend.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace {
// How long "SYNC" waits beyond a cue's own length for the device to finish it.
constexpr int kSyncGraceMs = 500;
// Cues whose length cannot be read from their header are waited for at most this long.
constexpr int kUnknownLengthMs = 5000;
} // namespace

QtSoundBackend::QtSoundBackend() = default;

QtSoundBackend::~QtSoundBackend() = default;

QString QtSoundBackend::CurrentSource() const {
    return effect_ ? effect_->source().toLocalFile() : QString();
}

bool QtSoundBackend::HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QSoundEffect* QtSoundBackend::Effect() {
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
    }
    return effect_.get();
}

int QtSoundBackend::WavDurationMs(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray head = file.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return 0;
    }
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= head.size()) {
        const QByteArray id = head.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + pos + 4);
        if (id == "fmt " && pos + 16 <= head.size()) {
            byteRate = qFromLittleEndian<quint32>(head.constData() + pos + 16);
        } else if (id == "data") {
            if (byteRate == 0) {
                return 0;
            }
            const quint64 available = static_cast<quint64>(file.size()) - (pos + 8);
            const quint64 bytes = std::min<quint64>(size, available);
            return static_cast<int>(bytes * 1000 / byteRate);
        }
        pos += 8 + size + (size & 1);
    }
    return 0;
}

bool QtSoundBackend::Prepare(const QString& fileName) {
    // Without a device the cue is not even read (reading starts a thread of its own).
    if (!QFileInfo(fileName).isFile() || !HasAudioOutput()) {
        return false;
    }
    QSoundEffect* effect = Effect();
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(fileName));
    return true;
}

void QtSoundBackend::PlayAsync(const QString& fileName) {
    if (Prepare(fileName)) {
        Effect()->play();
    }
}

void QtSoundBackend::PlaySync(const QString& fileName) {
    if (!Prepare(fileName)) {
        // Without a device the cue's time passes all the same (a splash shown while its cue
        // plays stays painted, not a flash); events other than the user's run meanwhile.
        const int length = QFileInfo(fileName).isFile() ? WavDurationMs(fileName) : 0;
        if (length > 0) {
            QEventLoop loop;
            QTimer::singleShot(length, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return;
    }
    QSoundEffect* effect = Effect();

    // Wait for the end of the cue, but never longer than the cue itself and a grace
    // period: a device that never reports the end must not hang the program.
    const int length = WavDurationMs(fileName);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
        if (!effect->isPlaying()) {
            loop.quit();
        }
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&loop, effect] {
        if (effect->status() == QSoundEffect::Error) {
            loop.quit();
        }
    });
    limit.start(length > 0 ? length + kSyncGraceMs : kUnknownLengthMs);
    effect->play();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    effect->stop();
}
