#include "LineRasterizer.h"
#include "ViewTestHelpers.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr int kSize = 64;

Pixels Lit(const QImage& image) {
    Pixels out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != 0xFFFFFFFF) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

QImage Blank() {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

Pixels PainterLine(const QLineF& line) {
    QImage image = Blank();
    QPainter painter(&image);
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(line);
    painter.end();
    return Lit(image);
}

Pixels RasterLine(const QLineF& line) {
    QImage image = Blank();
    LineRasterizer raster(image);
    raster.SetColour(0xFF000000);
    raster.DrawLine(line.x1(), line.y1(), line.x2(), line.y2());
    return Lit(image);
}

// Every pixel of one set lies within one pixel of some pixel of the other.
bool EachNear(const Pixels& from, const Pixels& to, std::pair<int, int>& stray) {
    for (const auto& [x, y] : from) {
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy) {
            for (int dx = -1; dx <= 1 && !near; ++dx) {
                near = to.count({x + dx, y + dy}) > 0;
            }
        }
        if (!near) {
            stray = {x, y};
            return false;
        }
    }
    return true;
}

TEST(LineRasterizer, CoversThePixelsOfQPaintersThinLinesForEverySlopeAndDirection) {
    std::vector<QLineF> cases;
    // A star of slopes through the middle, each in both directions, with fractional ends.
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double a = degrees * M_PI / 180.0;
        cases.emplace_back(31.3, 30.6, 31.3 + 25.2 * std::cos(a), 30.6 + 25.7 * std::sin(a));
    }
    // Steep and shallow ones, single pixels and lines that leave the image on any side.
    cases.emplace_back(2, 3, 60, 5);
    cases.emplace_back(3, 2, 5, 60);
    cases.emplace_back(10.5, 10.5, 10.9, 10.2);
    cases.emplace_back(-40, 20, 100, 40);
    cases.emplace_back(20, -30, 30, 100);
    cases.emplace_back(-10, -10, 80, 80);
    cases.emplace_back(70, 10, -5, 50);
    cases.emplace_back(63.9, 0, 63.9, 63.9);
    cases.emplace_back(0, 63.5, 63.5, 63.5);

    for (const QLineF& line : cases) {
        const Pixels painter = PainterLine(line);
        const Pixels raster = RasterLine(line);
        std::pair<int, int> stray;
        ASSERT_FALSE(raster.empty()) << line.x1() << "," << line.y1();
        EXPECT_TRUE(EachNear(raster, painter, stray))
            << "extra pixel " << stray.first << "," << stray.second << " for " << line.x1() << ","
            << line.y1() << " - " << line.x2() << "," << line.y2();
        EXPECT_TRUE(EachNear(painter, raster, stray))
            << "missing pixel " << stray.first << "," << stray.second << " for " << line.x1() << ","
            << line.y1() << " - " << line.x2() << "," << line.y2();
        // Both ends are drawn where they lie in the image.
        for (const QPointF& end : {line.p1(), line.p2()}) {
            const int x = int(std::floor(end.x()));
            const int y = int(std::floor(end.y()));
            if (x >= 0 && y >= 0 && x < kSize && y < kSize) {
                EXPECT_EQ(raster.count({x, y}), 1U) << "end " << x << "," << y;
            }
        }
        // A thin line is one pixel wide: never more pixels than its longer extent + 1.
        const double longer = std::max(std::fabs(line.dx()), std::fabs(line.dy()));
        EXPECT_LE(double(raster.size()), longer + 2.0);
    }
}

