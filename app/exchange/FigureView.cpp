#include "FigureView.h"

#include "CZelkData.h"
#include "FigurePreload.h"

void FigureView::Send(const CZelkData& figure, FigureRenderer& renderer, FigurePreload* preload) {
    renderer.ClearFigure();
    renderer.SetBounds(figure.MaxSize(), figure.MinPos(), figure.MaxPos());
    if (preload != nullptr) {
        if (FigurePreload::Segments ready = preload->TakeSegments(figure.Lines()); !ready.empty()) {
            renderer.AdoptSegments(std::move(ready));
            return;
        }
    }
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
