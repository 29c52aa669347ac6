// Every system call of a safe write fails in turn, as a full disk, a lost device or a
// failing fsync would make it fail: the file is then the old one byte for byte or the
// whole new one, the reason is named, no temporary is left, and mode and owner stay.
#include "SafeFile.h"
#include "StoppingCalls.h"
#include "SystemCalls.h"
#include "SystemError.h"

#include "TestPrinters.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The real calls, recorded; the n-th call of the kinds a write can fail at fails with
// the chosen errno (0: none fails).
class FailingCalls : public SystemCalls {
public:
    std::vector<std::string> log;
    int failAt = 0;
    int error = EIO;

    int Open(const char* path, int flags) override {
        return Fail("open") ? -1 : SystemCalls::Open(path, flags);
    }
    int MakeTemporary(char* pattern) override {
        return Fail("mkstemp") ? -1 : SystemCalls::MakeTemporary(pattern);
    }
    ssize_t PWrite(int fd, const void* data, size_t size, off_t offset) override {
        return Fail("write") ? -1 : SystemCalls::PWrite(fd, data, size, offset);
    }
    ssize_t PRead(int fd, void* data, size_t size, off_t offset) override {
        return Fail("read") ? -1 : SystemCalls::PRead(fd, data, size, offset);
    }
    int Fsync(int fd) override { return Fail("fsync") ? -1 : SystemCalls::Fsync(fd); }
    int Close(int fd) override {
        // A failing close still releases the descriptor, as the system's does.
        const bool fail = Fail("close");
        const int done = SystemCalls::Close(fd);
        return fail ? (errno = error, -1) : done;
    }
    int Rename(const char* from, const char* to) override {
        return Fail("rename") ? -1 : SystemCalls::Rename(from, to);
    }
    int Ftruncate(int fd, off_t size) override {
        return Fail("ftruncate") ? -1 : SystemCalls::Ftruncate(fd, size);
    }
    int Fchmod(int fd, mode_t mode) override {
        return Fail("fchmod") ? -1 : SystemCalls::Fchmod(fd, mode);
    }
    int Fchown(int fd, uid_t owner, gid_t group) override {
        return Fail("fchown") ? -1 : SystemCalls::Fchown(fd, owner, group);
    }
    int Fstat(int fd, struct stat* info) override {
        return Fail("fstat") ? -1 : SystemCalls::Fstat(fd, info);
    }
    ssize_t Read(int fd, void* data, size_t size) override {
        return Fail("read") ? -1 : SystemCalls::Read(fd, data, size);
    }
    int Stat(const char* path, struct stat* info) override {
        return Fail("stat") ? -1 : SystemCalls::Stat(path, info);
    }
    int Lstat(const char* path, struct stat* info) override {
        return Fail("lstat") ? -1 : SystemCalls::Lstat(path, info);
    }
    int Access(const char* path, int mode) override {
        return Fail("access") ? -1 : SystemCalls::Access(path, mode);
    }
    ssize_t Readlink(const char* path, char* buffer, size_t size) override {
        return Fail("readlink") ? -1 : SystemCalls::Readlink(path, buffer, size);
    }
    // Clean-up after a failure is recorded but never failed: one fault at a time.
    int Unlink(const char* path) override {
        log.push_back("unlink");
        return SystemCalls::Unlink(path);
    }

private:
    bool Fail(const char* name) {
        log.push_back(name);
        if (static_cast<int>(log.size()) == failAt) {
            errno = error;
            return true;
        }
        return false;
    }
};

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Case {
    const char* what;
    bool exists; // a file to replace
    bool linked; // with a second name: rewritten in place
    mode_t mode; // of the old file
    const char* name;
    bool symlinked = false; // written through a symbolic link to it
};

