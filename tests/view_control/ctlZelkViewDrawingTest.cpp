#include "TestPrinters.h"
#include "ViewTestHelpers.h"

#include <gtest/gtest.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kXAxis = Bgr(0xFFCC00);
const QColor kYAxis = Bgr(0x00FFFF);
const QColor kZAxis = Bgr(0x00FF00);
const QColor kRed = Bgr(255);
const QColor kBlue = Bgr(0xFF0000);

TEST(ctlZelkViewDrawing, SegmentIsProjectedFromTheCentreAtTheCurrentScale) {
    auto view = PlainView();
    view->SetLine(QStringLiteral("0,0,0,80,0,0"));
    view->Draw();
    // 200 units over 200 pixels: the origin (centre of an empty box) is pixel (100, 100).
    const QImage& image = view->ViewImage();
    for (int x : {101, 140, 178}) {
        EXPECT_TRUE(ColourNear(image, x, 100, kBlack)) << x;
    }
    EXPECT_FALSE(ColourNear(image, 184, 100, kBlack));
    EXPECT_FALSE(ColourNear(image, 95, 100, kBlack));
    EXPECT_FALSE(ColourNear(image, 140, 96, kBlack)) << "horizontal";

    view->SetRatio(2.0F);
    view->Draw();
    ASSERT_EQ(view->ViewImage().width(), 200);
    EXPECT_TRUE(ColourNear(view->ViewImage(), 199, 100, kBlack)) << "runs off the right edge";
    EXPECT_TRUE(ColourNear(view->ViewImage(), 190, 100, kBlack)) << "160 pixels long at ratio 2";
    view->SetRatio(0.5F);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 138, 100, kBlack));
    EXPECT_FALSE(ColourNear(view->ViewImage(), 144, 100, kBlack)) << "40 pixels long at ratio 0.5";

    view->SetRatio(1.0F);
    int32_t ninety = 90;
    view->SetLongitude(ninety);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 100, 100, kBlack));
    EXPECT_EQ(CountColour(view->ViewImage(), QRect(90, 90, 21, 21), kBlack),
              CountColour(view->ViewImage(), QRect(98, 98, 5, 5), kBlack))
        << "collapsed to the centre";

    // The turned segments are kept between draws at one angle: a line added after a draw
    // shows in the next, and the angle back at 0 turns them back.
    view->SetLine(QStringLiteral("0,0,0,0,60,0"));
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 100, 60, kBlack)) << "the added line shows";
    int32_t zero = 0;
    view->SetLongitude(zero);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 140, 100, kBlack)) << "turned back";
    view->ClearData();
    view->Draw();
    EXPECT_FALSE(ColourNear(view->ViewImage(), 140, 100, kBlack)) << "an emptied figure";
    view->SetLine(QStringLiteral("0,0,0,0,-60,0"));
    view->Draw();
    EXPECT_FALSE(ColourNear(view->ViewImage(), 140, 100, kBlack)) << "a cleared line is gone";
    EXPECT_TRUE(ColourNear(view->ViewImage(), 100, 140, kBlack)) << "the new one shows";
}

// A zoom of zero or below (found by fuzzing: a division by zero) shows the background only.
TEST(ctlZelkViewDrawing, ZeroOrNegativeZoomDrawsOnlyTheBackground) {
    auto view = PlainView();
    view->SetLine(QStringLiteral("0,0,0,80,0,0"));
    for (const float ratio : {0.0F, -1.0F}) {
        view->SetRatio(ratio);
        view->Draw();
        EXPECT_EQ(CountColour(view->ViewImage(), view->ViewImage().rect(), kBlack), 0) << ratio;
    }
}

