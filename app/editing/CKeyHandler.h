#pragma once

#include "CommandId.h"

#include "AppContext.h"

#include <cstdint>

// Turns one key of the main window (a key code as on Windows and a modifier mask:
// 1 Shift, 2 Ctrl, 4 Alt) into zero, one or ten commands for the controller.
class CKeyHandler {
public:
    explicit CKeyHandler(AppContext& context) : context_(context) {}
    void KeyDown(int16_t KeyCode, int16_t Shift);

private:
    void Send(CommandId command, int times = 1);
    AppContext& context_;
};
