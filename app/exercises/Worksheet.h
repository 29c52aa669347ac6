#pragma once

#include "ExerciseTask.h"
#include "FileResult.h"
#include "HiddenLines.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <vector>

class CZelkData;

// Exercises on paper for a class: A4 pages of two exercises each, every one with its
// views as drawings give them (names, overall dimensions, hidden edges dashed, the mirror
// plane; a missing view left blank), what to do and room to sketch, and no answer on those
// pages; then the answer key, each answer's isometric view beside its views. Written with Qt's own
// PDF writer.
class Worksheet {
public:
    struct Exercise {
        QString title;
        const CZelkData& figure;
        std::vector<HiddenLines::Face> faces;
        ExerciseTask task; // what it asks; the answer key shows the solid it asks for
    };

    static FileResult Write(const QString& path, const std::vector<Exercise>& exercises);
    // The command line's worksheet of exercise files (none: every built-in exercise in
    // builtInFolder); the exit code, failures said on err.
    static int CommandLine(const QString& out, const QStringList& files,
                           const QString& builtInFolder, std::FILE* err);
};
