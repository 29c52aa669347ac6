#pragma once

#include "FileResult.h"

#include <QDate>
#include <QString>
#include <map>
#include <vector>

// How the user did at each exercise: solved or not, attempts (checks) and the best time
// from start to a right answer, the day it was first solved. Kept per user in
// "ZelkExercises.txt" beside the settings file, one exercise a line: id, solved (0/1),
// attempts, best milliseconds (0: none) and the day (yyyy-MM-dd; files of before have none).
class ExerciseProgress {
public:
    struct Record {
        bool solved = false;
        int attempts = 0;
        qint64 bestMs = 0;
        QDate solvedOn;
    };

    explicit ExerciseProgress(const QString& path) : path_(path) {}
    static QString PathBeside(const QString& settingsFile);

    // Unreadable lines are skipped; a missing file is no progress.
    void Load();
    // False with why when the file could not be written (the old one then stays).
    FileResult Save() const;

    Record Get(const QString& id) const;
    void CountAttempt(const QString& id);
    // A right answer after ms milliseconds on a day: solved, the best time and the first
    // day kept.
    void Solve(const QString& id, qint64 ms, const QDate& on = {});

    // For a teacher's spreadsheet: a header and one line for each exercise listed (kind,
    // level, solved, checks, best time in seconds, the day first solved), UTF-8 with a
    // byte order mark so that spreadsheets read it as such.
    struct Listed {
        QString id;
        QString kind;
        QString level;
    };
    QByteArray Table(const std::vector<Listed>& exercises) const;

    // "解けた 1:23" (the best time as minutes:seconds), "" when not solved.
    static QString Note(const Record& record);
    // A time as minutes:seconds ("1:23").
    static QString Time(qint64 ms);
    // A group's line in the chooser: how many of its records are solved, the best time
    // among them and the checks made ("回転 中級　解けた数 2 / 4　最短 0:42　答え合わせ 5 回").
    static QString GroupLine(const QString& heading, const std::vector<Record>& records);

private:
    QString path_;
    std::map<QString, Record> records_;
};
