#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QMenuBar>
#include <QTest>
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

TEST_F(EditorFixture, EveryControlHasItsDesignPlaceColoursAndFont) {
    Frm編集& w = editorWindow();
    auto place = [](const TwipPlace* c) {
        return QList<double>{c->left(), c->top(), c->width(), c->height()};
    };
    EXPECT_EQ(place(w.RichTextBox1), (QList<double>{0, 480, 4935, 10095}));
    EXPECT_EQ(place(w.RichTextBox2), (QList<double>{10320, 480, 4935, 9975}));
    EXPECT_EQ(place(w.Text1), (QList<double>{10320, 600, 4935, 10455}));
    EXPECT_EQ(place(w.Text2), (QList<double>{10320, 0, 735, 495}));
    EXPECT_EQ(place(w.Label1), (QList<double>{11160, 0, 4095, 435}));
    EXPECT_EQ(place(w.Label2), (QList<double>{5040, 120, 5295, 315}));
    EXPECT_EQ(place(w.Label3), (QList<double>{240, 120, 855, 255}));
    for (int i = 0; i < Frm編集::kSectionButtons; ++i) {
        EXPECT_EQ(place(w.Command1[i]), (QList<double>{4920, 480.0 + 480 * i, 375, 495})) << i;
        EXPECT_EQ(w.Command1[i]->backColor(), colour::kButtonFace) << i;
    }
    // Outline: dark grey with yellow text; key catcher: &H000080 with yellow
    // text; the program name in yellow; the edit screen on the dark scheme.
    EXPECT_EQ(w.Text1->backColor(), colour::fromVb(0x404040));
    EXPECT_EQ(w.Text1->foreColor(), colour::fromVb(0xFFFF));
    EXPECT_EQ(w.Text2->backColor(), colour::fromVb(0x000080));
    EXPECT_EQ(w.Text2->foreColor(), colour::fromVb(0xFFFF));
    EXPECT_EQ(w.Label1->foreColor(), colour::fromVb(0xFFFF));
    EXPECT_EQ(w.RichTextBox2->backColor(), colour::fromVb(0x404040));
    EXPECT_EQ(w.Label2->backColor(), w.backColor());
    // Text boxes and labels in the face the screens were laid out for.
    for (QWidget* c : std::initializer_list<QWidget*>{w.RichTextBox1, w.RichTextBox2, w.Text1,
                                                      w.Text2, w.Label1, w.Label2, w.Label3})
        EXPECT_EQ(QFontInfo(c->font()).family(), QStringLiteral("IPAPGothic"))
            << c->metaObject()->className();
}

TEST_F(EditorFixture, SectionButtonShowsOnlyItselfYellow) {
    Frm編集& w = editorWindow();
    w.Command1[2]->setBackColor(colour::kYellow);
    w.Command1_Click(4);
    for (int i = 0; i < Frm編集::kSectionButtons; ++i)
        EXPECT_EQ(w.Command1[i]->backColor(), i == 4 ? colour::kYellow : colour::kButtonFace) << i;
    w.Command1_Click(19);  // no such button: nothing changes
    EXPECT_EQ(w.Command1[4]->backColor(), colour::kYellow);
}

TEST_F(EditorFixture, Label2SwitchesCombineModeBackAndForth) {
    Frm編集& w = editorWindow();
    w.show();
    QTest::mouseClick(w.Label2, Qt::LeftButton);
    EXPECT_EQ(w.Label2->backColor(), colour::kYellow);
    EXPECT_EQ(w.Label2->caption(), "結合:右ｸﾘｯｸ 結合ﾓｰﾄﾞ解除:ｽﾍﾟｰｽ 全選択:* 全解除:/");
    QTest::mouseClick(w.Label2, Qt::LeftButton);
    EXPECT_EQ(w.Label2->backColor(), w.backColor());
    EXPECT_EQ(w.Label2->caption(), "結合ﾓｰﾄﾞ：ｽﾍﾟｰｽ or ここをｸﾘｯｸ");
}

