// Start-up of the main menu: tssnc.ini, the machine choices, the labels of the
// other windows and the transfer window's port.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include "common/pty.h"
#include "menu_fixture.h"
#include "platform/gui_twips.h"
#include "platform/qt_serial_port.h"
#include "serial/frm_rs232c.h"

TEST_F(MenuTest, FirstStartCreatesTheIniAndOffersTheDefaultMachines) {
    frmMenu& m = menuWindow();
    EXPECT_EQ(readFileBytes(home.file("tssnc.ini")),
              QByteArray("Dir0 =sp2\r\nDir1 =spg\r\nDir2 =77q\r\nDir3 =77r\r\n"
                         "tate/yoko =tate\r\n"));
    EXPECT_EQ(m.windowTitle(), "menu  Quorvane/2007.01");
    const char* names[] = {"sp2", "spg", "77q", "77r"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.Option1[i]->text(), names[i]);
    EXPECT_TRUE(m.Option1[0]->isChecked());
    EXPECT_EQ(m.Command1[0]->text(), "ファイル編集");
    EXPECT_EQ(m.Command1[1]->text(), "rs232c入出力");
    EXPECT_EQ(m.Command1[2]->text(), "終了");
    // Loaded, not shown; it placed itself 330 twips from the top left.
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(m.pos(), QPoint(twips::px(330), twips::px(330)));
    // The transfer window was loaded by the start-up and shows slot 0.
    ASSERT_TRUE(transferWindowLoaded());
    EXPECT_EQ(transferWindow().Label2->text(), "sp2");
    EXPECT_FALSE(transferWindow().isVisible());
    // Nothing to report at start: no port here, and that is not an error.
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(MenuTest, MachinesFromTheIniAndChoosingOneRelabelsTheOtherWindows) {
    home.write("tssnc.ini", "Dir0 =lt1\r\nDIR1 =no\r\ndir1 =  lt2\r\nDir2 =\r\n");
    frmMenu& m = menuWindow();
    EXPECT_EQ(m.Option1[0]->text(), "lt1");
    EXPECT_EQ(m.Option1[1]->text(), "lt2");
    EXPECT_EQ(m.Option1[2]->text(), "77q");
    EXPECT_EQ(m.Option1[3]->text(), "77r");
    EXPECT_EQ(transferWindow().Label2->text(), "lt1");
    m.show();
    QTest::mouseClick(m.Option1[1], Qt::LeftButton);
    EXPECT_TRUE(m.Option1[1]->isChecked());
    EXPECT_EQ(transferWindow().Label2->text(), "lt2");
    m.Option1_Click(3);
    EXPECT_EQ(transferWindow().Label2->text(), "77r");
    m.Option1_Click(7);  // no such choice: nothing changes
    EXPECT_EQ(transferWindow().Label2->text(), "77r");
}

TEST_F(MenuTest, TheIniIsReadOncePerRun) {
    frmMenu& m = menuWindow();
    EXPECT_TRUE(m.configRead());
    home.write("tssnc.ini", "Dir0 =changed\r\n");
    m.mmmdir();
    EXPECT_EQ(m.Option1[0]->text(), "sp2");
    EXPECT_EQ(m.machineDir(0), "sp2");
}

TEST_F(MenuTest, TransferWindowLoadsWithThePortDefaultsAndOpensAMappedPort) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    home.write("tssnc.ini", ptyIniLine(1, pty));
    pty.dropOwnSlave();
    menuWindow();
    frmrs232c& t = transferWindow();
    EXPECT_EQ(t.windowTitle(), "rs232c送受信  Quorvane/2007.01");
    EXPECT_EQ(t.port().settings(), "9600,e,7,1");
    EXPECT_EQ(t.port().handshaking(), SerialPort::Handshaking::RtsXonXoff);
    EXPECT_EQ(t.port().portNumber(), 1);
    EXPECT_TRUE(t.port().isOpen());
    EXPECT_EQ(t.pos(), QPoint(0, 0));
    // The ini that maps the port still gives the default machines.
    EXPECT_EQ(menuWindow().Option1[0]->text(), "sp2");
}

TEST_F(MenuTest, TransferWindowShowsItsSettingsWhenShown) {
    menuWindow().Command1_Click(1);
    frmrs232c& t = transferWindow();
    EXPECT_EQ(t.Label1->text(), " 現在の通信設定9600,e,7,1 RTSXOnXOff COM 1");
    t.port().setHandshaking(SerialPort::Handshaking::XonXoff);
    t.port().setPortNumber(3);
    t.hide();
    t.show();
    EXPECT_EQ(t.Label1->text(), " 現在の通信設定9600,e,7,1 XOnXoff COM 3");
}
