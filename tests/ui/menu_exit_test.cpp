// The orderly exit: port closed, every window unloaded, the program ends.
#include <QPushButton>
#include <QTest>
#include "common/pty.h"
#include "menu_fixture.h"
#include "serial/frm_rs232c.h"

TEST_F(MenuTest, QOnAnyButtonEndsTheProgramInOrder) {
    for (int i = 0; i < 3; ++i) {
        frmMenu& m = menuWindow();
        m.show();
        transferWindow();
        m.Command1[i]->setFocus();
        QTest::keyClick(m.Command1[i], Qt::Key_Q);
        EXPECT_EQ(programEnds, i + 1) << "button " << i;
        EXPECT_FALSE(menuWindowLoaded());
        EXPECT_FALSE(transferWindowLoaded());
        EXPECT_FALSE(editorWindowLoaded());
        settle();
    }
    // Shift+Q is the same key.
    frmMenu& m = menuWindow();
    m.show();
    QTest::keyClick(m.Command1[0], Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(programEnds, 4);
}

TEST_F(MenuTest, OtherKeysOnTheButtonsDoNotEndTheProgram) {
    frmMenu& m = menuWindow();
    m.show();
    QTest::keyClick(m.Command1[2], Qt::Key_W);
    QTest::keyClick(m.Command1[1], Qt::Key_A);
    m.Command1_KeyDown(0, 80, 0);
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(menuWindowLoaded());
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MenuTest, EndButtonAndTheMenuCloseBoxEndTheProgram) {
    frmMenu& m = menuWindow();
    m.show();
    QTest::mouseClick(m.Command1[2], Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(menuWindowLoaded());
    settle();

    frmMenu& again = menuWindow();
    again.show();
    again.close();
    EXPECT_EQ(programEnds, 2);
    EXPECT_FALSE(menuWindowLoaded());
    EXPECT_FALSE(transferWindowLoaded());
}

TEST_F(MenuTest, OrderlyExitClosesTheSerialPortBeforeTheWindowsGo) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    home.write("tssnc.ini", ptyIniLine(1, pty));
    pty.dropOwnSlave();
    frmMenu& m = menuWindow();
    ASSERT_TRUE(transferWindow().port().isOpen());
    m.show();
    m.Command1_Click(1);  // the transfer window is in use when the menu comes back
    QTest::mouseClick(transferWindow().cmd終了, Qt::LeftButton);
    ASSERT_TRUE(m.isVisible());
    m.Command1_Click(2);
    // Closed by the exit itself, not only by destroying the window later.
    EXPECT_TRUE(pty.slaveClosed());
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(transferWindowLoaded());
}

TEST_F(MenuTest, ExitAfterAFailedPortOpenIsQuiet) {
    frmMenu& m = menuWindow();
    EXPECT_FALSE(transferWindow().port().isOpen());
    m.Form_Unload();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_FALSE(menuWindowLoaded());
    // The exit runs once even if asked twice (close box during the exit).
    m.Form_Unload();
    settle();
}
