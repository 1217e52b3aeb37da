// The edited read-out screen saved as a cleaned copy and read back.
#include <QAction>

#include "listing_fixture.h"

TEST_F(ListingTest, ReadoutIsSavedAsACleanedCopyAndReadBack) {
    const QByteArray sourceBytes =
        "%\r\nO0001(FIRST)\r\nG00 X100.\r\nM30\r\nO0002(SECOND)\r\nM30\r\nO0003(THIRD)\r\nM30\r\n%\r\n";
    const QString source = home.write(QStringLiteral("sp2/three.sp2"), sourceBytes);
    Frm編集& w = readThroughMenu(source);
    // The operator changed the read-out: program 2 edited, program 3 deleted.
    w.RichTextBox1->setText(QStringLiteral(
        "%\r\n\r\n((****************  1 ****************))\r\nO0001(FIRST)\r\nG00 X100.\r\nM30\r\n"
        "\r\n((****************  2 ****************))\r\nO0002(EDITED)\r\nM30\r\n"));
    int f9 = 0;
    w.RichTextBox1_KeyDown(f9, 0);
    EXPECT_TRUE(w.読出し画面保存->isEnabled());
    const QString copy = home.file(QStringLiteral("sp2/three-Copy.sp2"));

    // Answering the path box with the source itself: refused, nothing written.
    dialogs.clearShown();
    dialogs.queueFile(copy);
    dialogs.queueInput(QStringLiteral("y"));
    dialogs.queueInput(source);
    w.読出し画面保存_Click();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("編集元ファイル原本には保存できません\n別の名前を指定してください")});
    EXPECT_EQ(w.fileName, source);
    EXPECT_FALSE(QFileInfo::exists(copy));

    dialogs.clearShown();
    dialogs.queueFile(copy);
    w.読出し画面保存_Click();
    ASSERT_EQ(dialogs.shown().size(), 3);
    const auto& ask = dialogs.shown()[0];
    EXPECT_EQ(ask.text, QStringLiteral("原本が変更されています\n編集元ファイル原本の変更をリネイム保存しますか"));
    EXPECT_EQ(ask.title, QStringLiteral("原本リネイム保存"));
    EXPECT_EQ(ask.defaultAnswer, QStringLiteral("y"));
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("パス取得"));
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, copy);  // "-Copy" before the extension
    const auto& pathBox = dialogs.shown()[2];
    EXPECT_EQ(pathBox.kind, ScriptedDialogs::Shown::Input);
    EXPECT_EQ(pathBox.text, copy);
    EXPECT_EQ(pathBox.title, QStringLiteral("パス取得"));
    EXPECT_EQ(pathBox.defaultAnswer, copy);

    // Separators gone with the empty line before each; the text begins with a
    // line end.
    EXPECT_EQ(readFileBytes(copy), QByteArray("\r\n%\r\nO0001(FIRST)\r\nG00 X100.\r\nM30\r\n"
                                              "O0002(EDITED)\r\nM30\r\n"));
    EXPECT_EQ(readFileBytes(source), sourceBytes);
    // The copy is the file now read.
    EXPECT_EQ(w.fileName, copy);
    EXPECT_EQ(w.windowTitle(), copy + QStringLiteral("  Quorvane/2007.01"));
    EXPECT_EQ(w.RichTextBox1->tag, QStringLiteral("0"));
    EXPECT_EQ(w.programCount, 3);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 1:O0001(FIRST)"));
    EXPECT_FALSE(w.読出し画面保存->isEnabled());
}

TEST_F(ListingTest, TheCopyIsProposedBesideTheReadFileEvenAfterAProgramWasSaved) {
    const QString source = home.write(QStringLiteral("sp2/three.sp2"), "%\r\nO0001\r\nM30\r\n%\r\n");
    Frm編集& w = readThroughMenu(source);
    // A program saved since: the file last chosen is that program's file.
    w.fileName = home.file(QStringLiteral("sp2/O2001(GROOVE MACRO).sp2"));
    dialogs.clearShown();
    dialogs.queueInput(QStringLiteral("y"));
    w.読出し画面保存_Click();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, home.file(QStringLiteral("sp2/three-Copy.sp2")));
}