TEST(LineRasterizer, HugeAndBrokenCoordinatesCostNothingAndNeverLeaveTheImage) {
    // Half a line at 1e30 is still the row it lies on, from edge to edge.
    Pixels row = RasterLine(QLineF(-1e30, 20.5, 1e30, 20.5));
    EXPECT_EQ(row.size(), size_t(kSize));
    EXPECT_EQ(row.begin()->second, 20);
    EXPECT_EQ(RasterLine(QLineF(10, 10, 1e30, 10)).size(), size_t(kSize - 10));
    EXPECT_EQ(RasterLine(QLineF(5, -1e300, 5, 1e300)).size(), size_t(kSize));
    // A diagonal through the corner region keeps to the diagonal.
    for (const auto& [x, y] : RasterLine(QLineF(-1e6, -1e6, 1e6, 1e6))) {
        EXPECT_LE(std::abs(x - y), 1);
    }
    // Wholly outside, or not numbers at all: nothing.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(RasterLine(QLineF(-10, -10, -1, 70)).empty());
    EXPECT_TRUE(RasterLine(QLineF(65, 0, 1e30, 1e30)).empty());
    EXPECT_TRUE(RasterLine(QLineF(nan, 1, 2, 3)).empty());
    EXPECT_TRUE(RasterLine(QLineF(1, 1, inf, 3)).empty());
    // Ends so far apart that their distance is beyond double: nothing, and nothing outside.
    const double max = std::numeric_limits<double>::max();
    EXPECT_TRUE(RasterLine(QLineF(-max, 10, max, 20)).empty());
    EXPECT_TRUE(RasterLine(QLineF(10, -max / 2, 20, max)).empty());
    // One end 1e29 away, the other just outside: no pixel outside the image (and no
    // coordinate beyond int on the way).
    for (const auto& [x, y] : RasterLine(QLineF(-1.7671378922760144e+29, 1.5804418652264349e+29,
                                                -1.7491150569578193, 7046902848018.0107))) {
        EXPECT_TRUE(x >= 0 && y >= 0 && x < kSize && y < kSize);
    }

    double x0 = -100, y0 = 50, x1 = 300, y1 = 50;
    ASSERT_TRUE(LineRasterizer::Clip(x0, y0, x1, y1, QRectF(0, 0, 200, 100)));
    EXPECT_DOUBLE_EQ(x0, 0);
    EXPECT_DOUBLE_EQ(x1, 200);
    EXPECT_DOUBLE_EQ(y0, 50);
}

// Dots and lines that touch each edge at sub-pixel offsets light only pixels of the image
// near where they were drawn: never one past a row's end (which is the next row's start
// in memory) nor a row past the last.
TEST(LineRasterizer, EveryPixelAtTheEdgesLiesWhereItWasDrawn) {
    const double offsets[] = {-0.5, -0.25, -0.001, 0.0, 0.001, 0.25, 0.49, 0.5, 0.51, 0.75, 0.999};
    const auto near = [](const Pixels& lit, double x, double y, double reach) {
        for (const auto& [px, py] : lit) {
            if (std::fabs(px + 0.5 - x) > reach || std::fabs(py + 0.5 - y) > reach) {
                return false;
            }
        }
        return true;
    };
    for (const double o : offsets) {
        const double last = kSize - 1 + o; // in the last column or row, or past it
        const double first = o;
        for (const auto& [x, y] :
             {std::pair{last, 20.3}, std::pair{20.3, last}, std::pair{first, 20.3},
              std::pair{20.3, first}, std::pair{last, last}, std::pair{first, first}}) {
            QImage image = Blank();
            LineRasterizer raster(image);
            raster.DrawDot(x, y);
            const Pixels lit = Lit(image);
            EXPECT_LE(lit.size(), 1U) << x << "," << y;
            EXPECT_TRUE(near(lit, x, y, 1.0)) << "dot at " << x << "," << y;
        }
        // Lines along each edge, and across the image ending on an edge.
        for (const QLineF& line :
             {QLineF(0, last, kSize - 1, last), QLineF(last, 0, last, kSize - 1),
              QLineF(first, 10, first, 50), QLineF(10, first, 50, first),
              QLineF(10.2, 10.7, last, 33.3), QLineF(33.3, 10.2, 12.1, last)}) {
            const Pixels lit = RasterLine(line);
            for (const auto& [px, py] : lit) {
                // Within a pixel of the line's span.
                EXPECT_GE(px + 1.0, std::min(line.x1(), line.x2()) - 1.0) << o;
                EXPECT_LE(px + 0.0, std::max(line.x1(), line.x2()) + 1.0) << o;
                EXPECT_GE(py + 1.0, std::min(line.y1(), line.y2()) - 1.0) << o;
                EXPECT_LE(py + 0.0, std::max(line.y1(), line.y2()) + 1.0) << o;
            }
        }
    }
}

