#include "AppFixture.h"

#include <QAction>
#include <QLabel>

namespace {

using Dispatcher = AppFixture;

const QString kTitle = UserDialogs::ProgramTitle();

TEST_F(Dispatcher, UnknownCommandsReturnFalseAndStillRefreshTheTitle) {
    EXPECT_EQ(Window().windowTitle(), kTitle + "[]") << "the unnamed built-in figure";
    for (const char* unknown : {"view_mode", "VIEW_MODE ", "LOAD_RECENT_5", "", "FOO"}) {
        Window().setWindowTitle(QStringLiteral("stale"));
        EXPECT_FALSE(Send(unknown)) << unknown;
        EXPECT_EQ(Window().windowTitle(), kTitle + "[]") << unknown;
    }
    EXPECT_TRUE(Send("REDRAW"));
}

TEST_F(Dispatcher, TitleShowsTheFileNameAndTheChangedMark) {
    Figure().AddLine(QStringLiteral("0,0,0,1,2,3"));
    Send("REDRAW");
    EXPECT_EQ(Window().windowTitle(),
              QStringLiteral("超簡易3D editor 立体ゼルク Version 3.3[] 変更あり"));
    AppData().SetFileName(QStringLiteral("/work/house.zlk"));
    Send("REDRAW");
    EXPECT_EQ(Window().windowTitle(), kTitle + "[/work/house.zlk] 変更あり");
    Figure().SetDirty(false);
    Send("REDRAW");
    EXPECT_EQ(Window().windowTitle(), kTitle + "[/work/house.zlk]");
}

TEST_F(Dispatcher, WindowSizeCommandEndsTheThreeViewLayout) {
    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_TRUE(AppData().ThirdAngleProjectionMethodMode());
    EXPECT_TRUE(Window().FrontView()->isVisible());
    EXPECT_FALSE(Window().FrontView()->pixmap().isNull());

    EXPECT_TRUE(Send("1024x768"));
    EXPECT_FALSE(AppData().ThirdAngleProjectionMethodMode());
    EXPECT_FALSE(Window().FrontView()->isVisible());
    EXPECT_TRUE(Window().TopView()->pixmap().isNull());
    EXPECT_EQ(AppData().FormSize(), QStringLiteral("1024x768"));
    EXPECT_EQ(Window().GetFormSize(), QStringLiteral("1024x768"));
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuExpansion2"))->isChecked());
    EXPECT_FALSE(Window().Action(QStringLiteral("mnuVAIOC1Size"))->isChecked());
    EXPECT_EQ(View().x(), 0);
    EXPECT_EQ(View().ControlWidth(), Window().ScaleWidth() - 150);
    EXPECT_EQ(View().ControlScaleWidth(), 1024 - 150);
}

TEST_F(Dispatcher, RecentMenuShowsTheFilledPlaces) {
    QAction* separator = Window().Action(QStringLiteral("mnuFileHyphenForThumbNail"));
    EXPECT_FALSE(separator->isVisible()) << "empty list";
    AppData().SetHistory(0, QStringLiteral("/d/a.zlk"));
    AppData().SetHistory(1, QStringLiteral("/d/b.zlk"));
    Controller().UpdateRecentMenu();
    EXPECT_TRUE(separator->isVisible());
    EXPECT_EQ(Window().RecentItem(1)->text(), QStringLiteral("/d/b.zlk"));
    EXPECT_TRUE(Window().RecentItem(1)->isVisible());
    EXPECT_FALSE(Window().RecentItem(2)->isVisible());
}

} // namespace
