#include "AppFixture.h"
#include "CFileHandling.h"
#include "FileRoom.h"
#include "FileSizeLimit.h"
#include "NoOverride.h"
#include "SystemError.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace {

class FileCommands : public AppFixture {
protected:
    QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString Title() { return Window().windowTitle(); }
    const QString stampDate =
        QLocale(QLocale::English).toString(QDate(2026, 12, 7), QLocale::ShortFormat);
};

TEST_F(FileCommands, OpenCancelledOnAChangedUnnamedFigureKeepsIt) {
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(std::nullopt);
    EXPECT_TRUE(Send("LOAD"));
    EXPECT_EQ(dialogs.calls[dialogs.calls.size() - 2].text,
              QStringLiteral("！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？"));
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::OpenFile);
    EXPECT_EQ(dialogs.calls.last().text, AppData().DataPath());
    EXPECT_EQ(Figure().NumberOfLines(), 16);
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("[] 変更あり")));

    // Unchanged: the dialog opens without a question.
    Figure().SetDirty(false);
    const int calls = dialogs.calls.size();
    dialogs.ChooseFile(std::nullopt);
    Send("LOAD");
    EXPECT_EQ(dialogs.calls.size(), calls + 1);
}

TEST_F(FileCommands, FailedLoadPutsBackThePreviousFileAndFolder) {
    Send("DATA_PATH_FIXED"); // unpinned: loading moves the data folder
    QDir(programDir.path()).mkpath("figs");
    QDir(programDir.path()).mkpath("broken");
    const QString good = programDir.filePath("figs/good.zlk");
    WriteFigure(good, "0 0 0 2\r\n0 0 0 10 0 0\r\n0 0 0 0 10 0\r\nok\r\n");
    dialogs.ChooseFile(good);
    EXPECT_TRUE(Send("LOAD"));
    EXPECT_EQ(AppData().FileName(), good);
    EXPECT_EQ(AppData().DataPath(), programDir.filePath("figs"));
    EXPECT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_EQ(Title(), UserDialogs::ProgramTitle() + "[" + good + "]");
    EXPECT_EQ(CountCues("FileLoad.wav"), 1);
    EXPECT_EQ(AppData().GetHistory(0), good);
    EXPECT_TRUE(Window().RecentItem(0)->isVisible());

    const QString bad = programDir.filePath("broken/bad.zlk");
    WriteFigure(bad, "0 0 0 3\r\n0 0 0 1 1 1\r\n");
    dialogs.ChooseFile(bad);
    Send("LOAD");
    EXPECT_EQ(dialogs.calls.last().caption, QStringLiteral("データ読み込みエラー"));
    EXPECT_EQ(AppData().FileName(), good);
    EXPECT_EQ(AppData().DataPath(), programDir.filePath("figs"));
    EXPECT_EQ(Figure().NumberOfLines(), 2) << "the previous file is read again";
    EXPECT_EQ(CountCues("FileLoad.wav"), 1);
}

// A line half drawn when another file is opened belonged to the figure that went: the
// pointers start again at the origin, and the view and the read-out say so.
TEST_F(FileCommands, OpeningAFileStartsThePointersAfresh) {
    const QString other = Data("other.zlk");
    WriteFigure(other, "0 0 0 1\r\n0 0 0 30 0 0\r\nother\r\n");
    Figure().SetDirty(false);
    Send("DRAW_MODE");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    ASSERT_EQ(AppData().Pointer(), DrawingPointer::To);
    ASSERT_TRUE(Window().StatusText(1).contains(QStringLiteral(") -【")));
    dialogs.ChooseFile(other);
    Send("LOAD");
    ASSERT_EQ(AppData().FileName(), other);
    EXPECT_EQ(AppData().Pointer(), DrawingPointer::From);
    EXPECT_EQ(View().PointerFrom(), QStringLiteral("0,0,0"));
    EXPECT_EQ(View().PointerTo(), QStringLiteral("0,0,0"));
    EXPECT_FALSE(View().ViewPointerTo());
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 0 , 0 , 0 】"));
    // The next APPLY starts a line at the origin; it does not finish the old one.
    Send("APPLY");
    EXPECT_EQ(AppData().Pointer(), DrawingPointer::To);
    EXPECT_EQ(Figure().NumberOfLines(), 1);
}

TEST_F(FileCommands, CancelledSaveStillLeavesTheSafetyCopies) {
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    dialogs.ChooseFile(std::nullopt);
    EXPECT_TRUE(Send("SAVE"));
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::SaveFile);
    CZelkData autosave;
    ASSERT_TRUE(autosave.LoadData(Data("autosave.zlk")));
    EXPECT_EQ(autosave.NumberOfLines(), 16);
    const QString dated = Data(QStringLiteral("DataHistory/2026_Dec_7_Monday_PM_02：05：09＿.zlk"));
    EXPECT_TRUE(QFile::exists(dated)) << "an unnamed figure's copy ends in ＿.zlk";
    EXPECT_TRUE(Title().endsWith(QStringLiteral("] 変更あり")));
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_EQ(Figure().Comment(), autosave.Comment()) << "copies do not touch the comment";

    AppData().SetFileName(QStringLiteral("/x/house.zlk"));
    EXPECT_TRUE(Controller().Files().DatedCopyName().endsWith(
        QStringLiteral("/data/DataHistory/2026_Dec_7_Monday_PM_02：05：09＿house.zlk")));
}

