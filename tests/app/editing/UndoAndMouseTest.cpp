// Undo and redo of every kind of change, and the mouse in the view, driven by real
// QTest events on the offscreen window.
#include "AppFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>
#include <functional>
#include <limits>

namespace {

class UndoAndMouse : public AppFixture {
protected:
    QString Title() { return Window().windowTitle(); }
    bool Changed() { return Title().endsWith(QStringLiteral("変更あり")); }
    QAction* UndoItem() { return Window().Action(QStringLiteral("mnuUndo")); }
    QAction* RedoItem() { return Window().Action(QStringLiteral("mnuRedo")); }
    // The pixel where a point of the figure is shown in the front view (longitude 0,
    // latitude 0: x to the right, y up, the middle of the figure's box in the middle).
    QPoint FrontPixel(float x, float y) {
        float maxPos[3];
        float minPos[3];
        NumberText::ToSingles(Figure().GetMaxPos(), maxPos, 3);
        NumberText::ToSingles(Figure().GetMinPos(), minPos, 3);
        const float ratio = AppData().Ratio();
        const double cx = (maxPos[0] + minPos[0]) / 2.0;
        const double cy = (maxPos[1] + minPos[1]) / 2.0;
        // The picture spans the control's scale width and height at the zoom ratio.
        const double w = View().ViewImage().width();
        const double h = View().ViewImage().height();
        const double px = (x - cx) * ratio * w / View().ControlScaleWidth() + w / 2.0;
        const double py = -(y - cy) * ratio * h / View().ControlScaleHeight() + h / 2.0;
        return QPoint(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
    }
    // A small figure in the front view, loaded (so the history starts clean).
    void LoadSquareInFront() {
        WriteFigure(Data("square.zlk"), "0 0 0 2\r\n0 0 0 80 0 0\r\n80 0 0 80 40 0\r\nsquare\r\n");
        AppData().SetFileName(Data("square.zlk"));
        ASSERT_TRUE(Controller().LoadFigureFile(Data("square.zlk")));
        Send("FRONT_VIEW");
        ASSERT_EQ(AppData().Longitude(), 0);
        ASSERT_EQ(AppData().Latitude(), 0);
    }
};

// Lines drawn with the pointers, the tail deleted, a new figure: each undone and redone
// in order, the line list exact, the changed mark following the history.
TEST_F(UndoAndMouse, DrawingChangesUndoAndRedoInOrder) {
    LoadSquareInFront();
    const QStringList loaded = Lines();
    EXPECT_FALSE(Changed());
    EXPECT_FALSE(UndoItem()->isEnabled());
    EXPECT_FALSE(Window().ToolBarButton("cmdUndo")->isEnabled());

    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY"); // (0,0,0)-(0,10,0)
    const QStringList oneMore = Lines();
    ASSERT_EQ(oneMore.size(), 3);
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(UndoItem()->isEnabled());
    EXPECT_EQ(UndoItem()->text(), QStringLiteral("元に戻す (線の追加)"));
    EXPECT_EQ(UndoItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));

    Send("DEL_TAIL"); // the line just drawn goes again
    EXPECT_EQ(Lines(), loaded);
    EXPECT_EQ(UndoItem()->text(), QStringLiteral("元に戻す (線の削除)"));

    EXPECT_TRUE(Send("UNDO"));
    EXPECT_EQ(Lines(), oneMore);
    EXPECT_TRUE(Send("UNDO"));
    EXPECT_EQ(Lines(), loaded);
    EXPECT_FALSE(Changed()) << "back at the state last loaded";
    EXPECT_EQ(AppData().PointerFromY(), 0) << "the pointers came back too";
    EXPECT_FALSE(UndoItem()->isEnabled());
    EXPECT_TRUE(RedoItem()->isEnabled());
    EXPECT_EQ(RedoItem()->text(), QStringLiteral("やり直し (線の追加)"));

    RedoItem()->trigger();
    EXPECT_EQ(Lines(), oneMore);
    EXPECT_TRUE(Changed());
    EXPECT_EQ(AppData().PointerFromY(), 10);
    Window().ToolBarButton("cmdRedo")->click();
    EXPECT_EQ(Lines(), loaded);

    // A new figure can be undone; the empty figure counts as unchanged.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("NEW_FIGURE");
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(Changed());
    Send("UNDO");
    EXPECT_EQ(Lines(), loaded);
    EXPECT_EQ(Figure().Comment(), QStringLiteral("square"));
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(RedoItem()->text().isEmpty());

