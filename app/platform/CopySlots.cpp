#include "CopySlots.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

CopySlots::CopySlots(const QString& dataFolder) : dataFolder_(dataFolder) {}

QString CopySlots::LockName(int slot) {
    return slot <= 1 ? QStringLiteral(".zelk.lock") : QStringLiteral(".zelk-%1.lock").arg(slot);
}

QString CopySlots::AutosaveName(int slot) {
    return slot <= 1 ? QStringLiteral("autosave.zlk") : QStringLiteral("autosave-%1.zlk").arg(slot);
}

int CopySlots::Take(Recovery recovery) {
    for (int slot = 1; slot <= kMaxSlots; ++slot) {
        const QFileInfo waiting(dataFolder_ + u'/' + AutosaveName(slot));
        if (recovery == Recovery::LeftAlone && (waiting.exists() || waiting.isSymLink())) {
            continue;
        }
        auto lock = std::make_unique<InstanceLock>(dataFolder_ + u'/' + LockName(slot));
        if (lock->Acquire()) {
            lock_ = std::move(lock);
            slot_ = slot;
            return slot;
        }
    }
    return 0;
}

// Held by a living copy other than this one. A lock whose process is gone is stale:
// trying it takes it over, and letting it go removes it.
bool CopySlots::Held(int slot) const {
    if (slot == slot_) {
        return false;
    }
    QLockFile probe(dataFolder_ + u'/' + LockName(slot));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return true;
}

bool CopySlots::OthersRunning() const {
    for (int slot = 1; slot <= kMaxSlots; ++slot) {
        if (slot != slot_ && QFile::exists(dataFolder_ + u'/' + LockName(slot)) && Held(slot)) {
            return true;
        }
    }
    return false;
}

QStringList CopySlots::RecoveryFiles() const {
    QStringList files;
    const QString own = dataFolder_ + u'/' + AutosaveName(slot_);
    if (slot_ > 0 && QFile::exists(own)) {
        files << own;
    }
    for (int slot = 1; slot <= kMaxSlots; ++slot) {
        const QString path = dataFolder_ + u'/' + AutosaveName(slot);
        if (slot != slot_ && QFile::exists(path) && !Held(slot)) {
            files << path;
        }
    }
    return files;
}
