// Paths that used to lose or fake work: the end of the program, a recovered figure,
// cancelled dialogs, names without an extension, relative names, session end.
#include "AppFixture.h"
#include "InstanceLock.h"
#include "SafeFile.h"
#include "SignalWatcher.h"
#include "StoppingCalls.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace {

class NeverLoseWork : public AppFixture {
protected:
    NeverLoseWork() { bootInSetUp = false; }
    QString Title() { return Window().windowTitle(); }
    const QString discard =
        QStringLiteral("！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？");
};

// While the closing cue plays no timer runs a command: no autosave brings back the crash
// marker, no turning tick cuts the cue off.
TEST_F(NeverLoseWork, NothingRunsWhileTheClosingCuePlays) {
    Boot();
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    Window().StartAutosaveTimer(5);
    Window().SetTurningInterval(5);
    Send("CONTINUOUS_TURN");
    sound.syncMs = 300;
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    const int longitude = AppData().Longitude();
    EXPECT_TRUE(Send("FIN"));
    EXPECT_EQ(quitCalls, 1);
    EXPECT_FALSE(QFile::exists(Data("autosave.zlk")));
    EXPECT_TRUE(sound.cuesDuringSync.isEmpty()) << sound.cuesDuringSync.size() << " cues";
    EXPECT_EQ(sound.cues.last(), (RecordingSoundBackend::Cue{Folder() + "/sound/Fin.wav", "SYNC"}));
    EXPECT_EQ(AppData().Longitude(), longitude) << "no turn ran during the cue";
}

TEST_F(NeverLoseWork, TheVersionCueHoldsTimerCommands) {
    Boot();
    Window().SetTurningInterval(5);
    Send("CONTINUOUS_TURN");
    sound.syncMs = 200;
    // Ticks may turn the figure while the dialog is shown, before its cue starts: from
    // the cue's start to its end nothing runs.
    int atCueStart = 1000;
    int atCueEnd = 0;
    sound.onCue = [&](const RecordingSoundBackend::Cue& cue) {
        if (cue.mode == QLatin1String("SYNC")) {
            atCueStart = AppData().Longitude();
        }
    };
    sound.atSyncEnd = [&] { atCueEnd = AppData().Longitude(); };
    EXPECT_TRUE(Send("SHOW_VERSION_DIALOG"));
    EXPECT_TRUE(sound.cuesDuringSync.isEmpty());
    EXPECT_EQ(atCueEnd, atCueStart) << "no turn ran while the cue played";
    sound.onCue = nullptr;
    sound.atSyncEnd = nullptr;
    sound.syncMs = 0;
    Send("CONTINUOUS_TURN_STOP");
}

// A recovered figure exists only in autosave.zlk: it is unsaved work.
TEST_F(NeverLoseWork, RecoveredWorkCountsAsUnsaved) {
    WriteFigure(Data("autosave.zlk"), "0 0 0 1\r\n0 0 0 9 9 9\r\ncrash\r\n");
    Boot();
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("autosave.zlk] 変更あり")));

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes); // quit?
    dialogs.AnswerQuestion(UserDialogs::Answer::No);  // discard? no
    Send("FIN");
    EXPECT_EQ(dialogs.calls.last().text, discard);
    EXPECT_EQ(quitCalls, 0);
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));

    // Starting a new figure asks too.
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    Send("NEW_FIGURE");
    EXPECT_EQ(Figure().NumberOfLines(), 1);

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("FIN");
    EXPECT_EQ(quitCalls, 1);
    EXPECT_FALSE(QFile::exists(Data("autosave.zlk")));
}

TEST_F(NeverLoseWork, CancelledOpenDialogKeepsTheChangedNamedFigure) {
    WriteFigure(Data("mine.zlk"), "0 0 0 1\r\n0 0 0 7 7 7\r\nmine\r\n");
    arguments = {Data("mine.zlk")};
    Boot();
    Figure().AddLine(QStringLiteral("1,1,1,2,2,2"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(std::nullopt);
    EXPECT_TRUE(Send("LOAD"));
    EXPECT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_EQ(AppData().FileName(), Data("mine.zlk"));
    EXPECT_TRUE(Title().endsWith(QStringLiteral("mine.zlk] 変更あり")));
}

TEST_F(NeverLoseWork, ANameWithoutExtensionIsSavedAsZlk) {
    Boot();
    dialogs.ChooseFile(Data("house"));
    EXPECT_TRUE(Send("SAVE"));
    EXPECT_TRUE(QFile::exists(Data("house.zlk")));
    EXPECT_FALSE(QFile::exists(Data("house")));
    EXPECT_EQ(AppData().FileName(), Data("house.zlk"));

    // The overwrite warning looks at the final name.
    dialogs.ChooseFile(Data("house"));
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    EXPECT_TRUE(Send("SAVE"));
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("上書き")));
    // A name with an extension of its own keeps it.
    dialogs.ChooseFile(Data("house.v2"));
    EXPECT_TRUE(Send("SAVE"));
    EXPECT_TRUE(QFile::exists(Data("house.v2")));
}

