// Saving and loading under failing disks, special files, odd encodings and numbers
// that a file cannot keep.
#include "SafeFile.h"
#include "CZelkData.h"
#include "FileSizeLimit.h"
#include "NoticeRecorder.h"
#include "SystemError.h"
#include "TextEncoding.h"

#include "TestPrinters.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QString kSaveTitle = QStringLiteral("データ書き込みエラー");
const QString kLoadTitle = QStringLiteral("データ読み込みエラー");

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A figure of n lines with fractional coordinates, so that lines are long.
void Fill(CZelkData& data, int n) {
    for (int i = 1; i <= n; ++i) {
        data.AddLine(CLine{0.125F, 0.5F, 0.25F, float(i) + 0.375F, 1.5F, 2.75F});
    }
    data.SetComment(QStringLiteral("立方体 %1").arg(n));
}

class SafeSaving : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir;
    NoticeRecorder recorder;
};

// A save either leaves the complete new file or the old one byte for byte, and says so.
TEST_F(SafeSaving, AFileSizeLimitNeverLeavesAShortFile) {
    for (const int lines : {15, 150, 400}) {
        CZelkData figure;
        Fill(figure, lines);
        ASSERT_TRUE(figure.SaveData(Path("expected.zlk")));
        const QByteArray expected = ReadBytes(Path("expected.zlk"));
        QFile::remove(Path("expected.zlk"));
        for (const rlim_t limit : {rlim_t(1024), rlim_t(4096), rlim_t(65536)}) {
            SCOPED_TRACE(testing::Message() << lines << " lines, limit " << limit);
            const QByteArray old = "80 80 40 1\r\n0 0 0 80 0 0\r\nthe old figure\r\n";
            WriteBytes(Path("fig.zlk"), old);
            recorder.notices.clear();
            bool saved = false;
            {
                const FileSizeLimit full(limit);
                saved = figure.SaveData(Path("fig.zlk"));
            }
            if (static_cast<rlim_t>(expected.size()) > limit) {
                EXPECT_FALSE(saved);
            }
            if (saved) {
                EXPECT_EQ(ReadBytes(Path("fig.zlk")), expected);
                EXPECT_TRUE(recorder.notices.empty());
            } else {
                EXPECT_EQ(ReadBytes(Path("fig.zlk")), old);
                ASSERT_EQ(recorder.notices.size(), 1U);
                EXPECT_EQ(recorder.notices[0].title, kSaveTitle);
                // The system's reason, not "Unknown error".
                EXPECT_TRUE(recorder.notices[0].text.contains(SystemError::Reason(EFBIG)))
                    << recorder.notices[0].text.toStdString();
            }
            EXPECT_EQ(Files(), QStringList{"fig.zlk"}) << "no temporary left behind";
        }
    }
}

