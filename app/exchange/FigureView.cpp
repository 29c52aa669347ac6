#include "FigureView.h"

#include "CZelkData.h"
#include "ctlZelkView.h"

void FigureView::Send(const CZelkData& figure, ctlZelkView& view) {
    view.ClearData();
    view.SetMaxSize(figure.GetMaxSize());
    view.SetMaxPos(figure.GetMaxPos());
    view.SetMinPos(figure.GetMinPos());
    // Handed over as numbers: the same values the line texts would carry, without
    // writing and reading a text per line at every redraw.
    for (const CLine& l : figure.Lines()) {
        view.SetLineValues(l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ);
    }
}
