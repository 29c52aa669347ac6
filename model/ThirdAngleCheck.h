#pragma once

#include "StandardViews.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CZelkData;

// Whether a learner's figure reads the same as a target in third-angle drawings: both are
// moved so that their smallest corner is the origin, projected into the front, top and
// right-side views, and each view compared as a set of 2D segments (collinear pieces that
// overlap or touch merged, split at every vertex of either figure, ends in any order).
// Figures that differ in space but agree in all three views are another answer (別解).
class ThirdAngleCheck : public StandardViews {
public:
    struct Result {
        bool sameViews = false;  // the three views agree
        bool sameFigure = false; // and the segments agree in space too
        // Per view: segments of the target the learner lacks, and ones the target has not.
        std::array<int, 3> missing{};
        std::array<int, 3> extra{};
    };

    static Result Compare(const CZelkData& learner, const CZelkData& target);
    // The same comparing only the views named (a drawing with a view left out to be found:
    // any solid that agrees in the views given is right).
    static Result Compare(const CZelkData& learner, const CZelkData& target,
                          std::span<const View> views);

    // A segment as two points of as many coordinates as the space has.
    template <std::size_t N> using Piece = std::array<int64_t, 2 * N>;
};
