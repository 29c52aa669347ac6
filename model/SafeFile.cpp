#include "SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "SystemCalls.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString Reason(int code) {
    return SystemError::Reason(code);
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
    // The descriptor is the caller's from here on.
    void Release() { fd_ = -1; }
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

void SyncFolder(SystemCalls& calls, const QByteArray& folder) {
    Descriptor fd(calls.Open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), calls);
    if (fd.ok()) {
        (void)calls.Fsync(fd.get());
    }
}

} // namespace

SafeFile::ReadResult SafeFile::Read(const QString& path, qint64 limit, QByteArray& bytes,
                                    QString& error) {
    return Read(path, limit, bytes, error, SystemCalls::Real());
}

SafeFile::ReadResult SafeFile::Read(const QString& path, qint64 limit, QByteArray& bytes,
                                    QString& error, SystemCalls& calls) {
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    if (path.isEmpty() || name.contains('\0')) {
        error = Reason(ENOENT);
        return ReadResult::Missing;
    }
    // Non-blocking, so that a FIFO never stalls the program before it is refused.
    Descriptor fd(calls.Open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), calls);
    if (!fd.ok()) {
        const int code = errno;
        error = Reason(code);
        return code == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    struct stat info {};
    if (calls.Fstat(fd.get(), &info) != 0) {
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
            calls.Read(fd.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
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
// exists yet (a dangling link's target is the file to create). False, with errno, when a
// link cannot be read: writing over the link itself would replace it with a file.
bool FollowLinks(SystemCalls& calls, QByteArray& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (calls.Lstat(path.constData(), &link) != 0) {
            return errno == ENOENT || errno == ENOTDIR;
        }
        if (!S_ISLNK(link.st_mode)) {
            return true;
        }
        QByteArray next(PATH_MAX, '\0');
        const ssize_t n =
            calls.Readlink(path.constData(), next.data(), static_cast<size_t>(PATH_MAX));
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        next.resize(n);
        if (!next.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            next = (slash < 0 ? QByteArray() : path.left(slash + 1)) + next;
        }
        path = next;
    }
    return true;
}

// Where journals of files in folders that take no new files go (the data folder).
QString& SpareJournalFolder() {
    static QString folder;
    return folder;
}

constexpr char kJournalSuffix[] = ".zelk-journal";
constexpr char kSpareJournalPrefix[] = ".zelk-journal-";
constexpr char kJournalMagic[] = "ZELK-JOURNAL 1\n";

struct Split {
    QByteArray folder;
    QByteArray base;
};

Split SplitPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return {slash < 0    ? QByteArray(".")
            : slash == 0 ? QByteArray("/")
                         : path.left(slash),
            slash < 0 ? path : path.mid(slash + 1)};
}

// The journal beside a file: ".<name>.zelk-journal".
QByteArray BesideJournal(const QByteArray& target) {
    const Split split = SplitPath(target);
    return split.folder + "/." + split.base + kJournalSuffix;
}

// The journal of a file whose folder takes no new files, named by the file's identity.
QByteArray SpareJournal(const struct stat& info) {
    const QString folder = SpareJournalFolder();
    if (folder.isEmpty()) {
        return QByteArray();
    }
    return QFile::encodeName(folder) + '/' + kSpareJournalPrefix +
           QByteArray::number(static_cast<qulonglong>(info.st_dev)) + '-' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino));
}

QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// A journal: what identifies the file, then its old bytes.
QByteArray JournalBytes(const struct stat& info, const QByteArray& target, const QByteArray& old) {
    return QByteArray(kJournalMagic) + QByteArray::number(static_cast<qulonglong>(info.st_dev)) +
           ' ' + QByteArray::number(static_cast<qulonglong>(info.st_ino)) + ' ' +
           QByteArray::number(old.size()) + ' ' + Digest(old) + '\n' + target + '\n' + old;
}

struct Journal {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray target;
    QByteArray old;
};