    // Loading starts a fresh history.
    ASSERT_TRUE(Controller().LoadFigureFile(Data("square.zlk")));
    EXPECT_FALSE(UndoItem()->isEnabled());
    EXPECT_FALSE(RedoItem()->isEnabled());
}

// Undoing a new figure brings back the file it replaced: its name, and the changed mark as
// it was; redo empties the figure again, unnamed and unchanged. Further steps back and
// forth still know which state is the saved one.
TEST_F(UndoAndMouse, UndoOfANewFigureBringsBackTheFileAndItsMark) {
    LoadSquareInFront();
    const QString name = Data("square.zlk");
    const QStringList loaded = Lines();
    Send("NEW_FIGURE");
    EXPECT_TRUE(AppData().FileName().isEmpty());
    EXPECT_FALSE(Changed());
    Send("UNDO");
    EXPECT_EQ(Lines(), loaded);
    EXPECT_EQ(AppData().FileName(), name);
    EXPECT_TRUE(Title().contains(QStringLiteral("square.zlk"))) << Title().toStdString();
    EXPECT_FALSE(Changed()) << "the lines are those of the file";
    Send("REDO");
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_TRUE(AppData().FileName().isEmpty());
    EXPECT_FALSE(Changed());

    // A changed figure replaced: undo says it is changed; one more undo reaches the file.
    Send("UNDO");
    Send("DRAW_MODE");
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY");
    ASSERT_TRUE(Changed());
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("NEW_FIGURE");
    EXPECT_FALSE(Changed());
    Send("UNDO");
    EXPECT_EQ(AppData().FileName(), name);
    EXPECT_TRUE(Changed());
    Send("UNDO");
    EXPECT_EQ(Lines(), loaded);
    EXPECT_FALSE(Changed()) << "back at the state in the file";
    Send("REDO");
    Send("REDO");
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(AppData().FileName().isEmpty());
}

// Undoing every step, then redoing every step, passes back through each state exactly:
// lines, comment, file name and changed mark, for every kind of step.
TEST_F(UndoAndMouse, UndoAllThenRedoAllRetracesEveryState) {
    LoadSquareInFront();
    struct State {
        QStringList lines;
        QString comment;
        QString name;
        bool changed;
        bool operator==(const State&) const = default;
    };
    const auto now = [this] {
        return State{Lines(), Figure().Comment(), AppData().FileName(), Changed()};
    };
    std::vector<State> states{now()};
    const auto step = [&](const std::function<void()>& action) {
        action();
        states.push_back(now());
    };
    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    step([this] {
        Send("APPLY");
        Send("POINTER_MOVE_Z");
        Send("APPLY");
    });                                 // a line drawn
    step([this] { Send("DEL_TAIL"); }); // taken back
    step([this] {
        Send("APPLY");
        Send("POINTER_MOVE_Y");
        Send("APPLY");
    });
    step([this] {
        dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
        Send("NEW_FIGURE");
    });
    step([this] {
        Send("APPLY");
        Send("POINTER_MOVE_X");
        Send("APPLY");
    });
    step([this] {
        Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
        AppData().SetProIF_LineNumber(1);
        const QStringList typed{"1", "2", "3", "4", "5", "6"};
        for (int i = 0; i < 6; ++i) {
            Window().PosField(i)->setText(typed[i]);
        }
        Ctx().proController->SetCommand(QStringLiteral("APPLY_LINE")); // inserted
    });
    step([this] {
        AppData().SetProIF_LineNumber(2);
        dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
        Ctx().proController->SetCommand(QStringLiteral("DELETE_LINE")); // deleted
    });
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_FALSE(states[i] == states[i - 1]) << "step " << i << " changed nothing";
    }
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(Send("UNDO"));
        EXPECT_TRUE(now() == states[i - 1]) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(UndoItem()->isEnabled());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(Send("REDO"));
        EXPECT_TRUE(now() == states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(RedoItem()->isEnabled());
}

TEST_F(UndoAndMouse, DetailedInputChangesUndoAndRedo) {
    LoadSquareInFront();
    const QStringList loaded = Lines();
    Send("DRAW_MODE");
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    AppData().SetProIF_LineNumber(1);
    const QStringList typed{"1", "2", "3", "4", "5", "6"}; // from 1,3,5 to 2,4,6
    for (int i = 0; i < 6; ++i) {
        Window().PosField(i)->setText(typed[i]);
    }
    Ctx().proController->SetCommand(QStringLiteral("APPLY_LINE"));
    ASSERT_EQ(Lines().size(), 3);
    EXPECT_EQ(Figure().GetLine(1), QStringLiteral("1,3,5,2,4,6"));
    EXPECT_EQ(UndoItem()->text(), QStringLiteral("元に戻す (線の挿入)"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    AppData().SetProIF_LineNumber(3);
    Ctx().proController->SetCommand(QStringLiteral("DELETE_LINE"));
    ASSERT_EQ(Lines().size(), 2);

    Send("UNDO");
    EXPECT_EQ(Lines().size(), 3);
    EXPECT_EQ(Figure().GetLine(3), loaded[1]);
    Send("UNDO");
    EXPECT_EQ(Lines(), loaded);
    EXPECT_FALSE(Changed());
    EXPECT_EQ(Window().LineNumberLabel()->text().right(3), QStringLiteral("/ 2"));
    Send("REDO");
    Send("REDO");
    EXPECT_EQ(Lines().size(), 2);
    EXPECT_EQ(Figure().GetLine(1), QStringLiteral("1,3,5,2,4,6"));
}

// The shortcuts reach undo and redo, and clash with none of the drawing keys.
TEST_F(UndoAndMouse, CtrlUAndCtrlRUndoAndRedo) {
    LoadSquareInFront();
    const QStringList loaded = Lines();
    Send("DRAW_MODE");
    Window().activateWindow();
    QApplication::processEvents();
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Window(), key, modifiers);
    };
    press(Qt::Key_Return, Qt::NoModifier);
    press(Qt::Key_Y, Qt::NoModifier);
    press(Qt::Key_Return, Qt::NoModifier);
    ASSERT_EQ(Lines().size(), 3);
    press(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Lines(), loaded);
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Lines().size(), 3);
    // Ctrl+Z still moves the pointer ten steps.
    const int z = AppData().PointerFromZ();
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(AppData().PointerFromZ(), z + 10 * AppData().UnitLength());
    EXPECT_EQ(Lines().size(), 3);
}

