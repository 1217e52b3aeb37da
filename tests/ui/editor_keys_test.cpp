// Keys of the edit screen and the outline, and the font commands.
#include <QAction>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include "editor/frm_edit.h"
#include "menu_fixture.h"

namespace {

class EditorKeysTest : public MenuTest {
protected:
    Frm編集& w = editorWindow();

    // Size and colour of every piece of the edit text; fails on the first piece
    // that differs.
    ::testing::AssertionResult wholeTextIs(double size, colour::Rgb c) {
        QTextDocument* d = w.RichTextBox2->document();
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const QColor q = f.foreground().color();
                if (f.fontPointSize() != size || colour::rgb(q.red(), q.green(), q.blue()) != c)
                    return ::testing::AssertionFailure()
                           << "\"" << it.fragment().text().toStdString() << "\" has size "
                           << f.fontPointSize() << " colour " << std::hex << q.rgb();
            }
        }
        return ::testing::AssertionSuccess();
    }
    void key(QWidget* target, Qt::Key k) { QTest::keyClick(target, k); }
};

}  // namespace

TEST_F(EditorKeysTest, FontCommandsStopAtThreeAndSeventyTwoPoints) {
    w.RichTextBox2->setText("O0001\r\nG00X100.Z5.\r\nM30\r\n");
    w.RichTextBox2->setSelStart(8);
    w.RichTextBox2->setSelLength(4);
    const colour::Rgb yellow = colour::fromVb(0xFFFF);

    w.RichTextBox2->setSelFontSize(4);
    w.文字小->trigger();
    EXPECT_EQ(w.RichTextBox2->fontSize(), 2);
    EXPECT_TRUE(wholeTextIs(2, yellow));
    // The caret and selection are where they were.
    EXPECT_EQ(w.RichTextBox2->selStart(), 8);
    EXPECT_EQ(w.RichTextBox2->selText(), "00X1");

    w.RichTextBox2->setSelFontSize(3);
    w.文字小->trigger();
    EXPECT_EQ(w.RichTextBox2->fontSize(), 3);

    w.RichTextBox2->setSelFontSize(71);
    w.文字大->trigger();
    EXPECT_EQ(w.RichTextBox2->fontSize(), 73);
    EXPECT_TRUE(wholeTextIs(73, yellow));

    w.RichTextBox2->setSelFontSize(72);
    w.文字大->trigger();
    EXPECT_EQ(w.RichTextBox2->fontSize(), 72);
    EXPECT_EQ(w.RichTextBox2->text(), "O0001\r\nG00X100.Z5.\r\nM30\r\n");
}

TEST_F(EditorKeysTest, ActivationKeepsTheFontSizeEvenAtTheTop) {
    w.fileName = "dummy.sp2";
    w.RichTextBox2->setText("O0001\r\n");
    for (int i = 0; i < 40; ++i) w.文字大_Click();
    ASSERT_EQ(w.RichTextBox2->fontSize(), 72);
    w.Form_Activate();
    EXPECT_EQ(w.RichTextBox2->fontSize(), 72);
}

TEST_F(EditorKeysTest, OutlineWidthKeysKeepTenThousandTwips) {
    w.showNormal();
    w.resize(1600, 700);
    QCoreApplication::processEvents();
    // Widths count in the twips of the designed layout (the window's width
    // stands for the layout's designed width, a little over 15000).
    const double form = w.formWidth();
    ASSERT_GT(form, 15000);

    w.Text1->setLeft(123);
    w.Text1->setWidth(10000);
    key(w.Text1, Qt::Key_F6);
    EXPECT_EQ(w.Text1->width(), 10000);
    EXPECT_EQ(w.Text1->left(), 123);  // nothing changed, nothing moved

    w.Text1->setWidth(10001);
    key(w.Text1, Qt::Key_F6);
    EXPECT_EQ(w.Text1->width(), 5001);
    EXPECT_EQ(w.Text1->left(), form - 5001);

    // F5 only while the window is more than 10000 twips wider than the outline.
    w.Text1->setWidth(form - 10000);
    w.Text1->setLeft(7);
    key(w.Text1, Qt::Key_F5);
    EXPECT_EQ(w.Text1->width(), form - 10000);
    EXPECT_EQ(w.Text1->left(), 7);
    w.Text1->setWidth(form - 10001);
    key(w.Text1, Qt::Key_F5);
    EXPECT_EQ(w.Text1->width(), form - 10001 + 5000);
    EXPECT_EQ(w.Text1->left(), form - w.Text1->width());
}

