#pragma once

// One straight segment in millimetres: the "from" end point, then the "to" end point.
struct CLine {
    float FromX = 0.0F;
    float FromY = 0.0F;
    float FromZ = 0.0F;
    float ToX = 0.0F;
    float ToY = 0.0F;
    float ToZ = 0.0F;
};
