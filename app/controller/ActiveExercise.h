#pragma once

#include "CZelkData.h"
#include "ExerciseLibrary.h"
#include "HiddenLines.h"

#include <QDateTime>

// The exercise being solved: which one, its target figure, when it began, and whether
// the answer was shown (a right answer then is not recorded) or the hint is on.
struct ActiveExercise {
    ExerciseLibrary::Entry entry;
    CZelkData target;
    std::vector<HiddenLines::Face> faces; // the target solid's, for hidden edges
    QDateTime started;
    bool revealed = false;
    bool hint = false;
};
