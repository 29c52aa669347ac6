// The difficulty levels, window sizes and keys, one row each.
#include "AppFixture.h"
#include "ZelkStates.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

// The levels as the user knows them: command, step, space, menu item and its caption.
struct LevelRow {
    const char* command;
    int step;
    int space;
    const char* menuItem;
    const char* caption;
};

class Levels : public AppFixture, public ::testing::WithParamInterface<LevelRow> {};

// Each level's menu item sets its step and space, is checked alone, and in drawing mode
// fits the space to the view.
TEST_P(Levels, CommandSetsStepSpaceAndCheckMark) {
    const LevelRow& level = GetParam();
    Send("DRAW_MODE");
    Window().Action(QString::fromLatin1(level.menuItem))->trigger();
    EXPECT_EQ(AppData().UnitLength(), level.step);
    EXPECT_EQ(AppData().MaxSize(), level.space);
    EXPECT_EQ(AppData().Difficulty(), QLatin1String(level.command));
    EXPECT_FLOAT_EQ(AppData().Ratio(), static_cast<float>(View().ControlScaleHeight()) /
                                           static_cast<float>(level.space * 2));
    for (const char* item :
         {"mnuBeginner", "mnuMidClass", "mnuSenior", "mnuSpecial", "mnuSuperSpecial"}) {
        EXPECT_EQ(Window().Action(QString::fromLatin1(item))->isChecked(),
                  std::string(item) == level.menuItem)
            << item;
    }
    EXPECT_EQ(Window().Action(QString::fromLatin1(level.menuItem))->text(),
              QString::fromUtf8(level.caption));
    // A pointer step moves by the level's step.
    Send("RETURN_POINTER_TO_ORIGIN");
    Send("POINTER_MOVE_X");
    EXPECT_EQ(AppData().PointerFromX(), level.step);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Levels,
    ::testing::Values(
        LevelRow{"DIFFICULTY_BEGINNER", 20, 100, "mnuBeginner",
                 "初級\u3000Step20mm\u3000MAX 100mm"},
        LevelRow{"DIFFICULTY_MIDIUM", 10, 200, "mnuMidClass", "中級\u3000Step10mm\u3000MAX 200mm"},
        LevelRow{"DIFFICULTY_SENIOR", 10, 1000, "mnuSenior", "上級\u3000Step10mm\u3000MAX1000mm"},
        LevelRow{"DIFFICULTY_SPECIAL", 5, 1000, "mnuSpecial", "特級\u3000Step 5mm\u3000MAX1000mm"},
        LevelRow{"DIFFICULTY_SUPER_SPECIAL", 1, 1000, "mnuSuperSpecial",
                 "超特級\u3000Step 1mm\u3000Max1000mm"}),
    [](const auto& info) { return std::string(info.param.command); });

struct SizeRow {
    const char* command;
    int width;
    int height;
    const char* menuItem;
};

class Sizes : public AppFixture, public ::testing::WithParamInterface<SizeRow> {};

TEST_P(Sizes, CommandSizesTheWindowAndChecksItsItem) {
    const SizeRow& size = GetParam();
    Window().Action(QString::fromLatin1(size.menuItem))->trigger();
    EXPECT_EQ(AppData().FormSize(), QLatin1String(size.command));
    EXPECT_EQ(Window().frameGeometry().size(), QSize(size.width, size.height));
    for (const char* item : {"mnuVAIOC1Size", "mnuNormalSize", "mnuExpansion1", "mnuExpansion2"}) {
        EXPECT_EQ(Window().Action(QString::fromLatin1(item))->isChecked(),
                  std::string(item) == size.menuItem)
            << item;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Sizes,
                         ::testing::Values(SizeRow{"800x400", 800, 400, "mnuVAIOC1Size"},
                                           SizeRow{"640x480", 640, 480, "mnuNormalSize"},
                                           SizeRow{"800x600", 800, 600, "mnuExpansion1"},
                                           SizeRow{"1024x768", 1024, 768, "mnuExpansion2"}),
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
