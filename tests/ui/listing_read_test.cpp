// Reading a file into the editor window: read-out, buttons, the first entry,
// and the texts kept while the editor is closed and opened again.
#include <QAction>
#include <QFile>

#include "editor/fileload.h"
#include "listing_fixture.h"

namespace {

// `count` programs numbered from `firstNo`, each of `lines` lines (its O line
// and straight moves).
QByteArray programsOf(int count, int firstNo, int lines) {
    QByteArray bytes;
    for (int p = 0; p < count; ++p) {
        bytes += "O" + QByteArray::number(firstNo + p) + "\r\n";
        for (int i = 1; i < lines; ++i) bytes += "G01 X" + QByteArray::number(i) + ".\r\n";
    }
    return bytes;
}

}  // namespace

TEST_F(ListingTest, ReadCommandShowsReadOutListingAndEntryOne) {
    const QString path = home.write(
        QStringLiteral("sp2/three.sp2"),
        "%\r\nO0001(FIRST)\r\nG00 X100.\r\nM30\r\n\r\n(TITLE)\r\nO0002(SECOND)\r\nM30\r\n"
        "O0003(THIRD)\r\nM30\r\n%\r\n");
    Frm編集& w = readThroughMenu(path);
    ASSERT_FALSE(dialogs.shown().isEmpty());
    const auto& box = dialogs.shown().first();
    EXPECT_EQ(box.kind, ScriptedDialogs::Shown::OpenFile);
    EXPECT_EQ(box.text, QStringLiteral("sp2ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|"
                                       "ＮＣ　ファイル (*.NC)|*.NC|テキスト ファイル (*.txt)|*.txt|"));
    EXPECT_EQ(w.windowTitle(), path + QStringLiteral("  Quorvane/2007.01"));
    EXPECT_EQ(w.programCount, 4);
    EXPECT_EQ(w.programNo, 1);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 1:O0001(FIRST)"));
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("O0001(FIRST)\r\nG00 X100.\r\nM30\r\n"));
    EXPECT_EQ(w.RichTextBox1->tag, QStringLiteral("0"));
    EXPECT_TRUE(w.RichTextBox1->text().startsWith(
        QStringLiteral("%\r\n\r\n((****************  1 ****************))\r\nO0001(FIRST)")));
    EXPECT_EQ(w.Command1[0]->caption(), QStringLiteral(" 1"));
    EXPECT_EQ(w.Command1[0]->backColor(), colour::kYellow);
    EXPECT_TRUE(w.Command1[1]->isHidden());
    EXPECT_EQ(w.screenMode, ScreenMode::Settled);
    EXPECT_FALSE(w.Text2->isHidden());
    EXPECT_FALSE(w.読出し画面保存->isEnabled());

    // The free area, then back: its text survives.
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 4));
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 4:自由書き込み領域"));
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("O0999\r\n(自由書き込み領域)\r\nM30\r\n"));
    w.RichTextBox2->setText(QStringLiteral("O0999\r\n(MEMO)\r\nM30\r\n"));
    w.Form_MouseDown(1, 0, 5300, 460);
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 4));
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("O0999\r\n(MEMO)\r\nM30\r\n"));
}

TEST_F(ListingTest, ReopeningTheEditorFromTheMenuBringsTheTextsBack) {
    const QString path = manyPrograms(3);
    frmMenu& m = menuWindow();
    m.show();
    dialogs.queueFile(path);
    m.Command1_Click(0);  // "ファイル編集": the editor asks for a file and reads it
    settle();
    Frm編集& w = editorWindow();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.programCount, 4);
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 2));  // entry 2
    const QString readout = w.RichTextBox1->text();
    const QString edit = w.RichTextBox2->text();
    ASSERT_TRUE(edit.startsWith(QStringLiteral("O1002(PART 2)")));

    w.終了_Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(m.isVisible());
    m.Command1_Click(0);
    settle();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.RichTextBox1->text(), readout);
    EXPECT_EQ(w.RichTextBox2->text(), edit);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 2:O1002(PART 2)"));

    // Screens emptied meanwhile (as a drawing run leaves them) are restored.
    w.close();
    settle();
    w.RichTextBox1->setText(QString());
    w.RichTextBox2->setText(QString());
    w.Label1->setCaption(QString());
    m.Command1_Click(0);
    settle();
    EXPECT_EQ(w.RichTextBox1->text(), readout);
    EXPECT_EQ(w.RichTextBox2->text(), edit);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 2:O1002(PART 2)"));
    int fileBoxes = 0;
    for (const auto& s : dialogs.shown()) fileBoxes += s.kind == ScriptedDialogs::Shown::OpenFile;
    EXPECT_EQ(fileBoxes, 1);
}