// The history is bounded, so memory stays small: after 1001 lines, undo takes back the
// last 1000 and the first line stays.
TEST_F(UndoAndMouse, HistoryKeepsAtMostAThousandSteps) {
    Send("NEW_FIGURE");
    Send("DRAW_MODE");
    Send("DIFFICULTY_SUPER_SPECIAL");
    for (int i = 0; i < 1001; ++i) {
        Send("APPLY");
        Send(i % 2 == 0 ? "POINTER_MOVE_X" : "POINTER_MOVE_Y");
        Send("APPLY");
    }
    ASSERT_EQ(Figure().NumberOfLines(), 1001);
    int undone = 0;
    while (UndoItem()->isEnabled() && undone < 2000) {
        Send("UNDO");
        ++undone;
    }
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(Figure().NumberOfLines(), 1);
}

TEST_F(UndoAndMouse, DraggingTurnsByWholeDegreesWithoutCues) {
    const int cues = static_cast<int>(sound.cues.size());
    const QPoint start(200, 150);
    QTest::mousePress(&View(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&View(), start + QPoint(15, 0));
    QTest::mouseMove(&View(), start + QPoint(30, -20));
    QTest::mouseRelease(&View(), Qt::LeftButton, Qt::NoModifier, start + QPoint(30, -20));
    EXPECT_EQ(AppData().Longitude(), -45 + 30);
    EXPECT_EQ(AppData().Latitude(), 35 - 20);
    EXPECT_EQ(Window().StatusText(2), QStringLiteral("視点の角度[-15° , 15°]"));
    EXPECT_EQ(static_cast<int>(sound.cues.size()), cues) << "no burst of cues";

    // Past the limits the angles wrap as the turning commands wrap them.
    QTest::mousePress(&View(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&View(), start + QPoint(0, 170));
    QTest::mouseRelease(&View(), Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 170));
    EXPECT_EQ(AppData().Latitude(), 15 + 170 - 360);
}

// The near side follows the hand: from the front, a line pointing at the viewer shows its
// near end to the right after a drag to the right, and below after a drag down.
TEST_F(UndoAndMouse, TheNearSideFollowsTheDrag) {
    WriteFigure(Data("rod.zlk"), "0 0 0 1\r\n0 0 0 0 0 100\r\nrod\r\n");
    ASSERT_TRUE(Controller().LoadFigureFile(Data("rod.zlk")));
    // The drawn pixel farthest along a direction, and the corner found there.
    const auto endAlong = [this](QPoint direction) {
        const QImage& picture = View().ViewImage();
        const QRgb back = picture.pixel(0, 0);
        QPoint best(-1, -1);
        int bestScore = std::numeric_limits<int>::min();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int score = x * direction.x() + y * direction.y();
                if (picture.pixel(x, y) != back && score > bestScore) {
                    bestScore = score;
                    best = QPoint(x, y);
                }
            }
        }
        return View().NearestCorner(best.x(), best.y(), 6);
    };
    const QPoint start(200, 150);
    for (const QPoint drag : {QPoint(25, 0), QPoint(0, 25)}) {
        Send("FRONT_VIEW");
        QTest::mousePress(&View(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&View(), start + drag / 2);
        QTest::mouseMove(&View(), start + drag);
        QTest::mouseRelease(&View(), Qt::LeftButton, Qt::NoModifier, start + drag);
        EXPECT_EQ(endAlong(drag), QStringLiteral("0,0,100")) << drag.x() << "," << drag.y();
        EXPECT_EQ(endAlong(-drag), QStringLiteral("0,0,0")) << drag.x() << "," << drag.y();
    }
}