TEST_F(NeverLoseWork, ARelativeNameOnTheCommandLineBecomesAbsolute) {
    WriteFigure(programDir.filePath("figs/cube.zlk"), "0 0 0 1\r\n0 0 0 5 5 5\r\ncube\r\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(programDir.path());
    arguments = {QStringLiteral("figs/cube.zlk")};
    Boot();
    QDir::setCurrent(before);
    EXPECT_EQ(AppData().FileName(), programDir.filePath("figs/cube.zlk"));
    EXPECT_EQ(AppData().GetHistory(0), programDir.filePath("figs/cube.zlk"));
    EXPECT_EQ(Figure().Comment(), QStringLiteral("cube"));
}

// Logging out or a stop signal: the change goes to autosave.zlk, the settings are
// written, the program ends, and the next start recovers the change.
TEST_F(NeverLoseWork, SessionEndKeepsTheChangeForTheNextStart) {
    Boot();
    Figure().AddLine(QStringLiteral("1,2,3,4,5,6"));
    Controller().EndSession();
    EXPECT_EQ(quitCalls, 1);
    EXPECT_TRUE(dialogs.calls.isEmpty()) << "no questions at the end of a session";
    EXPECT_TRUE(QFile::exists(programDir.filePath("ZelkWin33.ini")));
    ASSERT_TRUE(QFile::exists(Data("autosave.zlk")));
    app.reset();

    Boot();
    EXPECT_TRUE(dialogs.MessageTexts().contains(
        QStringLiteral("前回異常終了したようです。autosave.zlkを読み込みます。")));
    EXPECT_EQ(Figure().NumberOfLines(), 16);
    EXPECT_TRUE(Figure().IsDirty());

    // Nothing unsaved: nothing to recover next time.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(Data("kept.zlk"));
    Send("SAVE");
    Controller().EndSession();
    EXPECT_FALSE(QFile::exists(Data("autosave.zlk")));
}

// A figure of n lines, as the program writes it.
QByteArray FigureBytes(int n, const char* comment) {
    QByteArray out = "0 0 0 " + QByteArray::number(n) + "\r\n";
    for (int i = 1; i <= n; ++i) {
        out += "0 0 0 " + QByteArray::number(i) + " 1 1\r\n";
    }
    return out + comment + "\r\n";
}

// Rewrites a file with two names in place and "kills" the writer half-way: the file is
// left torn (the new figure's start, the old one's tail) with its journal.
void TearWhileRewriting(const QString& path, const QByteArray& oldBytes,
                        const QByteArray& newBytes) {
    for (int stopAt = 1; stopAt < 1000; ++stopAt) {
        QFile::remove(path);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(oldBytes);
        }
        const QString twin = path + QStringLiteral(".twin");
        QFile::remove(twin);
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(twin).constData()),
                  0);
        StoppingCalls calls;
        calls.stopAt = stopAt;
        QString error;
        ASSERT_FALSE(SafeFile::Write(path, newBytes, error, calls));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        if (now != oldBytes && now.startsWith(newBytes.left(newBytes.size() - 2))) {
            return;
        }
    }
    FAIL() << "no kill left the file torn";
}

