#pragma once

#include "SystemCalls.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>

// The real calls, each write at most a few bytes, until the process is "killed" at the
// chosen call: from there on nothing reaches the disk (no clean-up either). A folder can
// be made to refuse new files, as a folder the user may not write does.
class StoppingCalls : public SystemCalls {
public:
    int stopAt = 0;
    int made = 0;
    QByteArray refusingFolder;

    bool Stopped() { return ++made >= stopAt; }
    int Open(const char* path, int flags) override {
        return Stopped() ? Killed() : SystemCalls::Open(path, flags);
    }
    int MakeTemporary(char* pattern) override {
        if (!refusingFolder.isEmpty() && QByteArray(pattern).startsWith(refusingFolder + '/')) {
            errno = EACCES;
            return -1;
        }
        return Stopped() ? Killed() : SystemCalls::MakeTemporary(pattern);
    }
    ssize_t PWrite(int fd, const void* data, size_t size, off_t offset) override {
        return Stopped() ? Killed()
                         : SystemCalls::PWrite(fd, data, std::min<size_t>(size, 64), offset);
    }
    ssize_t PRead(int fd, void* data, size_t size, off_t offset) override {
        return Stopped() ? Killed() : SystemCalls::PRead(fd, data, size, offset);
    }
    int Fsync(int fd) override { return Stopped() ? Killed() : SystemCalls::Fsync(fd); }
    int Close(int fd) override {
        // A killed process's descriptors close too.
        SystemCalls::Close(fd);
        return Stopped() ? Killed() : 0;
    }
    int Rename(const char* from, const char* to) override {
        return Stopped() ? Killed() : SystemCalls::Rename(from, to);
    }
    int Ftruncate(int fd, off_t size) override {
        return Stopped() ? Killed() : SystemCalls::Ftruncate(fd, size);
    }
    int Fchmod(int fd, mode_t mode) override {
        return Stopped() ? Killed() : SystemCalls::Fchmod(fd, mode);
    }
    int Fchown(int fd, uid_t owner, gid_t group) override {
        return Stopped() ? Killed() : SystemCalls::Fchown(fd, owner, group);
    }
    int Fstat(int fd, struct stat* info) override {
        return Stopped() ? Killed() : SystemCalls::Fstat(fd, info);
    }
    int Unlink(const char* path) override {
        return Stopped() ? Killed() : SystemCalls::Unlink(path);
    }

private:
    static int Killed() {
        errno = EIO;
        return -1;
    }
};
