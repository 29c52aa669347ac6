#pragma once

#include "CommandId.h"
#include "ProCommandId.h"

#include "AppContext.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The logic of the detailed-input panel: six number fields for the two end points of
// one line, a scroll bar over the lines and a line-number read-out. Fields are
// addressed in the order 0, 2, 4, 1, 3, 5: from x, y, z, then to x, y, z.
class CZelkProController {
public:
    explicit CZelkProController(AppContext& context) : context_(context) {}

    // The command string of a command named in code, as the panel sends it.
    static QString CommandText(ProCommandId command);
    // True for every command of the panel's vocabulary (exact comparison).
    bool SetCommand(const QString& command);
    // The same for a command named in code.
    bool Run(ProCommandId command);

    static constexpr std::array<int, 6> kFieldOrder{0, 2, 4, 1, 3, 5};

private:
    struct CommandEntry {
        ProCommandId id;
        const char* command;
        void (*handler)(CZelkProController&);
    };
    static std::span<const CommandEntry> CommandTable();

    void Forward(CommandId command);
    QString RefusalOf(const QStringList& fields) const;
    void RefreshProInterface();
    void SetUpScrollBar();
    void ShowLineNumber();
    void ChangeLineNumber();
    void PrepareNewLine();
    void ApplyLine();
    void DeleteCurrentLine();
    void TakePointersFromFields();
    void ShowEditedLine();
    int16_t ToPointerCoordinate(const QString& text) const;
    void SetPointerCoordinate(int part, int32_t value);
    void Notice(const QString& text);
    void AfterHistoryStep();

    AppContext& context_;
};