// False when the bytes are no whole journal (one cut short never reached its name).
bool ParseJournal(const QByteArray& bytes, Journal& journal) {
    if (!bytes.startsWith(kJournalMagic)) {
        return false;
    }
    const qsizetype first = sizeof kJournalMagic - 1;
    const qsizetype idEnd = bytes.indexOf('\n', first);
    const qsizetype pathEnd = idEnd < 0 ? -1 : bytes.indexOf('\n', idEnd + 1);
    if (pathEnd < 0) {
        return false;
    }
    const QList<QByteArray> fields = bytes.mid(first, idEnd - first).split(' ');
    if (fields.size() != 4) {
        return false;
    }
    bool ok[3] = {false, false, false};
    journal.device = static_cast<dev_t>(fields[0].toULongLong(&ok[0]));
    journal.inode = static_cast<ino_t>(fields[1].toULongLong(&ok[1]));
    const qsizetype size = fields[2].toLongLong(&ok[2]);
    journal.target = bytes.mid(idEnd + 1, pathEnd - idEnd - 1);
    journal.old = bytes.mid(pathEnd + 1);
    return ok[0] && ok[1] && ok[2] && journal.old.size() == size &&
           Digest(journal.old) == fields[3];
}

// Opens a leftover of the program's (temporary or journal) and takes its lock: fails while
// a running copy is still writing it.
int TakeLeftover(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Removes the files named one of the prefixes + six characters (temporaries of the
// program's) that no running copy holds. The prefixes share one folder, listed once.
// The names in a folder that hold the temporary marker (the only ones a leftover can
// have). Every load looks, and a folder of thousands of figures must not be read whole
// each time: a reading is used again while the folder is unchanged since. A folder's time
// of change may be as coarse as a clock tick, so only a folder last changed well before
// the reading began counts as unchanged when that time is the same: any change after the
// reading gives it a later time.
std::vector<QByteArray> MarkedNames(const QByteArray& folder) {
    struct Reading {
        dev_t device = 0;
        ino_t inode = 0;
        timespec changed{};
        timespec metaChanged{};
        timespec readAt{};
        std::vector<QByteArray> names;
    };
    static std::mutex mutex;
    static std::map<QByteArray, Reading> readings;
    const auto nanoseconds = [](const timespec& t) {
        return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    constexpr int64_t kQuiet = 200'000'000; // well beyond any clock tick of a file system
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0) {
        return {};
    }
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto found = readings.find(folder);
        if (found != readings.end() && found->second.device == info.st_dev &&
            found->second.inode == info.st_ino && same(found->second.changed, info.st_mtim) &&
            same(found->second.metaChanged, info.st_ctim) &&
            nanoseconds(found->second.readAt) - nanoseconds(info.st_mtim) > kQuiet) {
            return found->second.names;
        }
    }
    Reading reading;
    reading.device = info.st_dev;
    reading.inode = info.st_ino;
    reading.changed = info.st_mtim;
    reading.metaChanged = info.st_ctim;
    ::clock_gettime(CLOCK_REALTIME, &reading.readAt);
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr) {
        return {};
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strstr(entry->d_name, kTemporaryMarker) != nullptr) {
            reading.names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    const std::lock_guard<std::mutex> lock(mutex);
    if (readings.size() >= 64) {
        readings.clear();
    }
    return readings.insert_or_assign(folder, std::move(reading)).first->second.names;
}

void RemoveUnlocked(std::initializer_list<QByteArray> prefixes) {
    std::vector<QByteArray> starts;
    QByteArray folder;
    for (const QByteArray& prefix : prefixes) {
        const Split split = SplitPath(prefix);
        folder = split.folder;
        starts.push_back(split.base);
    }
    for (const QByteArray& name : MarkedNames(folder)) {
        // Compared by hand: a name may hold the characters of a wildcard ("a[1].zlk").
        const bool ours = std::any_of(starts.begin(), starts.end(), [&](const QByteArray& start) {
            return name.size() == start.size() + 6 && name.startsWith(start);
        });
        if (!ours) {
            continue;
        }
        const QByteArray leftover = folder + '/' + name;
        if (const int fd = TakeLeftover(leftover); fd >= 0) {
            ::unlink(leftover.constData());
            ::close(fd);
        }
    }
}

// Writes the whole of bytes over an open file and cuts it there, synced.
bool Overwrite(SystemCalls& calls, int fd, const QByteArray& bytes) {
    return WriteAll(calls, fd, bytes.constData(), bytes.size(), 0) &&
           calls.Ftruncate(fd, bytes.size()) == 0 && calls.Fsync(fd) == 0;
}

// Makes the journal of an in-place rewrite, complete and synced, under its name (it is
// written as a temporary and renamed, so a journal under its name is always whole). The
// journal's descriptor stays open and locked while the rewrite runs; -1 on failure.
int MakeJournal(SystemCalls& calls, const QByteArray& target, const struct stat& info,
                const QByteArray& old, QByteArray& journalPath, int& code) {
    const QByteArray candidates[2] = {BesideJournal(target), SpareJournal(info)};
    // The spare journal names its file wherever the program was started from.
    const QByteArray absolute =
        QFile::encodeName(QFileInfo(QFile::decodeName(target)).absoluteFilePath());
    code = EACCES;
    for (const QByteArray& candidate : candidates) {
        if (candidate.isEmpty()) {
            continue;
        }
        QByteArray temporary = candidate + kTemporaryMarker + "XXXXXX";
        const int fdNumber = calls.MakeTemporary(temporary.data());
        if (fdNumber < 0) {
            code = errno;
            continue;
        }
        Descriptor fd(fdNumber, calls);
        ::flock(fd.get(), LOCK_EX);
        const QByteArray bytes = JournalBytes(info, absolute, old);
        if (!WriteAll(calls, fd.get(), bytes.constData(), bytes.size(), 0) ||
            calls.Fsync(fd.get()) != 0 ||
            calls.Rename(temporary.constData(), candidate.constData()) != 0) {
            code = errno;
            calls.Unlink(temporary.constData());
            return -1;
        }
        SyncFolder(calls, SplitPath(candidate).folder);
        journalPath = candidate;
        const int kept = fd.get();
        fd.Release();
        return kept;
    }
    return -1;
}

// Rewrites an existing file in place (it has several names, or its folder or owner rule
// out a new file beside it). The old bytes go to a journal first; a copy killed half-way
// leaves the journal, and whoever next starts, opens or saves the file puts them back.
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
    // Nothing of the file changes before its old bytes are safe on the disk.
    QByteArray journalPath;
    int code = 0;
    Descriptor journal(MakeJournal(calls, path, info, old, journalPath, code), calls);
    // Where no folder takes a journal (none beside the file, no spare folder), the file
    // is still the user's to save: rewritten as before, its old bytes put back on failure.
    const bool nowhere = code == EACCES || code == EPERM || code == EROFS;
    if (!journal.ok() && !nowhere) {
        error = Reason(code);
        return false;
    }
    if (Overwrite(calls, fd.get(), bytes) && fd.Close()) {
        if (journal.ok()) {
            calls.Unlink(journalPath.constData());
        }
        return true;
    }
    error = Reason(errno);
    // Put the old bytes back: they fitted before, so they fit again. A failed close has
    // already let the descriptor go: the file is opened again for it.
    Descriptor again(fd.ok() ? -1 : calls.Open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK),
                     calls);
    const int back = fd.ok() ? fd.get() : again.get();
    // Only a file known to hold its old bytes again lets its journal go.
    if (back >= 0 && Overwrite(calls, back, old) && journal.ok()) {
        calls.Unlink(journalPath.constData());
    }
    return false;
}

