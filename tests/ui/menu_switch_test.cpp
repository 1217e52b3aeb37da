// Moving between the menu and the other windows: the menu hides while another
// window is in use and comes back when that window is closed.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include "menu_fixture.h"
#include "serial/frm_rs232c.h"

TEST_F(MenuTest, TransferButtonShowsTheTransferWindowAndItsEndBringsTheMenuBack) {
    frmMenu& m = menuWindow();
    m.show();
    QTest::mouseClick(m.Command1[1], Qt::LeftButton);
    frmrs232c& t = transferWindow();
    EXPECT_TRUE(t.isVisible());
    EXPECT_FALSE(m.isVisible());
    QTest::mouseClick(t.cmd終了, Qt::LeftButton);
    EXPECT_FALSE(t.isVisible());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(transferWindowLoaded());
}

TEST_F(MenuTest, ClosingTheTransferWindowHidesItAndKeepsItLoaded) {
    frmMenu& m = menuWindow();
    m.Command1_Click(1);
    frmrs232c& t = transferWindow();
    t.Label2->setText("kept");
    EXPECT_TRUE(t.close() == false);  // the close is turned into a hide
    settle();
    EXPECT_TRUE(transferWindowLoaded());
    EXPECT_FALSE(t.isVisible());
    EXPECT_TRUE(m.isVisible());
    m.Command1_Click(1);
    EXPECT_EQ(&transferWindow(), &t);
    EXPECT_EQ(t.Label2->text(), "kept");
}

TEST_F(MenuTest, UnknownCommandIndexOnlyHidesTheMenu) {
    frmMenu& m = menuWindow();
    m.show();
    m.Command1_Click(5);
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(transferWindow().isVisible());
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(menuWindowLoaded());
}
