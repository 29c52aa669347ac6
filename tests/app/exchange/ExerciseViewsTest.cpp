// The exercises' drawings: hidden edges dashed where the solid hides them, the sizes
// every exercise needs, and a figure built from the drawings alone is accepted.
#include "ExerciseViews.h"
#include "CZelkData.h"
#include "DrawingSheet.h"
#include "ExerciseLibrary.h"
#include "ExerciseTask.h"
#include "HiddenLines.h"
#include "LevelTable.h"
#include "NumberText.h"
#include "ThirdAngleCheck.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using View = ExerciseViews::View;
using Face = HiddenLines::Face;

// An L profile in (z, y), 20 mm a unit, drawn along x for 40 mm: its top overhangs to
// the front, so the inner corner edge (y = 20, z = 20, along x) lies under the overhang.
struct Overhang {
    CZelkData figure;
    std::vector<Face> faces;
    Overhang() {
        const std::array<std::array<double, 2>, 6> profile{
            {{0, 0}, {20, 0}, {20, 20}, {40, 20}, {40, 40}, {0, 40}}}; // (z, y)
        for (size_t i = 0; i < profile.size(); ++i) {
            const auto& a = profile[i];
            const auto& b = profile[(i + 1) % profile.size()];
            for (const float x : {0.0F, 40.0F}) {
                figure.AddLine(CLine{x, float(a[1]), float(a[0]), x, float(b[1]), float(b[0])});
            }
            figure.AddLine(CLine{0, float(a[1]), float(a[0]), 40, float(a[1]), float(a[0])});
            faces.push_back({{0, a[1], a[0]}, {40, a[1], a[0]}, {40, b[1], b[0]}, {0, b[1], b[0]}});
        }
        for (const double x : {0.0, 40.0}) {
            Face side;
            for (const auto& p : profile) {
                side.push_back({x, p[1], p[0]});
            }
            faces.push_back(side);
        }
    }
};

// Where a drawing with the solid's faces leaves white what the same drawing without them
// (every edge solid) draws dark: the gaps of dashed edges. The rows they lie on, above the
// note a drawing without faces carries at its foot.
std::set<int> GapRows(const QImage& withFaces, const QImage& allSolid) {
    const QImage a = withFaces.convertToFormat(QImage::Format_RGB32);
    const QImage b = allSolid.convertToFormat(QImage::Format_RGB32);
    std::set<int> rows;
    for (int y = 0; y < a.height() - 20; ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(b.pixel(x, y)) < 100 && qGray(a.pixel(x, y)) > 200) {
                rows.insert(y);
            }
        }
    }
    return rows;
}

int DarkInRows(const QImage& picture, const std::set<int>& rows) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (const int y : rows) {
        for (int x = 0; x < image.width(); ++x) {
            n += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
        }
    }
    return n;
}

