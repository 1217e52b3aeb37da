// Saving the edit screen and the marked programs from the editor window.
#include <QDir>

#include "editor/edit_saver.h"
#include "editor/fileload.h"
#include "listing_fixture.h"

namespace {
const QString kSp2Filter = QStringLiteral(
    "sp2ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|"
    "ＮＣ　ファイル (*.NC)|*.NC|テキスト ファイル (*.txt)|*.txt|");
}  // namespace

TEST_F(ListingTest, SavedProgramStaysShiftJisWithItsUneditedLinesByteForByte) {
    const QByteArray source =
        readFileBytes(sourcePath(QStringLiteral("tests/data/sjis_comments.nc")));
    Frm編集& w = readThroughMenu(home.write(QStringLiteral("sp2/sjis.sp2"), source));
    const QString edited = w.RichTextBox2->text().replace(QStringLiteral("X50."), QStringLiteral("X55."));
    w.RichTextBox2->setText(edited);
    w.editChanged = 1;
    dialogs.clearShown();
    const QString target = home.file(QStringLiteral("sp2/O0100.sp2"));
    dialogs.queueFile(target);
    w.保存_Click();

    ASSERT_EQ(dialogs.shown().size(), 2);
    const auto& ask = dialogs.shown()[0];
    EXPECT_EQ(ask.kind, ScriptedDialogs::Shown::Input);
    EXPECT_EQ(ask.text, QStringLiteral("編集ウインドウのテキストの保存をしますか"));
    EXPECT_EQ(ask.title, QStringLiteral("エディターテキスト保存"));
    EXPECT_EQ(ask.defaultAnswer, QStringLiteral("y"));
    const auto& box = dialogs.shown()[1];
    EXPECT_EQ(box.kind, ScriptedDialogs::Shown::SaveFile);
    EXPECT_EQ(box.title, QStringLiteral("パス取得"));
    EXPECT_EQ(box.text, kSp2Filter);
    EXPECT_EQ(box.defaultAnswer, QStringLiteral("O0100(外径荒加工).sp2"));
    EXPECT_EQ(QDir(box.initialDir), QDir(home.file(QStringLiteral("sp2"))));

    // The two comment lines as they were on disk, the edited line, the rest,
    // the line end after the text.
    const qsizetype from = source.indexOf("O0100"), to = source.indexOf("G00 X50.");
    EXPECT_EQ(readFileBytes(target),
              source.mid(from, to - from) + "G00 X55. Z2.\r\nM30\r\n\r\n\r\n");
    EXPECT_EQ(w.fileName, target);
    EXPECT_EQ(w.Label1->caption(), target);
    EXPECT_EQ(w.editChanged, 0);
    EXPECT_FALSE(w.editHasChanges());
}

TEST_F(ListingTest, CombineSaveWritesTheMarkedProgramsBackToBack) {
    Frm編集& w = readThroughMenu(manyPrograms(5));
    key(w, Qt::Key_Space);                          // combine mode on
    w.Form_MouseDown(2, 0, 5300, rowPressY(w, 2));   // entry 2 marked
    w.Form_MouseDown(2, 0, 5300, rowPressY(w, 5));  // entry 5
    w.Form_MouseDown(2, 0, 5300, rowPressY(w, 6));  // the free area, now in the edit screen
    // The free area as edited in the edit screen is what goes into the file.
    w.RichTextBox2->setText(QStringLiteral("O0999\r\n(MEMO)\r\nM30\r\n"));
    w.Label2->setBackColor(w.backColor());  // a colour alone does not switch the mode
    EXPECT_TRUE(w.combineMode());
    dialogs.clearShown();
    dialogs.setYesNoFallback(false);
    const QString target = home.file(QStringLiteral("sp2/JOINED.sp2"));
    dialogs.queueFile(target);
    w.保存_Click();

    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("選択ファイルを結合保存しますか"));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ファイル結合結合保存"));
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, QStringLiteral("O0999.sp2"));
    EXPECT_EQ(readFileBytes(target), QByteArray("O1002(PART 2)\r\nG00 X2.\r\nM30\r\n"
                                                "O1005(PART 5)\r\nG00 X5.\r\nM30\r\n"
                                                "O0999\r\n(MEMO)\r\nM30\r\n"));
    EXPECT_EQ(w.Label1->caption(), target);
    // Combine mode ends with the save; the caption is left as it was.
    EXPECT_FALSE(w.combineMode());
    EXPECT_EQ(w.Label2->backColor(), w.backColor());
    EXPECT_EQ(w.Label2->caption(), QStringLiteral("結合:右ｸﾘｯｸ 結合ﾓｰﾄﾞ解除:ｽﾍﾟｰｽ 全選択:* 全解除:/"));
    // The marks turn it on again for the next save.
    short code = Fileload::kRestore;
    w.fileload(code);
    EXPECT_TRUE(w.combineMode());
    EXPECT_EQ(w.Label2->backColor(), colour::kYellow);
}

TEST_F(ListingTest, SaveThatDoesNotHappenReportsWhyAndKeepsTheEdit) {
    Frm編集& w = readThroughMenu(manyPrograms(2));
    const QString before = w.fileName;
    const QString label = w.Label1->caption();
    w.editChanged = 1;
    struct Case {
        QString answer, text, file, message;
    } cases[] = {
        // Only a lower-case "y" saves.
        {QStringLiteral("Y"), QStringLiteral("O1001\r\n"), QString(), QString()},
        {QStringLiteral("n"), QStringLiteral("O1001\r\n"), QString(), QString()},
        {QStringLiteral("y"), QStringLiteral("\r\nO1001\r\n"), QString(),
         QStringLiteral("先頭行の先頭にファイル名のための文字が見当たりません\n"
                        "先頭に空白や改行を入れないでください")},
        // Cancelled dialog: quiet.
        {QStringLiteral("y"), QStringLiteral("O1001\r\n"), QString(), QString()},
        // A folder in the way: the write fails.
        {QStringLiteral("y"), QStringLiteral("O1001\r\n"), QStringLiteral("sp2/FOLDER.sp2"),
         QStringLiteral("先頭行にファイル名のための文字を入れておいてください 75\n"
                        "ファイルに書き込めませんでした\n")},
    };
    QDir(home.path()).mkpath(QStringLiteral("sp2/FOLDER.sp2"));
    for (const Case& c : cases) {
        dialogs.clearShown();
        w.RichTextBox2->setText(c.text);
        dialogs.queueInput(c.answer);
        const QString target = c.file.isEmpty() ? QString() : home.file(c.file);
        if (!target.isEmpty()) dialogs.queueFile(target);
        w.保存_Click();
        const QString expected = c.message.isEmpty() || target.isEmpty() ? c.message : c.message + target;
        EXPECT_EQ(dialogs.messages(), expected.isEmpty() ? QStringList() : QStringList{expected})
            << c.answer.toStdString();
        // Nothing reported as saved; the edit is still offered.
        EXPECT_EQ(w.fileName, before);
        EXPECT_EQ(w.Label1->caption(), label);
        EXPECT_TRUE(w.editHasChanges());
    }
    EXPECT_EQ(QDir(home.file(QStringLiteral("sp2"))).entryList(QDir::Files),
              QStringList{QStringLiteral("many.sp2")});
}