TEST(SafeFileFaults, EveryCallOfAWriteFailsInTurnAndLosesNothing) {
    const QByteArray oldBytes = QByteArray("old figure, longer than the new one\r\n").repeated(40);
    const QByteArray newBytes = QByteArray("new figure\r\n").repeated(7);
    for (const Case& c : {Case{"a new file", false, false, 0, "new.zlk"},
                          Case{"a replaced file", true, false, 0644, "fig.zlk"},
                          Case{"a file with two names", true, true, 0640, "linked.zlk"},
                          Case{"the settings file", true, false, 0600, "ZelkWin33.ini"},
                          Case{"a file named by a link", true, false, 0644, "target.zlk", true}}) {
        for (int failAt = 0;; ++failAt) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QString::fromLatin1(c.name));
            if (c.exists) {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(oldBytes);
                f.close();
                ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.mode), 0);
                if (c.linked) {
                    ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                                     QFile::encodeName(dir.filePath("other.zlk")).constData()),
                              0);
                }
            }
            struct stat before {};
            ::stat(QFile::encodeName(path).constData(), &before);
            const QString link = dir.filePath("link.zlk");
            if (c.symlinked) {
                ASSERT_EQ(::symlink(c.name, QFile::encodeName(link).constData()), 0);
            }

            FailingCalls calls;
            calls.failAt = failAt;
            calls.error = failAt % 2 == 0 ? ENOSPC : EIO;
            QString error;
            const bool written = SafeFile::Write(c.symlinked ? link : path, newBytes, error, calls);
            if (c.symlinked) {
                EXPECT_EQ(QFileInfo(link).symLinkTarget(), path) << c.what << ", call " << failAt;
            }
            const std::string where = std::string(c.what) + ", call " + std::to_string(failAt);
            const int calls_made = static_cast<int>(calls.log.size());
            if (failAt > calls_made) {
                break; // every call has failed once
            }
            const QByteArray now = ReadBytes(path);
            if (written) {
                EXPECT_EQ(now, newBytes) << where;
            } else {
                EXPECT_NE(failAt, 0) << where;
                EXPECT_EQ(now, c.exists ? oldBytes : QByteArray()) << where;
                EXPECT_EQ(QFile::exists(path), c.exists) << where;
                EXPECT_EQ(error, SystemError::Reason(calls.error)) << where;
            }
            const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            for (const QString& name : left) {
                EXPECT_FALSE(name.contains(QStringLiteral(".zelk-tmp-")))
                    << where << ": " << name.toStdString();
                // A failure that put the old bytes back lets the journal go.
                EXPECT_FALSE(name.contains(QStringLiteral(".zelk-journal")))
                    << where << ": " << name.toStdString();
            }
            if (c.exists) {
                struct stat after {};
                ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0) << where;
                EXPECT_EQ(after.st_mode & 07777, c.mode) << where;
                EXPECT_EQ(after.st_uid, before.st_uid) << where;
                EXPECT_EQ(after.st_gid, before.st_gid) << where;
                if (c.linked) {
                    EXPECT_EQ(ReadBytes(dir.filePath("other.zlk")), now) << where;
                }
            } else if (written) {
                struct stat after {};
                ::stat(QFile::encodeName(path).constData(), &after);
                const mode_t mask = ::umask(0);
                ::umask(mask);
                EXPECT_EQ(after.st_mode & 07777, 0666 & ~mask) << where;
            }
            if (failAt == 0) {
                // The order that makes a save survive a power cut.
                std::vector<std::string> order;
                for (const std::string& call : calls.log) {
                    if (call == "write" || call == "fsync" || call == "close" || call == "rename" ||
                        call == "ftruncate") {
                        order.push_back(call);
                    }
                }
                const std::vector<std::string> replaced{"write",  "fsync", "close",
                                                        "rename", "fsync", "close"};
                // The journal is whole and synced under its name before the file changes.
                const std::vector<std::string> inPlace{"write", "fsync", "rename",    "fsync",
                                                       "close", "write", "ftruncate", "fsync",
                                                       "close", "close"};
                EXPECT_EQ(order, c.linked ? inPlace : replaced) << where;
            }
        }
    }
}

