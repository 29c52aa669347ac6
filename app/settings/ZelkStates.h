#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

// The program's states as types. Their texts ("VIEW_MODE", "FROM", "DOWN",
// "DIFFICULTY_MIDIUM") live only at the edges: the command table, the settings model's
// text properties and the settings file.
enum class AppMode { View, Draw, Other };
// The language of the texts; kept in the settings as "ja" or "en".
enum class UiLanguage { Japanese, English };
enum class DrawingPointer { From, To };
enum class TurnDirection { Up, Down, Left, Right };
enum class DifficultyLevel { Beginner, Midium, Senior, Special, SuperSpecial };

// Each difficulty level: its command, pointer step, working space, menu item and caption.
struct DifficultyEntry {
    DifficultyLevel level;
    const char* command;
    int16_t step;
    int16_t space;
    const char* menuItem;
    const char* caption;
};

// Each window size: its command (also the settings text), its size and its menu item.
struct FormSizeEntry {
    const char* command;
    int width;
    int height;
    const char* menuItem;
    const char* caption; // UTF-8
};

class ZelkStates {
public:
    static QString Text(AppMode mode);
    static QString Text(UiLanguage language);
    static QString Text(DrawingPointer pointer);
    static QString Text(TurnDirection direction);
    static QString Text(DifficultyLevel level);

    static AppMode ModeFrom(const QString& text);
    // "en" is English; any other text Japanese, the program's first language.
    static UiLanguage LanguageFrom(const QString& text);
    static std::optional<DrawingPointer> PointerFrom(const QString& text);
    static std::optional<TurnDirection> DirectionFrom(const QString& text);
    static std::optional<DifficultyLevel> LevelFrom(const QString& text);
    // The direction continuous turning takes after this one (up, down, left, right, up...).
    static TurnDirection NextDirection(TurnDirection direction);

    // In menu order.
    static std::span<const DifficultyEntry> Levels();
    static const DifficultyEntry& Level(DifficultyLevel level);
    // A caption of these tables (levels, sizes) in the user's language.
    static QString Tr(const char* caption);
    // In the order of the size commands.
    static std::span<const FormSizeEntry> FormSizes();
    // nullptr for a text that is not one of the four sizes.
    static const FormSizeEntry* FormSize(const QString& text);
};
