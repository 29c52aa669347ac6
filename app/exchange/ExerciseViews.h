#pragma once

#include <QImage>
#include <QSize>

class CZelkData;

// The pictures of an exercise: a target's front, top or right-side view, drawn like a
// technical drawing (black on white, no axes), with the learner's figure laid over it in
// red for a hint; and the three views together, placed as third-angle projection puts
// them, as the chooser's small picture.
class ExerciseViews {
public:
    enum class View { Front, Top, Side };

    // size in the control's pixels, scale the pixels per control pixel (2 on a 2x screen).
    // Both figures are drawn with the target's zoom, their smallest corners together; the
    // picture carries the scale as its device pixel ratio.
    static QImage Pane(const CZelkData& target, const CZelkData* learner, View view, QSize size,
                       int scale = 1);
    // Top above front, right side beside the front.
    static QImage Card(const CZelkData& figure, QSize size);
};
