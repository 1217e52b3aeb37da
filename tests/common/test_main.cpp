// Test main: a QApplication on the offscreen platform, so window tests run
// without a display and no test can block on a real box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/gui_qt_japanese.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never let a test reach the machine's real serial ports through the default mapping.
    qputenv("TSSNC_NO_REAL_PORTS", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Qt's own boxes as the program shows them.
    installQtJapanese();
    // CTest runs every test as its own process, side by side: a test that does
    // not make its own TempHome still gets a program directory of its own,
    // never the build folder or a TSSNC_HOME left in the developer's shell.
    // A test program that another test started as its helper
    // (TSSNC_TEST_CHILD=1) keeps the program directory it was given.
    QTemporaryDir home;
    if (home.isValid() && qgetenv("TSSNC_TEST_CHILD") != "1")
        qputenv("TSSNC_HOME", home.path().toLocal8Bit());
    return RUN_ALL_TESTS();
}
