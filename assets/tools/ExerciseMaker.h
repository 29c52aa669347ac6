#pragma once

#include "CZelkData.h"
#include "HiddenLines.h"

#include <QString>
#include <memory>
#include <vector>

// The built-in exercises: solids of unit cubes stacked on a grid (each cube on the floor or
// on another) and cut blocks (a ramp, a chamfered block, a block with a corner cut off),
// seven for each of the five levels, larger and with more cubes as the level rises.
// Every coordinate is a whole number of the level's steps inside its space; only the
// edges a solid shows are drawn (none inside a flat face), joined along their lines.
class ExerciseMaker {
public:
    struct Exercise {
        int level = 1; // 1 (初級) … 5 (超特級)
        QString name;  // file name: "L<level>-<nn>.zlk"
        std::unique_ptr<CZelkData> figure;
        std::vector<HiddenLines::Face> faces; // the solid's, for hidden edges
    };

    static std::vector<Exercise> BuiltIn();
    // Writes every exercise into folder, each with its faces ("L<level>-<nn>.faces");
    // false when one cannot be written.
    static bool WriteAll(const QString& folder);
};
