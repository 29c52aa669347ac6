// Where one feature meets another: a drag then a standard view, a failed load then undo,
// a full figure then drawing, two copies sharing a data folder, a session that asks
// for its data without ending.
#include "AppFixture.h"
#include "CopySlots.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

namespace {

class FeatureMeetings : public AppFixture {
protected:
    QString Title() { return Window().windowTitle(); }
    void Drag(QPoint by) {
        const QPoint start(200, 150);
        QTest::mousePress(&View(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&View(), start + by);
        QTest::mouseRelease(&View(), Qt::LeftButton, Qt::NoModifier, start + by);
    }
    // Draws n lines from the pointer's place along x and y, as a user would.
    void DrawLines(int n) {
        Send("DRAW_MODE");
        for (int i = 0; i < n; ++i) {
            Send("APPLY");
            Send(i % 2 == 0 ? "POINTER_MOVE_X" : "POINTER_MOVE_Y");
            Send("APPLY");
        }
    }
    // A figure file of n distinct lines.
    void WriteLattice(const QString& path, int n) {
        QByteArray bytes = "0 0 0 " + QByteArray::number(n) + "\r\n";
        for (int i = 0; i < n; ++i) {
            bytes += "0 0 0 " + QByteArray::number(i % 200 + 1) + ' ' +
                     QByteArray::number(i / 200) + " 0\r\n";
        }
        bytes += "lattice\r\n";
        WriteFigure(path, bytes);
    }
    const QByteArray damaged = "0 0 0 3\r\n0 0 0 9 9 9\r\n1 1 1 2 2 2\r\n";
    std::vector<QImage> Panes() {
        std::vector<QImage> out;
        for (QLabel* pane : {Window().FrontView(), Window().TopView(), Window().SideView()}) {
            out.push_back(pane->pixmap().toImage().convertToFormat(QImage::Format_RGB32));
        }
        return out;
    }
    // The panes the three-view layout takes when it is switched on for the figure as it is.
    std::vector<QImage> FreshPanes() {
        Send("THIRD_ANGLE_PROJECTION_METHOD");
        Send("THIRD_ANGLE_PROJECTION_METHOD");
        return Panes();
    }
};

// The mouse turns by whole degrees; every walk to a standard view arrives from there.
TEST_F(FeatureMeetings, AfterAnyDragEveryStandardViewArrives) {
    struct Target {
        const char* command;
        int longitude;
        int latitude;
    };
    const Target targets[] = {{"FRONT_VIEW", 0, 0},
                              {"TOP_VIEW", 0, 90},
                              {"SIDE_VIEW", -90, 0},
                              {"EQUAL_ANGLE_VIEW", -45, 35}};
    for (const QPoint by : {QPoint(17, 0), QPoint(0, -23), QPoint(-31, 7), QPoint(3, 301)}) {
        for (const Target& target : targets) {
            Drag(by);
            ASSERT_TRUE(Send(target.command)) << target.command;
            EXPECT_EQ(AppData().Longitude(), target.longitude) << target.command;
            EXPECT_EQ(AppData().Latitude(), target.latitude) << target.command;
            EXPECT_EQ(
                Window().StatusText(2),
                QStringLiteral("視点の角度[%1° , %2°]").arg(target.longitude).arg(target.latitude));
        }
    }
    // The three-view layout walks to three views and back to the isometric one.
    Drag(QPoint(13, -11));
    ASSERT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_EQ(AppData().Longitude(), -45);
    EXPECT_EQ(AppData().Latitude(), 35);
    ASSERT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    // A unit angle that is not a step of the targets at all still arrives.
    AppData().SetUnitAngle(7);
    Drag(QPoint(1, 1));
    ASSERT_TRUE(Send("TOP_VIEW"));
    EXPECT_EQ(AppData().Latitude(), 90);
    EXPECT_EQ(AppData().Longitude(), 0);
}

// A file that cannot be read whole changes nothing: figure, name, history, mark.
TEST_F(FeatureMeetings, AFailedLoadLeavesTheDocumentExactlyAsItWas) {
    const QString good = Data("good.zlk");
    const QString broken = Data("broken.zlk");
    WriteFigure(good, "0 0 0 1\r\n0 0 0 5 5 5\r\ngood\r\n");
    WriteFigure(broken, damaged);
    DrawLines(4);
    const QStringList drawn = Lines();
    const QString title = Title();
    const int steps = Controller().History().count();
    ASSERT_EQ(steps, 4);
    ASSERT_TRUE(title.endsWith(QStringLiteral("変更あり")));

    const auto unchanged = [&](const char* how) {
        EXPECT_EQ(Lines(), drawn) << how;
        EXPECT_EQ(Title(), title) << how;
        EXPECT_EQ(Controller().History().count(), steps) << how;
        EXPECT_TRUE(Figure().IsDirty()) << how;
        EXPECT_EQ(dialogs.calls.last().caption, QStringLiteral("データ読み込みエラー")) << how;
    };
    // The open dialog.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(broken);
    Send("LOAD");
    unchanged("open");
    // A recent entry whose file was damaged since.
    AppData().SetFileName(broken);
    Controller().UpdateRecentMenu();
    AppData().SetFileName(QString());
    Controller().UpdateTitle();
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    ASSERT_EQ(Window().RecentItem(0)->text(), broken);
    Send("LOAD_RECENT_0");
    unchanged("recent");
    // An import that cannot be read.
    WriteFigure(Data("broken.obj"), "v 0 0 0\nl 1 9\n");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseImport(UserDialogs::ImportChoice{Data("broken.obj"), 1, false, false});
    Send("IMPORT");
    EXPECT_EQ(Lines(), drawn);
    EXPECT_EQ(Controller().History().count(), steps);

    // Undo still undoes this figure's own lines, and the mark clears only at its start.
    for (int i = 0; i < 3; ++i) {
        Send("UNDO");
        EXPECT_TRUE(Title().endsWith(QStringLiteral("変更あり")));
    }
    EXPECT_EQ(Lines(), drawn.mid(0, 16));
    Send("UNDO");
    EXPECT_EQ(Lines().size(), 15);
    EXPECT_FALSE(Title().endsWith(QStringLiteral("変更あり")));

    // A good file still loads, with a history of its own.
    dialogs.ChooseFile(good);
    Send("LOAD");
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("0,0,0,5,5,5")});
    EXPECT_EQ(Controller().History().count(), 0);
    EXPECT_TRUE(dialogs.ScriptUsedUp());
}

