#include "AppFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cmath>
#include <functional>

namespace {

using ViewCommands = AppFixture;

TEST_F(ViewCommands, StandardViewTurnsInStepsWithADrawEach) {
    ASSERT_EQ(AppData().Longitude(), -45);
    ASSERT_EQ(AppData().Latitude(), 35);
    QList<std::pair<int, int>> before;
    sound.onCue = [this, &before](const RecordingSoundBackend::Cue& cue) {
        if (cue.file.endsWith(QLatin1String("Turn.wav"))) {
            before.append({AppData().Longitude(), AppData().Latitude()});
        }
    };
    const QImage start = View().ViewImage();
    EXPECT_TRUE(Send("FRONT_VIEW"));
    sound.onCue = nullptr;
    ASSERT_EQ(before.size(), 9) << "nine steps";
    EXPECT_EQ(before[6], std::make_pair(-15, 5)) << "before the seventh step";
    EXPECT_EQ(before[7], std::make_pair(-10, 0)) << "latitude 0 after seven steps";
    EXPECT_EQ(AppData().Longitude(), 0);
    EXPECT_EQ(AppData().Latitude(), 0);
    EXPECT_EQ(Window().StatusText(2), QStringLiteral("視点の角度[0° , 0°]"));
    EXPECT_NE(View().ViewImage(), start);

    // Already there: no step, no cue.
    const int cues = sound.cues.size();
    EXPECT_TRUE(Send("FRONT_VIEW"));
    EXPECT_EQ(sound.cues.size(), cues);
}

// Counts the paints of a widget and what the settings said at each.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

TEST_F(ViewCommands, EveryStepOfAStandardViewReachesTheScreenWithoutOtherEventsRunning) {
    Window().show();
    QApplication::processEvents();
    ASSERT_TRUE(View().isVisible());
    QList<std::pair<int, int>> painted;
    QList<qint64> paintedAt;
    QElapsedTimer clock;
    clock.start();
    PaintCounter counter([&] {
        painted.append({AppData().Longitude(), AppData().Latitude()});
        paintedAt.append(clock.nsecsElapsed());
    });
    View().installEventFilter(&counter);
    bool otherEventRan = false;
    QTimer::singleShot(0, [&] { otherEventRan = true; });
    EXPECT_TRUE(Send("FRONT_VIEW"));
    EXPECT_FALSE(otherEventRan) << "the turn lets no other event run";
    View().removeEventFilter(&counter);
    // Each of the nine steps was on the screen at its own angle, the last at 0°, 0°.
    QList<std::pair<int, int>> distinct;
    for (const auto& angle : painted) {
        if (distinct.isEmpty() || distinct.last() != angle) {
            distinct.append(angle);
        }
    }
    ASSERT_GE(distinct.size(), 9);
    EXPECT_EQ(distinct[distinct.size() - 9], std::make_pair(-40, 30));
    EXPECT_EQ(distinct.last(), std::make_pair(0, 0));
    QApplication::processEvents();
    EXPECT_TRUE(otherEventRan);

    // Paced so that the eye follows: each step stays on the screen about a display frame,
    // the eight steps after the first together at least eight times that.
    const qint64 pace = CZelkController::kWalkStepMilliseconds * qint64{1000000};
    QList<qint64> firstPaintOfStep;
    for (qsizetype i = 0; i < painted.size(); ++i) {
        if (i == 0 || painted[i] != painted[i - 1]) {
            firstPaintOfStep.append(paintedAt[i]);
        }
    }
    const qsizetype n = firstPaintOfStep.size();
    for (qsizetype i = n - 8; i < n; ++i) {
        EXPECT_GE(firstPaintOfStep[i] - firstPaintOfStep[i - 1], pace / 2) << i;
    }
    EXPECT_GE(firstPaintOfStep[n - 1] - firstPaintOfStep[n - 9], 7 * pace);
}

// The walks that other commands make to take their pictures (the three-view layout) are
// not paced: with a pace of seconds a step, the layout still comes at once.
TEST_F(ViewCommands, OnlyTheUsersOwnWalksArePaced) {
    Controller().SetWalkPace(4000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_TRUE(AppData().ThirdAngleProjectionMethodMode());
    EXPECT_LT(clock.elapsed(), 4000) << "not one paced step in four walks";
}

TEST_F(ViewCommands, ContinuousTurningCyclesAndBlocksStandardViews) {
    QAction* item = Window().Action(QStringLiteral("mnuContinuousTurn"));
    EXPECT_TRUE(Send("CONTINUOUS_TURN"));
    EXPECT_TRUE(Window().TurningTimer()->isActive());
    EXPECT_EQ(AppData().ContinuousTurningDirection(), QStringLiteral("LEFT"));
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(Window().ToolBarButton("cmdThirdAngleProjectionMethod")->isEnabled());

    EXPECT_TRUE(Send("TURNING_TIMER_CALL"));
    EXPECT_EQ(AppData().Longitude(), -40);

    Window().SetStatusText(2, QString());
    EXPECT_TRUE(Send("TOP_VIEW"));
    EXPECT_EQ(AppData().Longitude(), -40) << "no turn while turning continuously";
    EXPECT_EQ(AppData().Latitude(), 35);
    EXPECT_EQ(Window().StatusText(2), QStringLiteral("視点の角度[-40° , 35°]"));

    EXPECT_TRUE(Send("CONTINUOUS_TURN"));
    EXPECT_EQ(AppData().ContinuousTurningDirection(), QStringLiteral("RIGHT"));
    EXPECT_TRUE(Send("CONTINUOUS_TURN_STOP"));
    EXPECT_FALSE(Window().TurningTimer()->isActive());
    EXPECT_EQ(AppData().ContinuousTurningDirection(), QStringLiteral("DOWN"));
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(Window().ToolBarButton("cmdThirdAngleProjectionMethod")->isEnabled());
}

TEST_F(ViewCommands, TurningWrapsAndZoomIsClamped) {
    AppData().SetLongitude(180);
    EXPECT_TRUE(Send("TURN_LEFT"));
    EXPECT_EQ(AppData().Longitude(), -175);
    AppData().SetLatitude(180);
    EXPECT_TRUE(Send("TURN_UP"));
    EXPECT_EQ(AppData().Latitude(), -175);
    EXPECT_TRUE(Send("TURN_RIGHT"));
    EXPECT_EQ(AppData().Longitude(), -180);
    EXPECT_TRUE(Send("TURN_RIGHT"));
    EXPECT_EQ(AppData().Longitude(), 175);
    EXPECT_TRUE(Send("TURN_DOWN"));
    EXPECT_EQ(AppData().Latitude(), -180);
    EXPECT_EQ(CountCues("Turn.wav"), 5);

    // Each turn changes the picture, which shows the figure at the settings' angles.
    Send("EQUAL_ANGLE_VIEW");
    for (const char* turn : {"TURN_UP", "TURN_DOWN", "TURN_LEFT", "TURN_RIGHT"}) {
        const QImage before = View().ViewImage().copy();
        Send(turn);
        EXPECT_NE(View().ViewImage(), before) << turn;
        EXPECT_EQ(View().Renderer().Longitude(), AppData().Longitude()) << turn;
        EXPECT_EQ(View().Renderer().Latitude(), AppData().Latitude()) << turn;
    }

    AppData().SetRatio(0.1F);
    EXPECT_TRUE(Send("REDUCE"));
    EXPECT_FLOAT_EQ(AppData().Ratio(), 0.1F);
    AppData().SetRatio(9.5F);
    EXPECT_TRUE(Send("MAGNIFY"));
    EXPECT_FLOAT_EQ(AppData().Ratio(), 10.0F);
    EXPECT_FLOAT_EQ(View().Ratio(), 10.0F);
    AppData().SetRatio(1.0F);
    Send("MAGNIFY");
    Send("MAGNIFY");
    EXPECT_NEAR(AppData().Ratio(), 1.21F, 1e-6);
}

TEST_F(ViewCommands, DifficultySetsStepLimitAndDrawingRatio) {
    const float ratio = AppData().Ratio();
    EXPECT_TRUE(Send("DIFFICULTY_SENIOR"));
    EXPECT_EQ(AppData().UnitLength(), 10);
    EXPECT_EQ(AppData().MaxSize(), 1000);
    EXPECT_EQ(View().AxisLineLength(), 1000);
    EXPECT_FLOAT_EQ(AppData().Ratio(), ratio) << "viewing mode keeps the ratio";

    EXPECT_TRUE(Send("DRAW_MODE"));
    View().SetControlScaleHeight(300);
    EXPECT_TRUE(Send("DIFFICULTY_SENIOR"));
    EXPECT_FLOAT_EQ(AppData().Ratio(), 0.15F);
    EXPECT_TRUE(Send("DIFFICULTY_SUPER_SPECIAL"));
    EXPECT_EQ(AppData().UnitLength(), 1);
    EXPECT_TRUE(Send("DIFFICULTY_BEGINNER"));
    EXPECT_EQ(AppData().MaxSize(), 100);
    EXPECT_FLOAT_EQ(AppData().Ratio(), 1.5F);
}

TEST_F(ViewCommands, ModesSwitchControlsColoursAndPointers) {
    EXPECT_EQ(AppData().Mode(), QStringLiteral("VIEW_MODE"));
    EXPECT_FALSE(Window().ToolBarButton("cmdNewFig")->isEnabled());
    EXPECT_FALSE(Window().Action(QStringLiteral("mnuNewFig"))->isEnabled());
    EXPECT_FALSE(Window().ToolBoxButton(4)->isEnabled());
    EXPECT_TRUE(Window().ToolBoxButton(3)->isEnabled());
    EXPECT_EQ(View().BackColor(), AppData().VIEW_MODE_BackColor());

    EXPECT_TRUE(Send("CHANGE_MODE"));
    EXPECT_EQ(AppData().Mode(), QStringLiteral("DRAW_MODE"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("作図モードです。"));
    EXPECT_TRUE(Window().ToolBarButton("cmdNewFig")->isEnabled());
    EXPECT_TRUE(Window().ToolBoxButton(18)->isEnabled());
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuSuperSpecial"))->isEnabled());
    EXPECT_EQ(View().BackColor(), AppData().DRAW_MODE_BackColor());
    EXPECT_TRUE(View().ViewAxis());
    EXPECT_TRUE(View().ViewPointerFrom());

    AppData().SetPointerFromX(40);
    AppData().SetPointerToX(80);
    EXPECT_TRUE(Send("CHANGE_MODE"));
    EXPECT_EQ(AppData().Mode(), QStringLiteral("VIEW_MODE"));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("閲覧モードです。"));
    EXPECT_EQ(AppData().PointerToX(), 40) << "to-pointer follows the from-pointer";
    EXPECT_FALSE(View().ViewPointerFrom());
    EXPECT_FALSE(View().ViewAxis());
}

TEST_F(ViewCommands, ThreeViewLayoutFillsThePanesAndComesBack) {
    const int width = View().ControlWidth();
    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_EQ(View().ControlWidth(), static_cast<int>(std::nearbyint(width / 2.0)));
    EXPECT_EQ(View().x(), View().width()) << "live view upper right";
    EXPECT_EQ(Window().TopView()->pos(), QPoint(0, View().y()));
    EXPECT_EQ(Window().FrontView()->pos(), QPoint(0, View().y() + View().height()));
    EXPECT_EQ(Window().SideView()->pos(), QPoint(View().x(), View().y() + View().height()));
    const QImage front = Window().FrontView()->pixmap().toImage();
    const QImage top = Window().TopView()->pixmap().toImage();
    EXPECT_EQ(front.size(), View().size());
    EXPECT_NE(front, top) << "different angles";
    EXPECT_EQ(View().ControlScaleWidth(), 800 - 150) << "full scale in a half-size view";
    EXPECT_EQ(AppData().Longitude(), -45);
    EXPECT_EQ(AppData().Latitude(), 35);

    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_FALSE(AppData().ThirdAngleProjectionMethodMode());
    EXPECT_EQ(View().ControlWidth(), width);
    EXPECT_EQ(View().x(), 0);
    EXPECT_FALSE(Window().SideView()->isVisible());
}

TEST_F(ViewCommands, CopiesPutTheViewOnTheClipboard) {
    EXPECT_TRUE(Send("NORMAL_COPY"));
    EXPECT_EQ(clipboard.image.convertToFormat(QImage::Format_RGB32), View().ViewImage());

    Send("DRAW_MODE");
    Send("APPLY");
    EXPECT_TRUE(Send("MONOCHROME_COPY"));
    const QImage mono = clipboard.image;
    EXPECT_EQ(mono.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(AppData().Mode(), QStringLiteral("DRAW_MODE"));
    EXPECT_TRUE(View().ViewPointerFrom());
    EXPECT_EQ(View().BackColor(), AppData().DRAW_MODE_BackColor());
    EXPECT_EQ(View().FigColor(), AppData().DRAW_MODE_FigColor());
}

// The panes of the three-view layout get their pictures from the view directly: the
// user's clipboard is neither cleared nor replaced.
TEST_F(ViewCommands, ThreeViewLayoutLeavesTheClipboardAlone) {
    QImage mine(4, 4, QImage::Format_RGB32);
    mine.fill(Qt::magenta);
    clipboard.image = mine;
    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_EQ(clipboard.image, mine);
    EXPECT_EQ(clipboard.clears, 0);
    for (QLabel* pane : {Window().FrontView(), Window().TopView(), Window().SideView()}) {
        EXPECT_FALSE(pane->pixmap().isNull()) << pane->objectName().toStdString();
    }
    // The front pane shows the front view: different from the side view's picture.
    EXPECT_NE(Window().FrontView()->pixmap().toImage(), Window().SideView()->pixmap().toImage());
}

TEST_F(ViewCommands, DataFolderPinningTogglesWithItsCheckMark) {
    QAction* item = Window().Action(QStringLiteral("mnuDataPathFixed"));
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(AppData().DataPathFixed());
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Send("DATA_PATH_FIXED"));
    EXPECT_TRUE(AppData().DataPathFixed());
    EXPECT_TRUE(item->isChecked());
}

} // namespace
