// Whole sessions of random steps (seeded, so a failure repeats): the program must return
// from every step and keep its invariants. The libFuzzer target fuzz_session runs the
// same driver on inputs it grows itself.
#include "SessionDriver.h"

#include <QtGlobal>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

TEST(SessionFuzz, SeededSessionsKeepEveryInvariant) {
    // More sessions on request (ZELK_SESSION_SEEDS), e.g. for a long run by hand.
    const unsigned seeds =
        qEnvironmentVariableIntValue("ZELK_SESSION_SEEDS") > 0
            ? static_cast<unsigned>(qEnvironmentVariableIntValue("ZELK_SESSION_SEEDS"))
            : 6U;
    // ZELK_SESSION_SEED repeats one session.
    const unsigned first =
        qEnvironmentVariableIntValue("ZELK_SESSION_SEED") > 0
            ? static_cast<unsigned>(qEnvironmentVariableIntValue("ZELK_SESSION_SEED"))
            : 1U;
    for (unsigned seed = first; seed < first + (first > 1 ? 1 : seeds); ++seed) {
        std::mt19937 random(seed);
        std::vector<uint8_t> bytes(4000);
        for (uint8_t& b : bytes) {
            b = static_cast<uint8_t>(random());
        }
        std::string failure;
        SessionDriver driver(
            QStringLiteral(ZELK_PROGRAM_DIR),
            [&failure](const std::string& what) { failure = what; }, 20);
        const bool kept = driver.Run(bytes.data(), bytes.size(), 150);
        EXPECT_TRUE(kept) << "seed " << seed << ": " << failure;
        EXPECT_GE(driver.StepsRun(), 100) << "seed " << seed;
    }
}

} // namespace