// Lines that leave the image through its right or bottom edge (or both) are cut there:
// they reach the last column or row and light what QPainter's clipped line lights.
TEST(LineRasterizer, LinesLeavingByTheRightOrBottomEdgeReachItAndNoFurther) {
    const double far[] = {kSize + 0.5, kSize * 1.5, 700.0, 5000.0};
    int lines = 0;
    for (const double f : far) {
        for (const QLineF& line :
             {QLineF(10.3, 20.6, f, 20.6), QLineF(10.3, 20.6, f, 40.2), QLineF(10.3, 20.6, f, f),
              QLineF(20.6, 10.3, 20.6, f), QLineF(20.6, 10.3, 45.1, f), QLineF(f, 30.4, 5.2, 9.9),
              QLineF(40.7, f, 2.2, 61.5), QLineF(f, f * 0.5 + 20, 3.1, 3.1)}) {
            const Pixels raster = RasterLine(line);
            const Pixels painter = PainterLine(line);
            std::pair<int, int> stray;
            EXPECT_TRUE(EachNear(raster, painter, stray))
                << "stray " << stray.first << "," << stray.second << " of " << line.x1() << ","
                << line.y1() << "-" << line.x2() << "," << line.y2();
            EXPECT_TRUE(EachNear(painter, raster, stray))
                << "missing " << stray.first << "," << stray.second << " of " << line.x1() << ","
                << line.y1() << "-" << line.x2() << "," << line.y2();
            const bool right = std::max(line.x1(), line.x2()) >= kSize;
            const bool bottom = std::max(line.y1(), line.y2()) >= kSize;
            bool lastColumn = false;
            bool lastRow = false;
            for (const auto& [x, y] : raster) {
                lastColumn = lastColumn || x == kSize - 1;
                lastRow = lastRow || y == kSize - 1;
            }
            // It leaves by the edge it meets first.
            EXPECT_TRUE((right && lastColumn) || (bottom && lastRow))
                << line.x1() << "," << line.y1() << "-" << line.x2() << "," << line.y2();
            ++lines;
        }
    }
    EXPECT_EQ(lines, 32);
}

TEST(LineRasterizer, TheViewDrawsWideLinesWhoseFarEndIsHuge) {
    const QColor black(0, 0, 0);
    for (const int width : {1, 3}) {
        auto view = PlainView();
        view->SetFigLineSize(width);
        view->SetLine(QStringLiteral("0,0,0,1E+30,0,0"));
        view->SetLine(QStringLiteral("0,-1E+30,0,0,1E+30,0"));
        view->Draw();
        const QImage& image = view->ViewImage();
        EXPECT_TRUE(ColourNear(image, 150, 100, black)) << "width " << width;
        EXPECT_TRUE(ColourNear(image, 100, 20, black)) << "width " << width;
        EXPECT_TRUE(ColourNear(image, 100, 180, black)) << "width " << width;
    }
    // The temporary line too.
    auto view = PlainView();
    view->ViewTempLine(true);
    view->TempLineSize(3);
    view->SetTempLine(QStringLiteral("0,0,0,1E+30,0,0"));
    view->Draw();
    EXPECT_TRUE(ColourNear(view->ViewImage(), 150, 100, Bgr(255)));
}

} // namespace