TEST(ExerciseDrawings, AnEdgeUnderAnOverhangIsDashedFromAboveAndSolidFromTheFront) {
    const Overhang solid;
    const std::vector<Face> none;
    const auto pane = [&solid](const std::vector<Face>& faces, View view) {
        return ExerciseViews::Pane({solid.figure, faces}, nullptr, view, QSize(300, 240));
    };
    // From above: the inner corner edge has gaps, all along one line, and dashes between.
    const std::set<int> gaps = GapRows(pane(solid.faces, View::Top), pane(none, View::Top));
    ASSERT_FALSE(gaps.empty()) << "the hidden edge is dashed";
    EXPECT_LE(*gaps.rbegin() - *gaps.begin(), 3) << "along the one hidden edge only";
    EXPECT_GT(DarkInRows(pane(solid.faces, View::Top), gaps), 40) << "dashes, not nothing";
    // It lies between the back and the front edge, halfway.
    const QImage top = pane(solid.faces, View::Top).convertToFormat(QImage::Format_RGB32);
    std::vector<int> solidRows;
    for (int y = 0; y < top.height(); ++y) {
        int n = 0;
        for (int x = 0; x < top.width(); ++x) {
            n += qGray(top.pixel(x, y)) < 40 ? 1 : 0;
        }
        if (n > top.width() / 3 && (solidRows.empty() || solidRows.back() < y - 2)) {
            solidRows.push_back(y);
        }
    }
    int above = -1;
    int below = -1;
    for (const int y : solidRows) {
        if (y < *gaps.begin() - 2) {
            above = y;
        } else if (y > *gaps.rbegin() + 2 && below < 0) {
            below = y;
        }
    }
    ASSERT_GE(above, 0);
    ASSERT_GE(below, 0);
    EXPECT_NEAR((above + below) / 2.0, *gaps.begin(), 4);
    // From the front the same edge is seen: no gaps anywhere.
    EXPECT_TRUE(GapRows(pane(solid.faces, View::Front), pane(none, View::Front)).empty());
    // Without its faces the picture says that hidden edges could not be told.
    const auto foot = [](const QImage& image) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = rgb.height() - 16; y < rgb.height(); ++y) {
            for (int x = 0; x < rgb.width(); ++x) {
                n += qGray(rgb.pixel(x, y)) < 160 ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_EQ(foot(pane(solid.faces, View::Top)), 0);
    EXPECT_GT(foot(pane(none, View::Top)), 20) << "the note under the view";
}

// The drawing sheet of an exercise: hidden edges dashed, each view's dimensions as text;
// a figure without faces gets the sheet it always had.
TEST(ExerciseDrawings, TheSheetOfAnExerciseIsADrawingToReadFrom) {
    Overhang solid;
    // 40 mm wide and deep, 40 high: make the sizes tell apart.
    CZelkData figure;
    for (const CLine& l : solid.figure.Lines()) {
        figure.AddLine(CLine{l.FromX * 1.5F, l.FromY, l.FromZ, l.ToX * 1.5F, l.ToY, l.ToZ});
    }
    std::vector<Face> faces = solid.faces;
    for (Face& face : faces) {
        for (auto& p : face) {
            p[0] *= 1.5;
        }
    }
    const QString sheet = QString::fromUtf8(
        DrawingSheet::Svg(figure, QStringLiteral("o.zlk"), QStringLiteral("2026/12/09"), &faces));
    EXPECT_TRUE(sheet.contains(QStringLiteral("stroke-dasharray"))) << "the hidden edge";
    for (const char* size : {">60<", ">40<"}) {
        EXPECT_TRUE(sheet.contains(QString::fromLatin1(size))) << size;
    }
    const QString plain = QString::fromUtf8(
        DrawingSheet::Svg(figure, QStringLiteral("o.zlk"), QStringLiteral("2026/12/09")));
    EXPECT_FALSE(plain.contains(QStringLiteral("stroke-dasharray")));
    EXPECT_FALSE(plain.contains(QStringLiteral(">60<")));
}

// A figure of the user's own has no faces file: its faces are found from its edges where
// they close flat loops into a closed surface, and drawn as the maker's would be;
// otherwise there are none (and the drawings say so).
TEST(ExerciseDrawings, FacesAreFoundFromEdgesThatCloseASurface) {
    const Overhang solid;
    const std::vector<Face> found = HiddenLines::FindFaces(solid.figure);
    EXPECT_EQ(found.size(), 8U) << "six sides and the two L-shaped ends";
    // The same drawings as with the faces the solid was made with.
    for (const auto view : StandardViews::kAll) {
        const auto withFound = HiddenLines::Pieces(solid.figure, found, view);
        const auto withKnown = HiddenLines::Pieces(solid.figure, solid.faces, view);
        int hiddenFound = 0;
        int hiddenKnown = 0;
        for (const auto& piece : withFound) {
            hiddenFound += piece.hidden ? 1 : 0;
        }
        for (const auto& piece : withKnown) {
            hiddenKnown += piece.hidden ? 1 : 0;
        }
        EXPECT_EQ(hiddenFound, hiddenKnown) << view;
    }
    // The built-in exercises' own edges give faces too (drawn the same way), most of them.
    const QDir folder(QStringLiteral(ZELK_PROGRAM_DIR "/exercises"));
    int withFaces = 0;
    for (const QString& name : folder.entryList({QStringLiteral("L*.zlk")}, QDir::Files)) {
        CZelkData target;
        ASSERT_TRUE(target.Load(folder.filePath(name)).ok);
        const std::vector<Face> faces = HiddenLines::FindFaces(target);
        const std::vector<Face> known = HiddenLines::FacesOf(folder.filePath(name));
        if (faces.empty()) {
            continue; // a face with a hole (a block on a larger top) is not found: allowed
        }
        ++withFaces;
        for (const auto view : StandardViews::kAll) {
            const auto a = HiddenLines::Pieces(target, faces, view);
            const auto b = HiddenLines::Pieces(target, known, view);
            ASSERT_EQ(a.size(), b.size()) << name.toStdString() << " view " << view;
            for (size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].hidden, b[i].hidden) << name.toStdString() << " view " << view;
            }
        }
    }
    EXPECT_GE(withFaces, 20);
    // An open box (one edge missing) and a bare wire close nothing.
    CZelkData open;
    const auto& lines = solid.figure.Lines();
    for (size_t i = 1; i < lines.size(); ++i) {
        open.AddLine(lines[i]);
    }
    EXPECT_TRUE(HiddenLines::FindFaces(open).empty());
    CZelkData wire;
    wire.AddLine(CLine{0, 0, 0, 10, 0, 0});
    wire.AddLine(CLine{10, 0, 0, 10, 10, 0});
    wire.AddLine(CLine{10, 10, 0, 0, 0, 0});
    EXPECT_TRUE(HiddenLines::FindFaces(wire).empty()) << "a flat loop alone is no solid";
}

