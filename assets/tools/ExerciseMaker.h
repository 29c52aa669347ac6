#pragma once

#include "CZelkData.h"
#include "ExerciseTask.h"
#include "HiddenLines.h"

#include <QString>
#include <memory>
#include <vector>

// The built-in exercises: solids of unit cubes stacked on a grid (each cube on the floor or
// on another) and cut blocks (a ramp, a chamfered block, a block with a corner cut off),
// seven for each of the five levels, larger and with more cubes as the level rises.
// Then four of each level for each of the other kinds (a missing view, a turn, a mirror),
// each level's ordered from the smallest solid without hidden edges to the largest.
// Every coordinate is a whole number of the level's steps inside its space; only the
// edges a solid shows are drawn (none inside a flat face), joined along their lines.
class ExerciseMaker {
public:
    struct Exercise {
        int level = 1; // 1 (初級) … 5 (超特級)
        QString name;  // file name: "L<level>-<kind letter><nn>.zlk"
        ExerciseTask task;
        std::unique_ptr<CZelkData> figure;
        std::vector<HiddenLines::Face> faces; // the solid's, for hidden edges
    };

    static std::vector<Exercise> BuiltIn();
    // Writes every exercise into folder, each with its faces ("L<level>-<nn>.faces") and,
    // but for views exercises, its task (".task");
    // false when one cannot be written.
    static bool WriteAll(const QString& folder);
};