// Puts a file's old bytes back from its journal and removes the journal. A journal of a
// file that has been replaced since (another identity) is spent. target: the file a
// journal beside it belongs to (empty: the one the journal names).
SafeFile::Restored RestoreFromJournal(const QByteArray& journalPath, QByteArray target,
                                      QString* restoredPath) {
    const int lockedFd = TakeLeftover(journalPath);
    if (lockedFd < 0) {
        return SafeFile::Restored::Nothing;
    }
    Descriptor locked(lockedFd, SystemCalls::Real());
    QByteArray bytes;
    QString why;
    if (SafeFile::Read(QFile::decodeName(journalPath), SafeFile::kFigureSizeLimit + 65536, bytes,
                       why) != SafeFile::ReadResult::Ok) {
        return SafeFile::Restored::Nothing;
    }
    Journal journal;
    if (!ParseJournal(bytes, journal)) {
        // Not whole: the file it was made for was never touched.
        ::unlink(journalPath.constData());
        return SafeFile::Restored::Nothing;
    }
    if (target.isEmpty()) {
        target = journal.target;
    }
    const int fdNumber = ::open(target.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    Descriptor fd(fdNumber, SystemCalls::Real());
    struct stat info {};
    if (!fd.ok() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_dev != journal.device || info.st_ino != journal.inode) {
        if (!fd.ok() && errno != ENOENT && errno != ELOOP) {
            return SafeFile::Restored::Failed; // kept for a later try
        }
        ::unlink(journalPath.constData());
        return SafeFile::Restored::Nothing;
    }
    if (!Overwrite(SystemCalls::Real(), fd.get(), journal.old) || !fd.Close()) {
        return SafeFile::Restored::Failed;
    }
    ::unlink(journalPath.constData());
    if (restoredPath != nullptr) {
        *restoredPath = QFile::decodeName(target);
    }
    return SafeFile::Restored::Yes;
}

} // namespace

