// Keys and mouse of the program listing in the window.
#include "editor/fileload.h"
#include "listing_fixture.h"
#include "platform/recording_surface.h"

TEST_F(ListingTest, DownAndUpWrapAroundTheListing) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    ASSERT_EQ(w.programCount, 4);
    key(w, Qt::Key_Up);
    EXPECT_EQ(w.programNo, 4);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 4:自由書き込み領域"));
    key(w, Qt::Key_Down);
    EXPECT_EQ(w.programNo, 1);
    key(w, Qt::Key_Return);
    EXPECT_EQ(w.programNo, 2);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("ﾌｧｲﾙ\r\n選択"));
    EXPECT_EQ(w.skipSave, 0);
}

TEST_F(ListingTest, RightAndLeftWithSixtyEntries) {
    Frm編集& w = readThroughMenu(manyPrograms(59));
    ASSERT_EQ(w.programCount, 60);
    w.Form_MouseDown(1, 0, 5300, rowPressY(w, 3));  // entry 3
    ASSERT_EQ(w.programNo, 3);
    key(w, Qt::Key_Right);
    EXPECT_EQ(w.programNo, 59);
    EXPECT_EQ(w.Label1->caption(), QStringLiteral(" 59:O1059(PART 59)"));
    key(w, Qt::Key_Left);
    EXPECT_EQ(w.programNo, 3);
    key(w, Qt::Key_Down);
    key(w, Qt::Key_Down);
    ASSERT_EQ(w.programNo, 5);
    key(w, Qt::Key_Right);  // 61 is beyond the last entry
    EXPECT_EQ(w.programNo, 5);
    EXPECT_TRUE(w.RichTextBox2->text().startsWith(QStringLiteral("O1005(PART 5)")));
    // A press on the second column of the painted listing.
    QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(7600 / 15, 560 / 15));
    EXPECT_EQ(w.programNo, 57);
}

TEST_F(ListingTest, ListingIsPaintedInTwoColumnsWithTheCurrentEntry) {
    Frm編集& w = readThroughMenu(manyPrograms(59));
    RecordingSurface rec(15000, 15000, 15000, 15000);  // tall: rows 218 apart in 12 points
    w.setSurface(&rec);
    key(w, Qt::Key_Down);
    QStringList texts;
    for (const QString& op : rec.ops())
        if (op.startsWith(QStringLiteral("text "))) texts << op;
    ASSERT_EQ(texts.size(), 60);
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("text 5300 695 12 ")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("\" 2● : O1002(PART 2)\"")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("0000FF")));
    EXPECT_TRUE(texts[56].startsWith(QStringLiteral("text 8000 477 ")));
    EXPECT_TRUE(texts[56].contains(QStringLiteral("\" 57○ : O1057(PART 57)\"")));
    w.setSurface(nullptr);
}

TEST_F(ListingTest, QuitKeyHidesTheEditorAndShowsTheMenu) {
    Frm編集& w = readThroughMenu(manyPrograms(3));
    w.show();
    key(w, Qt::Key_Q);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(menuWindow().isVisible());
    EXPECT_EQ(w.programNo, 1);
}