TEST_F(ListingTest, CancelledReadKeepsTheFileReadBefore) {
    const QString path = manyPrograms(2);
    Frm編集& w = readThroughMenu(path);
    dialogs.queueFile(QString());  // cancel
    w.読出_Click();
    EXPECT_EQ(w.fileName, path);
    EXPECT_EQ(w.programCount, 3);
}

TEST_F(ListingTest, RefusedFileLeavesNothingHalfLoaded) {
    QByteArray bytes;
    for (int p = 1; p <= 200; ++p) bytes += "O" + QByteArray::number(p) + "\r\nM30\r\n";
    Frm編集& w = readThroughMenu(home.write(QStringLiteral("sp2/big.sp2"), bytes));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith(QStringLiteral("プログラムの数が多すぎます")));
    EXPECT_EQ(w.programCount, 0);
    EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
    for (CommandButton* b : w.Command1) EXPECT_TRUE(b->isHidden());
    QTest::keyClick(w.Text2, Qt::Key_Down);
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(ListingTest, RefusedFileKeepsTheFileReadBefore) {
    const QString good = manyPrograms(3);
    Frm編集& w = readThroughMenu(good);
    key(w, Qt::Key_Down);  // entry 2
    const QString title = w.windowTitle();
    const QString readout = w.RichTextBox1->text();
    QByteArray bytes;
    for (int p = 1; p <= 200; ++p) bytes += "O" + QByteArray::number(p) + "\r\nM30\r\n";
    const QString big = home.write(QStringLiteral("sp2/big.sp2"), bytes);
    for (const QString& path : {big, home.file(QStringLiteral("sp2/gone.sp2"))}) {
        dialogs.queueFile(path);
        w.読出_Click();
        EXPECT_EQ(w.fileName, good);
        EXPECT_EQ(w.windowTitle(), title);
        EXPECT_EQ(w.programCount, 4);
        EXPECT_EQ(w.programNo, 2);
        EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 2:O1002(PART 2)"));
        EXPECT_TRUE(w.RichTextBox2->text().startsWith(QStringLiteral("O1002(PART 2)")));
        EXPECT_EQ(w.RichTextBox1->text(), readout);
        EXPECT_FALSE(w.Command1[0]->isHidden());
    }
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages().at(0).startsWith(QStringLiteral("プログラムの数が多すぎます")));
    // The listing goes on with the file it has.
    key(w, Qt::Key_Down);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 3:O1003(PART 3)"));
}

