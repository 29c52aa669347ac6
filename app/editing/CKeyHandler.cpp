#include "CKeyHandler.h"

#include "CAppData.h"
#include "CZelkController.h"
#include "KeyCodes.h"

#include <QCoreApplication>

void CKeyHandler::Send(CommandId command, int times) {
    for (int i = 0; i < times; ++i) {
        context_.controller->Run(command);
    }
}

void CKeyHandler::KeyDown(int16_t KeyCode, int16_t Shift) {
    // Turning works in every mode and interface, whatever the modifiers.
    using namespace KeyCodes;
    switch (KeyCode) {
    case kEscape:
        Send(CommandId::ContinuousTurnStop);
        break;
    case kSpace:
        Send(CommandId::ContinuousTurn);
        break;
    case kLeft:
        Send(CommandId::TurnLeft);
        break;
    case kUp:
        Send(CommandId::TurnUp);
        break;
    case kRight:
        Send(CommandId::TurnRight);
        break;
    case kDown:
        Send(CommandId::TurnDown);
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
            Send(CommandId::DelTail);
            break;
        case kEnter:
            Send(CommandId::Apply);
            break;
        case kO:
            Send(CommandId::ReturnPointerToOrigin);
            break;
        case kX:
            if (move) {
                Send(minus ? CommandId::PointerMoveMx : CommandId::PointerMoveX, times);
            }
            break;
        case kY:
            if (move) {
                Send(minus ? CommandId::PointerMoveMy : CommandId::PointerMoveY, times);
            }
            break;
        case kZ:
            if (move) {
                Send(minus ? CommandId::PointerMoveMz : CommandId::PointerMoveZ, times);
            }
            break;
        default:
            break;
        }
    }
    QCoreApplication::processEvents();
}
