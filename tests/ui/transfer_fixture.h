#pragma once
// Window tests of the transfer and settings windows: port 1 is a
// pseudo-terminal whose master the test plays as the machine controller.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include "common/pty.h"
#include "menu_fixture.h"
#include "serial/frm_rs232c.h"

class TransferTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        ASSERT_TRUE(pty.ok());
        home.write("tssnc.ini", "Dir0 =sp2\r\n" + ptyIniLine(1, pty));
        pty.dropOwnSlave();
        QDir(home.path()).mkpath("sp2");
    }
    template <class F>
    static void pumpUntil(F done) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    Pty pty;
};
