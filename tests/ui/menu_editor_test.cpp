// The menu and the editor window: orientation and machine handed over at
// start, "ファイル編集" and the ways back, the orderly exit through the editor's
// own unload.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include "editor/frm_edit.h"
#include "menu_fixture.h"
#include "serial/frm_232cset.h"
#include "serial/frm_rs232c.h"

namespace {

// Lets the editor's activation (queued when it is shown) run.
void runQueued() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace

TEST_F(MenuTest, StartUpHandsTheEditorItsOrientationAndMachine) {
    menuWindow();
    ASSERT_TRUE(editorWindowLoaded());
    Frm編集& e = editorWindow();
    EXPECT_EQ(e.tag(), "t");  // the default file says tate
    EXPECT_EQ(e.Label3->caption(), "sp2");
    EXPECT_FALSE(e.isVisible());
    menuWindow().Option1_Click(2);
    EXPECT_EQ(e.Label3->caption(), "77q");
    EXPECT_EQ(transferWindow().Label2->text(), "77q");
}

TEST_F(MenuTest, OrientationIsHorizontalWithoutATateYokoLine) {
    home.write("tssnc.ini", "Dir0 =ab1\r\n");
    menuWindow();
    EXPECT_EQ(editorWindow().tag(), "m");
    EXPECT_EQ(editorWindow().Label3->caption(), "ab1");
}

TEST_F(MenuTest, OrientationStaysHorizontalWhenTheIniCannotBeRead) {
    QDir(home.path()).mkdir("tssnc.ini");
    menuWindow();
    EXPECT_EQ(editorWindow().tag(), "m");
    EXPECT_EQ(menuWindow().Option1[3]->text(), "77r");
}

TEST_F(MenuTest, FileEditShowsTheEditorMaximisedAndItsEndBringsTheMenuBack) {
    frmMenu& m = menuWindow();
    m.show();
    QTest::mouseClick(m.Command1[0], Qt::LeftButton);
    Frm編集& e = editorWindow();
    runQueued();
    EXPECT_TRUE(e.isVisible());
    EXPECT_TRUE(e.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(m.isVisible());
    e.終了->trigger();
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(editorWindowLoaded());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(MenuTest, EditorCloseBoxHidesItAndTheNextFileEditShowsTheSameWindow) {
    frmMenu& m = menuWindow();
    m.show();
    m.Command1_Click(0);
    Frm編集& e = editorWindow();
    runQueued();
    e.RichTextBox2->setText("O1234\r\nG00X100.Z5.\r\n");
    bool cancel = false;
    e.Form_QueryUnload(cancel, 0);  // the close box
    EXPECT_TRUE(cancel);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(m.isVisible());
    settle();
    ASSERT_TRUE(editorWindowLoaded());
    m.Command1_Click(0);
    runQueued();
    EXPECT_EQ(&editorWindow(), &e);
    EXPECT_TRUE(e.isVisible());
    EXPECT_FALSE(m.isVisible());
}

TEST_F(MenuTest, EditorAndTransferWindowHandOverToEachOther) {
    frmMenu& m = menuWindow();
    m.show();
    m.Command1_Click(0);
    Frm編集& e = editorWindow();
    runQueued();
    e.送受信->trigger();
    frmrs232c& t = transferWindow();
    EXPECT_TRUE(t.isVisible());
    EXPECT_FALSE(e.isVisible());
    EXPECT_FALSE(m.isVisible());
    QTest::mouseClick(t.Command5, Qt::LeftButton);  // "編集"
    runQueued();
    EXPECT_TRUE(e.isVisible());
    EXPECT_FALSE(t.isVisible());
    e.終了->trigger();
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MenuTest, OrderlyExitRunsTheEditorsUnloadAndUnloadsEverything) {
    frmMenu& m = menuWindow();
    m.show();
    m.Command1_Click(0);
    Frm編集& e = editorWindow();
    runQueued();
    e.終了->trigger();
    ASSERT_TRUE(m.isVisible());
    QTest::keyClick(m.Command1[0], Qt::Key_Q);
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(menuWindowLoaded());
    EXPECT_FALSE(editorWindowLoaded());
    EXPECT_FALSE(transferWindowLoaded());
    // Its unload handler ran (a drawing run would stop) before it went.
    EXPECT_EQ(e.abortFlag, 9999);
    EXPECT_FALSE(e.isVisible());
    settle();
}

namespace {
QStringList qtWarnings;
void keepQtWarning(QtMsgType, const QMessageLogContext&, const QString& text) {
    // The offscreen platform's own notes are no concern of the program.
    if (!text.startsWith(QLatin1String("This plugin does not support"))) qtWarnings << text;
}
}  // namespace

TEST_F(MenuTest, CancellingTheFirstFileDialogLeavesTheEditorEmptyAndQuiet) {
    qtWarnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(keepQtWarning);
    frmMenu& m = menuWindow();
    m.show();
    m.Command1_Click(0);  // the file dialog comes up and is cancelled
    Frm編集& e = editorWindow();
    runQueued();
    QTest::qWait(50);  // the listing timer's ticks
    qInstallMessageHandler(before);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Shown::OpenFile);
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(e.RichTextBox1->text(), "");
    EXPECT_EQ(qtWarnings, QStringList()) << qtWarnings.join('\n').toStdString();
}

TEST_F(MenuTest, EnterPressesTheFocusedButtonOfTheMenuAndTheTransferWindows) {
    frmMenu& m = menuWindow();
    m.show();
    // The transfer window's "終了" and the settings window's "終了".
    frmrs232c& t = transferWindow();
    t.show();
    m.hide();
    QTest::keyClick(t.cmd終了, Qt::Key_Return);
    EXPECT_FALSE(t.isVisible());
    EXPECT_TRUE(m.isVisible());
    frm232cset& s = settingsWindow();
    s.show();
    QTest::keyClick(s.Command2, Qt::Key_Return);
    EXPECT_FALSE(s.isVisible());
    // "ファイル編集" of the menu.
    dialogs.queueFile(QString());  // the editor's first file box: cancelled
    QTest::keyClick(m.Command1[0], Qt::Key_Return);
    runQueued();
    EXPECT_TRUE(editorWindow().isVisible());
    EXPECT_FALSE(m.isVisible());
}
