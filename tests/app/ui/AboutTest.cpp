#include "AppFixture.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

using About = AppFixture;

TEST_F(About, SplashAndVersionModes) {
    frmAbout version(sound, dialogs);
    const QString picture = Folder() + "/pic/ZelkVersion.bmp";
    EXPECT_TRUE(version.ShowWithModePicSound("VERSION", picture, Folder() + "/sound/Splash.wav"));
    EXPECT_TRUE(version.isVisible());
    EXPECT_EQ(version.size(), QSize(320, 240));
    EXPECT_EQ(version.OkButton()->geometry(), QRect(20, 200, 280, 30));
    EXPECT_TRUE(version.OkButton()->isVisible());
    EXPECT_EQ(version.Label(2)->geometry(), QRect(20, 183, 280, 15));
    EXPECT_FALSE(version.Label(0)->isVisible());
    EXPECT_EQ(version.windowTitle(), UserDialogs::ProgramTitle());
    // A dialog: nothing to minimise or maximise.
    EXPECT_FALSE(version.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(version.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(version.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(version.Picture().size(), QSize(320, 240));
    EXPECT_EQ(sound.cues.last(),
              (RecordingSoundBackend::Cue{Folder() + "/sound/Splash.wav", "SYNC"}));
    version.OkButton()->click();
    EXPECT_FALSE(version.isVisible());

    frmAbout splash(sound, dialogs);
    splash.ShowWithModePicSound("SPLASH", Folder() + "/pic/ZelkSplash.bmp", "x.wav");
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.OkButton()->isVisible());
    // The picture, read as the bitmap its name says, covers the window: what is painted
    // is the picture, with no background painted under it first.
    ASSERT_EQ(splash.Picture().size(), QSize(320, 240));
    EXPECT_TRUE(splash.testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage painted = splash.grab().toImage();
    const QImage shown = splash.Picture().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(160, 120), QPoint(319, 239)}) {
        EXPECT_EQ(painted.pixelColor(at), shown.pixelColor(at)) << at.x() << "," << at.y();
    }
    splash.Terminate();
    EXPECT_FALSE(splash.isVisible());

    const int cues = sound.cues.size();
    frmAbout other(sound, dialogs);
    other.ShowWithModePicSound("ABOUT", picture, "x.wav");
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(sound.cues.size(), cues);

    // A missing picture is told, and the dialog still comes up.
    const int messages = dialogs.calls.size();
    frmAbout broken(sound, dialogs);
    EXPECT_FALSE(broken.ShowWithModePicSound("VERSION", Folder() + "/pic/none.bmp", "x.wav"));
    EXPECT_TRUE(broken.isVisible());
    EXPECT_EQ(dialogs.calls.size(), messages + 1);
    EXPECT_FALSE(broken.testAttribute(Qt::WA_OpaquePaintEvent)) << "its background is painted";
}

TEST_F(About, VersionCommandOpensTheDialogBesideTheWindow) {
    EXPECT_TRUE(Send("SHOW_VERSION_DIALOG"));
    auto* dialog = Window().findChild<frmAbout*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->OkButton()->isVisible());
    dialog->OkButton()->click();
}

} // namespace
