#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

// The five difficulty levels, 1 (初級) to 5 (超特級): the pointer's step and the working
// space in millimetres, and the size of one cell of the level's built-in exercises (a
// whole number of steps, so that every corner can be reached with the keys). The
// settings, the exercise maker and the exercise library read this one table.
class LevelTable {
public:
    struct Level {
        int step;
        int space;
        int unit;
        const char* name;
    };
    static constexpr std::array<Level, 5> kLevels{{
        {20, 100, 20, QT_TRANSLATE_NOOP("LevelTable", "初級")},
        {10, 200, 30, QT_TRANSLATE_NOOP("LevelTable", "中級")},
        {10, 1000, 100, QT_TRANSLATE_NOOP("LevelTable", "上級")},
        {5, 1000, 55, QT_TRANSLATE_NOOP("LevelTable", "特級")},
        {1, 1000, 47, QT_TRANSLATE_NOOP("LevelTable", "超特級")},
    }};
    // level: 1 to 5.
    static constexpr const Level& Of(int level) { return kLevels[static_cast<size_t>(level - 1)]; }
    // The level's short name in the user's language.
    static QString Name(int level) {
        return QCoreApplication::translate("LevelTable", Of(level).name);
    }
};