TEST_F(EditorKeysTest, F5SwitchesTheColourSchemeKeepingCaretAndSelection) {
    w.RichTextBox2->setText("O0001\r\nG01X20.\r\n");
    w.RichTextBox2->setSelStart(9);
    w.RichTextBox2->setSelLength(3);
    const double size = w.RichTextBox2->fontSize();

    key(w.RichTextBox2, Qt::Key_F5);
    EXPECT_EQ(w.RichTextBox2->backColor(), colour::rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(w.editTextColour, 8388608.0f);
    EXPECT_TRUE(wholeTextIs(size, colour::rgb(0, 0, 0x80)));
    EXPECT_EQ(w.RichTextBox2->selStart(), 9);
    EXPECT_EQ(w.RichTextBox2->selText(), "1X2");
    EXPECT_EQ(w.editChanged, 1);

    // The font commands keep the light scheme's text colour.
    w.文字大_Click();
    EXPECT_TRUE(wholeTextIs(size + 2, colour::rgb(0, 0, 0x80)));

    key(w.RichTextBox2, Qt::Key_F5);
    EXPECT_EQ(w.RichTextBox2->backColor(), colour::rgb(0x40, 0x40, 0x40));
    EXPECT_EQ(w.editTextColour, 65535.0f);
    EXPECT_TRUE(wholeTextIs(size + 2, colour::rgb(255, 255, 0)));
    EXPECT_EQ(w.RichTextBox2->text(), "O0001\r\nG01X20.\r\n");
}

TEST_F(EditorKeysTest, OutlineIsRebuiltOnlyWhenTheEditTextChanged) {
    w.RichTextBox2->setText(
        "O0001(MAIN)\r\n#101=5.\r\n #102=[#101*2]\r\n  #103=1\r\nG65P9001A1.\r\n"
        "o0002\r\nIF[#1GT0]GOTO10\r\nO9001\r\nM99\r\n");
    key(w.RichTextBox2, Qt::Key_Down);
    EXPECT_EQ(w.Text1->text(), "\r\nO0001(MAIN)\r\n#101=5.\r\n #102=[#101*2]\r\nO9001");
    EXPECT_FALSE(QFile::exists(home.file("tenmp.$$$")));

    // Unchanged text: Up and Down leave the outline alone.
    w.Text1->setText("kept");
    key(w.RichTextBox2, Qt::Key_Up);
    key(w.RichTextBox2, Qt::Key_Down);
    EXPECT_EQ(w.Text1->text(), "kept");

    // A typed character changes the text; the next Up rebuilds.
    w.RichTextBox2->setSelStart(0);
    QTest::keyClicks(w.RichTextBox2, "#1=2");
    key(w.RichTextBox2, Qt::Key_Return);
    key(w.RichTextBox2, Qt::Key_Up);
    EXPECT_EQ(w.Text1->text(), "\r\n#1=2\r\nO0001(MAIN)\r\n#101=5.\r\n #102=[#101*2]\r\nO9001");
}

TEST_F(EditorKeysTest, OutlineIsBuiltEvenWhenTheWorkFileCannotBeWritten) {
    // A folder in the work file's place: the outline comes from the text itself.
    QDir(home.path()).mkdir("tenmp.$$$");
    w.RichTextBox2->setText("O0001\r\nG00X0\r\n#1=1\r\n");
    key(w.RichTextBox2, Qt::Key_Down);
    EXPECT_EQ(w.Text1->text(), "\r\nO0001\r\n#1=1");
}

TEST_F(EditorKeysTest, TabMovesTheCaretRightWithoutTypingATab) {
    w.show();
    QCoreApplication::processEvents();
    w.RichTextBox2->setText("G00X1.\r\n");
    w.RichTextBox2->setFocus();
    w.RichTextBox2->setSelStart(2);
    QTest::keyClick(w.RichTextBox2, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.RichTextBox2->text(), "G00X1.\r\n");
    EXPECT_EQ(w.RichTextBox2->selStart(), 3);
}

TEST_F(EditorKeysTest, EditTextPositionsCountBothCharactersOfALineBreak) {
    RichTextBox* r = w.RichTextBox2;
    r->setText("O1\r\nX10\r\nX10\r\n");
    EXPECT_EQ(r->find("x10", 0), 4);  // matches in any case, as the search does
    EXPECT_EQ(r->selText(), "X10");
    EXPECT_EQ(r->find("X10", 5), 9);
    EXPECT_EQ(r->find("X10", 5, 11), -1);
    EXPECT_EQ(r->find("x10", 0, -1, true), -1);
    r->setSelStart(2);
    r->setSelLength(5);
    EXPECT_EQ(r->selText(), "\r\nX10");
}
