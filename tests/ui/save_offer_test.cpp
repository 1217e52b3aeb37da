// The save offer before the edit screen is replaced: by a move in the
// listing (keys, mouse, combine-mode marks), by reading another file, by
// closing the window.  No edit is replaced without the offer.
#include <QDir>

#include "editor/edit_saver.h"
#include "listing_fixture.h"

namespace {
const QString kOffer = QStringLiteral("編集ウインドウのテキストの保存をしますか?");
}  // namespace

TEST_F(ListingTest, LeavingAnEditedProgramOffersToSaveIt) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    const QString edited = QStringLiteral("O1001(PART 1)\r\nG00 X9.\r\nM30\r\n");
    w.RichTextBox2->setText(edited);
    QTest::keyClick(w.RichTextBox2, Qt::Key_End);  // a key in the edit screen
    ASSERT_EQ(w.editChanged, 1);

    // Yes, then the save dialog cancelled: the move does not happen.
    dialogs.clearShown();
    dialogs.queueYesNo(true);
    key(w, Qt::Key_Down);
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Shown::YesNo);
    EXPECT_EQ(dialogs.shown()[0].text, kOffer);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("エディターテキスト保存"));
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("パス取得"));
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, QStringLiteral("O1001(PART 1).sp2"));
    EXPECT_EQ(w.programNo, 1);
    EXPECT_EQ(w.RichTextBox2->text(), edited);

    // Yes and a name: written, then the next program is shown.
    const QString target = home.file(QStringLiteral("sp2/O1001.sp2"));
    dialogs.queueYesNo(true);
    dialogs.queueFile(target);
    key(w, Qt::Key_Down);
    EXPECT_EQ(readFileBytes(target), QByteArray("O1001(PART 1)\r\nG00 X9.\r\nM30\r\n\r\n"));
    EXPECT_EQ(w.programNo, 2);
    EXPECT_EQ(w.editChanged, 0);

    // Saved: leaving again asks nothing.
    dialogs.clearShown();
    key(w, Qt::Key_Up);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // No: the edit is dropped on purpose and the move goes on.
    w.RichTextBox2->setText(QStringLiteral("O1001 CHANGED\r\n"));
    w.editChanged = 1;
    dialogs.queueYesNo(false);
    key(w, Qt::Key_Down);
    EXPECT_EQ(w.programNo, 2);
    EXPECT_EQ(w.editChanged, 0);
}

TEST_F(ListingTest, EveryWayOfReplacingTheEditScreenOffersTheSave) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    dialogs.setYesNoFallback(false);
    const QString other = home.write(QStringLiteral("sp2/other.sp2"), "O2001\r\nM30\r\n");
    // Each way replaces the edit screen; the edit is made without a key (a
    // paste with the mouse, a replacement): its text alone tells.
    const std::function<void()> ways[] = {
        [&] { key(w, Qt::Key_Down); },
        [&] { w.Form_MouseDown(1, 0, 5300, 460); },                     // left click, entry 1
        [&] { key(w, Qt::Key_Space); key(w, Qt::Key_Down); },           // combine-mode move marks
        [&] { w.Form_MouseDown(2, 0, 5300, 460); },                     // right click marks
        [&] { dialogs.queueFile(other); w.読出_Click(); },              // another file read
        [&] { w.終了_Click(); },                                        // the window closed
    };
    int n = 0;
    for (const auto& way : ways) {
        w.RichTextBox2->setText(QStringLiteral("O1001 EDITED %1\r\n").arg(n));
        dialogs.clearShown();
        way();
        int offers = 0;
        for (const auto& s : dialogs.shown())
            if (s.kind == ScriptedDialogs::Shown::YesNo && s.text == kOffer) ++offers;
        EXPECT_EQ(offers, 1) << "way " << n;
        ++n;
    }
}

TEST_F(ListingTest, EmptyFirstLineGetsADateNameAndAFailedWriteKeepsTheEdit) {
    Frm編集& w = readThroughMenu(manyPrograms(2));
    w.editSaver().setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(22, 16, 18)); });
    int writes = 0;
    w.editSaver().setWriter([&](const QString& p, const QByteArray&) {
        ++writes;
        nctext::WriteResult r;
        r.fault = nctext::WriteFault::WriteFailed;
        r.message = QStringLiteral("ファイルに書き込めませんでした\n") + p;
        return r;
    });
    const QString edited = QStringLiteral("\r\nG00 X1.\r\n");
    w.RichTextBox2->setText(edited);
    const QString target = home.file(QStringLiteral("sp2/26120816.sp2"));
    dialogs.clearShown();
    dialogs.queueYesNo(true);
    dialogs.queueFile(target);
    key(w, Qt::Key_Down);

    EXPECT_EQ(writes, 1);
    ASSERT_GE(dialogs.shown().size(), 3);
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, QStringLiteral("26120816.sp2"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("ファイルに書き込めませんでした\n") + target});
    // Nothing counts as saved; the edit and the entry stay.
    EXPECT_EQ(w.programNo, 1);
    EXPECT_EQ(w.RichTextBox2->text(), edited);
    EXPECT_NE(w.fileName, target);
    EXPECT_TRUE(w.editHasChanges());
}

TEST_F(ListingTest, KeysThatLeaveTheTextAsItWasOfferNothing) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    // Function keys, arrows and a letter typed and taken back: the text is
    // what was read.
    QTest::keyClick(w.RichTextBox2, Qt::Key_F9);
    w.RichTextBox2->setFocus();
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_A, Qt::Key_Backspace})
        QTest::keyClick(w.RichTextBox2, k);
    dialogs.clearShown();
    key(w, Qt::Key_Down);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(w.programNo, 2);
}

TEST_F(ListingTest, CancellingTheSaveDialogAtExitKeepsTheEditAndTheProgram) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    const QString edited = QStringLiteral("O1001(PART 1)\r\nG00 X9.\r\nM30\r\n");
    w.RichTextBox2->setText(edited);
    w.show();
    // The editor's "終了", then the menu's: Yes, and the save dialog cancelled.
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        dialogs.clearShown();
        dialogs.queueYesNo(true);
        if (way == 0) w.終了_Click();
        else menuWindow().Command1_Click(2);
        EXPECT_EQ(dialogs.shown().size(), 2);
        ASSERT_TRUE(editorWindowLoaded());
        EXPECT_EQ(w.RichTextBox2->text(), edited);
        if (way == 1) EXPECT_TRUE(menuWindowLoaded());
    }
    EXPECT_TRUE(w.isVisible());
}