TEST_F(EditorFixture, TwoScreenLayoutPutsTheEditScreenBesideTheReadOut) {
    Frm編集& w = editorWindow();
    for (int i = 0; i < Frm編集::kSectionButtons; ++i) {
        w.Command1[i]->setCaption(QString::number(i + 1));
        w.Command1[i]->show();
    }
    w.RichTextBox1->hide();
    w.Text1->show();
    w.RichTextBox1->tag = "1";
    w.w画面->trigger();
    EXPECT_EQ(w.screenMode, ScreenMode::Edit);
    // The edit screen takes the buttons' column: none stays over it.
    for (int i = 0; i < Frm編集::kSectionButtons; ++i) EXPECT_TRUE(w.Command1[i]->isHidden()) << i;
    EXPECT_FALSE(w.RichTextBox1->isHidden());
    EXPECT_TRUE(w.Text2->isHidden());
    EXPECT_TRUE(w.Text1->isHidden());
    EXPECT_EQ(w.RichTextBox2->left(), 4920);
    EXPECT_EQ(w.RichTextBox2->width(), w.formWidth() - 4935);
    EXPECT_EQ(w.RichTextBox2->height(), w.formHeight() - 1200);
    EXPECT_TRUE(w.読出し画面保存->isEnabled());
    EXPECT_TRUE(w.編集->isEnabled());
    EXPECT_TRUE(w.検索->isEnabled());
    EXPECT_TRUE(w.読出しファイル内検索->isEnabled());
    EXPECT_FALSE(w.w画面->isEnabled());
}

TEST_F(EditorFixture, ListingKeyCatcherShowsItsPromptOnlyWhileFocused) {
    Frm編集& w = editorWindow();
    w.show();
    QCoreApplication::processEvents();
    w.activateWindow();
    w.Text2->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Text2->text(), "ﾌｧｲﾙ\r\n選択");
    w.RichTextBox2->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Text2->text(), "");
}

TEST_F(EditorFixture, TimerRepaintsTheListingOnceAfterItWasEntered) {
    Frm編集& w = editorWindow();
    w.screenMode = ScreenMode::ListingEntered;
    w.skipSave = 0;
    w.Timer1_Timer();
    EXPECT_EQ(w.skipSave, 1);
    EXPECT_EQ(w.screenMode, ScreenMode::Settled);
    w.skipSave = 0;
    w.Timer1_Timer();  // settled: idles
    EXPECT_EQ(w.skipSave, 0);
    EXPECT_EQ(w.screenMode, ScreenMode::Settled);
}

TEST_F(EditorFixture, DrawingRunHidesEverythingAndGetsTheKeys) {
    Frm編集& w = editorWindow();
    w.Command1[0]->setCaption(" 1");
    w.Label1->setCaption(" 1:O0001");
    w.RichTextBox2->setText("O0001\r\n");
    w.hideControls();
    EXPECT_TRUE(w.RichTextBox2->isHidden());
    EXPECT_TRUE(w.menuBar()->isHidden());
    EXPECT_FALSE(w.描画->isVisible());
    EXPECT_EQ(w.savedEdit.text, "O0001\r\n");  // taken as the window got the focus
    w.Label1->setCaption("");
    w.showControls();
    EXPECT_FALSE(w.RichTextBox2->isHidden());
    EXPECT_FALSE(w.Command1[0]->isHidden());
    EXPECT_TRUE(w.Command1[1]->isHidden());  // no caption
    EXPECT_TRUE(w.Label1->isHidden());       // no caption
    EXPECT_TRUE(w.描画->isVisible());
    EXPECT_FALSE(w.menuBar()->isHidden());
}

TEST_F(EditorFixture, ALongProgramNameIsShownCutWithItsWholeTextInTheTooltip) {
    Frm編集& w = editorWindow();
    const QString path = QStringLiteral("/home/operator/machines/sp2/programs/O2001(GROOVE MACRO FOR THE LONG SHAFT).sp2");
    const struct { QString caption; bool cut; } rows[] = {
        {QStringLiteral("O1001"), false},
        {path, true},
    };
    for (const auto& row : rows) {
        w.Label1->setCaption(row.caption);
        EXPECT_EQ(w.Label1->caption(), row.caption);  // the caption itself stays whole
        EXPECT_EQ(w.Label1->text().contains(QStringLiteral("…")), row.cut);
        EXPECT_EQ(w.Label1->toolTip(), row.cut ? row.caption : QString());
    }
}
