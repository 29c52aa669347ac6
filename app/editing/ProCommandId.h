#pragma once

// The detailed-input panel's commands as the code names them (the strings, spelt as the
// vocabulary spells them, only where commands arrive from the panel's controls). The
// order is the panel's command table.
enum class ProCommandId {
    TurnUp,
    TurnDown,
    TurnLeft,
    TurnRight,
    ApplyLine,
    DeleteLine,
    NewLine,
    RefleshProInterface,
    ProInterfaceChange,
    SetupVscrollBar,
    SetupLineNumberLabel,
    VscrLineNumberChange,
    SetTempLine,
};
