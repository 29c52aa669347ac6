#pragma once

#include "HiddenLines.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class CZelkData;
class QPainter;

// The pictures of an exercise, drawn as third-angle drawings are: black on white, visible
// edges solid, hidden edges dashed and thinner, each view named, with its overall width
// and height as dimension lines in millimetres, all three views at one scale. The
// learner's figure can be laid over in red for a hint; the chooser's small card places
// the three views as the projection puts them.
class ExerciseViews {
public:
    enum class View { Front, Top, Side };

    // A figure with its solid's faces (none: every edge is drawn solid, and the picture
    // says that hidden edges could not be told).
    // mirror: the axis a mirror plane is across (0 x, 1 y, 2 z; -1 none), drawn beside the
    // solid as a blue chain line where the view sees it edge-on.
    struct Solid {
        const CZelkData& figure;
        const std::vector<HiddenLines::Face>& faces;
        int mirror = -1;
    };

    // size in the control's pixels, scale the pixels per control pixel (2 on a 2x screen).
    // The learner's figure is drawn at the target's scale, the smallest corners together;
    // the picture carries the scale as its device pixel ratio.
    static QImage Pane(const Solid& target, const CZelkData* learner, View view, QSize size,
                       int scale = 1);
    // The same drawing on any painter (a PDF page) within frame, in the painter's font.
    static void PaintPane(QPainter& painter, const Solid& target, const CZelkData* learner,
                          View view, const QRectF& frame);
    // A view left for the learner to find: its name, a question mark and what to do.
    static QImage Blank(View view, QSize size, int scale = 1);
    static void PaintBlank(QPainter& painter, View view, const QRectF& frame);
    // Top above front, right side beside the front; hidden edges dashed, no names or
    // dimensions (too small to read). withSide false: the side view is left out (an
    // exercise that asks for it).
    static QImage Card(const Solid& figure, QSize size, int scale = 1, bool withSide = true);
    // The same for a figure alone: its faces are found from its edges where they can be.
    static QImage Pane(const CZelkData& target, const CZelkData* learner, View view, QSize size,
                       int scale = 1);
    static QImage Card(const CZelkData& figure, QSize size, int scale = 1);

    // The view's name as a drawing gives it (正面図, 平面図, 右側面図).
    static QString Name(View view);
    // The figure's overall width and height in a view, in millimetres.
    static std::array<double, 2> Extent(const CZelkData& figure, View view);
    // The note a drawing without faces carries.
    static QString NoFacesNote();
    // The note of a view that sees the mirror plane face-on.
    static QString MirrorNote();

private:
    static void Draw(QPainter& painter, const Solid& target, const CZelkData* learner, View view,
                     QRectF area, double millimetre, bool annotated);
};