// A save dialog that answers with no name saves nothing (no hidden ".zlk").
TEST_F(FileCommands, AnEmptyNameSavesNothing) {
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    const QStringList before = QDir(Data("")).entryList(QDir::Files | QDir::Hidden);
    dialogs.ChooseFile(QString());
    EXPECT_TRUE(Send("SAVE"));
    QStringList after = QDir(Data("")).entryList(QDir::Files | QDir::Hidden);
    after.removeAll(QStringLiteral("autosave.zlk"));
    QStringList expected = before;
    expected.removeAll(QStringLiteral("autosave.zlk"));
    EXPECT_EQ(after, expected);
    EXPECT_FALSE(QFile::exists(Data(".zlk")));
    // A bare ".zlk" would land in the working folder.
    EXPECT_FALSE(QFile::exists(QStringLiteral(".zlk")));
    QFile::remove(QStringLiteral(".zlk"));
    EXPECT_TRUE(Figure().IsDirty());
}

TEST_F(FileCommands, SaveAsksBeforeOverwritingAndStampsTheComment) {
    const QString target = Data("mine.zlk");
    WriteFigure(target, "keep me");
    dialogs.ChooseFile(target);
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    Send("SAVE");
    EXPECT_EQ(dialogs.calls.last().text,
              QStringLiteral(
                  "！警告！\u3000既にあるデータを上書きしようとしています。保存しているデータが"
                  "なくなりますが、処理を続けますか？"));
    EXPECT_EQ(Read(target), QByteArray("keep me"));

    dialogs.ChooseFile(target);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("SAVE");
    EXPECT_EQ(Figure().Comment(),
              QStringLiteral("超簡易3D editor 立体ゼルク Version 3.3 zelk 開発チーム  ") +
                  stampDate + QStringLiteral(" 保存"));
    CZelkData saved;
    ASSERT_TRUE(saved.LoadData(target));
    EXPECT_EQ(saved.NumberOfLines(), 15);
    EXPECT_EQ(saved.Comment(), Figure().Comment());
    EXPECT_EQ(AppData().FileName(), target);
    EXPECT_EQ(Title(), UserDialogs::ProgramTitle() + "[" + target + "]");
    EXPECT_EQ(CountCues("FileSave.wav"), 1);
    EXPECT_EQ(AppData().GetHistory(0), target);

    // A save that fails: both messages, and the earlier name comes back.
    dialogs.ChooseFile(programDir.filePath("no/such/folder/x.zlk"));
    Send("SAVE");
    const QStringList texts = dialogs.MessageTexts();
    EXPECT_TRUE(texts[texts.size() - 2].startsWith(
        QStringLiteral("エラーが発生しました。データは正しく保存されませんでした。\r\n")));
    EXPECT_TRUE(texts[texts.size() - 2].endsWith(QStringLiteral("\r\n") + target));
    EXPECT_EQ(dialogs.calls.last().caption,
              QStringLiteral("エラーです。ファイル名を元の状態に復旧します。"));
    EXPECT_EQ(AppData().FileName(), target);
    // Everything the name leads to comes back with it: the folder, the title, the list.
    EXPECT_EQ(AppData().DataPath(), QFileInfo(target).path());
    EXPECT_EQ(Title(), UserDialogs::ProgramTitle() + "[" + target + "]");
    EXPECT_EQ(AppData().GetHistory(0), target);
    EXPECT_NE(AppData().GetHistory(1), programDir.filePath("no/such/folder/x.zlk"));
    EXPECT_FALSE(Figure().IsDirty()) << "what was saved before is still saved";
}

// On a full disk (here: a file-size limit) neither the autosave nor a save leaves a short
// file, and neither passes for a success.
TEST_F(FileCommands, AFullDiskNeitherEmptiesNorFakesASave) {
    WriteFigure(Data("autosave.zlk"), "0 0 0 1\r\n0 0 0 9 9 9\r\nearlier\r\n");
    WriteFigure(Data("mine.zlk"), "0 0 0 1\r\n0 0 0 7 7 7\r\nmine\r\n");
    const QByteArray autosaveBefore = Read(Data("autosave.zlk"));
    const QByteArray mineBefore = Read(Data("mine.zlk"));
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    bool savedMine = true;
    {
        const FileSizeLimit full(256);
        Send("AUTOSAVE");
        savedMine = Controller().SaveFigureFile(Data("mine.zlk"));
    }
    EXPECT_FALSE(savedMine);
    EXPECT_EQ(Read(Data("autosave.zlk")), autosaveBefore);
    EXPECT_EQ(Read(Data("mine.zlk")), mineBefore);
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("変更あり")));
    EXPECT_TRUE(dialogs.MessageTexts().join("|").contains(SystemError::Reason(EFBIG)));
}

