#pragma once

#include "FigureRenderer.h"

#include <QSize>

class CZelkData;
class FigurePreload;

// Hands a figure to a renderer: its extents and bounds, then every line as numbers. The
// main view, the thumbnails, the exports and the command line all fill their pictures
// this one way.
class FigureView {
public:
    // preload: the figure read at start may bring its segments already copied.
    static void Send(const CZelkData& figure, FigureRenderer& renderer,
                     FigurePreload* preload = nullptr);
    // The one set-up of a picture made without a window: the figure alone, black on white,
    // in the isometric view, fitted to a picture of size pixels.
    static FigureRenderer Plain(const CZelkData& figure, QSize size);
};