// A rewrite cut short is undone by the next start (files of the data folder) or when
// the file is opened (anywhere), and the user is told; a torn file without a journal
// loads with a warning; a file's own leftovers go when it is opened or saved.
TEST_F(NeverLoseWork, ATornRewriteIsUndoneAtStartAndWhenOpened) {
    const QByteArray oldBytes = FigureBytes(40, "old");
    const QByteArray newBytes = FigureBytes(3, "new");
    WriteFigure(Data("fig.zlk"), "");
    TearWhileRewriting(Data("fig.zlk"), oldBytes, newBytes);
    Boot();
    EXPECT_EQ(ReadFile(Data("fig.zlk")), oldBytes);
    EXPECT_TRUE(Window().StatusText(1).contains(QStringLiteral("保存前の内容に戻しました")))
        << Window().StatusText(1).toStdString();
    EXPECT_TRUE(Window().StatusText(1).contains(QStringLiteral("fig.zlk")));

    // Outside the data folder: when the file is opened.
    const QString away = programDir.filePath("away/fig.zlk");
    WriteFigure(away, "");
    TearWhileRewriting(away, oldBytes, newBytes);
    WriteFigure(programDir.filePath("away/.fig.zlk.zelk-tmp-Ab12Cd"), "half a save");
    WriteFigure(programDir.filePath("away/fig.zlk.backup"), "the user's");
    dialogs.ChooseFile(away);
    Send("LOAD");
    EXPECT_EQ(Figure().NumberOfLines(), 40);
    EXPECT_EQ(Figure().Comment(), QStringLiteral("old"));
    EXPECT_EQ(ReadFile(away), oldBytes);
    EXPECT_TRUE(Window().StatusText(1).contains(QStringLiteral("保存前の内容に戻しました")));
    EXPECT_FALSE(QFile::exists(programDir.filePath("away/.fig.zlk.zelk-tmp-Ab12Cd")));
    EXPECT_TRUE(QFile::exists(programDir.filePath("away/fig.zlk.backup")));
    for (const QString& name :
         QDir(programDir.filePath("away")).entryList(QDir::Hidden | QDir::Files)) {
        EXPECT_FALSE(name.contains(QStringLiteral("zelk-journal"))) << name.toStdString();
    }

    // Torn with no journal to undo it: more lines after the comment line.
    WriteFigure(programDir.filePath("away/torn.zlk"), newBytes + oldBytes.mid(newBytes.size()));
    dialogs.ChooseFile(programDir.filePath("away/torn.zlk"));
    Send("LOAD");
    EXPECT_EQ(Figure().Comment(), QStringLiteral("new"));
    EXPECT_TRUE(Window().StatusText(1).contains(QStringLiteral("壊れている可能性")))
        << Window().StatusText(1).toStdString();
    // A comment with a comma, blank lines at the end: nothing to say.
    WriteFigure(programDir.filePath("away/fine.zlk"),
                "0 0 0 1\r\n0 0 0 5 5 5\r\na, b\r\n\r\n \r\n");
    dialogs.ChooseFile(programDir.filePath("away/fine.zlk"));
    Send("LOAD");
    EXPECT_EQ(Figure().Comment(), QStringLiteral("a"));
    EXPECT_FALSE(Window().StatusText(1).contains(QStringLiteral("壊れている可能性")));

    // A save takes away its own file's leftovers.
    WriteFigure(programDir.filePath("away/.saved.zlk.zelk-tmp-Zz9Yy8"), "half a save");
    dialogs.ChooseFile(programDir.filePath("away/saved.zlk"));
    Send("SAVE");
    EXPECT_TRUE(QFile::exists(programDir.filePath("away/saved.zlk")));
    EXPECT_FALSE(QFile::exists(programDir.filePath("away/.saved.zlk.zelk-tmp-Zz9Yy8")));
}

// Runs the event loop until a signal arrived or two seconds passed.
void WaitForSignals(const QList<int>& received) {
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!received.isEmpty()) {
            loop.quit();
        }
    });
    poll.start(5);
    loop.exec();
}

// A stop signal reaches the event loop, never work inside the handler.
TEST(SignalWatcherTest, ASignalBecomesACallOnTheLoop) {
    QList<int> received;
    {
        SignalWatcher watcher({SIGHUP}, [&received](int signal) { received << signal; });
        std::raise(SIGHUP);
        EXPECT_TRUE(received.isEmpty()) << "nothing happens inside the handler";
        WaitForSignals(received);
    }
    EXPECT_EQ(received, QList<int>{SIGHUP});
}

// nohup: a signal ignored at start stays ignored.
TEST(SignalWatcherTest, ASignalIgnoredAtStartStaysIgnored) {
    struct sigaction previous {};
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ASSERT_EQ(::sigaction(SIGHUP, &ignore, &previous), 0);
    QList<int> received;
    {
        SignalWatcher watcher({SIGHUP, SIGUSR2}, [&received](int signal) { received << signal; });
        struct sigaction now {};
        ASSERT_EQ(::sigaction(SIGHUP, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
        std::raise(SIGHUP);
        std::raise(SIGUSR2);
        WaitForSignals(received);
    }
    EXPECT_EQ(received, QList<int>{SIGUSR2});
    ::sigaction(SIGHUP, &previous, nullptr);
}

} // namespace