TEST_F(ListingTest, RefusedFirstFileLeavesTheWindowAsIfNoneWasChosen) {
    QByteArray bytes;
    for (int p = 1; p <= 200; ++p) bytes += "O" + QByteArray::number(p) + "\r\nM30\r\n";
    dialogs.queueFile(home.write(QStringLiteral("sp2/big.sp2"), bytes));
    Frm編集& w = editorWindow();
    w.show();
    settle();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(w.fileName.isEmpty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  Quorvane/2007.01"));
    EXPECT_EQ(w.programCount, 0);
    // The next activation asks for a file again.
    const QString good = manyPrograms(2);
    dialogs.queueFile(good);
    w.hide();
    w.show();
    settle();
    EXPECT_EQ(w.fileName, good);
    EXPECT_EQ(w.programCount, 3);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 1:O1001(PART 1)"));
}

TEST_F(ListingTest, SectionButtonsOfALongFile) {
    // 2500 lines from the first program on: buttons 0, 1, 2.
    const QByteArray bytes = programsOf(10, 2001, 250);
    Frm編集& w = readThroughMenu(home.write(QStringLiteral("sp2/long.sp2"), bytes));
    EXPECT_EQ(w.Command1[0]->caption(), QStringLiteral(" 1"));
    EXPECT_EQ(w.Command1[1]->caption(), QStringLiteral(" 4"));  // line 999 lies in program 4
    EXPECT_EQ(w.Command1[2]->caption(), QStringLiteral(" 8"));  // line 1999 in program 8
    EXPECT_FALSE(w.Command1[2]->isHidden());
    EXPECT_TRUE(w.Command1[3]->isHidden());
    w.Command1_Click(2);
    EXPECT_EQ(w.Command1[2]->backColor(), colour::kYellow);
    EXPECT_EQ(w.Command1[0]->backColor(), colour::kButtonFace);
    EXPECT_TRUE(w.RichTextBox1->selText().contains(QStringLiteral("((****************  8")));
    EXPECT_EQ(w.programNo, 1);  // a section does not change the current entry
}

TEST_F(ListingTest, EverySectionButtonOfAVeryLongFileCanBePressed) {
    // 15,000 lines from the first program on: buttons 0 to 15, beyond the
    // thirteen that a shorter file needs; each stays reachable in the listing.
    const QByteArray bytes = programsOf(15, 4001, 1000);
    Frm編集& w = readThroughMenu(home.write(QStringLiteral("sp2/huge.sp2"), bytes));
    auto shown = [&w] {
        QString s;
        for (CommandButton* b : w.Command1) s += b->isHidden() ? u'-' : u'B';
        return s;
    };
    EXPECT_EQ(w.Command1[15]->caption(), QStringLiteral(" 15"));
    EXPECT_EQ(shown(), QStringLiteral("BBBBBBBBBBBBBBBB---"));
    w.編集_Click();
    EXPECT_EQ(shown(), QStringLiteral("-------------------"));
    w.個別プログラム名表示_Click();
    EXPECT_EQ(shown(), QStringLiteral("BBBBBBBBBBBBBBBB---"));
    w.Command1_Click(15);
    EXPECT_TRUE(w.RichTextBox1->selText().contains(QStringLiteral("((****************  15")));
}

TEST_F(ListingTest, LayoutsSwitchByDoubleClickAndF9) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 2));  // entry 2
    w.Form_DblClick();                              // edit layout with the outline
    EXPECT_EQ(w.screenMode, ScreenMode::Edit);
    EXPECT_TRUE(w.Text2->isHidden());
    EXPECT_TRUE(w.RichTextBox1->isHidden());
    EXPECT_TRUE(w.Command1[0]->isHidden());
    EXPECT_FALSE(w.Text1->isHidden());
    EXPECT_EQ(w.Text1->text(), QStringLiteral("\r\nO1002(PART 2)"));
    EXPECT_EQ(w.RichTextBox2->left(), 0);
    EXPECT_TRUE(w.RichTextBox2->text().startsWith(QStringLiteral("O1002(PART 2)")));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("tenmp.$$$"))));
    // A section in the edit layout changes nothing.
    w.Command1_Click(0);
    EXPECT_TRUE(w.RichTextBox1->isHidden());

    // F9 on a section button: the listing layout again, the edit text kept.
    w.RichTextBox2->setText(QStringLiteral("O1002(PART 2)\r\nG00 X99.\r\n"));
    int f9 = 120;
    w.Command1_KeyDown(0, f9, 0);
    EXPECT_FALSE(w.Text2->isHidden());
    EXPECT_FALSE(w.Command1[0]->isHidden());
    EXPECT_EQ(w.RichTextBox2->left(), 10320);
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("O1002(PART 2)\r\nG00 X99.\r\n"));
    EXPECT_EQ(w.programNo, 2);
}

TEST_F(ListingTest, TypingInTheReadOutMarksItChanged) {
    Frm編集& w = readThroughMenu(manyPrograms(2));
    int key = 65;
    w.RichTextBox1_KeyDown(key, 0);
    EXPECT_EQ(w.RichTextBox1->tag, QStringLiteral("0"));
    w.RichTextBox1->setText(w.RichTextBox1->text() + QStringLiteral("X"));
    w.RichTextBox1_KeyDown(key, 0);
    EXPECT_EQ(w.RichTextBox1->tag, QStringLiteral("1"));
    EXPECT_TRUE(w.読出し画面保存->isEnabled());
    w.Command1_Click(0);  // the edited read-out is not rebuilt away
    EXPECT_TRUE(w.RichTextBox1->text().endsWith(u'X'));
}
