#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "HiddenLines.h"

class CZelkData;

// A drawing sheet of a figure in third-angle projection, as SVG on A4 landscape: the
// front view lower left, the top view above it, the right side view to the right of the
// front view and the isometric view upper right, each labelled, all at one common scale
// (a standard one: 1:1, 1:2, 1:5, 2:1, …) written in the title block with the file
// name and the date. Sheet units are millimetres.
class DrawingSheet {
public:
    enum class View { Front, Top, RightSide, Isometric };
    static constexpr double kWidth = 297.0;
    static constexpr double kHeight = 210.0;

    // With the solid's faces (an exercise's), the three views are drawn as a reader
    // needs them: hidden edges dashed and each view's width and height as dimensions.
    static QByteArray Svg(const CZelkData& figure, const QString& fileName, const QString& date,
                          const std::vector<HiddenLines::Face>* faces = nullptr);

    // Where a view is drawn on the sheet (its label below it, inside the same cell).
    static QRectF Cell(View view);
    // A point of the figure as the view sees it: x to the right, y upwards, in figure mm.
    static QPointF Project(View view, float x, float y, float z);
    // The common scale (sheet mm per figure mm) the sheet uses for this figure.
    static double Scale(const CZelkData& figure);
    // "1:5", "2:1", "1:1".
    static QString ScaleText(double scale);
    static QString Label(View view);
};
