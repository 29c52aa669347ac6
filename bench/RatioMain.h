#pragma once

#include <string>
#include <vector>

struct RatioPair {
    std::string measured;
    std::string baseline;
    double target;
};

int RunWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs);
