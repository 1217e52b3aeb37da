#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include "app/windows.h"
#include "common/temp_home.h"
#include "editor/frm_edit.h"
#include "platform/scripted_dialogs.h"

namespace {

struct EditorFixture : ::testing::Test {
    TempHome home;
    ScriptedDialogs dialogs;
    void SetUp() override { setWindowDialogs(&dialogs); }
    void TearDown() override {
        unloadAllWindows();
        setWindowDialogs(nullptr);
    }
};

}  // namespace

TEST_F(EditorFixture, MenuBarHasThirteenItemsWithAccessKeys) {
    Frm編集& w = editorWindow();
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"&O読出", "&R読出し画面保存", "&A読出しファイル内検索",
                                     "&W編集2画面", "&V個別プログラム名表示", "&G描画", "&F検索",
                                     "&B文字大", "&N文字小", "&E編集", "&S編集画面保存",
                                     "&T送受信", "&Q終了"}));
}

TEST_F(EditorFixture, ControlsStandAtTheirDesignPlaces) {
    Frm編集& w = editorWindow();
    EXPECT_EQ(w.RichTextBox1->geometry(), QRect(0, 32, 329, 673));
    EXPECT_EQ(w.RichTextBox2->geometry(), QRect(688, 32, 329, 665));
    EXPECT_EQ(w.Command1[18]->geometry(), QRect(328, 608, 25, 33));
    EXPECT_EQ(w.Text2->geometry(), QRect(688, 0, 49, 33));
    EXPECT_EQ(w.Label2->caption(), "結合ﾓｰﾄﾞ：ｽﾍﾟｰｽ or ここをｸﾘｯｸ");
    EXPECT_EQ(w.Label3->caption(), "sp2");
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
}
