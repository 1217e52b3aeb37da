// The transfer window: its buttons' states while sending and receiving, the
// file dialogs, the messages and the note box.
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include "transfer_fixture.h"

namespace {
bool othersEnabled(const frmrs232c& t, const QPushButton* running) {
    for (QWidget* w : {static_cast<QWidget*>(t.cmd受信), static_cast<QWidget*>(t.cmd送信),
                       static_cast<QWidget*>(t.Command3), static_cast<QWidget*>(t.Command5),
                       static_cast<QWidget*>(t.cmd終了), static_cast<QWidget*>(t.Text2)})
        if (w != running && w->isEnabled()) return true;
    return false;
}
}  // namespace

TEST_F(TransferTest, ActivationShowsTheSettingsAndTheCaption) {
    frmrs232c& t = transferWindow();
    t.show();
    EXPECT_EQ(t.windowTitle(), "rs232c送受信  Quorvane/2007.01");
    EXPECT_EQ(t.Label1->text(), " 現在の通信設定9600,e,7,1 RTSXOnXOff COM 1");
    EXPECT_TRUE(t.port().isOpen());
}

TEST_F(TransferTest, SendShowsItsStateThenTheResultAndAnAbandonLeavesTheWindowUsable) {
    frmrs232c& t = transferWindow();
    t.show();
    const QString file = home.write("sp2/a.sp2", "O1\r\nG0X1.\r\n");
    QStringList states;
    pump.setIdle([&] {
        pty.readAvailable();
        states << t.cmd送信->text() + (othersEnabled(t, t.cmd送信) ? "+" : "-");
    });
    dialogs.queueFile(file);
    QTest::mouseClick(t.cmd送信, Qt::LeftButton);
    const auto& open = dialogs.shown().first();
    EXPECT_EQ(open.title, "送信ファイル選択画面");
    EXPECT_EQ(open.initialDir, home.file("sp2"));
    EXPECT_EQ(open.text, "ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|"
                         "ＮＣ　ファイル (*.NC)|*.NC|テキスト ファイル (*.txt)|*.txt|");
    ASSERT_FALSE(states.isEmpty());
    EXPECT_EQ(states.first(), "送信中-");
    EXPECT_EQ(dialogs.messages(), QStringList{file + "  総行数 2   送信完了"});
    EXPECT_EQ(t.cmd送信->text(), "送信");
    EXPECT_TRUE(othersEnabled(t, nullptr));

    // A controller that holds the line: the send gives up, the window is back.
    dialogs.clearShown();
    pump.setIdle([] {});
    pty.write("\x13");
    QTest::qWait(50);
    t.setStallLimit(100);
    dialogs.queueFile(file);
    t.cmd送信_Click();
    EXPECT_EQ(dialogs.messages(), QStringList{"NCが受信になっていないかケーブルがつながれていないか\n"
                                              "通信が異常です 処理を中断終了します"});
    EXPECT_EQ(t.cmd送信->text(), "送信");
    EXPECT_TRUE(t.Command3->isEnabled() && t.cmd受信->isEnabled() && t.cmd終了->isEnabled());
}

TEST_F(TransferTest, ReceiveTakesAProgramShowsItsNumberAndEventsAndEndsItself) {
    frmrs232c& t = transferWindow();
    t.show();
    const QString file = home.file("sp2/r.sp2");
    dialogs.queueFile(file);
    QTest::mouseClick(t.cmd受信, Qt::LeftButton);
    const auto& save = dialogs.shown().first();
    EXPECT_EQ(save.title, "受信ファイル選択画面");
    EXPECT_TRUE(QRegularExpression("^\\d{12}\\.sp2$").match(save.defaultAnswer).hasMatch())
        << save.defaultAnswer.toStdString();
    EXPECT_EQ(t.cmd受信->text(), "受信中止");
    EXPECT_FALSE(othersEnabled(t, t.cmd受信));

    pty.write("%\n:12\nG1\n");
    pumpUntil([&] { return readFileBytes(file).endsWith("G1\r\n"); });
    EXPECT_EQ(t.Text2->text(), "O12");
    pty.write("\x1A");  // end-of-file character: the event is named in the note
    pumpUntil([&] { return t.Text2->text() == "evedf"; });
    EXPECT_EQ(t.Text2->text(), "evedf");
    pty.write("%\nO9\n");
    pumpUntil([&] { return !dialogs.messages().isEmpty(); });
    EXPECT_EQ(dialogs.messages(), QStringList{"終了"});
    EXPECT_EQ(readFileBytes(file), "%\r\n\r\nO12\r\nG1\r\n\x1A%\r\n");
    EXPECT_EQ(t.cmd受信->text(), "受信");
    EXPECT_TRUE(othersEnabled(t, nullptr));
}

TEST_F(TransferTest, StoppingAnEmptyReceptionDeletesTheFile) {
    frmrs232c& t = transferWindow();
    t.show();
    const QString file = home.file("sp2/r.sp2");
    dialogs.queueFile(file);
    t.cmd受信_Click();
    ASSERT_TRUE(QFileInfo::exists(file));
    dialogs.clearShown();
    QTest::mouseClick(t.cmd受信, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList({"ファイル" + file + "は空です削除します", "削除しました"}));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(t.cmd受信->text(), "受信");
    EXPECT_TRUE(othersEnabled(t, nullptr));
}

TEST_F(TransferTest, ANewTransferStartsWithAnEmptyPrintAreaAndNote) {
    frmrs232c& t = transferWindow();
    t.show();
    dialogs.queueFile(home.file("sp2/r.sp2"));
    t.cmd受信_Click();
    pty.write("%\n:12\n%\n");
    pumpUntil([&] { return !dialogs.messages().isEmpty(); });
    ASSERT_EQ(t.Text2->text(), "O12");
    ASSERT_GT(t.printArea().row(), 0);
    dialogs.queueFile(home.file("sp2/r2.sp2"));
    t.cmd受信_Click();
    EXPECT_EQ(t.Text2->text(), "");
    EXPECT_EQ(t.printArea().row(), 0);
    EXPECT_EQ(t.printArea().currentLine(), "");
    t.cmd受信_Click();
}