TEST_F(SafeSaving, FailuresNameTheSystemsReason) {
    CZelkData figure;
    Fill(figure, 3);
    QDir(dir.path()).mkdir("folder.zlk");
    EXPECT_FALSE(figure.SaveData(Path("folder.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_TRUE(recorder.notices[0].text.contains(SystemError::Reason(EISDIR)));
    EXPECT_FALSE(recorder.notices[0].text.contains(QStringLiteral("Unknown error")));

    EXPECT_FALSE(figure.SaveData(Path("missing/fig.zlk")));
    ASSERT_EQ(recorder.notices.size(), 2U);
    EXPECT_TRUE(recorder.notices[1].text.contains(SystemError::Reason(ENOENT)));

    // A link is followed: the file it names gets the figure, the link stays a link.
    ASSERT_TRUE(figure.SaveData(Path("real.zlk")));
    ASSERT_TRUE(QFile::link(Path("real.zlk"), Path("link.zlk")));
    figure.SetComment(QStringLiteral("through the link"));
    ASSERT_TRUE(figure.SaveData(Path("link.zlk")));
    EXPECT_TRUE(QFileInfo(Path("link.zlk")).isSymLink());
    EXPECT_TRUE(ReadBytes(Path("real.zlk")).contains("through the link"));
}

// A writable file in a folder that takes no new files is rewritten in place. Root may
// write anywhere, so the save runs as an ordinary user in a child process then.
TEST_F(SafeSaving, AWritableFileInAClosedFolderIsSavedInPlace) {
    QDir(dir.path()).mkdir("closed");
    const QString path = Path("closed/fig.zlk");
    WriteBytes(path, "80 80 40 1\r\n0 0 0 80 0 0\r\nold\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Path("closed")).constData(), 0555), 0);
    CZelkData figure;
    Fill(figure, 20);
    ASSERT_TRUE(figure.SaveData(Path("expected.zlk")));
    const QByteArray expected = ReadBytes(Path("expected.zlk"));

    const auto saveAsUser = [&](const QString& target) {
        if (geteuid() != 0) {
            return figure.SaveData(target);
        }
        const pid_t child = fork();
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) {
                _exit(3);
            }
            _exit(figure.SaveData(target) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_TRUE(saveAsUser(path));
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(QDir(Path("closed")).entryList(QDir::Files), QStringList{"fig.zlk"});

    // Where the file itself is read-only too, nothing is written and the save fails.
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0444), 0);
    const QByteArray before = ReadBytes(path);
    EXPECT_FALSE(saveAsUser(Path("closed/fig.zlk")));
    EXPECT_EQ(ReadBytes(path), before);
    chmod(QFile::encodeName(Path("closed")).constData(), 0755);
}

TEST_F(SafeSaving, SpecialAndHugeFilesAreRefusedWithoutReading) {
    CZelkData figure;
    // A FIFO with no writer would block an ordinary open for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.zlk")).constData(), 0600), 0);
    EXPECT_FALSE(figure.LoadData(Path("pipe.zlk")));
    EXPECT_FALSE(figure.LoadData(QStringLiteral("/dev/zero")));
    EXPECT_FALSE(figure.LoadData(dir.path()));
    // A sparse file larger than any figure: refused before a byte is read.
    QFile big(Path("big.zlk"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(SafeFile::kFigureSizeLimit + 1));
    big.close();
    EXPECT_FALSE(figure.LoadData(Path("big.zlk")));
    ASSERT_EQ(recorder.notices.size(), 4U);
    for (const auto& notice : recorder.notices) {
        EXPECT_EQ(notice.title, kLoadTitle);
    }
    EXPECT_TRUE(recorder.notices[3].text.contains(QStringLiteral("64 MB")));
    // Saving onto a FIFO is refused too, instead of blocking.
    Fill(figure, 2);
    EXPECT_FALSE(figure.SaveData(Path("pipe.zlk")));

    // Leftover temporaries of a killed save carry the program's own marker; look-alike
    // names of the user's are never taken for them.
    WriteBytes(Path(".fig.zlk.zelk-tmp-a1B2c3"), "half");
    WriteBytes(Path(".Plan.ZLK.zelk-tmp-ZZZZZZ"), "half");
    for (const char* keep :
         {"fig.zlk.a1B2c3", "house.zlk.backup", "plan.zlk.v2copy", "notes.txt.a1B2c3",
          ".notes.txt.zelk-tmp-a1B2c3", ".fig.zlk.zelk-tmp-toolong1", "fig.zlk.zelk-tmp-a1B2c3",
          ".fig.zlk.zelk-tmp-a1B2c", ".fig.zlk.zelk-tmp-a1B2c_", ".zlk.zelk-tmp-a1B2c3",
          ".fig.zlk-zelk-tmp-a1B2c3", ".fig.zlk.zelk-tmp-a1B2c\u00e9"}) {
        WriteBytes(Path(QString::fromUtf8(keep)), "keep");
    }
    // A load tidies its own file's leftovers, also in a folder it read before, long after
    // the folder last changed (a reading of a quiet folder is used again).
    Fill(figure, 2);
    ASSERT_TRUE(figure.SaveData(Path("quiet.zlk")));
    const timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(dir.path()).constData(), hourAgo, 0), 0);
    ASSERT_TRUE(figure.LoadData(Path("quiet.zlk")));
    WriteBytes(Path(".quiet.zlk.zelk-tmp-Q1w2E3"), "half");
    ASSERT_TRUE(figure.LoadData(Path("quiet.zlk")));
    EXPECT_FALSE(QFile::exists(Path(".quiet.zlk.zelk-tmp-Q1w2E3")));
    EXPECT_EQ(SafeFile::RemoveLeftovers(dir.path(), {QStringLiteral(".zlk")}), 2);
    EXPECT_FALSE(QFile::exists(Path(".fig.zlk.zelk-tmp-a1B2c3")));
    EXPECT_FALSE(QFile::exists(Path(".Plan.ZLK.zelk-tmp-ZZZZZZ")));
    for (const char* keep :
         {"fig.zlk.a1B2c3", "house.zlk.backup", "plan.zlk.v2copy", "notes.txt.a1B2c3",
          ".notes.txt.zelk-tmp-a1B2c3", ".fig.zlk.zelk-tmp-toolong1", "fig.zlk.zelk-tmp-a1B2c3",
          ".fig.zlk.zelk-tmp-a1B2c", ".fig.zlk.zelk-tmp-a1B2c_", ".zlk.zelk-tmp-a1B2c3",
          ".fig.zlk-zelk-tmp-a1B2c3", ".fig.zlk.zelk-tmp-a1B2c\u00e9"}) {
        EXPECT_TRUE(QFile::exists(Path(QString::fromUtf8(keep)))) << keep;
    }
}

// What a read finds, told as what it is: a missing file as missing, a FIFO, a device or a
// folder as no regular file (without blocking), a file one byte past the limit as too
// large, a file exactly at the limit read whole.
TEST_F(SafeSaving, EachReadSaysWhatItFound) {
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("fifo.zlk")).constData(), 0600), 0);
    WriteBytes(Path("ten.zlk"), "0123456789");
    WriteBytes(Path("eleven.zlk"), "0123456789A");
    WriteBytes(Path(".zlk"), "named only by its extension");
    using R = SafeFile::ReadResult;
    const struct {
        QString path;
        R result;
        qsizetype bytes;
    } rows[] = {
        {Path("missing.zlk"), R::Missing, 0},
        {Path("fifo.zlk"), R::NotRegular, 0},
        {QStringLiteral("/dev/zero"), R::NotRegular, 0},
        {dir.path(), R::NotRegular, 0},
        {Path("ten.zlk"), R::Ok, 10},
        {Path("eleven.zlk"), R::TooLarge, 0},
        {Path(".zlk"), R::TooLarge, 0},
    };
    for (const auto& row : rows) {
        QByteArray bytes;
        QString why;
        EXPECT_EQ(SafeFile::Read(row.path, 10, bytes, why), row.result) << row.path.toStdString();
        EXPECT_EQ(bytes.size(), row.bytes) << row.path.toStdString();
        EXPECT_EQ(why.isEmpty(), row.result == R::Ok) << row.path.toStdString();
    }
    // A figure named only ".zlk" saves and reads like any other; its temporary is hidden
    // and gone, and the start's clean-up leaves the file alone.
    CZelkData figure;
    Fill(figure, 2);
    ASSERT_TRUE(figure.SaveData(Path(".zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path(".zlk")));
    EXPECT_EQ(back.NumberOfLines(), 2);
    EXPECT_EQ(SafeFile::RemoveLeftovers(dir.path(), {QStringLiteral(".zlk")}), 0);
    EXPECT_TRUE(QFile::exists(Path(".zlk")));
    for (const QString& name : Files()) {
        EXPECT_FALSE(name.contains(QStringLiteral("zelk-tmp"))) << name.toStdString();
    }
}

// A save respects what the user said of the file: its protection, its owner, its other
// names and where its link points.
TEST_F(SafeSaving, ProtectionOwnersLinksAndTemporaryNamesAreKept) {
    CZelkData figure;
    Fill(figure, 3);

    // A file nobody may write is refused with the system's reason (even for root).
    WriteBytes(Path("locked.zlk"), "mine");
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked.zlk")).constData(), 0444), 0);
    EXPECT_FALSE(figure.SaveData(Path("locked.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_EQ(recorder.notices[0].title, kSaveTitle);
    EXPECT_TRUE(recorder.notices[0].text.contains(SystemError::Reason(EACCES)))
        << recorder.notices[0].text.toStdString();
    EXPECT_EQ(ReadBytes(Path("locked.zlk")), QByteArray("mine"));

    // The mode survives the replacement.
    WriteBytes(Path("private.zlk"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(Path("private.zlk")).constData(), 0640), 0);
    ASSERT_TRUE(figure.SaveData(Path("private.zlk")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(Path("private.zlk")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);

    // A hard link: both names see the new content.
    WriteBytes(Path("shared.zlk"), "old");
    ASSERT_EQ(::link(QFile::encodeName(Path("shared.zlk")).constData(),
                     QFile::encodeName(Path("other-name.zlk")).constData()),
              0);
    ASSERT_TRUE(figure.SaveData(Path("shared.zlk")));
    EXPECT_EQ(ReadBytes(Path("other-name.zlk")), ReadBytes(Path("shared.zlk")));
    EXPECT_NE(ReadBytes(Path("other-name.zlk")), QByteArray("old"));

    // A dangling symbolic link: its target is created, the link stays a link.
    QDir(dir.path()).mkdir("real");
    ASSERT_EQ(::symlink("real/target.zlk", QFile::encodeName(Path("link.zlk")).constData()), 0);
    ASSERT_TRUE(figure.SaveData(Path("link.zlk")));
    EXPECT_TRUE(QFileInfo(Path("link.zlk")).isSymLink());
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("real/target.zlk")));
    EXPECT_EQ(back.NumberOfLines(), 3);

    // Every temporary is gone after the saves and the refusal.
    for (const QString& name : Files()) {
        EXPECT_FALSE(name.contains(QStringLiteral("zelk-tmp"))) << name.toStdString();
    }

    // Another user's file written by root keeps its owner and group, so its owner can
    // still read it; only root can make such a file, so only root checks it (CI runs as
    // root). The group is one of its own, unlike the owner's id, so that a save that gave
    // the file its owner's id as group is seen.
    if (::geteuid() == 0) {
        WriteBytes(Path("theirs.zlk"), "theirs");
        const QByteArray theirs = QFile::encodeName(Path("theirs.zlk"));
        ASSERT_EQ(::chown(theirs.constData(), 65534, 4242), 0);
        ASSERT_EQ(::chmod(theirs.constData(), 0640), 0);
        ASSERT_TRUE(figure.SaveData(Path("theirs.zlk")));
        ASSERT_EQ(::stat(theirs.constData(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534U);
        EXPECT_EQ(info.st_gid, 4242U);
        EXPECT_EQ(info.st_mode & 07777, 0640U);
    }
}

struct EncodingCase {
    const char* name;
    QString comment;
};

// Every comment the program saves reads back as it was.
TEST_F(SafeSaving, CommentsSurviveASaveAndLoadInEveryEncoding) {
    const EncodingCase cases[] = {
        {"ascii", QStringLiteral("plain text 123")},
        {"kanji", QStringLiteral("立方体の練習")},
        {"half-width katakana", QStringLiteral("ﾊｺ")},
        {"long half-width katakana", QStringLiteral("ｿﾘｯﾄﾞ ﾓﾃﾞﾙ")},
        {"mixed", QStringLiteral("箱 ﾊｺ box はこ ハコ")},
        {"second byte 0x5C", QStringLiteral("ソ表能十")},
        {"level-2 kanji", QStringLiteral("鑓鑚")},
        {"not in Shift-JIS", QStringLiteral("é ü 😀 한국")},
        {"wave dash", QStringLiteral("〜")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CZelkData figure;
        figure.AddLine(QStringLiteral("0,0,0,80,0,0"));
        figure.SetComment(c.comment);
        ASSERT_TRUE(figure.SaveData(Path("enc.zlk")));
        CZelkData back;
        ASSERT_TRUE(back.LoadData(Path("enc.zlk")));
        EXPECT_EQ(back.Comment(), c.comment);
        EXPECT_EQ(back.NumberOfLines(), 1);
    }
    // Shift-JIS stays the file's encoding wherever it can hold the text.
    CZelkData figure;
    figure.AddLine(QStringLiteral("0,0,0,80,0,0"));
    figure.SetComment(QStringLiteral("ﾊｺ"));
    ASSERT_TRUE(figure.SaveData(Path("kana.zlk")));
    EXPECT_TRUE(ReadBytes(Path("kana.zlk")).endsWith("\xCA\xBA\r\n"));
    EXPECT_FALSE(ReadBytes(Path("kana.zlk")).startsWith("\xEF\xBB\xBF"));
}

TEST_F(SafeSaving, HandWrittenUtf8FilesStillLoad) {
    const QByteArray body = "80 80 40 1\r\n0 0 0 80 0 0\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
        QString comment;
    } cases[] = {
        {"utf-8 kanji", body + "立方体\r\n", QStringLiteral("立方体")},
        {"utf-8 two kanji", body + "立方\r\n", QStringLiteral("立方")},
        {"utf-8 kana", body + "テスト用の図形\n", QStringLiteral("テスト用の図形")},
        {"utf-8 with BOM", "\xEF\xBB\xBF" + body + "ほげ é\r\n", QStringLiteral("ほげ é")},
        {"shift-jis kanji", body + "\x97\xa7\x95\xfb\x91\xcc\r\n", QStringLiteral("立方体")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(Path("hand.zlk"), c.bytes);
        CZelkData figure;
        ASSERT_TRUE(figure.LoadData(Path("hand.zlk")));
        EXPECT_EQ(figure.Comment(), c.comment);
        EXPECT_EQ(figure.NumberOfLines(), 1);
    }
}

// What the figure holds is what its file will hold.
TEST_F(SafeSaving, CoordinatesAreStoredAsTheFileKeepsThem) {
    CZelkData figure;
    EXPECT_TRUE(figure.AddLine(QStringLiteral("0,0,0,1.0000001,0,0")));
    EXPECT_EQ(figure.GetLine(1), QStringLiteral("0,0,0,1,0,0"));
    // The same line once written: refused now, not dropped by the next load.
    EXPECT_FALSE(figure.AddLine(QStringLiteral("0,0,0,1.0000002,0,0")));
    EXPECT_FALSE(figure.AddLine(CLine{0, 0, 0, 1.00000012F, 0, 0}));
    EXPECT_FALSE(figure.AddLineTo(1, QStringLiteral("1.0000001,0,0,0,0,0")));
    // Zero length once written.
    EXPECT_FALSE(figure.AddLine(QStringLiteral("5,5,5,5.0000001,5,5")));
    EXPECT_TRUE(figure.AddLine(QStringLiteral("0,0,0,1.234567,0,0")));
    EXPECT_TRUE(figure.OverWriteLine(2, QStringLiteral("0,0,0,2.3456789,0,0")));
    EXPECT_FALSE(figure.OverWriteLine(2, QStringLiteral("0,0,0,1.00000009,0,0")));
    ASSERT_EQ(figure.NumberOfLines(), 2);
    ASSERT_TRUE(figure.SaveData(Path("digits.zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("digits.zlk")));
    ASSERT_EQ(back.NumberOfLines(), 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(back.GetLine(i), figure.GetLine(i));
    }
    EXPECT_EQ(figure.GetLine(2), QStringLiteral("0,0,0,2.345679,0,0"));
}

} // namespace
