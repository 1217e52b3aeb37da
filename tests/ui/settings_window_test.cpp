// The serial settings window: options read from the port, applied at every
// click, and a port that cannot be had falls back to the previous one.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include "serial/frm_232cset.h"
#include "transfer_fixture.h"

TEST_F(TransferTest, SettingsWindowStartsFromThePortDefaults) {
    transferWindow();
    frm232cset& s = settingsWindow();
    EXPECT_EQ(s.windowTitle(), "シリアル通信設定  Quorvane/2007.01");
    EXPECT_EQ(s.Frame[2]->title(), "Stpo Bits");
    EXPECT_EQ(s.Option[15]->text(), "RST");
    QStringList checked;
    for (int i = 1; i <= frm232cset::kOptions; ++i)
        if (s.Option[i]->isChecked()) checked << s.Option[i]->text();
    EXPECT_EQ(checked, QStringList({"9600", "7bits", "1", "偶数", "RST/Xon/Xoff", "com1"}));
}

TEST_F(TransferTest, SettingsClicksApplyAtOnce) {
    frmrs232c& t = transferWindow();
    t.show();
    QTest::mouseClick(t.Command3, Qt::LeftButton);
    frm232cset& s = settingsWindow();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(t.isVisible());
    for (int n : {5, 8, 11, 10, 17}) QTest::mouseClick(s.Option[n], Qt::LeftButton);
    EXPECT_EQ(t.port().settings(), "4800,N,8,2");
    EXPECT_EQ(t.port().handshaking(), SerialPort::Handshaking::XonXoff);
    EXPECT_EQ(s.Label1->text(), "\n  通信設定:4800,N,8,2\n  handshak:XOnXoff\n  COM: 1");
    QTest::mouseClick(s.Command2, Qt::LeftButton);
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(t.isVisible());
    EXPECT_EQ(t.Label1->text(), " 現在の通信設定4800,N,8,2 XOnXoff COM 1");
}

TEST_F(TransferTest, AnImpossiblePortFallsBackToThePreviousOne) {
    frmrs232c& t = transferWindow();
    ASSERT_TRUE(t.port().isOpen());
    frm232cset& s = settingsWindow();
    s.show();
    QTest::mouseClick(s.Option[20], Qt::LeftButton);  // com3: not on this machine
    EXPECT_EQ(dialogs.messages(), QStringList{"ポート番号 3はできません  元に戻します"});
    EXPECT_TRUE(s.Option[18]->isChecked());
    EXPECT_FALSE(s.Option[20]->isChecked());
    EXPECT_EQ(t.port().portNumber(), 1);
    EXPECT_TRUE(t.port().isOpen());
    EXPECT_EQ(s.Label1->text(), "\n  通信設定:9600,E,7,1\n  handshak:RTSXOnXOff\n  COM: 1");
}
