#include "CKeyHandler.h"

#include "CAppData.h"
#include "CZelkController.h"

#include <QCoreApplication>

void CKeyHandler::Send(const char* command, int times) {
    for (int i = 0; i < times; ++i) {
        context_.controller->SetCommand(QString::fromLatin1(command));
    }
}

void CKeyHandler::KeyDown(int16_t KeyCode, int16_t Shift) {
    // Turning works in every mode and interface, whatever the modifiers.
    switch (KeyCode) {
    case 27:
        Send("CONTINUOUS_TURN_STOP");
        break;
    case 32:
        Send("CONTINUOUS_TURN");
        break;
    case 37:
        Send("TURN_LEFT");
        break;
    case 38:
        Send("TURN_UP");
        break;
    case 39:
        Send("TURN_RIGHT");
        break;
    case 40:
        Send("TURN_DOWN");
        break;
    default:
        break;
    }

    // Drawing keys only in drawing mode with the normal interface.
    const CAppData& app = *context_.appData;
    if (app.Mode() == QLatin1String("DRAW_MODE") && !app.ProInterface()) {
        // Shift gives the minus direction, Ctrl ten steps; with Alt nothing moves.
        const bool minus = Shift == 1 || Shift == 3;
        const int times = Shift == 2 || Shift == 3 ? 10 : 1;
        const bool move = Shift >= 0 && Shift <= 3;
        switch (KeyCode) {
        case 8:
            Send("DEL_TAIL");
            break;
        case 13:
            Send("APPLY");
            break;
        case 79:
            Send("RETURN_POINTER_TO_ORIGIN");
            break;
        case 88:
            if (move) {
                Send(minus ? "POINTER_MOVE_MX" : "POINTER_MOVE_X", times);
            }
            break;
        case 89:
            if (move) {
                Send(minus ? "POINTER_MOVE_MY" : "POINTER_MOVE_Y", times);
            }
            break;
        case 90:
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