// At start: a damaged file named on the command line is not taken as the name (a later
// save cannot replace it by an empty figure); a name that does not exist yet is kept.
TEST_F(FeatureMeetings, ADamagedCommandLineFileIsNeverTheFiguresName) {
    bootInSetUp = false;
    app.reset();
    dialogs.calls.clear();
    const QString broken = Data("broken.zlk");
    WriteFigure(broken, damaged);
    arguments = {broken};
    Boot();
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_EQ(dialogs.calls.last().caption, QStringLiteral("データ読み込みエラー"));
    EXPECT_FALSE(Figure().IsDirty());

    app.reset();
    arguments = {Data("new.zlk")};
    Boot();
    EXPECT_EQ(AppData().FileName(), Data("new.zlk"));
    EXPECT_EQ(Figure().NumberOfLines(), 0);

    // A damaged recovery file leaves the empty figure unnamed, and the file in place.
    app.reset();
    arguments.clear();
    WriteFigure(Data("autosave.zlk"), damaged);
    Boot();
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));
}

// No figure grows past what a file can hold: drawing, the panel and import refuse the
// 32768th line aloud, and the figure can still be saved.
TEST_F(FeatureMeetings, TheLineAfterTheLastThatFitsIsRefusedWhereverItIsMade) {
    WriteLattice(Data("full.zlk"), 32767);
    dialogs.ChooseFile(Data("full.zlk"));
    Send("LOAD");
    ASSERT_EQ(Figure().NumberOfLines(), 32767);
    Send("DRAW_MODE");
    Send("POINTER_MOVE_Z");
    Send("APPLY");
    Send("POINTER_MOVE_X");
    const int calls = static_cast<int>(dialogs.calls.size());
    Send("APPLY");
    EXPECT_EQ(Figure().NumberOfLines(), 32767);
    ASSERT_EQ(static_cast<int>(dialogs.calls.size()), calls + 1);
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("32767")));
    EXPECT_EQ(dialogs.calls.last().caption, UserDialogs::ProgramTitle());
    EXPECT_EQ(Controller().History().count(), 0);

    // The detailed-input panel.
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    const QStringList fields{"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i) {
        Window().PosField(i)->setText(fields[i]);
    }
    Ctx().proController->SetCommand(QStringLiteral("APPLY_LINE"));
    EXPECT_EQ(Figure().NumberOfLines(), 32767);
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("32767")));

    // The full figure still saves.
    Send("AUTOSAVE");
    CZelkData saved;
    ASSERT_TRUE(saved.LoadData(Data("autosave.zlk")));
    EXPECT_EQ(saved.NumberOfLines(), 32767);
}

