// The drawing run on the editor window: the "描画" item, the window's keys and
// mouse presses during the run, and closing the window mid-run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QTest>

#include "app/windows.h"
#include "common/temp_home.h"
#include "drawing/drawing_input.h"
#include "editor/frm_edit.h"
#include "platform/event_pump.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

namespace {

constexpr double kW = 28800, kH = 16200;

struct DrawingWindowTest : ::testing::Test {
    TempHome home;
    ScriptedDialogs dialogs;
    ScriptedPump pump;
    RecordingSurface surface{kW, kH, kW, kH};

    void SetUp() override {
        setWindowDialogs(&dialogs);
        setWindowPump(&pump);
        dialogs.setYesNoFallback(true);
        Frm編集& w = editorWindow();
        w.setSurface(&surface);
        w.show();
        // The end-of-text key wait: the operator presses a key without a command.
        pump.setIdle([this] {
            Frm編集& e = editorWindow();
            if (e.drawingState.keyMailbox == u"zzz") {
                int shiftKey = 16;
                e.Form_KeyDown(shiftKey, 0);
            } else if (pump.yields() > 100000) {
                e.close();  // a run that waits for ever must not hang the tests
            }
        });
    }
    void TearDown() override {
        editorWindow().setSurface(nullptr);
        unloadAllWindows();
        setWindowDialogs(nullptr);
        setWindowPump(nullptr);
    }

    Frm編集& window() { return editorWindow(); }

    void setProgram(const QString& text) {
        window().RichTextBox2->setText(text);
        // The program as read: no edit to offer when the window closes.
        window().noteEditTextShown();
        window().Label1->setCaption(QStringLiteral(" 1:O0001"));
    }

    QList<ScriptedDialogs::Shown> inputs() const {
        QList<ScriptedDialogs::Shown> out;
        for (const auto& s : dialogs.shown())
            if (s.kind == ScriptedDialogs::Shown::Input) out << s;
        return out;
    }
    int countInputsStartingWith(const QString& head) const {
        int n = 0;
        for (const auto& s : inputs())
            if (s.text.startsWith(head)) ++n;
        return n;
    }
};

const QString kSteps = QStringLiteral(
    "O0001\r\n(STOP)\r\nG00X10.\r\nG01Z-5.\r\nG01X20.\r\nG00X100.\r\nG00Z10.\r\n%\r\n");
const QString kStepHead = QStringLiteral("Cｸﾘｱｰ");
const QString kEndHead = QStringLiteral("描画完了 描画を続けますか Y or N");

}  // namespace

TEST_F(DrawingWindowTest, CancelledOrientationPromptDrawsNothingAndBringsTheEditorBack) {
    setProgram(kSteps);
    dialogs.queueInput(QString());  // Cancel
    window().描画_Click();
    ASSERT_EQ(inputs().size(), 1);
    const ScriptedDialogs::Shown p = inputs()[0];  // inputs() is a copy
    EXPECT_EQ(p.text, "描画モード\n 1:O0001\n立て旋盤用描画:t 横型旋盤用:m");
    EXPECT_EQ(p.defaultAnswer, "t");  // a first run offers the vertical lathe
    EXPECT_EQ(p.x, kW - 7000);
    EXPECT_EQ(p.y, kH - 3500);
    EXPECT_EQ(window().tag(), "t");
    EXPECT_FALSE(surface.ops().join('\n').contains("0000C0"));  // no blue: nothing drawn
    EXPECT_TRUE(window().描画->isVisible());
    EXPECT_TRUE(window().menuBar()->isVisible());
    EXPECT_FALSE(window().drawingState.running);
}

TEST_F(DrawingWindowTest, RunDrawsOnTheWindowAndKeepsTheOrientationInItsTag) {
    setProgram(QStringLiteral("O0001\r\nG00X10.\r\n%\r\n"));
    dialogs.queueInput("m");
    dialogs.queueInput("N");  // end of the text
    window().描画_Click();
    EXPECT_EQ(window().tag(), "m");
    EXPECT_TRUE(surface.ops().contains("circle 14400 12960 100 FF0000"));
    EXPECT_EQ(surface.ops().last(), "fill 0 0 28800 16200 F0F0F0");
    EXPECT_EQ(countInputsStartingWith(kEndHead), 1);
    EXPECT_TRUE(window().描画->isVisible());
    EXPECT_FALSE(window().drawingState.running);

    // The next run offers the orientation of the last one.
    dialogs.clearShown();
    dialogs.queueInput(QString());
    window().描画_Click();
    ASSERT_FALSE(inputs().isEmpty());
    EXPECT_EQ(inputs()[0].defaultAnswer, "m");
}

