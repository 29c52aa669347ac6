#pragma once

#include "InstanceLock.h"

#include <QString>
#include <QStringList>
#include <memory>

// Each running copy of the program holds a slot of its own in the data folder: slot 1
// is the lock ".zelk.lock" and the autosave file "autosave.zlk", slot k the lock
// ".zelk-k.lock" and "autosave-k.zlk". So copies never write each other's recovery file,
// and a recovery file whose slot nobody holds belongs to a copy that no longer runs.
class CopySlots {
public:
    static constexpr int kMaxSlots = 32;

    explicit CopySlots(const QString& dataFolder);

    // Takes the lowest free slot and holds it while this object lives; the slot number,
    // or 0 when every slot is held. A copy that will not recover (it opens a file named
    // at start) passes over the slots whose recovery file waits: it never writes, and so
    // never replaces or deletes, a recovery file it did not write.
    enum class Recovery { Offered, LeftAlone };
    int Take(Recovery recovery = Recovery::Offered);
    int Slot() const { return slot_; }

    static QString LockName(int slot);
    static QString AutosaveName(int slot);

    // True when another running copy holds a slot.
    bool OthersRunning() const;
    // Recovery files of copies that no longer run, this slot's own first, then by slot.
    QStringList RecoveryFiles() const;

private:
    bool Held(int slot) const;

    QString dataFolder_;
    int slot_ = 0;
    std::unique_ptr<InstanceLock> lock_;
};
