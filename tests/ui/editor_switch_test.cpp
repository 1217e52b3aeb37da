// The editor window between the menu and itself: activation with and without a
// file, the close box, "&Q終了" and the transfer window.
#include <QAction>
#include <QTest>
#include <QTimer>
#include "editor/frm_edit.h"
#include "menu_fixture.h"
#include "platform/program_dir.h"
#include "serial/frm_rs232c.h"

namespace {

class EditorSwitchTest : public MenuTest {
protected:
    // The menu's "ファイル編集", then the activation that follows the show.
    Frm編集& openEditor() {
        frmMenu& m = menuWindow();
        m.show();
        m.Command1_Click(0);
        QCoreApplication::processEvents();
        return editorWindow();
    }
    int openDialogs() const {
        int n = 0;
        for (const auto& s : dialogs.shown())
            if (s.kind == ScriptedDialogs::Shown::OpenFile) ++n;
        return n;
    }
};

}  // namespace

TEST_F(EditorSwitchTest, FirstActivationAsksForAFileOfTheMachineAndCancelLeavesItEmpty) {
    Frm編集& w = openEditor();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(menuWindow().isVisible());

    ASSERT_EQ(openDialogs(), 1);
    const auto& box = dialogs.shown().first();
    EXPECT_EQ(box.text,
              "sp2ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|"
              "ＮＣ　ファイル (*.NC)|*.NC|テキスト ファイル (*.txt)|*.txt|");
    EXPECT_EQ(box.initialDir, programPath("sp2"));

    // Cancelled: nothing read, nothing shown, only the menu bar to use.
    EXPECT_TRUE(w.fileName.isEmpty());
    EXPECT_EQ(w.windowTitle(), "  Quorvane/2007.01");
    EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
    EXPECT_TRUE(w.RichTextBox2->text().isEmpty());
    EXPECT_TRUE(w.Label1->caption().isEmpty());
    for (auto* b : w.Command1) EXPECT_TRUE(b->isHidden());
    // The edit screen reaches down to 1200 twips above the window's bottom edge.
    EXPECT_DOUBLE_EQ(w.RichTextBox2->height(), w.formHeight() - 1200);
}

TEST_F(EditorSwitchTest, FilterAndFolderFollowTheMachineInLabel3) {
    frmMenu& m = menuWindow();
    editorWindow().Label3->setCaption("lathe77q");
    m.Command1_Click(0);
    QCoreApplication::processEvents();
    ASSERT_EQ(openDialogs(), 1);
    EXPECT_TRUE(dialogs.shown().first().text.startsWith("77qファイル (*.77q)|*.77q|"));
    EXPECT_EQ(dialogs.shown().first().initialDir, programPath("lathe77q"));
}

TEST_F(EditorSwitchTest, ChosenFileGoesIntoTheCaption) {
    const QString path = home.write("sp2/a.sp2", "O0001\r\nM30\r\n");
    dialogs.queueFile(path);
    Frm編集& w = openEditor();
    EXPECT_EQ(w.fileName, path);
    EXPECT_EQ(w.windowTitle(), path + "  Quorvane/2007.01");
    // The first section button was pressed.
    EXPECT_EQ(w.Command1[0]->backColor(), colour::kYellow);
}

TEST_F(EditorSwitchTest, CloseBoxHidesTheWindowKeepsItLoadedAndBringsTheMenuBack) {
    Frm編集& w = openEditor();
    w.fileName = "dummy.sp2";  // as after a read
    w.RichTextBox2->setText("O1234\r\nG00X100.\r\n");
    w.RichTextBox2->setSelStart(7);
    w.Label1->setCaption(" 1:O1234");
    w.Command1[0]->setCaption(" 1");
    w.hideControls();  // as a drawing run leaves them

    bool cancel = false;
    w.Form_QueryUnload(cancel, 0);
    EXPECT_TRUE(cancel);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(editorWindowLoaded());
    EXPECT_TRUE(menuWindow().isVisible());
    EXPECT_EQ(w.abortFlag, 9999);
    // Every control back, but no section button without a caption; the menus too.
    EXPECT_FALSE(w.Command1[0]->isHidden());
    EXPECT_TRUE(w.Command1[1]->isHidden());
    EXPECT_FALSE(w.RichTextBox1->isHidden());
    EXPECT_TRUE(w.描画->isVisible());
    EXPECT_EQ(w.savedEdit.text, "O1234\r\nG00X100.\r\n");
    EXPECT_EQ(w.savedEdit.caret, 7);
    EXPECT_EQ(w.savedProgramName, " 1:O1234");

    // Other unload modes pass unchanged.
    cancel = false;
    w.Form_QueryUnload(cancel, 1);
    EXPECT_FALSE(cancel);

    // "ファイル編集" again: the same window, its text still there, no new question.
    dialogs.clearShown();
    Frm編集& again = openEditor();
    EXPECT_EQ(&again, &w);
    EXPECT_EQ(w.RichTextBox2->text(), "O1234\r\nG00X100.\r\n");
    EXPECT_EQ(openDialogs(), 0);
}

