// The checks of the exercises beyond reading three views: a missing view (any solid that
// agrees in the front and top views is right), a turn (the turned solid, not the one
// shown nor one turned about another axis) and a mirror image (not the original, unless
// the solid is its own mirror image).
#include "FigureTransform.h"
#include "CZelkData.h"
#include "ExerciseTask.h"
#include "ThirdAngleCheck.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

using Axis = FigureTransform::Axis;
using Corner = std::array<float, 3>;

CZelkData Solid(std::initializer_list<std::pair<Corner, Corner>> edges) {
    CZelkData figure;
    for (const auto& [a, b] : edges) {
        EXPECT_TRUE(figure.AddLine(CLine{a[0], a[1], a[2], b[0], b[1], b[2]}));
    }
    return figure;
}

// A prism of the polygon (in the xy plane) from z = 0 to z = depth.
CZelkData Prism(const std::vector<std::array<float, 2>>& polygon, float depth) {
    CZelkData figure;
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
        const auto& p = polygon[i];
        const auto& q = polygon[(i + 1) % n];
        for (const float z : {0.0F, depth}) {
            figure.AddLine(CLine{p[0], p[1], z, q[0], q[1], z});
        }
        figure.AddLine(CLine{p[0], p[1], 0, p[0], p[1], depth});
    }
    return figure;
}

// A copy (a figure is moved, not copied).
CZelkData Copy(const CZelkData& figure) {
    return FigureTransform::Turned(figure, Axis::X, 0);
}

const CZelkData& LBlock() {
    static const CZelkData block =
        Prism({{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 20}, {0, 20}}, 10);
    return block;
}

