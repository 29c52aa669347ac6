#pragma once

#include <cmath>

// Rounds to the nearest integer, ties to even, as all layout arithmetic of the main
// window and its panels does.
inline int LayoutRound(double value) {
    return static_cast<int>(std::nearbyint(value));
}
