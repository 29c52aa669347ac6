#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// The system calls a safe read or write makes, behind one small interface: the program uses the
// real ones; a test can record every call and make any one of them fail, as a full disk,
// a lost device or a failing fsync would.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;
    // The real calls of the system.
    static SystemCalls& Real();

    virtual int Open(const char* path, int flags);
    virtual int MakeTemporary(char* pattern); // mkstemp
    virtual ssize_t PWrite(int fd, const void* data, size_t size, off_t offset);
    virtual ssize_t PRead(int fd, void* data, size_t size, off_t offset);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Ftruncate(int fd, off_t size);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fchown(int fd, uid_t owner, gid_t group);
    virtual int Fstat(int fd, struct stat* info);
    virtual int Unlink(const char* path);
    virtual ssize_t Read(int fd, void* data, size_t size);
    virtual int Stat(const char* path, struct stat* info);
    virtual int Lstat(const char* path, struct stat* info);
    virtual int Access(const char* path, int mode);
    virtual ssize_t Readlink(const char* path, char* buffer, size_t size);
    // The file creation mask, read without changing it.
    virtual mode_t Umask();
};
