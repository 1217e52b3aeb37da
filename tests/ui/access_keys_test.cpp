// Access keys of the editor's menu bar: Alt and the letter reach the item from
// wherever the focus is (the listing's key catcher swallows every other key).
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include "ui/listing_fixture.h"

TEST_F(ListingTest, AltAccessKeysTriggerTheMenuItemsFromTheListing) {
    Frm編集& w = readThroughMenu(manyPrograms(2));
    w.show();
    w.activateWindow();
    settle();
    w.Text2->setFocus();
    ASSERT_EQ(QApplication::activeWindow(), &w);
    ASSERT_TRUE(w.Text2->hasFocus());

    QTest::keyClick(w.Text2, Qt::Key_E, Qt::AltModifier);  // &E編集
    settle();
    EXPECT_EQ(w.screenMode, ScreenMode::Edit);
    EXPECT_TRUE(w.Text2->isHidden());
    EXPECT_FALSE(w.Text1->isHidden());

    const double size = w.RichTextBox2->fontSize();
    QTest::keyClick(w.RichTextBox2, Qt::Key_B, Qt::AltModifier);  // &B文字大
    EXPECT_EQ(w.RichTextBox2->fontSize(), size + 2);
    QTest::keyClick(w.RichTextBox2, Qt::Key_N, Qt::AltModifier);  // &N文字小
    EXPECT_EQ(w.RichTextBox2->fontSize(), size);
    EXPECT_TRUE(w.RichTextBox2->text().startsWith(QStringLiteral("O1001(PART 1)")));  // nothing typed

    QTest::keyClick(w.RichTextBox2, Qt::Key_W, Qt::AltModifier);  // &W編集2画面
    EXPECT_FALSE(w.RichTextBox1->isHidden());
    EXPECT_FALSE(w.w画面->isEnabled());

    QTest::keyClick(w.RichTextBox2, Qt::Key_V, Qt::AltModifier);  // &V個別プログラム名表示
    EXPECT_FALSE(w.Text2->isHidden());
    EXPECT_TRUE(w.Text2->hasFocus());

    QTest::keyClick(w.Text2, Qt::Key_Q, Qt::AltModifier);  // &Q終了
    settle();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(menuWindow().isVisible());
}
