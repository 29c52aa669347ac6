// The difficulty levels, window sizes and keys, one row each.
#include "AppFixture.h"
#include "ZelkStates.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

class Levels : public AppFixture, public ::testing::WithParamInterface<DifficultyEntry> {};

// Each level's command sets its step and space, checks its menu item alone, and in
// drawing mode fits the space to the view.
TEST_P(Levels, CommandSetsStepSpaceAndCheckMark) {
    const DifficultyEntry& level = GetParam();
    Send("DRAW_MODE");
    EXPECT_TRUE(Controller().SetCommand(QString::fromLatin1(level.command)));
    EXPECT_EQ(AppData().UnitLength(), level.step);
    EXPECT_EQ(AppData().MaxSize(), level.space);
    EXPECT_EQ(AppData().Difficulty(), QLatin1String(level.command));
    EXPECT_FLOAT_EQ(AppData().Ratio(), static_cast<float>(View().ControlScaleHeight()) /
                                           static_cast<float>(level.space * 2));
    Window().SetDifficulty(level.level);
    for (const DifficultyEntry& other : ZelkStates::Levels()) {
        EXPECT_EQ(Window().Action(QString::fromLatin1(other.menuItem))->isChecked(),
                  other.level == level.level)
            << other.menuItem;
    }
    EXPECT_EQ(Window().Action(QString::fromLatin1(level.menuItem))->text(),
              QString::fromUtf8(level.caption));
}

INSTANTIATE_TEST_SUITE_P(Table, Levels,
                         ::testing::ValuesIn(ZelkStates::Levels().begin(),
                                             ZelkStates::Levels().end()),
                         [](const auto& info) { return std::string(info.param.command); });

class Sizes : public AppFixture, public ::testing::WithParamInterface<FormSizeEntry> {};

TEST_P(Sizes, CommandSizesTheWindowAndChecksItsItem) {
    const FormSizeEntry& size = GetParam();
    EXPECT_TRUE(Controller().SetCommand(QString::fromLatin1(size.command)));
    EXPECT_EQ(AppData().FormSize(), QLatin1String(size.command));
    EXPECT_EQ(Window().frameGeometry().size(), QSize(size.width, size.height));
    for (const FormSizeEntry& other : ZelkStates::FormSizes()) {
        EXPECT_EQ(Window().Action(QString::fromLatin1(other.menuItem))->isChecked(),
                  &other == &size || QLatin1String(other.command) == QLatin1String(size.command));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Sizes,
                         ::testing::ValuesIn(ZelkStates::FormSizes().begin(),
                                             ZelkStates::FormSizes().end()),
                         [](const auto& info) {
                             std::string name = info.param.command;
                             return "size_" + name;
                         });

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool drawing;
    // Expected change of the "from" pointer's x and of the longitude.
    int fromX;
    int longitude;
};

class KeyMap : public AppFixture, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyMap, KeyDoesWhatTheTableSays) {
    const KeyRow& row = GetParam();
    Send("DIFFICULTY_MIDIUM");
    if (row.drawing) {
        Send("DRAW_MODE");
    }
    AppData().SetPointerFromX(100);
    const int x = AppData().PointerFromX();
    const int longitude = AppData().Longitude();
    // Keys go where the user's keys go: to the widget with the focus.
    Window().activateWindow();
    QApplication::processEvents();
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : &Window(), row.key, row.modifiers);
    EXPECT_EQ(AppData().PointerFromX() - x, row.fromX);
    EXPECT_EQ(AppData().Longitude() - longitude, row.longitude);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyMap,
    ::testing::Values(KeyRow{"x_viewing", Qt::Key_X, Qt::NoModifier, false, 0, 0},
                      KeyRow{"x", Qt::Key_X, Qt::NoModifier, true, 10, 0},
                      KeyRow{"shift_x", Qt::Key_X, Qt::ShiftModifier, true, -10, 0},
                      KeyRow{"ctrl_x", Qt::Key_X, Qt::ControlModifier, true, 100, 0},
                      KeyRow{"ctrl_shift_x", Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier,
                             true, -100, 0},
                      KeyRow{"alt_x", Qt::Key_X, Qt::AltModifier, true, 0, 0},
                      KeyRow{"left_viewing", Qt::Key_Left, Qt::NoModifier, false, 0, 5},
                      KeyRow{"right_drawing", Qt::Key_Right, Qt::NoModifier, true, 0, -5},
                      KeyRow{"shift_left", Qt::Key_Left, Qt::ShiftModifier, true, 0, 5}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
