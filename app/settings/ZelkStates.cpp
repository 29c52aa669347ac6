#include "ZelkStates.h"

#include "LevelTable.h"

#include <QCoreApplication>

#include <array>

namespace {

// Steps and spaces come from the one table of levels.
constexpr int16_t Step(int level) {
    return static_cast<int16_t>(LevelTable::Of(level).step);
}
constexpr int16_t Space(int level) {
    return static_cast<int16_t>(LevelTable::Of(level).space);
}

constexpr std::array<DifficultyEntry, 5> kLevels{{
    {DifficultyLevel::Beginner, "DIFFICULTY_BEGINNER", Step(1), Space(1), "mnuBeginner",
     QT_TRANSLATE_NOOP("ZelkStates", "初級　Step20mm　MAX 100mm")},
    {DifficultyLevel::Midium, "DIFFICULTY_MIDIUM", Step(2), Space(2), "mnuMidClass",
     QT_TRANSLATE_NOOP("ZelkStates", "中級　Step10mm　MAX 200mm")},
    {DifficultyLevel::Senior, "DIFFICULTY_SENIOR", Step(3), Space(3), "mnuSenior",
     QT_TRANSLATE_NOOP("ZelkStates", "上級　Step10mm　MAX1000mm")},
    {DifficultyLevel::Special, "DIFFICULTY_SPECIAL", Step(4), Space(4), "mnuSpecial",
     QT_TRANSLATE_NOOP("ZelkStates", "特級　Step 5mm　MAX1000mm")},
    {DifficultyLevel::SuperSpecial, "DIFFICULTY_SUPER_SPECIAL", Step(5), Space(5),
     "mnuSuperSpecial", QT_TRANSLATE_NOOP("ZelkStates", "超特級　Step 1mm　Max1000mm")},
}};

constexpr std::array<FormSizeEntry, 4> kSizes{
    {{"800x400", 800, 400, "mnuVAIOC1Size", QT_TRANSLATE_NOOP("ZelkStates", "モバイル用(800×400)")},
     {"640x480", 640, 480, "mnuNormalSize", QT_TRANSLATE_NOOP("ZelkStates", "ノーマル(640×480)")},
     {"800x600", 800, 600, "mnuExpansion1", QT_TRANSLATE_NOOP("ZelkStates", "拡張１(800×600)")},
     {"1024x768", 1024, 768, "mnuExpansion2",
      QT_TRANSLATE_NOOP("ZelkStates", "拡張２(1024×768)")}}};

struct DirectionText {
    TurnDirection direction;
    const char* text;
};
// Also the order continuous turning cycles through.
constexpr std::array<DirectionText, 4> kDirections{{{TurnDirection::Up, "UP"},
                                                    {TurnDirection::Down, "DOWN"},
                                                    {TurnDirection::Left, "LEFT"},
                                                    {TurnDirection::Right, "RIGHT"}}};

} // namespace

QString ZelkStates::Text(AppMode mode) {
    return mode == AppMode::Draw ? QStringLiteral("DRAW_MODE") : QStringLiteral("VIEW_MODE");
}

QString ZelkStates::Text(DrawingPointer pointer) {
    return pointer == DrawingPointer::To ? QStringLiteral("TO") : QStringLiteral("FROM");
}

QString ZelkStates::Text(TurnDirection direction) {
    for (const DirectionText& entry : kDirections) {
        if (entry.direction == direction) {
            return QLatin1String(entry.text);
        }
    }
    return QStringLiteral("DOWN");
}

QString ZelkStates::Text(DifficultyLevel level) {
    return QLatin1String(Level(level).command);
}

QString ZelkStates::Text(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

UiLanguage ZelkStates::LanguageFrom(const QString& text) {
    return text == QLatin1String("en") ? UiLanguage::English : UiLanguage::Japanese;
}

AppMode ZelkStates::ModeFrom(const QString& text) {
    if (text == QLatin1String("VIEW_MODE")) {
        return AppMode::View;
    }
    return text == QLatin1String("DRAW_MODE") ? AppMode::Draw : AppMode::Other;
}

std::optional<DrawingPointer> ZelkStates::PointerFrom(const QString& text) {
    if (text == QLatin1String("FROM")) {
        return DrawingPointer::From;
    }
    if (text == QLatin1String("TO")) {
        return DrawingPointer::To;
    }
    return std::nullopt;
}

std::optional<TurnDirection> ZelkStates::DirectionFrom(const QString& text) {
    for (const DirectionText& entry : kDirections) {
        if (text == QLatin1String(entry.text)) {
            return entry.direction;
        }
    }
    return std::nullopt;
}

std::optional<DifficultyLevel> ZelkStates::LevelFrom(const QString& text) {
    for (const DifficultyEntry& entry : kLevels) {
        if (text == QLatin1String(entry.command)) {
            return entry.level;
        }
    }
    return std::nullopt;
}

TurnDirection ZelkStates::NextDirection(TurnDirection direction) {
    for (size_t i = 0; i < kDirections.size(); ++i) {
        if (kDirections[i].direction == direction) {
            return kDirections[(i + 1) % kDirections.size()].direction;
        }
    }
    return TurnDirection::Up;
}

std::span<const DifficultyEntry> ZelkStates::Levels() {
    return kLevels;
}

const DifficultyEntry& ZelkStates::Level(DifficultyLevel level) {
    for (const DifficultyEntry& entry : kLevels) {
        if (entry.level == level) {
            return entry;
        }
    }
    return kLevels[1];
}

std::span<const FormSizeEntry> ZelkStates::FormSizes() {
    return kSizes;
}

const FormSizeEntry* ZelkStates::FormSize(const QString& text) {
    for (const FormSizeEntry& entry : kSizes) {
        if (text == QLatin1String(entry.command)) {
            return &entry;
        }
    }
    return nullptr;
}

QString ZelkStates::Tr(const char* caption) {
    return QCoreApplication::translate("ZelkStates", caption);
}