// Each running copy autosaves into a file of its own; a quit removes only its own; a
// start offers the files of copies that no longer run.
TEST_F(FeatureMeetings, TwoCopiesNeverShareARecoveryFile) {
    DrawLines(1);
    Send("AUTOSAVE");
    ASSERT_TRUE(QFile::exists(Data("autosave.zlk")));
    const QByteArray firstCopy = [&] {
        QFile f(Data("autosave.zlk"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    ScriptedUserDialogs secondDialogs;
    secondDialogs.SetFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    int secondQuits = 0;
    auto second = std::make_unique<Main_TheApp>(
        programDir.path(), QStringList(), secondDialogs, sound, clock, [&] { ++secondQuits; },
        &clipboard);
    ASSERT_TRUE(second->Start());
    AppContext& other = second->Context();
    EXPECT_TRUE(other.previousInstance);
    EXPECT_EQ(other.figure->NumberOfLines(), 15) << "no recovery of a running copy's file";
    other.figure->AddLine(QStringLiteral("7,7,7,8,8,8"));
    other.controller->SetCommand(QStringLiteral("AUTOSAVE"));
    ASSERT_TRUE(QFile::exists(Data("autosave-2.zlk")));
    QFile first(Data("autosave.zlk"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), firstCopy) << "the second copy keeps off the first's file";
    first.close();

    // The second quits normally: only its own file goes. (Both copies live in this one
    // test process, where the second's closing of all windows reaches the first too:
    // the first declines to quit.)
    secondDialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    secondDialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    other.controller->SetCommand(QStringLiteral("FIN"));
    EXPECT_EQ(secondQuits, 1);
    EXPECT_FALSE(QFile::exists(Data("autosave-2.zlk")));
    EXPECT_TRUE(QFile::exists(Data("autosave.zlk")));
    second.reset();

    // Both crash: the next start recovers one and offers the other.
    WriteFigure(Data("autosave-2.zlk"), "0 0 0 1\r\n0 0 0 4 4 4\r\nsecond\r\n");
    app.reset();
    dialogs.calls.clear();
    Boot();
    ASSERT_FALSE(dialogs.calls.isEmpty());
    const QString notice = dialogs.calls.first().text;
    EXPECT_TRUE(notice.startsWith(
        QStringLiteral("前回異常終了したようです。autosave.zlkを読み込みます。")));
    EXPECT_TRUE(notice.contains(Data("autosave-2.zlk")));
    EXPECT_EQ(Figure().NumberOfLines(), 16);
    EXPECT_TRUE(Figure().IsDirty());
    bool offered = false;
    for (int i = 0; i < 5; ++i) {
        offered = offered || AppData().GetHistory(i) == Data("autosave-2.zlk");
    }
    EXPECT_TRUE(offered) << "one click away in the recent-file list";
}

// A recovery file of a copy that ran in another slot is taken over by the next start.
TEST_F(FeatureMeetings, ALoneRecoveryFileOfAnotherSlotIsAdopted) {
    bootInSetUp = false;
    app.reset();
    WriteFigure(Data("autosave-3.zlk"), "0 0 0 1\r\n0 0 0 4 4 4\r\nthird\r\n");
    Boot();
    EXPECT_TRUE(dialogs.MessageTexts().contains(
        QStringLiteral("前回異常終了したようです。autosave-3.zlkを読み込みます。")));
    EXPECT_EQ(Figure().NumberOfLines(), 1);
    EXPECT_EQ(AppData().FileName(), Data("autosave.zlk"));
    EXPECT_FALSE(QFile::exists(Data("autosave-3.zlk")));
    EXPECT_EQ(CopySlots::AutosaveName(1), QStringLiteral("autosave.zlk"));
}

// Lines a load leaves out are told before the next save makes it final.
TEST_F(FeatureMeetings, ALoadSaysHowManyLinesItLeftOut) {
    WriteFigure(Data("odd.zlk"), "0 0 0 4\r\n0 0 0 5 5 5\r\n1 1 1 1 1 1\r\n5 5 5 0 0 0\r\n"
                                 "0 0 0 1 2 x\r\nodd\r\n");
    dialogs.ChooseFile(Data("odd.zlk"));
    Send("LOAD");
    EXPECT_EQ(Figure().NumberOfLines(), 1);
    EXPECT_TRUE(Window().StatusText(1).contains(QStringLiteral("3 本")))
        << Window().StatusText(1).toStdString();
}

// The session manager asks for the data: it is written, and the program goes on.
TEST_F(FeatureMeetings, ASessionSaveKeepsTheProgramRunning) {
    DrawLines(1);
    Controller().CommitSession();
    EXPECT_EQ(quitCalls, 0);
    EXPECT_TRUE(dialogs.calls.isEmpty());
    CZelkData recovered;
    ASSERT_TRUE(recovered.LoadData(Data("autosave.zlk")));
    EXPECT_EQ(recovered.NumberOfLines(), 16);
    EXPECT_TRUE(QFile::exists(programDir.filePath("ZelkWin33.ini")));
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_TRUE(Send("TURN_UP")) << "still running";
}

// The front, top and side panes show the figure that is loaded: they are taken again
// whenever another figure comes (open, recent, new, its undo), and only then.
TEST_F(FeatureMeetings, TheThreeViewPanesShowTheFigureThatIsLoaded) {
    const QString a = Data("a.zlk");
    const QString b = Data("b.zlk");
    WriteFigure(a, "0 0 0 1\r\n0 0 0 80 0 0\r\na\r\n");
    WriteFigure(b, "0 0 0 2\r\n0 0 0 0 60 0\r\n0 0 0 0 0 40\r\nb\r\n");
    dialogs.ChooseFile(b);
    Send("LOAD");
    dialogs.ChooseFile(a);
    Send("LOAD");
    Send("THIRD_ANGLE_PROJECTION_METHOD");
    ASSERT_TRUE(AppData().ThirdAngleProjectionMethodMode());
    const std::vector<QImage> ofA = Panes();
    ASSERT_EQ(ofA, FreshPanes());

    // From the recent list (b is second there).
    Send("LOAD_RECENT_1");
    ASSERT_EQ(Figure().Comment(), QStringLiteral("b"));
    const int16_t longitude = AppData().Longitude();
    const std::vector<QImage> shown = Panes();
    const std::vector<QImage> ofB = FreshPanes();
    ASSERT_NE(ofB, ofA);
    EXPECT_EQ(shown, ofB) << "the panes show the figure loaded";
    EXPECT_EQ(AppData().Longitude(), longitude);

    // A line drawn changes the figure, not the panes' picture of it.
    Send("DRAW_MODE");
    Send("APPLY");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    ASSERT_EQ(Figure().NumberOfLines(), 3);
    EXPECT_EQ(Panes(), ofB);

    // A new figure, and its undo.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("NEW_FIGURE");
    ASSERT_EQ(Figure().NumberOfLines(), 0);
    const std::vector<QImage> empty = Panes();
    EXPECT_EQ(empty, FreshPanes());
    EXPECT_NE(empty, ofB);
    Send("UNDO");
    ASSERT_EQ(Figure().NumberOfLines(), 3);
    const std::vector<QImage> back = Panes();
    EXPECT_EQ(back, FreshPanes());
    EXPECT_NE(back, empty);
}

} // namespace