// A figure built from the three drawings alone: every point the three views agree on, and
// every segment whose views are lines (or points) of the drawings, sized by the dimensions.
CZelkData FromDrawings(const CZelkData& target, const std::vector<Face>& faces) {
    using P2 = std::pair<long, long>;
    std::array<std::set<std::pair<P2, P2>>, 3> lines;
    std::array<std::set<P2>, 3> corners;
    std::array<std::array<double, 2>, 3> low{};
    for (const View view : {View::Front, View::Top, View::Side}) {
        const auto v = static_cast<size_t>(view);
        const auto seen = static_cast<HiddenLines::View>(view);
        const std::vector<HiddenLines::Piece> pieces = HiddenLines::Pieces(target, faces, seen);
        double minX = 1e9;
        double minY = 1e9;
        double maxX = -1e9;
        double maxY = -1e9;
        for (const auto& p : pieces) {
            for (const auto& xy : {p.from, p.to}) {
                minX = std::min(minX, xy[0]);
                minY = std::min(minY, xy[1]);
                maxX = std::max(maxX, xy[0]);
                maxY = std::max(maxY, xy[1]);
            }
        }
        // Placed by the dimensions the drawing gives.
        const std::array<double, 2> size = ExerciseViews::Extent(target, view);
        const auto place = [&](const std::array<double, 2>& xy) {
            return P2{std::lround((xy[0] - minX) / (maxX - minX) * size[0]),
                      std::lround((xy[1] - minY) / (maxY - minY) * size[1])};
        };
        low[v] = {0, 0};
        for (const auto& p : pieces) {
            const P2 a = place(p.from);
            const P2 b = place(p.to);
            lines[v].insert({std::min(a, b), std::max(a, b)});
            corners[v].insert(a);
            corners[v].insert(b);
        }
    }
    // View coordinates of a point (x, y, z) placed from the smallest corner: front (x, y),
    // top (x, depth − z), side (depth − z, y).
    const long depth = std::lround(ExerciseViews::Extent(target, View::Top)[1]);
    const auto seenAs = [depth](long x, long y, long z, size_t v) {
        return v == 0 ? P2{x, y} : v == 1 ? P2{x, depth - z} : P2{depth - z, y};
    };
    std::vector<std::array<long, 3>> points;
    for (const P2& f : corners[0]) {
        for (const P2& t : corners[1]) {
            if (t.first != f.first) {
                continue;
            }
            const long z = depth - t.second;
            if (corners[2].count(seenAs(f.first, f.second, z, 2)) > 0) {
                points.push_back({f.first, f.second, z});
            }
        }
    }
    // A segment belongs when each view shows it on one of its lines or as a point.
    const auto onLine = [&lines](size_t v, P2 a, P2 b) {
        if (a == b) {
            return true;
        }
        for (const auto& [p, q] : lines[v]) {
            const long cross1 = (q.first - p.first) * (a.second - p.second) -
                                (q.second - p.second) * (a.first - p.first);
            const long cross2 = (q.first - p.first) * (b.second - p.second) -
                                (q.second - p.second) * (b.first - p.first);
            const auto within = [&](P2 c) {
                return c.first >= std::min(p.first, q.first) &&
                       c.first <= std::max(p.first, q.first) &&
                       c.second >= std::min(p.second, q.second) &&
                       c.second <= std::max(p.second, q.second);
            };
            if (cross1 == 0 && cross2 == 0 && within(a) && within(b)) {
                return true;
            }
        }
        return false;
    };
    CZelkData built;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            const auto& a = points[i];
            const auto& b = points[j];
            bool shown = true;
            for (size_t v = 0; v < 3 && shown; ++v) {
                shown = onLine(v, seenAs(a[0], a[1], a[2], v), seenAs(b[0], b[1], b[2], v));
            }
            // Straight along an axis or a face's diagonal: the drawings' own kind of line.
            if (shown) {
                built.AddLine(CLine{float(a[0]), float(a[1]), float(a[2]), float(b[0]), float(b[1]),
                                    float(b[2])});
            }
        }
    }
    return built;
}

