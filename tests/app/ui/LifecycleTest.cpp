#include "AppFixture.h"
#include "InstanceLock.h"

#include <QFileInfo>

#include <QFile>

namespace {

class Lifecycle : public AppFixture {
protected:
    Lifecycle() { bootInSetUp = false; }
    const QString recovery =
        QStringLiteral("前回異常終了したようです。autosave.zlkを読み込みます。");
};

TEST_F(Lifecycle, QuotedCommandLineNameOpensThatFile) {
    const QString name = programDir.filePath("my figs/a box.zlk");
    WriteFigure(name, "0 0 0 1\r\n0 0 0 5 5 5\r\nbox\r\n");
    WriteFigure(Data("autosave.zlk"), "0 0 0 1\r\n0 0 0 9 9 9\r\ncrash\r\n");
    arguments = {QStringLiteral("\"") + name + QStringLiteral("\"")};
    Boot();
    EXPECT_EQ(AppData().FileName(), name);
    EXPECT_EQ(Figure().Comment(), QStringLiteral("box"));
    EXPECT_FALSE(dialogs.MessageTexts().contains(recovery)) << "the crash marker is not looked at";
    EXPECT_EQ(Window().windowTitle(), UserDialogs::ProgramTitle() + "[" + name + "]");
}

// The figure read ahead while the window is built reaches the view whole (its segments
// copied on the reading thread).
TEST_F(Lifecycle, TheViewDrawsTheFigureNamedAtStart) {
    const QString name = programDir.filePath("start.zlk");
    WriteFigure(name, "0 0 0 3\r\n0 0 0 5 5 5\r\n1 2 3 -4 5.5 6\r\n7 0 0 0 0 0.25\r\nstart\r\n");
    arguments = {name};
    Boot();
    const auto segments = [this] { return Ctx().view->Renderer().Segments(); };
    ASSERT_EQ(Figure().NumberOfLines(), 3);
    EXPECT_EQ(segments(), (std::vector<FigureRenderer::Segment>{
                              {0, 0, 0, 5, 5, 5}, {1, 2, 3, -4, 5.5F, 6}, {7, 0, 0, 0, 0, 0.25F}}));
}

TEST_F(Lifecycle, AutosaveAfterACrashIsRecovered) {
    WriteFigure(Data("autosave.zlk"), "0 0 0 2\r\n0 0 0 9 9 9\r\n1 1 1 2 2 2\r\ncrash\r\n");
    Boot();
    ASSERT_TRUE(dialogs.MessageTexts().contains(recovery));
    EXPECT_EQ(dialogs.calls.first().caption, QString());
    EXPECT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_EQ(AppData().FileName(), Data("autosave.zlk"));
    // Recovered work is unsaved work.
    EXPECT_EQ(Window().windowTitle(),
              UserDialogs::ProgramTitle() + "[" + Data("autosave.zlk") + "] 変更あり");
    // It is removed at the next normal end: never an entry of the recent list.
    for (int i = 0; i < AppData().FileNameHistoryNum(); ++i) {
        EXPECT_NE(AppData().GetHistory(static_cast<int16_t>(i)), Data("autosave.zlk"));
    }
    EXPECT_FALSE(Window().RecentItem(0)->isVisible());
    EXPECT_EQ(AppData().DataPath(), Folder() + "/data");
}

TEST_F(Lifecycle, SecondCopyStartsWithTheBuiltInFigure) {
    QDir().mkpath(Data(""));
    InstanceLock first(Data(".zelk.lock"));
    ASSERT_TRUE(first.Acquire());
    WriteFigure(Data("autosave.zlk"), "0 0 0 1\r\n0 0 0 9 9 9\r\ncrash\r\n");
    Boot();
    EXPECT_TRUE(Ctx().previousInstance);
    EXPECT_FALSE(dialogs.MessageTexts().contains(recovery));
    EXPECT_EQ(Figure().NumberOfLines(), 15);
    EXPECT_EQ(AppData().FileName(), QString());
}

TEST_F(Lifecycle, NormalStartRewritesTheBuiltInFigureInAFreshDataFolder) {
    ASSERT_FALSE(QDir(Data("")).exists());
    Boot();
    EXPECT_FALSE(Ctx().previousInstance);
    EXPECT_TRUE(dialogs.calls.isEmpty()) << "no failed save for want of a data folder";
    CZelkData written;
    ASSERT_TRUE(written.LoadData(Data("zelk01.zlk")));
    EXPECT_EQ(written.NumberOfLines(), 15);
    EXPECT_TRUE(written.Comment().startsWith(UserDialogs::ProgramTitle()));
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_TRUE(Window().windowTitle().endsWith(QStringLiteral("[]")));
    EXPECT_EQ(CountCues("Splash.wav"), 1);
    EXPECT_EQ(sound.cues.first(),
              (RecordingSoundBackend::Cue{Folder() + "/sound/Splash.wav", "SYNC"}));

    // A start writes it again while it is the built-in figure (the comment stamp of the
    // previous start differs)...
    app.reset();
    CZelkData stamped;
    ASSERT_TRUE(stamped.LoadData(Data("zelk01.zlk")));
    stamped.SetComment(QStringLiteral("an older stamp"));
    ASSERT_TRUE(stamped.SaveData(Data("zelk01.zlk")));
    Boot();
    ASSERT_TRUE(written.LoadData(Data("zelk01.zlk")));
    EXPECT_EQ(written.NumberOfLines(), 15);
    EXPECT_TRUE(written.Comment().startsWith(UserDialogs::ProgramTitle()));

    // ...but a figure of the user's saved under that name is never overwritten.
    for (const QByteArray& mine :
         {QByteArray("0 0 0 0\r\nold\r\n"), QByteArray("0 0 0 1\r\n0 0 0 7 7 7\r\nmine\r\n"),
          QByteArray("0 0 0 5\r\n0 0 0 7 7 7\r\n")}) {
        app.reset();
        WriteFigure(Data("zelk01.zlk"), mine);
        Boot();
        QFile f(Data("zelk01.zlk"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), mine);
        EXPECT_EQ(Figure().NumberOfLines(), 15) << "the built-in figure is shown all the same";
        EXPECT_FALSE(Figure().IsDirty());
        EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << "a damaged one is not reported either";
    }
}

// Temporaries of saves killed half-way are cleared by the next start, unless another
// copy runs (it may be writing one of them at this moment).
TEST_F(Lifecycle, LeftoversOfKilledSavesAreRemovedAtStart) {
    WriteFigure(Data("keep.zlk"), "0 0 0 0\r\nkeep\r\n");
    const QStringList leftovers{Data(".fig.zlk.zelk-tmp-Ab12Cd"),
                                Data("DataHistory/.old.zlk.zelk-tmp-x9Y8z7"),
                                programDir.filePath(".ZelkWin33.ini.zelk-tmp-QwErTy")};
    // Names of the user's that merely look like temporaries stay.
    const QStringList users{Data("house.zlk.backup"), Data("plan.zlk.v2copy"),
                            Data("fig.zlk.Ab12Cd"), Data("DataHistory/keep.zlk.backup"),
                            programDir.filePath("ZelkWin33.ini.backup")};
    const auto writeAll = [&] {
        for (const QString& path : leftovers + users) {
            WriteFigure(path, "half");
        }
    };
    writeAll();
    {
        InstanceLock other(Data(".zelk.lock"));
        ASSERT_TRUE(other.Acquire());
        Boot();
        for (const QString& path : leftovers) {
            EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        }
        app.reset();
    }
    Boot();
    for (const QString& path : leftovers) {
        EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
    }
    for (const QString& path : users) {
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }
    EXPECT_TRUE(QFile::exists(Data("keep.zlk")));
}

// A copy crashed and left its work; the user then opens a figure by name. That start
// neither autosaves over the work nor deletes it at its end, says where it waits, and
// the next start without a file offers it.
TEST_F(Lifecycle, AStartWithAFileLeavesAnotherCopysRecoveryFileAlone) {
    const QByteArray crashed = "0 0 0 2\r\n0 0 0 9 9 9\r\n1 1 1 2 2 2\r\ncrash\r\n";
    WriteFigure(Data("autosave.zlk"), crashed);
    WriteFigure(Data("autosave-2.zlk"), crashed + "second\r\n");
    // The crashed copy's lock, left behind by a process that is gone.
    WriteFigure(Data(".zelk.lock"), "999999\nzelk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const QString mine = programDir.filePath("figs/mine.zlk");
    WriteFigure(mine, "0 0 0 1\r\n0 0 0 5 5 5\r\nmine\r\n");
    arguments = {mine};
    Boot();
    EXPECT_FALSE(dialogs.MessageTexts().contains(recovery));
    EXPECT_EQ(Figure().Comment(), QStringLiteral("mine"));
    EXPECT_TRUE(Window().StatusText(1).contains(Data("autosave.zlk")))
        << Window().StatusText(1).toStdString();

    // Autosaves, a save's safety copy and a normal end touch only this copy's own file.
    Figure().AddLine(QStringLiteral("1,1,1,3,3,3"));
    Send("AUTOSAVE");
    dialogs.ChooseFile(mine);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes); // overwrite
    Send("SAVE");
    EXPECT_EQ(ReadFile(Data("autosave.zlk")), crashed);
    EXPECT_EQ(ReadFile(Data("autosave-2.zlk")), crashed + "second\r\n");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes); // quit
    Send("FIN");
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(ReadFile(Data("autosave.zlk")), crashed);
    EXPECT_EQ(ReadFile(Data("autosave-2.zlk")), crashed + "second\r\n");
    const QStringList own = QDir(Data("")).entryList({QStringLiteral("autosave*.zlk")});
    EXPECT_EQ(own.size(), 2) << own.join(u' ').toStdString();
    app.reset();

    // The next plain start offers it, as after any crash.
    arguments.clear();
    dialogs.calls.clear();
    Boot();
    EXPECT_TRUE(dialogs.MessageTexts().first().startsWith(recovery));
    EXPECT_EQ(Figure().Comment(), QStringLiteral("crash"));
    EXPECT_EQ(Figure().NumberOfLines(), 2);
}

TEST(InstanceLock, ALockOfADeadCopyDoesNotCount) {
    QTemporaryDir dir;
    const QString path = dir.filePath(".zelk.lock");
    // A lock file as a crashed copy leaves it: a process id that is not running.
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nzelk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    InstanceLock lock(path);
    EXPECT_TRUE(lock.Acquire());
    InstanceLock second(path);
    EXPECT_FALSE(second.Acquire());
}

} // namespace