TEST_F(DrawingWindowTest, WindowKeysReachTheRunAsCommandWords) {
    setProgram(kSteps);
    dialogs.queueInput("t");
    // Esc pressed on the window during the first yield: stepping starts there.
    pump.queue([this] { QTest::keyClick(&window(), Qt::Key_Escape); });
    dialogs.queueInput("q");  // step menu
    dialogs.queueYesNo(true);
    window().描画_Click();
    const auto in = inputs();
    ASSERT_EQ(in.size(), 2);
    EXPECT_TRUE(in[1].text.startsWith(kStepHead));
    EXPECT_EQ(countInputsStartingWith(kEndHead), 0);

    // Outside a run the key of a command still lands in the mailbox only.
    int b = vbkey::kB;
    window().Form_KeyDown(b, 0);
    EXPECT_EQ(window().drawingState.keyMailbox, "B");
}

TEST_F(DrawingWindowTest, MouseClickOutsideAreaSelectionActsAsEsc) {
    setProgram(QStringLiteral("O0001\r\nG00X10.\r\nG01Z-5.\r\nG01X20.\r\n%\r\n"));
    dialogs.queueInput("t");
    pump.queue([this] { window().drawingMouseDown(1, 0, 5000, 5000); });
    dialogs.queueInput("q");
    dialogs.queueYesNo(true);
    window().描画_Click();
    EXPECT_EQ(countInputsStartingWith(kStepHead), 1);
    // A press outside area selection draws nothing of its own.
    EXPECT_FALSE(surface.ops().contains("circle 5000 5000 100 FF0000"));
}

TEST_F(DrawingWindowTest, AreaSelectionTakesTwoClicksAndIgnoresKeys) {
    setProgram(kSteps);
    dialogs.queueInput("t");
    dialogs.queueInput("v");  // at the "(STOP)" line
    bool mailboxUntouched = false;
    // The operator acts while the run waits for the corners.
    pump.setIdle([this, &mailboxUntouched] {
        DrawingState& st = window().drawingState;
        if (st.areaSelectState == drawing::kAreaWantUpperLeft) {
            QTest::keyClick(&window(), Qt::Key_Escape);  // ignored while selecting
            mailboxUntouched = st.keyMailbox.isEmpty();
            window().drawingMouseDown(1, 0, 3000, 2000);
        } else if (st.areaSelectState == drawing::kAreaWantLowerRight) {
            window().drawingMouseDown(1, 0, 9000, 6000);
        } else if (pump.yields() > 10000) {
            window().close();  // never hang the test run
        }
    });
    dialogs.queueInput("q");
    dialogs.queueYesNo(true);
    window().描画_Click();
    EXPECT_TRUE(mailboxUntouched);
    EXPECT_EQ(dialogs.messages(),
              (QStringList{"左上隅をポイントしてください", "右下隅をポイントしてください"}));
    const QStringList ops = surface.ops();
    const int c1 = int(ops.indexOf("circle 3000 2000 100 FF0000"));
    const int c2 = int(ops.indexOf("circle 9000 6000 100 FF0000"));
    ASSERT_GE(c1, 0);
    ASSERT_GT(c2, c1);
    EXPECT_EQ(ops.value(c1 + 1), "line 3000 2000 5000 2000 0000FF");
    EXPECT_EQ(window().drawingState.areaSelectState, drawing::kAreaIdle);
    EXPECT_LT(pump.yields(), 10000);
}

