#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program runs on the same data folder: the first
// copy holds a lock file there while it runs. A lock left by a copy that has crashed
// is recognised as stale (its process is gone) and taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& lockFile);
    // True when this is the only running copy (the lock is now held by this process).
    bool Acquire();

private:
    QLockFile lock_;
};
