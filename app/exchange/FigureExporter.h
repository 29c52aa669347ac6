#pragma once

#include "FileResult.h"

#include "HiddenLines.h"

#include "FigureRenderer.h"

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class CZelkData;

// Writes a figure for other tools: an SVG drawing sheet of the three views and the
// isometric view, an SVG or PNG of the view as shown, a Wavefront OBJ or DXF model, or
// an animated GIF of the turning animation. Files are written whole or not at all.
class FigureExporter {
public:
    enum class Format { SvgSheet, SvgView, Png, Obj, Dxf, Gif };
    struct Choice {
        Format format = Format::SvgSheet;
        int pngScale = 1; // 1, 2 or 4
        // The solid's faces (an exercise file's): the drawing sheet then shows hidden
        // edges dashed and the views' dimensions.
        const std::vector<HiddenLines::Face>* faces = nullptr;
    };

    // view: the picture as shown (SVG and PNG of the view, the GIF's colours); may be
    // null for the other formats. fileName and date go on the drawing sheet.
    static FileResult Export(const QString& path, const Choice& choice, const CZelkData& figure,
                             FigureRenderer* view, const QString& fileName, const QString& date);

    // The 36 frames of the turning animation: 200 × 150 pixels, longitude -45° and 10°
    // further each frame (as the flip-book export turns), latitude 35°, fitted to the
    // figure, in the colours of style (black on white without one).
    static QList<QImage> TurningFrames(const CZelkData& figure, const FigureRenderer::Style* style);
};
