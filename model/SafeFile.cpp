#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "SystemCalls.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Reason(int code) {
    return qt_error_string(code);
}

// Closes a descriptor once; keeps the first failure's errno.
class Descriptor {
public:
    Descriptor(int fd, SystemCalls& calls) : fd_(fd), calls_(calls) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            calls_.Close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // close() reports delayed write errors (NFS, some full disks): it must be checked.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return calls_.Close(fd) == 0;
    }

private:
    int fd_;
    SystemCalls& calls_;
};

bool WriteAll(SystemCalls& calls, int fd, const char* data, qint64 size, qint64 offset) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            calls.PWrite(fd, data + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Rewrites an existing file in place (its folder takes no new files).
bool WriteInPlace(SystemCalls& calls, const QByteArray& path, const QByteArray& bytes,
                  QString& error) {
    Descriptor fd(calls.Open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK), calls);
    if (!fd.ok()) {
        error = Reason(errno);
        return false;
    }
    QByteArray old;
    struct stat info {};
    if (calls.Fstat(fd.get(), &info) != 0) {
        error = Reason(errno);
        return false;
    }
    old.resize(static_cast<qsizetype>(info.st_size));
    qint64 got = 0;
    while (got < old.size()) {
        const ssize_t n =
            calls.PRead(fd.get(), old.data() + got, static_cast<size_t>(old.size() - got), got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = Reason(n < 0 ? errno : EIO);
            return false;
        }
        got += n;
    }
    if (WriteAll(calls, fd.get(), bytes.constData(), bytes.size(), 0) &&
        calls.Ftruncate(fd.get(), bytes.size()) == 0 && calls.Fsync(fd.get()) == 0 && fd.Close()) {
        return true;
    }
    error = Reason(errno);
    // Put the old bytes back: they fitted before, so they fit again. A failed close has
    // already let the descriptor go: the file is opened again for it.
    Descriptor again(fd.ok() ? -1 : calls.Open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK),
                     calls);
    const int back = fd.ok() ? fd.get() : again.get();
    if (back >= 0) {
        WriteAll(calls, back, old.constData(), old.size(), 0);
        (void)calls.Ftruncate(back, old.size());
        (void)calls.Fsync(back);
    }
    return false;
}

void SyncFolder(SystemCalls& calls, const QByteArray& folder) {
    Descriptor fd(calls.Open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), calls);
    if (fd.ok()) {
        (void)calls.Fsync(fd.get());
    }
}

} // namespace

SafeFile::ReadResult SafeFile::Read(const QString& path, qint64 limit, QByteArray& bytes,
                                    QString& error) {
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    if (path.isEmpty() || name.contains('\0')) {
        error = Reason(ENOENT);
        return ReadResult::Missing;
    }
    // Non-blocking, so that a FIFO never stalls the program before it is refused.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), SystemCalls::Real());
    if (!fd.ok()) {
        const int code = errno;
        error = Reason(code);
        return code == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        error = Reason(errno);
        return ReadResult::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        error = Reason(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return ReadResult::NotRegular;
    }
    if (info.st_size > limit) {
        error = Reason(EFBIG);
        return ReadResult::TooLarge;
    }
    // Read up to one byte past the limit: a file that grows meanwhile is still refused.
    bytes.resize(static_cast<qsizetype>(info.st_size));
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > limit) {
                bytes.clear();
                error = Reason(EFBIG);
                return ReadResult::TooLarge;
            }
            bytes.resize(bytes.size() + 4096);
        }
        const ssize_t n =
            ::read(fd.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = Reason(errno);
            bytes.clear();
            return ReadResult::Failed;
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.resize(static_cast<qsizetype>(got));
    return ReadResult::Ok;
}

namespace {

// The marker only this program's temporaries carry: cleaning up must never take a
// user's "house.zlk.backup" for one.
constexpr char kTemporaryMarker[] = ".zelk-tmp-";

// Follows a chain of symbolic links to the name it ends at, whether or not that name
// exists yet (a dangling link's target is the file to create).
QByteArray FollowLinks(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            return path;
        }
        QByteArray next(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), next.data(), static_cast<size_t>(PATH_MAX));
        if (n <= 0) {
            return path;
        }
        next.resize(n);
        if (!next.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            next = (slash < 0 ? QByteArray() : path.left(slash + 1)) + next;
        }
        path = next;
    }
    return path;
}

} // namespace

