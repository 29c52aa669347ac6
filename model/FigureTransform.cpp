#include "FigureTransform.h"

#include <array>
#include <functional>

namespace {

using Point = std::array<float, 3>;

} // namespace

CZelkData FigureTransform::Mapped(const CZelkData& figure,
                                  const std::function<Point(const Point&)>& map) {
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

CZelkData FigureTransform::Turned(const CZelkData& figure, Axis axis, int quarters) {
    return Mapped(figure, [axis, quarters](const Point& p) { return Turned(p, axis, quarters); });
}

CZelkData FigureTransform::Mirrored(const CZelkData& figure, Axis across) {
    return Mapped(figure, [across](const Point& p) { return Mirrored(p, across); });
}
