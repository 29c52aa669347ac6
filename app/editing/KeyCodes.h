#pragma once

#include <cstdint>

// The key codes the key mapper knows (the values of the Windows virtual keys, which the
// window turns Qt's keys into) and the modifier mask bits.
namespace KeyCodes {
constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kSpace = 32;
constexpr int16_t kLeft = 37;
constexpr int16_t kUp = 38;
constexpr int16_t kRight = 39;
constexpr int16_t kDown = 40;
constexpr int16_t kO = 79;
constexpr int16_t kX = 88;
constexpr int16_t kY = 89;
constexpr int16_t kZ = 90;

constexpr int16_t kShiftMask = 1;
constexpr int16_t kCtrlMask = 2;
constexpr int16_t kAltMask = 4;
} // namespace KeyCodes
