#pragma once

#include "AppContext.h"
#include "ExerciseLibrary.h"

#include <QString>

class CZelkController;
class ExerciseProgress;

// Exercises in reading third-angle drawings: choosing one, checking, the hint, the
// answer, keeping the answer, leaving, and making an exercise of one's own.
class ExerciseRoom {
public:
    ExerciseRoom(CZelkController& controller, AppContext& context);
    ExerciseRoom(const ExerciseRoom&) = delete;
    ExerciseRoom& operator=(const ExerciseRoom&) = delete;

    void ChooseExercise();
    void CheckExercise();
    void ShowExerciseHint();
    void ShowExerciseAnswer();
    // The given solid of a turn or a mirror, to be turned with the keys or the mouse.
    void ShowSample();
    void MakeExercise();
    void LeaveExercise();
    void KeepExerciseAnswer();
    // The record of every exercise into a table file a spreadsheet reads.
    void ExportProgress();
    // The exercises of the level chosen (of the exercise being solved) on paper, with
    // their answers on the pages after them.
    void MakeWorksheet();
    // The target's three views in the panes; hint: the learner's laid over them.
    void ShowExercisePanes(bool hint);
    // Leaves the exercise (another figure was put in place): the panes show the view again.
    void EndExercise();
    // The zoom that shows the exercise's solid, and the learner's figure as it grows.
    void FitExerciseZoom();

private:
    QString AnswerPath(const QString& exerciseId) const;
    void OpenExerciseAnswer(const ExerciseLibrary::Entry& entry);
    QString SolvedSoFar(const ExerciseProgress& progress);
    // True, after saying why, when no exercise is being solved.
    bool NoExercise(const QString& why);

    CZelkController& controller_;
    AppContext& context_;
};