bool SafeFile::Write(const QString& path, const QByteArray& bytes, QString& error) {
    return Write(path, bytes, error, SystemCalls::Real());
}

bool SafeFile::Write(const QString& path, const QByteArray& bytes, QString& error,
                     SystemCalls& calls) {
    QByteArray target = QFile::encodeName(path);
    if (path.isEmpty() || target.contains('\0')) {
        error = Reason(ENOENT);
        return false;
    }
    // A link is followed: the file it names is written (created, for a dangling link),
    // the link stays.
    target = FollowLinks(target);
    struct stat info {};
    const bool exists = ::stat(target.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        error = Reason(EISDIR);
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        // A FIFO or device would block or swallow the figure.
        error = Reason(EINVAL);
        return false;
    }
    // A protected file is the user's word: not even root replaces a file nobody may write.
    if (exists && (info.st_mode & 0222) == 0) {
        error = Reason(EACCES);
        return false;
    }
    if (exists && ::access(target.constData(), W_OK) != 0) {
        error = Reason(errno);
        return false;
    }
    // Every name of a file with several links must see the new content.
    if (exists && info.st_nlink > 1) {
        return WriteInPlace(calls, target, bytes, error);
    }
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : target.left(slash);
    const QByteArray base = slash < 0 ? target : target.mid(slash + 1);

    QByteArray temporary = folder + "/." + base + kTemporaryMarker + "XXXXXX";
    const int fdNumber = calls.MakeTemporary(temporary.data());
    if (fdNumber < 0) {
        const int code = errno;
        if ((code == EACCES || code == EPERM || code == EROFS) && exists) {
            return WriteInPlace(calls, target, bytes, error);
        }
        error = Reason(code);
        return false;
    }
    Descriptor fd(fdNumber, calls);
    // The new file keeps the old one's owner, group and permissions (or gets the usual
    // ones under the umask). Where the owner cannot be kept, the file is rewritten in
    // place instead, so that its owner can still read it.
    mode_t mode = 0;
    if (exists) {
        mode = info.st_mode & 07777;
        if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
            calls.Fchown(fd.get(), info.st_uid, info.st_gid) != 0) {
            fd.Close();
            calls.Unlink(temporary.constData());
            return WriteInPlace(calls, target, bytes, error);
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // mkstemp makes 0600: without the mode the file would change who may read it.
    if (calls.Fchmod(fd.get(), mode) != 0) {
        error = Reason(errno);
        fd.Close();
        calls.Unlink(temporary.constData());
        return false;
    }

    // The data reaches the disk before the name moves: after a power cut the file is
    // either the old one or the whole new one.
    const bool written = WriteAll(calls, fd.get(), bytes.constData(), bytes.size(), 0) &&
                         calls.Fsync(fd.get()) == 0 && fd.Close();
    if (!written) {
        error = Reason(errno);
        calls.Unlink(temporary.constData());
        return false;
    }
    if (calls.Rename(temporary.constData(), target.constData()) != 0) {
        error = Reason(errno);
        calls.Unlink(temporary.constData());
        return false;
    }
    SyncFolder(calls, folder);
    return true;
}

bool SafeFile::IsLeftoverName(const QString& fileName, const QStringList& suffixes) {
    static const QRegularExpression pattern(QStringLiteral("^\\.(.+)") +
                                            QRegularExpression::escape(kTemporaryMarker) +
                                            QStringLiteral("[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) {
        return false;
    }
    const QString original = match.captured(1);
    for (const QString& suffix : suffixes) {
        if (original.endsWith(suffix, Qt::CaseInsensitive) && original.size() > suffix.size()) {
            return true;
        }
    }
    return false;
}

int SafeFile::RemoveLeftovers(const QString& folder, const QStringList& suffixes) {
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsLeftoverName(name, suffixes) && QFile::remove(dir.filePath(name))) {
            ++removed;
        }
    }
    return removed;
}