TEST_F(UndoAndMouse, TheWheelZoomsOneStepANotch) {
    const auto wheel = [this](int delta) {
        QWheelEvent event(QPointF(100, 100), View().mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
    };
    const float ratio = AppData().Ratio();
    wheel(120);
    EXPECT_FLOAT_EQ(AppData().Ratio(), static_cast<float>(ratio + ratio * 0.1));
    const float once = AppData().Ratio();
    wheel(60); // half a notch: nothing yet
    EXPECT_FLOAT_EQ(AppData().Ratio(), once);
    wheel(60);
    EXPECT_GT(AppData().Ratio(), once);
    const float twice = AppData().Ratio();
    wheel(-120);
    EXPECT_LT(AppData().Ratio(), twice);
}

TEST_F(UndoAndMouse, ClickingACornerMovesTheCurrentPointer) {
    LoadSquareInFront();
    Send("DRAW_MODE");
    AppData().SetRatio(AppData().Ratio()); // as loaded
    View().Draw();
    // Ten pixels away: nothing.
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(80, 40) + QPoint(10, 0));
    EXPECT_EQ(AppData().PointerFromX(), 0);
    // Within six pixels of (80,40,0): the "from" pointer goes there, as if stepped.
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(80, 40) + QPoint(3, 2));
    EXPECT_EQ(AppData().PointerFromX(), 80);
    EXPECT_EQ(AppData().PointerFromY(), 40);
    EXPECT_EQ(View().PointerFrom(), QStringLiteral("80,40,0"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("ポインタの位置 【 80 , 40 , 0 】"));

    // With the "to" pointer current, the click moves that one and the rubber band.
    Send("APPLY");
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(0, 0));
    EXPECT_EQ(AppData().PointerToX(), 0);
    EXPECT_EQ(AppData().PointerToY(), 0);
    EXPECT_EQ(AppData().PointerFromX(), 80);
    Send("APPLY"); // the diagonal (80,40,0)-(0,0,0)
    EXPECT_EQ(Figure().NumberOfLines(), 3);
}

TEST_F(UndoAndMouse, ClickingALineSelectsIt) {
    LoadSquareInFront();
    // Viewing mode: the line is highlighted and told in the status bar.
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(40, 0) + QPoint(0, 2));
    EXPECT_EQ(View().HighlightedLine(), 1);
    EXPECT_TRUE(Window().StatusText(1).startsWith(QStringLiteral("線 1 / 2")))
        << Window().StatusText(1).toStdString();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(40, 20));
    EXPECT_EQ(View().HighlightedLine(), 0) << "nothing near: the highlight goes";

    // With the detailed-input panel the line becomes the panel's line.
    Send("DRAW_MODE");
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, FrontPixel(80, 20) + QPoint(-3, 0));
    EXPECT_EQ(AppData().ProIF_LineNumber(), 2);
    EXPECT_EQ(Window().LineNumberScrollBar()->value(), 2);
    EXPECT_EQ(Window().PosField(0)->text(), QStringLiteral("80"));
    EXPECT_EQ(Window().PosField(3)->text(), QStringLiteral("40"));
}

} // namespace
