#pragma once

#include "CZelkData.h"

#include <array>
#include <cstddef>
#include <functional>

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
    // A copy of figure with every end point mapped.
    static CZelkData
    Mapped(const CZelkData& figure,
           const std::function<std::array<float, 3>(const std::array<float, 3>&)>& map);

    // The same for one point (a corner of a face).
    template <typename T>
    static std::array<T, 3> Turned(std::array<T, 3> p, Axis axis, int quarters) {
        const auto [u, v] = Plane(axis);
        for (int i = 0; i < ((quarters % 4) + 4) % 4; ++i) {
            // A quarter turn: (u, v) becomes (-v, u); +0: a turned zero is zero, not -0.
            const T nu = -p[v] + T(0);
            p[v] = p[u];
            p[u] = nu;
        }
        return p;
    }
    template <typename T> static std::array<T, 3> Mirrored(std::array<T, 3> p, Axis across) {
        p[static_cast<size_t>(across)] = -p[static_cast<size_t>(across)] + T(0);
        return p;
    }

private:
    // The two axes a turn about axis moves, in the order a positive quarter turn takes the
    // first to the second.
    static constexpr std::array<size_t, 2> Plane(Axis axis) {
        return axis == Axis::X   ? std::array<size_t, 2>{1, 2}
               : axis == Axis::Y ? std::array<size_t, 2>{2, 0}
                                 : std::array<size_t, 2>{0, 1};
    }
};
