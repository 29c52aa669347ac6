#include "FigureView.h"

#include "CZelkData.h"
#include "NumberText.h"

namespace {

// A malformed extent text leaves the value as it was.
void Read(const QString& text, FigureRenderer::Point& to) {
    FigureRenderer::Point p{};
    if (NumberText::ToSingles(text, p.data(), 3)) {
        to = p;
    }
}

} // namespace

void FigureView::Send(const CZelkData& figure, FigureRenderer& renderer) {
    renderer.ClearFigure();
    FigureRenderer::Point size{};
    FigureRenderer::Point min{};
    FigureRenderer::Point max{};
    Read(figure.GetMaxSize(), size);
    Read(figure.GetMinPos(), min);
    Read(figure.GetMaxPos(), max);
    renderer.SetBounds(size, min, max);
    renderer.Reserve(static_cast<size_t>(figure.NumberOfLines()));
    for (const CLine& l : figure.Lines()) {
        renderer.AddSegment({l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ});
    }
}

FigureRenderer FigureView::Plain(const CZelkData& figure, QSize size) {
    FigureRenderer renderer = FigureRenderer::Plain(size);
    Send(figure, renderer);
    renderer.SetRatio(renderer.FittingRatio());
    return renderer;
}
