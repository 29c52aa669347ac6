#include "CAppData.h"
#include "CZelkData.h"
#include "StandardViews.h"
#include "TestPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

const QString kProgram = QStringLiteral("/opt/zelk");

QStringList History(const CAppData& app) {
    QStringList list;
    for (int16_t i = 0; i < app.FileNameHistoryNum(); ++i) {
        list << app.GetHistory(i);
    }
    return list;
}

TEST(CAppData, DefaultsNameTheProgramFolder) {
    CAppData app(kProgram);
    EXPECT_EQ(app.FileName(), QStringLiteral("/opt/zelk/data/sample/zelk01.zlk"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("/opt/zelk/data"));
    EXPECT_TRUE(app.DataPathFixed());
    EXPECT_EQ(app.Longitude(), -45);
    EXPECT_EQ(app.Latitude(), 35);
    EXPECT_EQ(app.AxisLineLength(), app.MaxSize());
    EXPECT_EQ(app.VIEW_MODE_BackColor(), 13056);
    EXPECT_EQ(History(app), QStringList(5, QString()));
}

TEST(CAppData, AnglesRatioPointersAndTickTimeAreNormalised) {
    CAppData app(kProgram);
    const std::pair<int, int> angles[] = {{181, -179}, {-181, 179}, {360, 0},     {-400, -40},
                                          {400, 40},   {180, 180},  {-180, -180}, {190, -170},
                                          {-190, 170}, {725, 5}};
    for (const auto& [in, out] : angles) {
        app.SetLongitude(in);
        EXPECT_EQ(app.Longitude(), out) << in;
        app.SetLatitude(in);
        EXPECT_EQ(app.Latitude(), out) << in;
    }

    app.SetRatio(0.0F);
    EXPECT_FLOAT_EQ(app.Ratio(), 0.1F);
    app.SetRatio(25.0F);
    EXPECT_FLOAT_EQ(app.Ratio(), 10.0F);
    app.SetRatio(2.5F);
    EXPECT_FLOAT_EQ(app.Ratio(), 2.5F);

    app.SetPointerToZ(250);
    EXPECT_EQ(app.PointerToZ(), 200);
    app.SetPointerFromX(-5);
    EXPECT_EQ(app.PointerFromX(), 0);
    app.SetPointerFromY(150);
    app.SetMaxSize(100);
    EXPECT_EQ(app.PointerFromY(), 150) << "lowering MaxSize does not re-clamp";
    app.SetPointerFromY(150);
    EXPECT_EQ(app.PointerFromY(), 100);

    app.SetTickTime(-50);
    EXPECT_EQ(app.TickTime(), 50);
    app.SetTickTime(70);
    EXPECT_EQ(app.TickTime(), 70);
}

TEST(CAppData, UnknownNamesFallBack) {
    CAppData app(kProgram);
    app.SetDifficulty(QStringLiteral("DIFFICULTY_SENIOR"));
    EXPECT_EQ(app.Difficulty(), QStringLiteral("DIFFICULTY_SENIOR"));
    app.SetDifficulty(QStringLiteral("DIFFICULTY_BEGINER"));
    EXPECT_EQ(app.Difficulty(), QStringLiteral("DIFFICULTY_MIDIUM"));
    app.SetContinuousTurningDirection(QStringLiteral("UP"));
    EXPECT_EQ(app.ContinuousTurningDirection(), QStringLiteral("UP"));
    app.SetContinuousTurningDirection(QStringLiteral("down"));
    EXPECT_EQ(app.ContinuousTurningDirection(), QStringLiteral("LEFT"));
    app.SetDrawingCondition(QStringLiteral("TO"));
    EXPECT_EQ(app.DrawingCondition(), QStringLiteral("TO"));
    app.SetDrawingCondition(QStringLiteral("to"));
    EXPECT_EQ(app.DrawingCondition(), QStringLiteral("FROM"));
}

TEST(CAppData, FileNameMovesTheDataFolderUnlessPinned) {
    CAppData app(kProgram);
    app.SetDataPath(QStringLiteral("/elsewhere"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("/opt/zelk/data")) << "pinned";
    app.SetFileName(QStringLiteral("/home/u/figs/box.zlk"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("/opt/zelk/data")) << "pinned";

    app.SetDataPathFixed(false);
    app.SetFileName(QStringLiteral("/home/u/figs/box.zlk"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("/home/u/figs"));
    app.SetFileName(QStringLiteral("D:\\old\\house.zlk"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("D:\\old"));
    app.SetFileName(QStringLiteral("plain.zlk"));
    EXPECT_EQ(app.DataPath(), QStringLiteral("/opt/zelk/data"));

    const QStringList before = History(app);
    app.SetDataPath(QStringLiteral("/kept"));
    app.SetFileName(QString());
    EXPECT_EQ(app.FileName(), QString());
    EXPECT_EQ(app.DataPath(), QStringLiteral("/kept"));
    EXPECT_EQ(History(app), before);
}

TEST(CAppData, RecentFileListKeepsFivePlacesMostRecentFirst) {
    CAppData app(kProgram);
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
        app.SetFileName(QString::fromLatin1(name));
    }
    EXPECT_EQ(History(app), (QStringList{"F", "E", "D", "C", "B"}));
    app.SetFileName(QStringLiteral("C"));
    EXPECT_EQ(History(app), (QStringList{"C", "F", "E", "D", "B"}));
    app.SetFileName(QStringLiteral("C"));
    EXPECT_EQ(History(app), (QStringList{"C", "F", "E", "D", "B"}));
    app.SetFileName(QStringLiteral("c"));
    EXPECT_EQ(History(app), (QStringList{"c", "C", "F", "E", "D"})) << "case-sensitive";

    EXPECT_EQ(app.GetHistory(5), QString());
    EXPECT_EQ(app.GetHistory(-1), QString());
    app.SetHistory(4, QStringLiteral("Z"));
    app.SetHistory(5, QStringLiteral("Y"));
    app.SetHistory(0, QString());
    EXPECT_EQ(History(app), (QStringList{"c", "C", "F", "E", "Z"}));
}

TEST(CAppData, LineNumberIsBoundedByTheFigureAndClearDataResetsTheFigureState) {
    CAppData app(kProgram);
    EXPECT_EQ(app.ProIF_LineNumber(), 0) << "no figure, no lines";
    CZelkData figure;
    app.SetFigure(&figure);
    EXPECT_EQ(app.ProIF_LineNumber(), 0);
    figure.AddLine(QStringLiteral("0,0,0,1,0,0"));
    figure.AddLine(QStringLiteral("0,0,0,2,0,0"));
    figure.AddLine(QStringLiteral("0,0,0,3,0,0"));
    EXPECT_EQ(app.ProIF_LineNumber(), 1);
    app.SetProIF_LineNumber(3);
    EXPECT_EQ(app.ProIF_LineNumber(), 3);
    app.SetProIF_LineNumber(4);
    app.SetProIF_LineNumber(-1);
    EXPECT_EQ(app.ProIF_LineNumber(), 3);
    figure.ClearData();
    EXPECT_EQ(app.ProIF_LineNumber(), 0);

    app.SetDataPathFixed(false);
    app.SetFileName(QStringLiteral("/f/a.zlk"));
    app.SetDrawingCondition(QStringLiteral("TO"));
    app.SetPointerToX(40);
    app.SetRatio(3.0F);
    app.SetLongitude(30);
    app.ClearData();
    EXPECT_EQ(app.FileName(), QString());
    EXPECT_EQ(app.DataPath(), QStringLiteral("/f"));
    EXPECT_EQ(app.GetHistory(0), QStringLiteral("/f/a.zlk"));
    EXPECT_EQ(app.DrawingCondition(), QStringLiteral("FROM"));
    EXPECT_EQ(app.PointerToX(), 0);
    EXPECT_FLOAT_EQ(app.Ratio(), 1.0F);
    EXPECT_EQ(app.Longitude(), 30) << "angles are not per figure";
}

// A walk to a standard view, stepped here in a loop of its own bound: from any angle the
// settings can hold, at any unit angle, it arrives within its steps, each step never
// farther than the unit angle and never past the target.
TEST(CAppData, AWalkToEveryViewArrivesWithinItsSteps) {
    const std::array<std::array<int, 2>, 4> targets = {
        StandardViews::Angles(StandardViews::Front), StandardViews::Angles(StandardViews::Top),
        StandardViews::Angles(StandardViews::Side), std::array<int, 2>{-45, 35}};
    CAppData app(QStringLiteral("/p"));
    int walks = 0;
    for (const int unit : {1, 5, 7, 10, 15, 45, 90, -10, 0}) {
        for (int longitude = -180; longitude <= 180; longitude += 11) {
            for (int latitude = -180; latitude <= 180; latitude += 17) {
                for (const auto& [lon, lat] : targets) {
                    app.SetLongitude(longitude);
                    app.SetLatitude(latitude);
                    const int bound = StandardViews::WalkBound(unit);
                    int steps = 0;
                    while ((app.Longitude() != lon || app.Latitude() != lat) && steps < bound) {
                        const int before[2] = {app.Longitude(), app.Latitude()};
                        app.SetLongitude(StandardViews::WalkStep(app.Longitude(), lon, unit));
                        app.SetLatitude(StandardViews::WalkStep(app.Latitude(), lat, unit));
                        ++steps;
                        const int most = std::max(1, std::abs(unit));
                        ASSERT_LE(std::abs(app.Longitude() - before[0]), most);
                        ASSERT_LE(std::abs(app.Latitude() - before[1]), most);
                        ASSERT_LE(std::abs(app.Longitude() - lon), std::abs(before[0] - lon))
                            << "a step passed the target";
                        ASSERT_LE(std::abs(app.Latitude() - lat), std::abs(before[1] - lat))
                            << "a step passed the target";
                    }
                    ASSERT_EQ(app.Longitude(), lon) << "from " << longitude << " unit " << unit;
                    ASSERT_EQ(app.Latitude(), lat) << "from " << latitude << " unit " << unit;
                    ++walks;
                }
            }
        }
    }
    EXPECT_GT(walks, 1000);
}

} // namespace
