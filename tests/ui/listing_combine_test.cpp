// Combine mode: marks with keys and the mouse, and the marked entries written
// in listing order.
#include "editor/fileload.h"
#include "listing_fixture.h"

TEST_F(ListingTest, MarksWrittenByCommand9998InListingOrder) {
    Frm編集& w = readThroughMenu(manyPrograms(4));
    ASSERT_EQ(w.programCount, 5);
    key(w, Qt::Key_Space);
    EXPECT_EQ(w.Label2->backColor(), colour::kYellow);
    EXPECT_EQ(w.Label2->caption(), QStringLiteral("結合:右ｸﾘｯｸ 結合ﾓｰﾄﾞ解除:ｽﾍﾟｰｽ 全選択:* 全解除:/"));
    key(w, Qt::Key_Up);    // entry 5, the free area: marked
    key(w, Qt::Key_Up);    // entry 4: marked
    key(w, Qt::Key_Down);  // entry 5 again: unmarked
    // Right click on entry 2 marks it; a left click only shows.
    w.Form_MouseDown(2, 0, 5300, rowPressY(w, 2));
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 3));
    const auto& st = w.listingProcedure().programStore();
    EXPECT_EQ(st.markedEntries(), (QList<int>{2, 4}));
    w.Form_MouseDown(2, 0, 5300, rowPressY(w, 5));  // the free area once more
    EXPECT_EQ(st.markedEntries(), (QList<int>{2, 4, 5}));

    w.combinedOutput.clear();
    short code = 9998;
    w.fileload(code);
    EXPECT_EQ(w.combinedOutput, QStringLiteral("O1002(PART 2)\r\nG00 X2.\r\nM30\r\n"
                                               "O1004(PART 4)\r\nG00 X4.\r\nM30\r\n"
                                               "O0999\r\n(自由書き込み領域)\r\nM30\r\n"));
    // 9999: back to the last entry shown, indicator yellow while marks remain.
    w.Label2->setBackColor(w.backColor());
    w.programNo = 1;
    code = 9999;
    w.fileload(code);
    EXPECT_EQ(w.programNo, 5);
    EXPECT_EQ(w.Label2->backColor(), colour::kYellow);

    key(w, Qt::Key_Slash);  // unmark all, entry 1
    EXPECT_FALSE(st.anyMarked());
    EXPECT_EQ(w.programNo, 1);
    QTest::keyClick(w.Text2, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(st.markedEntries().size(), 5);
    w.Label2_Click();  // off again
    EXPECT_EQ(w.Label2->caption(), QStringLiteral("結合ﾓｰﾄﾞ：ｽﾍﾟｰｽ or ここをｸﾘｯｸ"));
    key(w, Qt::Key_Down);  // with combine mode off a move does not toggle
    EXPECT_EQ(st.markedEntries().size(), 5);
}
