#include "AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

class Keys : public AppFixture {
protected:
    // Keys go where the user's keys go: to the widget with the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Window(), key, modifiers);
    }
    int FromX() { return AppData().PointerFromX(); }
};

TEST_F(Keys, ViewingModeTurnsButDoesNotDraw) {
    Press(Qt::Key_Left);
    EXPECT_EQ(AppData().Longitude(), -40);
    Press(Qt::Key_Up);
    EXPECT_EQ(AppData().Latitude(), 40);
    Press(Qt::Key_X);
    Press(Qt::Key_Return);
    EXPECT_EQ(FromX(), 0);
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("FROM"));
    Press(Qt::Key_Space);
    EXPECT_TRUE(Window().TurningTimer()->isActive());
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Window().TurningTimer()->isActive());
}

TEST_F(Keys, KeysArrivingWhileAFigureDrawsAreAllHandledInOrder) {
    // A figure large enough that every turn takes a while to draw.
    Figure().ClearData();
    for (int i = 0; i < 6000; ++i) {
        Figure().AddLine(
            CLine{float(i % 97), float(i / 97), 0, float(i % 89), 0, float(i % 13 + 1)});
    }
    Send("REDRAW");
    Window().show();
    Window().activateWindow();
    QApplication::processEvents();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Window();
    const int cues = CountCues("Turn.wav");
    // Queued at once, as a held key repeats faster than a turn draws: every press is
    // already waiting when the first one's command lets events run.
    for (int i = 0; i < 30; ++i) {
        const Qt::Key key = i < 20 ? Qt::Key_Left : Qt::Key_Up;
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    }
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(CountCues("Turn.wav") - cues, 30) << "every press turns the figure";
    EXPECT_EQ(AppData().Longitude(), -45 + 20 * 5);
    EXPECT_EQ(AppData().Latitude(), 35 + 10 * 5);

    // A key typed into a field while a command runs still reaches the field afterwards.
    Send("DRAW_MODE");
    Send("PRO_INTERFACE_CHANGE");
    QApplication::processEvents();
    QLineEdit* field = Window().PosField(0);
    field->setFocus();
    field->clear();
    QApplication::processEvents();
    QCoreApplication::postEvent(field,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    QCoreApplication::postEvent(field,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(field->text(), QStringLiteral("7"));
}

TEST_F(Keys, DrawingModeMovesThePointerWithShiftCtrlAndNotAlt) {
    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    Press(Qt::Key_X);
    EXPECT_EQ(FromX(), 10);
    Press(Qt::Key_X, Qt::ShiftModifier);
    EXPECT_EQ(FromX(), 0);
    const int cues = CountCues("Turn.wav");
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(FromX(), 100);
    EXPECT_EQ(CountCues("Turn.wav"), cues + 10) << "ten separate commands";
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(AppData().PointerFromZ(), 0);
    Press(Qt::Key_Y, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(AppData().PointerFromY(), 0) << "clamped at 0";
    for (Qt::KeyboardModifiers alt :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier,
          Qt::AltModifier | Qt::ControlModifier}) {
        Press(Qt::Key_X, alt);
        EXPECT_EQ(FromX(), 100);
    }
    Press(Qt::Key_Left);
    EXPECT_EQ(FromX(), 100) << "arrows turn, they do not move the pointer";
    EXPECT_EQ(AppData().Longitude(), -40);

    const int32_t lines = Figure().NumberOfLines();
    Press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(AppData().DrawingCondition(), QStringLiteral("TO"));
    Press(Qt::Key_Y);
    Press(Qt::Key_Return);
    EXPECT_EQ(Figure().NumberOfLines(), lines + 1);
    Press(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(Figure().NumberOfLines(), lines);
    Press(Qt::Key_O);
    EXPECT_EQ(FromX(), 0);
}

TEST_F(Keys, DetailedInputLeavesOnlyTheTurningKeys) {
    Send("DRAW_MODE");
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    ASSERT_TRUE(AppData().ProInterface());
    const int fromX = FromX();
    Press(Qt::Key_X);
    EXPECT_EQ(FromX(), fromX);
    Press(Qt::Key_Right);
    EXPECT_EQ(AppData().Longitude(), -50);

    // A field of the panel keeps its keys: Down there turns nothing, a digit is typed.
    Window().activateWindow();
    Window().PosField(3)->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), Window().PosField(3));
    const int latitude = AppData().Latitude();
    QTest::keyClick(Window().PosField(3), Qt::Key_Down);
    EXPECT_EQ(AppData().Latitude(), latitude);
    QTest::keyClick(Window().PosField(3), Qt::Key_7);
    EXPECT_TRUE(Window().PosField(3)->text().contains(u'7'));
    // Esc hands the keys back: Down turns the figure again.
    QTest::keyClick(Window().PosField(3), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(AppData().Latitude(), 30);
}

} // namespace