TEST(ctlZelkViewDrawing, BoxCentreIsTheMiddleOfTheView) {
    auto view = PlainView();
    view->SetMaxPos(QStringLiteral("80,40,0"));
    view->SetMinPos(QStringLiteral("0,0,0"));
    view->SetLine(QStringLiteral("0,0,0,80,40,0"));
    view->Draw();
    // Centre (40, 20) sits at pixel (100, 100); the origin at (60, 120).
    EXPECT_TRUE(ColourNear(view->ViewImage(), 100, 100, kBlack));
    EXPECT_TRUE(ColourNear(view->ViewImage(), 61, 120, kBlack));
    EXPECT_TRUE(ColourNear(view->ViewImage(), 139, 80, kBlack));
}

TEST(ctlZelkViewDrawing, AxesAndSubAxesInTheirColoursAndLengths) {
    auto view = PlainView(500, 500);
    view->SetViewAxis(true);
    view->Draw();
    const QImage& image = view->ViewImage();
    EXPECT_TRUE(ColourNear(image, 250 + 150, 250, kXAxis));
    EXPECT_TRUE(ColourNear(image, 250, 250 - 150, kYAxis));
    EXPECT_FALSE(ColourNear(image, 250 + 220, 250, kXAxis)) << "axes end at 200 units";
    EXPECT_FALSE(ColourNear(image, 250 - 50, 250, kXAxis)) << "axes start at the origin";

    view->SetViewsubAxis(true);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 250 + 220, 250, kXAxis)) << "sub-axes run on";
    EXPECT_TRUE(ColourNear(view->ViewImage(), 250, 250 - 220, kYAxis));

    view->SetViewsubAxis(false);
    view->SetAxisLineLength(50);
    EXPECT_EQ(view->AxisLineLength(), 50);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 250 + 40, 250, kXAxis));
    EXPECT_FALSE(ColourNear(view->ViewImage(), 250 + 60, 250, kXAxis));

    int32_t ninety = 90;
    view->SetLongitude(ninety);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 250 + 40, 250, kZAxis)) << "z to the right at 90";

    view->SetViewAxis(false);
    view->Draw();
    EXPECT_EQ(CountColour(view->ViewImage(), view->ViewImage().rect(), kWhite), 500 * 500);
}

TEST(ctlZelkViewDrawing, PointerMarksKeepTheirScreenSizeAndReadOutOnlyWhenShown) {
    auto view = PlainView();
    view->SetViewPointerFrom(true);
    view->SetViewCoordinates(false);
    view->PointerSize(10);
    for (float ratio : {0.5F, 1.0F, 2.0F}) {
        view->SetRatio(ratio);
        view->Draw();
        int rightmost = 0;
        for (int x = 100; x < 140; ++x) {
            if (view->ViewImage().pixelColor(x, 100) == kRed) {
                rightmost = x;
            }
        }
        EXPECT_GE(rightmost, 109) << ratio;
        EXPECT_LE(rightmost, 112) << ratio;
    }

    EXPECT_EQ(ctlZelkView::CoordinateText(12.6F, -3.2F, 0.0F),
              QStringLiteral("\u3000x= 13, y= -3, z= 0"));
    view->SetRatio(1.0F);
    view->SetPointerFrom(QStringLiteral("12.6,-3.2,0"));
    EXPECT_EQ(view->PointerFrom(), QStringLiteral("12.6,-3.2,0"));
    // The read-out starts at the mark's centre (112.6, 103.2) and runs to the right.
    const QRect textArea(126, 103, 74, 20);
    view->Draw();
    EXPECT_EQ(CountColour(view->ViewImage(), textArea, kBlack), 0) << "read-out switched off";
    view->SetViewCoordinates(true);
    view->Draw();
    EXPECT_GT(CountColour(view->ViewImage(), textArea, kBlack), 10);
    view->SetViewPointerFrom(false);
    view->Draw();
    EXPECT_EQ(CountColour(view->ViewImage(), textArea, kBlack), 0) << "no mark, no read-out";
    EXPECT_EQ(CountColour(view->ViewImage(), view->ViewImage().rect(), kRed), 0);
}

