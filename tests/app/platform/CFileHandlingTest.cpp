#include "CFileHandling.h"
#include "ScriptedUserDialogs.h"
#include "TestPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTitle = UserDialogs::ProgramTitle();
const QChar kNul(0);

class CFileHandlingTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.SetFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Touch(const QString& name) {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const ScriptedUserDialogs::Call& LastMessage() const { return dialogs.calls.last(); }

    QTemporaryDir dir;
    ScriptedUserDialogs dialogs;
    CFileHandling files{dialogs};
};

TEST_F(CFileHandlingTest, ExistenceOfFilesAndFolders) {
    Touch("a.zlk");
    QDir(dir.path()).mkdir("sub");
    EXPECT_TRUE(files.FileExists(Path("a.zlk")));
    EXPECT_FALSE(files.FileExists(Path("sub")));
    EXPECT_FALSE(files.FileExists(Path("missing")));
    EXPECT_TRUE(files.FolderExists(Path("sub")));
    EXPECT_FALSE(files.FolderExists(Path("a.zlk")));
    EXPECT_FALSE(files.FolderExists(Path("missing")));
    EXPECT_TRUE(dialogs.calls.isEmpty());

    EXPECT_FALSE(files.FileExists(Path("a") + kNul + "b"));
    EXPECT_EQ(LastMessage().text,
              QStringLiteral("CFileHandling.FileExistsで予期せぬエラーが発生しました。\r\n"
                             "エラーメッセージは 「 パス名が無効です。 」でした。"));
    EXPECT_EQ(LastMessage().caption, kTitle);
    EXPECT_FALSE(files.FolderExists(Path("a") + kNul));
    EXPECT_EQ(LastMessage().text,
              QStringLiteral("CFileHandling.FolderExistsで予期せぬエラーが発生しました。\r\n"
                             "パス名が無効です。"));
    EXPECT_EQ(dialogs.calls.size(), 2);
}

TEST_F(CFileHandlingTest, DeleteFileOnlyDeletesAnExistingFile) {
    Touch("a.zlk");
    EXPECT_TRUE(files.DeleteFile(Path("a.zlk")));
    EXPECT_FALSE(QFile::exists(Path("a.zlk")));
    EXPECT_TRUE(dialogs.calls.isEmpty());

    EXPECT_FALSE(files.DeleteFile(Path("a.zlk")));
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(LastMessage().text.startsWith(
        QStringLiteral("CFileHandling.DeleteFileで予期せぬエラーが発生しました。\r\n"
                       "エラーメッセージは 「 ")));
    EXPECT_TRUE(LastMessage().text.endsWith(QStringLiteral(" 」でした。")));
    EXPECT_EQ(LastMessage().buttons, UserDialogs::Buttons::Ok);

    QDir(dir.path()).mkdir("sub");
    EXPECT_FALSE(files.DeleteFile(Path("sub")));
    EXPECT_TRUE(QDir(Path("sub")).exists());
}

TEST_F(CFileHandlingTest, CreateFolderMakesOneLevelOnly) {
    EXPECT_TRUE(files.CreateFolder(Path("DataHistory")));
    EXPECT_TRUE(QDir(Path("DataHistory")).exists());
    Touch("DataHistory/keep.zlk");
    EXPECT_TRUE(dialogs.calls.isEmpty());

    EXPECT_FALSE(files.CreateFolder(Path("DataHistory")));
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(LastMessage().text.startsWith(QStringLiteral(
        "CFileHandling.CreateFolderで予期せぬエラーが発生しました。\r\nエラーは「 ")));
    EXPECT_TRUE(LastMessage().text.endsWith(QStringLiteral(" 」でした。")));
    EXPECT_TRUE(QFile::exists(Path("DataHistory/keep.zlk")));

    EXPECT_FALSE(files.CreateFolder(Path("no/such")));
    EXPECT_EQ(dialogs.calls.size(), 2);
    EXPECT_FALSE(QDir(Path("no")).exists());
}

struct TrimRow {
    const char* in;
    const char* folderTrimmed;
    const char* extensionTrimmed;
};

// One row per name: the folder part cut off, the extension cut off.
TEST_F(CFileHandlingTest, TrimmingNames) {
    const TrimRow rows[] = {
        {"/data/box.zlk", "box.zlk", "/data/box"},
        {"box", "box", "ファイル名なし"},
        {"/data/", "/data/", "ファイル名なし"},
        {"", "", "ファイル名なし"},
        {"C:\\data\\box", "C:\\data\\box", "ファイル名なし"},
        {"a.b.c", "a.b.c", "a.b"},
        {".zlk", ".zlk", ".zlk"},
        {"/my.data/box", "box", "/my"},
    };
    for (const TrimRow& row : rows) {
        SCOPED_TRACE(row.in);
        const QString in = QString::fromUtf8(row.in);
        EXPECT_EQ(CFileHandling::TrimUpperFoldername(in), QString::fromUtf8(row.folderTrimmed));
        EXPECT_EQ(CFileHandling::TrimExtension(in), QString::fromUtf8(row.extensionTrimmed));
    }
}

TEST_F(CFileHandlingTest, FileListHoldsNamesOfMatchingNormalFiles) {
    QStringList list{"stale"};
    files.GetFileList(Path("missing"), list, "*.zlk");
    EXPECT_EQ(list, QStringList{QString()});
    QDir(dir.path()).mkdir("empty");
    list = QStringList{"stale"};
    files.GetFileList(Path("empty"), list, "*.zlk");
    EXPECT_EQ(list, QStringList{QString()});
    EXPECT_TRUE(dialogs.calls.isEmpty());

    for (const char* name : {"a.zlk", "bb.zlk", "c.txt", ".hidden.zlk", "a.zlk.bak"}) {
        Touch(QString::fromLatin1(name));
    }
    QDir(dir.path()).mkdir("folder.zlk");
    files.GetFileList(dir.path(), list, "*.zlk");
    list.sort();
    EXPECT_EQ(list, (QStringList{"a.zlk", "bb.zlk"}));
    files.GetFileList(dir.path(), list, "?.zlk");
    EXPECT_EQ(list, QStringList{"a.zlk"});
    files.GetFileList(dir.path(), list, "*.none");
    EXPECT_EQ(list, QStringList{QString()});
    EXPECT_TRUE(dialogs.calls.isEmpty());

    files.GetFileList(dir.path() + kNul, list, "*.zlk");
    EXPECT_EQ(list, QStringList{QString()});
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(LastMessage().text.startsWith(QStringLiteral(
        "CFileHandling.GetFileListで予期せぬエラーが発生しました。\r\nエラーは「 ")));
}

} // namespace