// A read fails at each of its calls in turn (a lost device, a file cut meanwhile): it says
// why and hands out nothing, never part of a file.
TEST(SafeFileFaults, EveryCallOfAReadFailsInTurnAndHandsOutNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("fig.zlk");
    const QByteArray bytes = QByteArray("0,0,0,1,2,3\r\n").repeated(2000);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    int failures = 0;
    for (int failAt = 0;; ++failAt) {
        FailingCalls calls;
        calls.failAt = failAt;
        calls.error = EIO;
        QByteArray read = "stale";
        QString error;
        const SafeFile::ReadResult result =
            SafeFile::Read(path, SafeFile::kFigureSizeLimit, read, error, calls);
        if (failAt > static_cast<int>(calls.log.size())) {
            break;
        }
        if (failAt == 0 || calls.log[static_cast<size_t>(failAt - 1)] == "close") {
            // A close that fails after the whole file was read loses nothing.
            EXPECT_EQ(result, SafeFile::ReadResult::Ok) << failAt;
            EXPECT_EQ(read, bytes) << failAt;
            continue;
        }
        ++failures;
        EXPECT_EQ(result, SafeFile::ReadResult::Failed) << failAt;
        EXPECT_EQ(read, QByteArray()) << failAt;
        EXPECT_EQ(error, SystemError::Reason(EIO)) << failAt;
    }
    EXPECT_GE(failures, 3) << "open, fstat and read each fail once";
}

QStringList ProgramLeftovers(const QString& folder) {
    QStringList found;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name.contains(QStringLiteral(".zelk-tmp-")) ||
            name.contains(QStringLiteral("zelk-journal"))) {
            found << name;
        }
    }
    return found;
}

// A copy killed between any two calls of an in-place rewrite may leave a torn file; the
// next open (or start, or save) finds the journal and the file is the old one or the new
// one, never a mix; nothing of the program's is left. Also where the folder refuses new
// files and the journal goes to the spare folder.
TEST(SafeFileFaults, AKillAtAnyCallOfAnInPlaceRewriteIsUndoneByItsJournal) {
    QByteArray oldBytes;
    for (int i = 0; i < 40; ++i) {
        oldBytes += "0 0 0 " + QByteArray::number(i) + " old line of the old figure\r\n";
    }
    const QByteArray newBytes = QByteArray("new figure\r\n").repeated(7);
    for (const bool spare : {false, true}) {
        int torn = 0;
        for (int stopAt = 1;; ++stopAt) {
            QTemporaryDir dir;
            QTemporaryDir spareDir;
            SafeFile::SetSpareJournalFolder(spare ? spareDir.path() : QString());
            const QString path = dir.filePath("linked.zlk");
            {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(oldBytes);
            }
            ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                             QFile::encodeName(dir.filePath("other.zlk")).constData()),
                      0);
            StoppingCalls calls;
            calls.stopAt = stopAt;
            if (spare) {
                calls.refusingFolder = QFile::encodeName(dir.path());
            }
            QString error;
            const bool written = SafeFile::Write(path, newBytes, error, calls);
            const std::string where = std::string(spare ? "spare journal" : "journal beside") +
                                      ", killed at call " + std::to_string(stopAt);
            if (written) {
                EXPECT_EQ(ReadBytes(path), newBytes) << where;
                break; // the kill came after the last call
            }
            const QByteArray killed = ReadBytes(path);
            torn += killed != oldBytes && killed != newBytes ? 1 : 0;

            const SafeFile::Restored restored = SafeFile::Tidy(path);
            const QByteArray now = ReadBytes(path);
            EXPECT_TRUE(now == oldBytes || now == newBytes) << where << ": " << now.toStdString();
            EXPECT_EQ(ReadBytes(dir.filePath("other.zlk")), now) << where;
            if (killed != now) {
                EXPECT_EQ(restored, SafeFile::Restored::Yes) << where;
            }
            EXPECT_EQ(ProgramLeftovers(dir.path()), QStringList()) << where;
            EXPECT_EQ(ProgramLeftovers(spareDir.path()), QStringList()) << where;
        }
        EXPECT_GT(torn, 0) << "some kills must have cut the rewrite short";
    }
    SafeFile::SetSpareJournalFolder(QString());
}

} // namespace
