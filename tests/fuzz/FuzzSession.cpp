// Whole sessions of the program, offscreen: commands, keys, mouse, undo, loads, saves,
// imports and the detailed-input panel, with the invariants checked after every step.
#include "SessionDriver.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZELK_IMPORT_WORKER", ZELK_PROGRAM_DIR "/zelk-import");
    // libFuzzer's own flags are not the program's: Qt sees just the program's name.
    static int argc = 1;
    static char name[] = "fuzz_session";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's input devices must not outlive the platform at exit.
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SessionDriver driver(
        QStringLiteral(ZELK_PROGRAM_DIR),
        [](const std::string& what) {
            std::fprintf(stderr, "session fuzz: %s\n", what.c_str());
            std::abort();
        },
        10);
    driver.Run(data, size, 120);
    return 0;
}