TEST_F(DrawingWindowTest, ClosingTheWindowMidRunEndsItAtTheNextBlock) {
    QString program = QStringLiteral("O0001\r\n");
    for (int i = 0; i < 50; ++i) program += QStringLiteral("G01X%1.\r\n").arg(i);
    program += QStringLiteral("%\r\n");
    setProgram(program);
    dialogs.queueInput("t");
    int opsAtClose = -1;
    pump.queue([] {});
    pump.queue([this, &opsAtClose] {
        opsAtClose = int(surface.ops().size());
        window().close();
    });
    window().描画_Click();
    ASSERT_GE(opsAtClose, 0);
    // Only the final clearing follows the close: no more blocks, no redraw,
    // no end-of-text prompt.
    const QStringList after = surface.ops().mid(opsAtClose);
    EXPECT_EQ(after, (QStringList{"fill 0 0 28800 16200 F0F0F0"}));
    EXPECT_EQ(countInputsStartingWith(kEndHead), 0);
    EXPECT_EQ(pump.yields(), 2);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(window().abortFlag, 0);
    EXPECT_FALSE(window().drawingState.running);

    // A close while no run goes on does not stop the next run.
    window().abortFlag = 9999;
    window().show();
    dialogs.clearShown();
    dialogs.queueInput("t");
    dialogs.queueInput("N");
    window().描画_Click();
    EXPECT_EQ(countInputsStartingWith(kEndHead), 1);
}

// Every box of a run takes the activation while it is up, as a real one does;
// when the run is over, the editor is the active window again, the edit screen
// has the keys and Alt+N is the "文字小" command, not an "n" in the program.
TEST_F(DrawingWindowTest, AfterTheRunAndAfterACancelledPromptAccessKeysWorkAgain) {
    const QString program = QStringLiteral("O0001\r\nG00X10.\r\nM30\r\n%\r\n");
    setProgram(program);
    Frm編集& w = window();
    w.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &w);
    QDialog box;
    dialogs.setOnShown([&](const ScriptedDialogs::Shown&) {
        box.show();
        box.activateWindow();
        QCoreApplication::processEvents();
        box.hide();
        QCoreApplication::processEvents();
    });
    auto altKey = [&](Qt::Key k) {
        QTest::keyClick(w.windowHandle(), k, Qt::AltModifier);
        QCoreApplication::processEvents();
    };

    altKey(Qt::Key_E);  // 編集
    for (const QStringList& answers : {QStringList{"t", "y", "N"}, QStringList{QString()}}) {
        for (const QString& a : answers) dialogs.queueInput(a);
        altKey(Qt::Key_G);  // 描画: a whole run ("全工程終わりました", any key, N), then a cancel
        EXPECT_FALSE(w.drawingState.running);
        EXPECT_EQ(QApplication::activeWindow(), &w);
        EXPECT_TRUE(w.RichTextBox2->hasFocus());
        const double size = w.RichTextBox2->fontSize();
        altKey(Qt::Key_N);  // 文字小
        EXPECT_EQ(w.RichTextBox2->fontSize(), size - 2);
        EXPECT_EQ(w.RichTextBox2->text(), program);
    }
    EXPECT_EQ(countInputsStartingWith(QStringLiteral("全工程終わりました")), 1);
    EXPECT_EQ(countInputsStartingWith(kEndHead), 1);
}

// A macro loop that never ends is stopped from the keyboard: Esc (or Enter)
// on the window turns the run to step mode, and Q at the step menu ends it
// once the operator says yes.
TEST_F(DrawingWindowTest, EscThenQStopsAnEndlessWhileLoop) {
    setProgram(QStringLiteral(
        "O0001\r\n#1=0\r\nWHILE[#1EQ0]DO1\r\n#2=#2+1\r\nEND1\r\nG00X10.\r\n%\r\n"));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        dialogs.clearShown();
        const int start = pump.yields();
        int yieldsAtKey = -1;
        pump.setIdle([&] {
            if (pump.yields() - start == 3000) {
                yieldsAtKey = pump.yields() - start;
                QTest::keyClick(&window(), key);
            } else if (pump.yields() - start > 200000) {
                window().close();  // never hang the test run
            }
        });
        dialogs.queueInput("t");
        dialogs.queueInput("q");  // step menu
        dialogs.queueYesNo(true);
        window().描画_Click();
        EXPECT_EQ(yieldsAtKey, 3000) << key;
        EXPECT_LT(pump.yields() - start, 3010) << key;  // stopped at the next block
        EXPECT_EQ(countInputsStartingWith(kStepHead), 1) << key;
        ASSERT_FALSE(dialogs.shown().isEmpty());
        EXPECT_EQ(dialogs.shown().last().kind, ScriptedDialogs::Shown::YesNo);
        EXPECT_EQ(dialogs.shown().last().text, "描画モードを終了しますか");
        EXPECT_EQ(countInputsStartingWith(kEndHead), 0) << key;
        EXPECT_FALSE(window().drawingState.running) << key;
        EXPECT_TRUE(window().isVisible()) << key;
    }
}
