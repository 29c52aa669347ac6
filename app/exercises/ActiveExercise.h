#pragma once

#include "CZelkData.h"
#include "ExerciseLibrary.h"
#include "HiddenLines.h"
#include "ZelkStates.h"

#include <QDateTime>

// The exercise being solved: which one, the solid it gives and the one the learner is to
// build (the same for views; turned or mirrored), when it began, and whether the answer
// was shown (a right answer then is not recorded) or the hint is on.
struct ActiveExercise {
    ExerciseLibrary::Entry entry;
    CZelkData given;
    std::vector<HiddenLines::Face> givenFaces;
    CZelkData target;
    std::vector<HiddenLines::Face> faces; // the target solid's, for hidden edges
    // A missing view found another way than the model answer's: its view is shown, the
    // learner's over it.
    bool otherSide = false;
    QDateTime started;
    bool revealed = false;
    bool hint = false;
    bool solved = false;
    // The user zoomed: the zoom is theirs from then on.
    bool zoomed = false;
    // What the user had before the exercise, given back when it ends.
    struct Before {
        DifficultyLevel level = DifficultyLevel::Beginner;
        bool drawing = false;
        bool thirdAngle = false;
        float ratio = 1.0F;
    } before;
};