TEST_F(EditorSwitchTest, QuitItemHidesTheWindowAndTheMenuComesBack) {
    Frm編集& w = openEditor();
    w.終了->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(menuWindow().isVisible());
    EXPECT_TRUE(editorWindowLoaded());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(EditorSwitchTest, ScreensEmptiedMeanwhileComeBackOnActivation) {
    Frm編集& w = openEditor();
    w.fileName = "dummy.sp2";
    w.RichTextBox1->setText("%\r\nO0001\r\nM30\r\n");
    w.RichTextBox1->setSelStart(3);
    w.RichTextBox1->setSelLength(5);
    w.RichTextBox2->setText("O0001\r\nM30\r\n");
    w.RichTextBox2->setSelStart(2);
    w.Label1->setCaption(" 1:O0001");
    w.Form_GotFocus();
    w.RichTextBox1->setText("");
    w.RichTextBox2->setText("");
    w.Label1->setCaption("");

    w.Form_Activate();
    EXPECT_EQ(w.RichTextBox1->text(), "%\r\nO0001\r\nM30\r\n");
    EXPECT_EQ(w.RichTextBox1->selStart(), 3);
    EXPECT_EQ(w.RichTextBox1->selText(), "O0001");
    EXPECT_EQ(w.RichTextBox2->text(), "O0001\r\nM30\r\n");
    EXPECT_EQ(w.RichTextBox2->selStart(), 2);
    EXPECT_EQ(w.Label1->caption(), " 1:O0001");
    EXPECT_EQ(openDialogs(), 1);  // only the first activation asked
}

TEST_F(EditorSwitchTest, TransferItemShowsTheTransferWindowAndHidesTheEditor) {
    Frm編集& w = openEditor();
    w.送受信->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(transferWindow().isVisible());
    EXPECT_TRUE(editorWindowLoaded());
}

TEST_F(EditorSwitchTest, DoubleClickOnTheSurfaceOpensTheEditLayoutAndF9ComesBack) {
    dialogs.queueFile(home.write("sp2/two.sp2", "%\r\nO0001\r\nG00X1.\r\nM30\r\nO0002\r\nM30\r\n%\r\n"));
    Frm編集& w = openEditor();
    w.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_FALSE(w.Command1[0]->isHidden());

    QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(600, 700));
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.screenMode, ScreenMode::Edit);
    EXPECT_TRUE(w.Text2->isHidden());
    EXPECT_FALSE(w.Text1->isHidden());
    EXPECT_TRUE(w.RichTextBox2->text().startsWith("O0001\r\n"));

    // F9 in the edit screen: the listing layout with the focus on the key catcher.
    QTest::keyClick(w.RichTextBox2, Qt::Key_F9);
    EXPECT_FALSE(w.Text2->isHidden());
    EXPECT_TRUE(w.Text1->isHidden());
    EXPECT_TRUE(w.Text2->hasFocus());

    // F9 on a section button does the same.
    w.編集_Click();
    w.個別プログラム名表示_Click();
    w.Command1_Click(0);
    ASSERT_TRUE(w.Command1[0]->hasFocus());
    QTest::keyClick(w.Command1[0], Qt::Key_F9);
    EXPECT_TRUE(w.Text2->hasFocus());
    EXPECT_EQ(w.screenMode, ScreenMode::ListingEntered);
}