TEST(ExerciseDrawings, EveryBuiltInExerciseIsSolvableFromItsDrawings) {
    const QDir folder(QStringLiteral(ZELK_PROGRAM_DIR "/exercises"));
    const QStringList names = folder.entryList({QStringLiteral("L*.zlk")}, QDir::Files);
    ASSERT_EQ(names.size(), 95);
    for (const QString& name : names) {
        const std::optional<ExerciseTask> task = ExerciseTask::Of(folder.filePath(name));
        ASSERT_TRUE(task) << name.toStdString();
        CZelkData target;
        ASSERT_TRUE(target.Load(folder.filePath(name)).ok) << name.toStdString();
        const std::vector<Face> faces = HiddenLines::FacesOf(folder.filePath(name));
        EXPECT_FALSE(faces.empty()) << name.toStdString() << ": no faces beside it";
        // The dimensions are the solid's own sizes.
        float size[3];
        ASSERT_TRUE(NumberText::ToSingles(target.GetMaxSize(), size, 3));
        float low[3];
        ASSERT_TRUE(NumberText::ToSingles(target.GetMinPos(), low, 3));
        const double w = size[0] - low[0];
        const double h = size[1] - low[1];
        const double d = size[2] - low[2];
        EXPECT_EQ(ExerciseViews::Extent(target, View::Front), (std::array<double, 2>{w, h}));
        EXPECT_EQ(ExerciseViews::Extent(target, View::Top), (std::array<double, 2>{w, d}));
        EXPECT_EQ(ExerciseViews::Extent(target, View::Side), (std::array<double, 2>{d, h}));
        // Built from what the drawings show, turned or mirrored as asked, moved anywhere:
        // accepted. A solid that moves becomes another.
        const CZelkData answer = task->Answer(target);
        if (task->kind == ExerciseTask::Kind::Rotation ||
            task->kind == ExerciseTask::Kind::Reflection) {
            EXPECT_FALSE(ThirdAngleCheck::Compare(answer, target).sameViews) << name.toStdString();
        }
        const CZelkData built = task->Answer(FromDrawings(target, faces));
        const ThirdAngleCheck::Result result = task->Check(built, answer);
        EXPECT_TRUE(result.sameViews) << name.toStdString() << " missing " << result.missing[0]
                                      << result.missing[1] << result.missing[2] << " extra "
                                      << result.extra[0] << result.extra[1] << result.extra[2];
    }
}

// Four exercises of each new kind at every level, seven of views; within a level the
// easiest first: none with hidden edges after one with them, fewer lines before more.
// Turns: one at the first three levels, two about different axes above. Every answer
// reaches only corners the level's pointer can.
TEST(ExerciseDrawings, EachKindHasEveryLevelEasiestFirst) {
    const QString folder = QStringLiteral(ZELK_PROGRAM_DIR "/exercises");
    std::map<std::pair<ExerciseTask::Kind, int>, std::vector<std::pair<bool, int>>> groups;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("L*.zlk")}, QDir::Files)) {
        const QString path = folder + u'/' + name;
        const std::optional<ExerciseTask> task = ExerciseTask::Of(path);
        ASSERT_TRUE(task) << name.toStdString();
        const int level = ExerciseLibrary::LevelOf(name);
        EXPECT_TRUE(name.startsWith(
            QStringLiteral("L%1-%2").arg(level).arg(ExerciseTask::Letter(task->kind))))
            << name.toStdString();
        CZelkData given;
        ASSERT_TRUE(given.Load(path).ok);
        const std::vector<Face> faces = HiddenLines::FacesOf(path);
        bool hidden = false;
        for (const HiddenLines::View view : HiddenLines::kAll) {
            for (const HiddenLines::Piece& piece : HiddenLines::Pieces(given, faces, view)) {
                hidden = hidden || piece.hidden;
            }
        }
        groups[{task->kind, level}].emplace_back(hidden, given.NumberOfLines());
        if (task->kind == ExerciseTask::Kind::Rotation) {
            ASSERT_EQ(task->turns.size(), level <= 3 ? 1u : 2u) << name.toStdString();
            if (level > 3) {
                EXPECT_NE(task->turns[0].axis, task->turns[1].axis) << name.toStdString();
            }
        }
        const CZelkData answer = task->Answer(given);
        const LevelTable::Level& table = LevelTable::Of(level);
        for (const CLine& l : answer.Lines()) {
            for (const float v : {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ}) {
                EXPECT_TRUE(v >= 0 && v <= table.space && std::fmod(v, float(table.step)) == 0)
                    << name.toStdString() << " reaches " << v;
            }
        }
    }
    for (const ExerciseTask::Kind kind : ExerciseTask::kKinds) {
        for (int level = 1; level <= 5; ++level) {
            const std::vector<std::pair<bool, int>>& group = groups[{kind, level}];
            EXPECT_EQ(group.size(), kind == ExerciseTask::Kind::Views ? 7u : 4u)
                << ExerciseTask::Name(kind).toStdString() << " " << level;
            if (kind != ExerciseTask::Kind::Views) {
                EXPECT_TRUE(std::is_sorted(group.begin(), group.end()))
                    << ExerciseTask::Name(kind).toStdString() << " " << level;
            }
        }
    }
}

} // namespace
