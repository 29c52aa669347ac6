#pragma once

#include "ctlZelkView.h"

#include <QColor>
#include <QImage>
#include <memory>

// A control of w × h pixels showing w × h figure units at ratio 1, looking straight
// at the x–y plane, with every aid switched off: tests switch on what they look at.
inline std::unique_ptr<ctlZelkView> PlainView(int w = 200, int h = 200) {
    auto view = std::make_unique<ctlZelkView>();
    view->SetControlWidth(w);
    view->SetControlHeight(h);
    view->SetControlScaleWidth(w);
    view->SetControlScaleHeight(h);
    int32_t zero = 0;
    view->SetLongitude(zero);
    view->SetLatitude(zero);
    view->SetViewAxis(false);
    view->SetViewsubAxis(false);
    view->SetViewPointerFrom(false);
    view->SetViewPointerTo(false);
    view->ViewTempLine(false);
    view->ViewTempLine2(false);
    return view;
}

inline QColor Bgr(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// True when the colour appears within one pixel of (x, y): lines of width 1 may fall
// on either side of a mathematically exact half-pixel.
inline bool ColourNear(const QImage& image, int x, int y, const QColor& colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + dx;
            const int py = y + dy;
            if (image.rect().contains(px, py) && image.pixelColor(px, py) == colour) {
                return true;
            }
        }
    }
    return false;
}

inline int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.rect().contains(x, y) && image.pixelColor(x, y) == colour) {
                ++n;
            }
        }
    }
    return n;
}