void SafeFile::SetSpareJournalFolder(const QString& folder) {
    SpareJournalFolder() = folder;
}

SafeFile::Restored SafeFile::Tidy(const QString& path) {
    QByteArray target = QFile::encodeName(path);
    if (path.isEmpty() || target.contains('\0')) {
        return Restored::Nothing;
    }
    (void)FollowLinks(SystemCalls::Real(), target);
    const Split split = SplitPath(target);
    // Its own temporaries and unfinished journals, of saves killed half-way (a running
    // save holds its lock).
    const QByteArray beside = BesideJournal(target);
    struct stat info {};
    const QByteArray spare = SystemCalls::Real().Stat(target.constData(), &info) == 0
                                 ? SpareJournal(info)
                                 : QByteArray();
    RemoveUnlocked(
        {split.folder + "/." + split.base + kTemporaryMarker, beside + kTemporaryMarker});
    if (!spare.isEmpty()) {
        RemoveUnlocked({spare + kTemporaryMarker});
    }
    Restored result = Restored::Nothing;
    if (SystemCalls::Real().Access(beside.constData(), F_OK) == 0) {
        result = RestoreFromJournal(beside, target, nullptr);
    }
    if (result == Restored::Nothing && !spare.isEmpty() &&
        SystemCalls::Real().Access(spare.constData(), F_OK) == 0) {
        result = RestoreFromJournal(spare, QByteArray(), nullptr);
    }
    return result;
}

QStringList SafeFile::RestoreJournals(const QString& folder) {
    QStringList restored;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray journal = QFile::encodeName(dir.filePath(name));
        QString done;
        if (name.startsWith(u'.') && name.endsWith(QLatin1String(kJournalSuffix)) &&
            name.size() > int(sizeof kJournalSuffix)) {
            // Beside its file: the file is the one its name says, in this folder.
            const QString base = name.mid(1, name.size() - int(sizeof kJournalSuffix));
            RestoreFromJournal(journal, QFile::encodeName(dir.filePath(base)), &done);
        } else if (name.startsWith(QLatin1String(kSpareJournalPrefix)) &&
                   !name.contains(QLatin1String(kTemporaryMarker))) {
            RestoreFromJournal(journal, QByteArray(), &done);
        }
        if (!done.isEmpty()) {
            restored << done;
        }
    }
    return restored;
}

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
    if (!FollowLinks(calls, target)) {
        error = Reason(errno);
        return false;
    }
    // A rewrite that was killed half-way is undone before this one starts.
    Tidy(QFile::decodeName(target));
    struct stat info {};
    const bool exists = calls.Stat(target.constData(), &info) == 0;
    // Only a missing file may be created: one that cannot be looked at might be replaced
    // without its owner and mode.
    if (!exists && errno != ENOENT) {
        error = Reason(errno);
        return false;
    }
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
    if (exists && calls.Access(target.constData(), W_OK) != 0) {
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
    // Held while it is written: a clean-up by another copy passes it by.
    ::flock(fd.get(), LOCK_EX);
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
        mode = 0666 & ~calls.Umask();
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
    // ".<name>.zelk-tmp-XXXXXX", six letters or digits. Read by hand: a regular expression
    // here compiled at every start, while another thread may hold the loader's lock.
    constexpr qsizetype kMarker = qsizetype(sizeof kTemporaryMarker) - 1;
    constexpr qsizetype kRandom = 6;
    const qsizetype size = fileName.size();
    if (size < 2 + kMarker + kRandom || !fileName.startsWith(u'.')) {
        return false;
    }
    for (qsizetype i = size - kRandom; i < size; ++i) {
        const char16_t c = fileName[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) {
            return false;
        }
    }
    if (!QStringView(fileName).first(size - kRandom).endsWith(QLatin1String(kTemporaryMarker))) {
        return false;
    }
    QString original = fileName.mid(1, size - 1 - kMarker - kRandom);
    // An unfinished journal: ".<name>.zelk-journal" beside its file, or a spare one.
    if (original.startsWith(QLatin1String(kSpareJournalPrefix + 1))) {
        return true;
    }
    if (original.endsWith(QLatin1String(kJournalSuffix))) {
        original.chop(int(sizeof kJournalSuffix) - 1);
    }
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
        if (!IsLeftoverName(name, suffixes)) {
            continue;
        }
        // A copy still writing it holds its lock.
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (const int fd = TakeLeftover(path); fd >= 0) {
            removed += ::unlink(path.constData()) == 0 ? 1 : 0;
            ::close(fd);
        }
    }
    return removed;
}