TEST(ExerciseKinds, EachKindAcceptsItsAnswerAndRefusesTheNearMisses) {
    constexpr std::array<StandardViews::View, 2> kFrontAndTop{StandardViews::Front,
                                                              StandardViews::Top};
    const CZelkData cube = Prism({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 20);
    // A wedge: a right triangle in the side plane, 20 long in x. Front and top are the
    // cube's squares; its side view is a triangle.
    const CZelkData wedge = Solid({{{0, 0, 0}, {20, 0, 0}},
                                   {{0, 0, 20}, {20, 0, 20}},
                                   {{0, 20, 0}, {20, 20, 0}},
                                   {{0, 0, 0}, {0, 0, 20}},
                                   {{0, 0, 20}, {0, 20, 0}},
                                   {{0, 0, 0}, {0, 20, 0}},
                                   {{20, 0, 0}, {20, 0, 20}},
                                   {{20, 0, 20}, {20, 20, 0}},
                                   {{20, 0, 0}, {20, 20, 0}}});
    // The same triangle lying in the top plane: the front view still a square, the top not.
    const CZelkData lying = FigureTransform::Turned(wedge, Axis::Y, 1);

    struct Case {
        const char* what;
        CZelkData learner;
        CZelkData target;
        bool missingView; // only the front and top views count
        bool right;
    };
    const Case cases[] = {
        {"missing view: the model answer", Copy(cube),
         Prism({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 20), true, true},
        {"missing view: another solid with the same front and top", Copy(wedge),
         Prism({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 20), true, true},
        {"missing view: a wrong top", Copy(lying), Prism({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 20),
         true, false},
        {"turn: the block turned about X", FigureTransform::Turned(LBlock(), Axis::X, 1),
         FigureTransform::Turned(LBlock(), Axis::X, 1), false, true},
        {"turn: the block as shown", Copy(LBlock()), FigureTransform::Turned(LBlock(), Axis::X, 1),
         false, false},
        {"turn: about the wrong axis", FigureTransform::Turned(LBlock(), Axis::Y, 1),
         FigureTransform::Turned(LBlock(), Axis::X, 1), false, false},
        {"turn: the wrong way round", FigureTransform::Turned(LBlock(), Axis::Z, -1),
         FigureTransform::Turned(LBlock(), Axis::Z, 1), false, false},
        {"two turns, given in order",
         FigureTransform::Turned(FigureTransform::Turned(LBlock(), Axis::X, 1), Axis::Y, 1),
         FigureTransform::Turned(FigureTransform::Turned(LBlock(), Axis::X, 1), Axis::Y, 1), false,
         true},
        {"two turns in the other order",
         FigureTransform::Turned(FigureTransform::Turned(LBlock(), Axis::Y, 1), Axis::X, 1),
         FigureTransform::Turned(FigureTransform::Turned(LBlock(), Axis::X, 1), Axis::Y, 1), false,
         false},
        {"mirror: the mirror image", FigureTransform::Mirrored(LBlock(), Axis::X),
         FigureTransform::Mirrored(LBlock(), Axis::X), false, true},
        {"mirror: the original", Copy(LBlock()), FigureTransform::Mirrored(LBlock(), Axis::X),
         false, false},
        {"mirror: a symmetric solid is its own image", Copy(cube),
         FigureTransform::Mirrored(cube, Axis::Z), false, true},
    };
    for (const Case& c : cases) {
        const ThirdAngleCheck::Result result =
            c.missingView ? ThirdAngleCheck::Compare(c.learner, c.target, kFrontAndTop)
                          : ThirdAngleCheck::Compare(c.learner, c.target);
        EXPECT_EQ(result.sameViews, c.right) << c.what;
    }
    // The other solid's side view differs from the model answer's: the learner is told.
    EXPECT_FALSE(ThirdAngleCheck::Compare(wedge, cube).sameViews);
}

TEST(ExerciseKinds, TurnsAndMirrorsAreExactAndComeBack) {
    const CZelkData& block = LBlock();
    for (const Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
        const CZelkData four = FigureTransform::Turned(block, axis, 4);
        EXPECT_TRUE(four.SameLines(block));
        const CZelkData there = FigureTransform::Turned(block, axis, 3);
        EXPECT_TRUE(FigureTransform::Turned(there, axis, 1).SameLines(block));
        EXPECT_FALSE(there.SameLines(block));
        EXPECT_TRUE(FigureTransform::Mirrored(FigureTransform::Mirrored(block, axis), axis)
                        .SameLines(block));
    }
    // A quarter turn about X takes +Y to +Z (right hand).
    const CZelkData up = Solid({{{0, 0, 0}, {0, 5, 0}}});
    EXPECT_EQ(FigureTransform::Turned(up, Axis::X, 1).GetLine(1), QStringLiteral("0,0,0,0,0,5"));
    EXPECT_EQ(FigureTransform::Turned(up, Axis::Z, 1).GetLine(1), QStringLiteral("0,0,0,-5,0,0"));
    EXPECT_EQ(FigureTransform::Mirrored(up, Axis::Y).GetLine(1), QStringLiteral("0,0,0,0,-5,0"));
}

// A task is read back as written and refused when it is not whole; its answer is the solid
// moved as asked with its smallest corner at the origin (faces too), and taking a learner's
// answer back lands on the given solid.
TEST(ExerciseKinds, ATaskReadsBackAndItsAnswerUndoes) {
    ExerciseTask two;
    two.kind = ExerciseTask::Kind::Rotation;
    two.turns = {{Axis::X, 1}, {Axis::Y, -1}};
    ExerciseTask mirror;
    mirror.kind = ExerciseTask::Kind::Reflection;
    mirror.mirror = Axis::Z;
    ExerciseTask missing;
    missing.kind = ExerciseTask::Kind::MissingView;
    for (const ExerciseTask& task : {two, mirror, missing}) {
        EXPECT_EQ(ExerciseTask::Parse(task.Text()), task) << task.Text().toStdString();
    }
    EXPECT_EQ(two.Text(), QByteArray("kind rotation\nturn X 1\nturn Y -1\n"));
    for (const char* bad :
         {"", "kind rotation\n", "kind turning\n", "kind rotation\nturn W 1\n",
          "kind rotation\nturn X 4\n", "kind rotation\nturn X one\n", "kind reflection\n",
          "kind reflection\nmirror X\nmirror Y\n", "kind views\nmirror X\n",
          "kind missing\nturn X 1\n", "kind views\nkind missing\n", "kind views extra\n"}) {
        EXPECT_FALSE(ExerciseTask::Parse(bad)) << bad;
    }
    EXPECT_EQ(ExerciseTask::Parse("\n kind  views \n\n"), ExerciseTask{});

    EXPECT_EQ(
        two.Instruction(),
        QStringLiteral("X 軸のまわりに 90° 回し、次に Y 軸のまわりに -90° 回した形を作りなさい。"));
    ExerciseTask one;
    one.kind = ExerciseTask::Kind::Rotation;
    one.turns = {{Axis::X, 1}};
    EXPECT_EQ(one.Instruction(), QStringLiteral("X 軸のまわりに 90° 回した形を作りなさい。"));
    EXPECT_EQ(missing.Checked(),
              (std::vector<StandardViews::View>{StandardViews::Front, StandardViews::Top}));
    EXPECT_EQ(two.Checked().size(), 3u);

    const CZelkData& block = LBlock();
    const std::vector<HiddenLines::Face> faces = HiddenLines::FindFaces(block);
    ASSERT_FALSE(faces.empty());
    for (const ExerciseTask& task : {two, mirror, missing}) {
        const CZelkData answer = task.Answer(block);
        EXPECT_EQ(answer.MinPos(), (CZelkData::Point{0, 0, 0})) << task.Text().toStdString();
        const CZelkData expected =
            task.kind == ExerciseTask::Kind::Rotation
                ? FigureTransform::Turned(FigureTransform::Turned(block, Axis::X, 1), Axis::Y, -1)
            : task.kind == ExerciseTask::Kind::Reflection
                ? FigureTransform::Mirrored(block, Axis::Z)
                : Copy(block);
        EXPECT_TRUE(ThirdAngleCheck::Compare(answer, expected).sameFigure);
        EXPECT_TRUE(ThirdAngleCheck::Compare(task.Undone(answer), block).sameFigure);
        // The faces move with the lines: the answer's own faces, corner for corner.
        std::vector<HiddenLines::Face> moved = task.AnswerFaces(block, faces);
        ASSERT_EQ(moved.size(), faces.size());
        for (const HiddenLines::Face& face : moved) {
            for (const HiddenLines::Point& p : face) {
                EXPECT_TRUE(p[0] >= 0 && p[1] >= 0 && p[2] >= 0 && p[0] <= answer.MaxPos()[0] &&
                            p[1] <= answer.MaxPos()[1] && p[2] <= answer.MaxPos()[2]);
            }
        }
        EXPECT_EQ(HiddenLines::FindFaces(answer).size(), moved.size());
    }
}

} // namespace
