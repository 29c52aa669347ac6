#pragma once

#include "ExerciseTask.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

class AppFolders;
class CZelkData;

// The exercises the chooser lists: the built-in ones installed with the program and the
// user's own, made from a figure with "この図形を問題にする". An exercise is a figure file
// named "L<level>-<name>.zlk"; its comment is its title. What it asks is kept beside it
// (a views exercise when nothing is).
class ExerciseLibrary {
public:
    struct Entry {
        QString id; // "L1-03" for a built-in one, "own/L2-20261208-101500" for the user's
        int level = 1;
        QString title;
        QString path;
        bool own = false;
        ExerciseTask task;
    };

    static QString BuiltInFolder(const AppFolders& folders);
    static QString OwnFolder(const AppFolders& folders);
    // Built-in ones by kind, level and name, then the user's own by name; files that cannot
    // be read, or are empty, or whose task cannot be read, are left out.
    // figures, when given, receives each entry's figure as read (one for each entry).
    static std::vector<Entry> List(const AppFolders& folders,
                                   std::vector<std::unique_ptr<CZelkData>>* figures = nullptr);
    // Keeps figure as an exercise of the user's own at level; the new file's path, or ""
    // with why when it could not be written.
    // title: the exercise's name, kept as its comment.
    static QString AddOwn(const CZelkData& figure, const QString& title, int level,
                          const AppFolders& folders, const QDateTime& now, QString& why);
    // Named by the figure's own comment.
    static QString AddOwn(const CZelkData& figure, int level, const AppFolders& folders,
                          const QDateTime& now, QString& why);
    // The level a file name gives ("L3-…" → 3), 0 when it names none.
    static int LevelOf(const QString& fileName);
    // The group an exercise is listed in: "回転 中級" (the user's own: "自分の問題").
    static QString Group(const Entry& entry);
};