TEST_F(FileCommands, AutosaveKeepsTheChangedMark) {
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    EXPECT_TRUE(Send("AUTOSAVE"));
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));
    EXPECT_TRUE(Title().endsWith(QStringLiteral("] 変更あり")));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    Send("FIN");
    EXPECT_EQ(dialogs.calls.last().text,
              QStringLiteral("！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？"));
    EXPECT_EQ(quitCalls, 0);
    EXPECT_FALSE(QFile::exists(programDir.filePath("ZelkWin33.ini"))) << "nothing written";
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));

    // An unchanged figure stays unchanged after the autosave.
    Figure().SetDirty(false);
    Send("AUTOSAVE");
    EXPECT_FALSE(Figure().IsDirty());

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("FIN");
    EXPECT_EQ(quitCalls, 1);
    EXPECT_FALSE(QFile::exists(Data("autosave.zlk"))) << "a clean end removes the crash marker";
    EXPECT_TRUE(QFile::exists(programDir.filePath("ZelkWin33.ini")));
}

// An autosave file that cannot be removed at the end (a folder nobody may write) is said
// with its name; something else under its name (a folder) is an error on the way, left
// where it is. The end goes on either way.
TEST_F(FileCommands, AnAutosaveThatCannotBeRemovedIsSaid) {
    Figure().SetDirty(false);
    ASSERT_TRUE(Send("AUTOSAVE"));
    ASSERT_TRUE(QFile::exists(Data("autosave.zlk")));
    QFile folder(Data(""));
    const QFileDevice::Permissions before = folder.permissions();
    folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        const NoOverride asAnyUser;
        if (QFile::copy(Data("autosave.zlk"), Data("probe.zlk"))) {
            QFile::remove(Data("probe.zlk"));
            folder.setPermissions(before);
            GTEST_SKIP() << "this user may write any folder";
        }
        dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
        Send("FIN");
    }
    folder.setPermissions(before);
    EXPECT_EQ(quitCalls, 1);
    const QStringList said = dialogs.MessageTexts();
    EXPECT_EQ(said.last(), QStringLiteral("問題発生！\r\nautosave.zlk　が削除できませんでした。"));
    EXPECT_FALSE(said.contains(QStringLiteral(
        "エラーが発生しました。Autosaveファイルの削除は正常に行われなかった可能性があります。")));
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));
}

TEST_F(FileCommands, SomethingElseUnderTheAutosaveNameIsAnErrorOnTheWay) {
    ASSERT_TRUE(QDir().mkpath(Data("autosave.zlk/inside")));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("FIN");
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(dialogs.MessageTexts().last(),
              QStringLiteral("エラーが発生しました。Autosaveファイルの削除は正常に行われなかった"
                             "可能性があります。"));
    EXPECT_TRUE(QFileInfo(Data("autosave.zlk/inside")).isDir()) << "not the program's to remove";
}

TEST_F(FileCommands, RecentFilesAskBeforeDiscardingAndSurviveAMissingFile) {
    const QString one = Data("one.zlk");
    const QString two = Data("two.zlk");
    WriteFigure(one, "0 0 0 1\r\n0 0 0 1 0 0\r\none\r\n");
    WriteFigure(two, "0 0 0 2\r\n0 0 0 1 0 0\r\n0 0 0 0 1 0\r\ntwo\r\n");
    dialogs.ChooseFile(one);
    Send("LOAD");
    dialogs.ChooseFile(two);
    Send("LOAD");
    EXPECT_EQ(Window().RecentItem(1)->text(), one);
    Window().RecentItem(1)->trigger();
    EXPECT_EQ(AppData().FileName(), one);
    EXPECT_EQ(Figure().Comment(), QStringLiteral("one"));
    EXPECT_EQ(Window().RecentItem(0)->text(), one);

    // Unsaved changes: the same warning as for opening; No keeps them.
    Figure().AddLine(QStringLiteral("5,5,5,6,6,6"));
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    EXPECT_TRUE(Send("LOAD_RECENT_1"));
    EXPECT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_EQ(AppData().FileName(), one);
    EXPECT_TRUE(dialogs.ScriptUsedUp());

    // A file that has gone: the message, the figure stays exactly as it was, and the entry
    // leaves the list (a damaged file stays on it).
    Figure().SetDirty(false);
    QFile::remove(two);
    Send("LOAD_RECENT_1");
    EXPECT_EQ(dialogs.calls.last().caption, QStringLiteral("データ読み込みエラー"));
    EXPECT_EQ(AppData().FileName(), one);
    EXPECT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_EQ(Window().RecentItem(0)->text(), one);
    EXPECT_FALSE(Window().RecentItem(1)->isVisible());
    for (int i = 0; i < AppData().FileNameHistoryNum(); ++i) {
        EXPECT_NE(AppData().GetHistory(static_cast<int16_t>(i)), two);
    }
    WriteFigure(one, "damaged");
    Send("LOAD_RECENT_0");
    EXPECT_EQ(Window().RecentItem(0)->text(), one);
}

} // namespace
