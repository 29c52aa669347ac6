// Test entry for everything that needs widgets: one QApplication on the offscreen
// platform with a 1280 × 1024 screen (unless another platform was asked for).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZELK_OFFSCREEN_SCREEN);
    }
    // Imports run the built program as their reader; a test program is none.
    if (qEnvironmentVariableIsEmpty("ZELK_IMPORT_WORKER")) {
        qputenv("ZELK_IMPORT_WORKER", ZELK_PROGRAM_DIR "/zelk-import");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
