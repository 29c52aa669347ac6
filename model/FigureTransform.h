#pragma once

#include "CZelkData.h"

// Turns and mirrors a figure as the exercises of turning and reflecting ask. A turn is by
// quarter turns about an axis through the origin, positive by the right hand (a quarter
// turn about X takes +Y to +Z); a mirror is in the plane through the origin across an axis
// (across X: x becomes -x). Both are exact on a figure's coordinates.
class FigureTransform {
public:
    enum class Axis { X, Y, Z };

    // A copy of figure turned by quarters × 90° about axis (any whole number of quarters).
    static CZelkData Turned(const CZelkData& figure, Axis axis, int quarters);
    // A copy of figure mirrored across axis.
    static CZelkData Mirrored(const CZelkData& figure, Axis across);
};
