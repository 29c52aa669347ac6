#include "CKeyHandler.h"

#include "CAppData.h"
#include "CZelkController.h"
#include "KeyCodes.h"

#include <QCoreApplication>

void CKeyHandler::Send(const char* command, int times) {
    for (int i = 0; i < times; ++i) {
        context_.controller->SetCommand(QString::fromLatin1(command));
    }
}

void CKeyHandler::KeyDown(int16_t KeyCode, int16_t Shift) {
    // Turning works in every mode and interface, whatever the modifiers.
    using namespace KeyCodes;
    switch (KeyCode) {
    case kEscape:
        Send("CONTINUOUS_TURN_STOP");
        break;
    case kSpace:
        Send("CONTINUOUS_TURN");
        break;
    case kLeft:
        Send("TURN_LEFT");
        break;
    case kUp:
        Send("TURN_UP");
        break;
    case kRight:
        Send("TURN_RIGHT");
        break;
    case kDown:
        Send("TURN_DOWN");
        break;
    default:
        break;
    }

    // Drawing keys only in drawing mode with the normal interface.
    const CAppData& app = *context_.appData;
    if (app.Drawing() && !app.ProInterface()) {
        // Shift gives the minus direction, Ctrl ten steps; with Alt nothing moves.
        const bool minus = (Shift & kShiftMask) != 0;
        const int times = (Shift & kCtrlMask) != 0 ? 10 : 1;
        const bool move = Shift >= 0 && Shift <= (kShiftMask | kCtrlMask);
        switch (KeyCode) {
        case kBackspace:
            Send("DEL_TAIL");
            break;
        case kEnter:
            Send("APPLY");
            break;
        case kO:
            Send("RETURN_POINTER_TO_ORIGIN");
            break;
        case kX:
            if (move) {
                Send(minus ? "POINTER_MOVE_MX" : "POINTER_MOVE_X", times);
            }
            break;
        case kY:
            if (move) {
                Send(minus ? "POINTER_MOVE_MY" : "POINTER_MOVE_Y", times);
            }
            break;
        case kZ:
            if (move) {
                Send(minus ? "POINTER_MOVE_MZ" : "POINTER_MOVE_Z", times);
            }
            break;
        default:
            break;
        }
    }
    QCoreApplication::processEvents();
}
