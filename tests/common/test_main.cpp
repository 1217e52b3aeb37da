// Test main: a QApplication on the offscreen platform, so window tests run
// without a display and no test can block on a real box.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never let a test reach the machine's real serial ports through the default mapping.
    qputenv("TSSNC_NO_REAL_PORTS", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