TEST(ctlZelkViewDrawing, TemporaryLinesAreRotatedOnlyWhileOn) {
    auto view = PlainView();
    view->SetTempLine(QStringLiteral("0,0,0,50,0,0"));
    view->SetTempLine2(QStringLiteral("0,0,0,0,50,0"));
    EXPECT_EQ(view->TempLine(), QStringLiteral("0,0,0,50,0,0"));
    view->ViewTempLine(true);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 125, 100, kRed));
    EXPECT_FALSE(ColourNear(view->ViewImage(), 100, 75, kBlue));

    view->ViewTempLine(false);
    view->ViewTempLine2(true);
    int32_t half = 180;
    view->SetLongitude(half);
    view->Draw();
    EXPECT_FALSE(ColourNear(view->ViewImage(), 125, 100, kRed));
    EXPECT_FALSE(ColourNear(view->ViewImage(), 75, 100, kRed));
    EXPECT_TRUE(ColourNear(view->ViewImage(), 100, 75, kBlue)) << "second line on its own";

    view->ViewTempLine(true);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 75, 100, kRed)) << "rotated by the new angle";
    EXPECT_FALSE(ColourNear(view->ViewImage(), 125, 100, kRed));

    view->ViewTempLine2(false);
    view->TempLineSize(5);
    view->Draw();
    EXPECT_FALSE(ColourNear(view->ViewImage(), 100, 75, kBlue));
    EXPECT_TRUE(view->ViewImage().pixelColor(75, 102) == kRed) << "wide pen";
}

} // namespace

namespace {

// Picking on the picture last drawn: the nearest line within the radius, the nearest end
// point (the front one on a tie); and the highlighted line drawn wide in its colour.
TEST(ctlZelkViewPicking, NearestLineAndCornerAndHighlight) {
    auto view = PlainView();
    view->SetLine(QStringLiteral("0,0,0,80,0,0"));    // pixels (100,100)-(180,100)
    view->SetLine(QStringLiteral("0,0,0,0,40,0"));    // pixels (100,100)-(100,60)
    view->SetLine(QStringLiteral("0,0,50,60,40,50")); // starts 50 mm nearer the viewer
    EXPECT_EQ(view->NearestLine(140, 100, 4), 0) << "nothing is picked before a Draw";
    view->Draw();
    EXPECT_EQ(view->NearestLine(140, 103, 4), 1);
    EXPECT_EQ(view->NearestLine(140, 105, 4), 0) << "five pixels off";
    EXPECT_EQ(view->NearestLine(98, 80, 4), 2);
    EXPECT_EQ(view->NearestCorner(178, 102, 6), QStringLiteral("80,0,0"));
    EXPECT_EQ(view->NearestCorner(190, 100, 6), QString()) << "ten pixels off";
    // (0,0,0) and (0,0,50) fall on the same pixel at this angle: the front one wins.
    EXPECT_EQ(view->NearestCorner(100, 100, 6), QStringLiteral("0,0,50"));

    view->SetHighlightColor(0x0000FF); // red in &HBBGGRR
    view->SetHighlightedLine(1);
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 140, 100, kRed));
    EXPECT_TRUE(ColourNear(view->ViewImage(), 140, 101, kRed)) << "three pixels wide";
    view->SetHighlightedLine(0);
    view->Draw();
    EXPECT_FALSE(ColourNear(view->ViewImage(), 140, 100, kRed));

    // The figure sent again before the next Draw: the old picture names no line or corner
    // of the new figure until it is drawn.
    view->ClearData();
    view->SetLine(QStringLiteral("5,5,5,6,6,6"));
    EXPECT_EQ(view->NearestCorner(178, 102, 6), QString());
    EXPECT_EQ(view->NearestLine(140, 100, 4), 0);
    view->Draw();
    EXPECT_EQ(view->NearestLine(140, 100, 4), 0);
    EXPECT_EQ(view->NearestCorner(105, 95, 6), QStringLiteral("5,5,5"));
}

} // namespace
