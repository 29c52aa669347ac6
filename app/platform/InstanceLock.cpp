#include "InstanceLock.h"

InstanceLock::InstanceLock(const QString& lockFile) : lock_(lockFile) {
    // Only a dead owner makes the lock stale, never its age: a copy may run for days.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::Acquire() {
    return lock_.tryLock(0);
}
