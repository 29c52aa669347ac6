#include "SystemCalls.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

SystemCalls& SystemCalls::Real() {
    static SystemCalls calls;
    return calls;
}

int SystemCalls::Open(const char* path, int flags) {
    return ::open(path, flags);
}

int SystemCalls::MakeTemporary(char* pattern) {
    return ::mkstemp(pattern);
}

ssize_t SystemCalls::PWrite(int fd, const void* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size, offset);
}

ssize_t SystemCalls::PRead(int fd, void* data, size_t size, off_t offset) {
    return ::pread(fd, data, size, offset);
}

int SystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int SystemCalls::Close(int fd) {
    return ::close(fd);
}

int SystemCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int SystemCalls::Ftruncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}

int SystemCalls::Fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int SystemCalls::Fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int SystemCalls::Fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}

int SystemCalls::Unlink(const char* path) {
    return ::unlink(path);
}

ssize_t SystemCalls::Read(int fd, void* data, size_t size) {
    return ::read(fd, data, size);
}

int SystemCalls::Stat(const char* path, struct stat* info) {
    return ::stat(path, info);
}

int SystemCalls::Lstat(const char* path, struct stat* info) {
    return ::lstat(path, info);
}

int SystemCalls::Access(const char* path, int mode) {
    return ::access(path, mode);
}

ssize_t SystemCalls::Readlink(const char* path, char* buffer, size_t size) {
    return ::readlink(path, buffer, size);
}

mode_t SystemCalls::Umask() {
    // Only a set returns the mask: set it and put it back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
