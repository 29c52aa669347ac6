#pragma once

#include "ctlZelkViewExport.h"

#include <QImage>
#include <QRectF>
#include <cstdint>

// One-pixel lines written straight into a 32-bit image: each line is clipped to the
// image first (so a line reaching 1e30 costs what its visible part costs and no
// coordinate overflows), then walked with integer Bresenham steps. A pixel (i, j)
// covers [i, i + 1) × [j, j + 1), as in QPainter's aliased drawing; both end points
// are drawn. QPainter's own line drawing is an order of magnitude slower for the tens
// of thousands of thin lines a large figure has.
class CTLZELKVIEW_EXPORT LineRasterizer {
public:
    // The image must be Format_RGB32 or Format_ARGB32(_Premultiplied).
    explicit LineRasterizer(QImage& image);

    void SetColour(QRgb colour) { colour_ = colour; }
    void DrawLine(double x0, double y0, double x1, double y1);
    // One pixel at the point rounded to the nearest pixel, as QPainter draws a point.
    void DrawDot(double x, double y);

    // Liang–Barsky: shortens the line to its part inside box (edges included); false
    // when nothing of it lies inside or a coordinate is not finite.
    static bool Clip(double& x0, double& y0, double& x1, double& y1, const QRectF& box);

private:
    uint32_t* bits_;
    qsizetype stride_;
    int width_;
    int height_;
    QRectF box_;
    QRgb colour_ = 0xFF000000;
};
