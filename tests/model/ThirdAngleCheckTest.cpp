#include "ThirdAngleCheck.h"

#include "CZelkData.h"

#include <gtest/gtest.h>

namespace {

CZelkData Figure(std::initializer_list<std::array<float, 6>> lines, float shift = 0) {
    CZelkData figure;
    for (const auto& l : lines) {
        figure.AddLine(CLine{l[0] + shift, l[1] + shift, l[2] - shift, l[3] + shift, l[4] + shift,
                             l[5] - shift});
    }
    return figure;
}

// The edges of a 10 mm cube.
CZelkData Cube(float shift = 0) {
    return Figure({{0, 0, 0, 10, 0, 0},
                   {10, 0, 0, 10, 10, 0},
                   {10, 10, 0, 0, 10, 0},
                   {0, 10, 0, 0, 0, 0},
                   {0, 0, 10, 10, 0, 10},
                   {10, 0, 10, 10, 10, 10},
                   {10, 10, 10, 0, 10, 10},
                   {0, 10, 10, 0, 0, 10},
                   {0, 0, 0, 0, 0, 10},
                   {10, 0, 0, 10, 0, 10},
                   {10, 10, 0, 10, 10, 10},
                   {0, 10, 0, 0, 10, 10}},
                  shift);
}

TEST(ThirdAngleCheck, SameViewsSameFigureAnotherAnswerAndWhatIsMissing) {
    // Moved anywhere, drawn in other pieces and directions: the same answer.
    CZelkData pieces = Cube(37);
    pieces.DelLine(1);
    pieces.AddLine(CLine{47, 37, -37, 41, 37, -37}); // the first edge in two reversed halves
    pieces.AddLine(CLine{37, 37, -37, 41, 37, -37});
    ThirdAngleCheck::Result r = ThirdAngleCheck::Compare(pieces, Cube());
    EXPECT_TRUE(r.sameViews);
    EXPECT_TRUE(r.sameFigure);
    EXPECT_EQ(r.missing, (std::array<int, 3>{0, 0, 0}));

    // A back edge left out: every view still shows a line there (the front edge covers it
    // in the front view, it is a point from above, the left edge covers it from the side):
    // the views agree, the figure does not.
    CZelkData noRight = Cube();
    noRight.DelLine(2); // (10,0,0)-(10,10,0): front view keeps (10,0,10)-(10,10,10)
    r = ThirdAngleCheck::Compare(noRight, Cube());
    EXPECT_TRUE(r.sameViews) << "the front view still shows the edge behind";
    EXPECT_FALSE(r.sameFigure) << "another answer (別解)";

    // One edge too many shows as extra in the views where it is a line of its own.
    CZelkData diagonal = Cube();
    diagonal.AddLine(CLine{0, 0, 0, 10, 10, 0}); // a diagonal on the back face
    r = ThirdAngleCheck::Compare(diagonal, Cube());
    EXPECT_FALSE(r.sameViews);
    EXPECT_EQ(r.extra[ThirdAngleCheck::Front], 1);
    EXPECT_EQ(r.extra[ThirdAngleCheck::Top], 0) << "seen edge-on from above: on the cube's edge";
    EXPECT_EQ(r.extra[ThirdAngleCheck::Side], 0);
    r = ThirdAngleCheck::Compare(Cube(), diagonal);
    EXPECT_EQ(r.missing[ThirdAngleCheck::Front], 1);

    // An empty figure lacks every line of every view: four edges each (merged pieces).
    r = ThirdAngleCheck::Compare(CZelkData(), Cube());
    EXPECT_EQ(r.missing, (std::array<int, 3>{4, 4, 4}));
    EXPECT_FALSE(r.sameViews);
}

} // namespace
