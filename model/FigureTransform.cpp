#include "FigureTransform.h"

#include <array>
#include <functional>

namespace {

using Point = std::array<float, 3>;

CZelkData Mapped(const CZelkData& figure, const std::function<Point(const Point&)>& map) {
    CZelkData out;
    out.Reserve(figure.NumberOfLines());
    for (const CLine& l : figure.Lines()) {
        // +0.0F: a turned zero is zero, not minus zero.
        const Point a = map({l.FromX, l.FromY, l.FromZ});
        const Point b = map({l.ToX, l.ToY, l.ToZ});
        out.AddLine(
            CLine{a[0] + 0.0F, a[1] + 0.0F, a[2] + 0.0F, b[0] + 0.0F, b[1] + 0.0F, b[2] + 0.0F});
    }
    out.SetComment(figure.Comment());
    out.SetDirty(false);
    return out;
}

// The two axes a turn about axis moves, in the order a positive quarter turn takes the
// first to the second.
std::array<size_t, 2> Plane(FigureTransform::Axis axis) {
    switch (axis) {
    case FigureTransform::Axis::X:
        return {1, 2};
    case FigureTransform::Axis::Y:
        return {2, 0};
    case FigureTransform::Axis::Z:
        return {0, 1};
    }
    return {0, 1};
}

} // namespace

CZelkData FigureTransform::Turned(const CZelkData& figure, Axis axis, int quarters) {
    const int q = ((quarters % 4) + 4) % 4;
    const auto [u, v] = Plane(axis);
    return Mapped(figure, [q, u = u, v = v](const Point& p) {
        Point r = p;
        for (int i = 0; i < q; ++i) {
            // A quarter turn: (u, v) becomes (-v, u).
            const float nu = -r[v];
            const float nv = r[u];
            r[u] = nu;
            r[v] = nv;
        }
        return r;
    });
}

CZelkData FigureTransform::Mirrored(const CZelkData& figure, Axis across) {
    const auto i = static_cast<size_t>(across);
    return Mapped(figure, [i](const Point& p) {
        Point r = p;
        r[i] = -r[i];
        return r;
    });
}
