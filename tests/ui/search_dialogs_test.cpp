// The search dialogs over the editor window: captions, the disabled "次を検索",
// the hand-over between find and replace, replacing in the edit screen, the
// read-out search taking the selection, and putting the dialogs away.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include "editor/frm_edit.h"
#include "editor/frm_find.h"
#include "editor/frm_readout_search.h"
#include "editor/frm_replace.h"
#include "menu_fixture.h"

namespace {

class SearchDialogsTest : public MenuTest {
protected:
    Frm編集& w = editorWindow();

    // Colour of the edit text at a position (a text without line breaks).
    colour::Rgb colourAt(int pos) {
        QTextCursor c(w.RichTextBox2->document());
        c.setPosition(pos + 1);
        const QColor q = c.charFormat().foreground().color();
        return colour::rgb(q.red(), q.green(), q.blue());
    }
};

}  // namespace

TEST_F(SearchDialogsTest, CaptionsControlsAndAnEmptySearchText) {
    w.検索->trigger();
    frm検索& f = w.findDialog();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(w.検索->isEnabled());
    w.読出しファイル内検索->trigger();
    frm読出しファイル内検索& r = w.readoutSearchDialog();
    f.Command3->click();
    frm置換& p = w.replaceDialog();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(p.isVisible());

    EXPECT_EQ(f.windowTitle(), QStringLiteral("編集画面内検索"));
    EXPECT_EQ(p.windowTitle(), QStringLiteral("置換"));
    EXPECT_EQ(r.windowTitle(), QStringLiteral("全ファイル内検索"));
    EXPECT_EQ(f.Label2->caption() + f.Label3->caption() + f.Command3->caption(),
              QStringLiteral("上へ下へ置換"));
    EXPECT_EQ(p.Label4->caption() + p.Option1[0]->text() + p.Option1[1]->text() +
                  p.Command3->caption() + p.Command4->caption(),
              QStringLiteral("置換する字列上へ下へ置換すべて置換"));
    for (SearchDialog* d : std::initializer_list<SearchDialog*>{&f, &p, &r}) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        EXPECT_EQ(d->Label1->caption(), QStringLiteral("検索する字列"));
        EXPECT_EQ(d->Frame1->title(), QStringLiteral("検索する方向"));
        EXPECT_EQ(d->Command1->caption() + d->Command2->caption(), QStringLiteral("次を検索キャンセル"));
        EXPECT_TRUE(d->Option1[1]->isChecked());
        // Empty: "次を検索" stays shut, and Enter does not search either.
        EXPECT_FALSE(d->Command1->isEnabled());
        QTest::keyClick(d->Text1, Qt::Key_Return);
        EXPECT_TRUE(dialogs.messages().isEmpty());
        QTest::keyClicks(d->Text1, QStringLiteral("G"));
        EXPECT_TRUE(d->Command1->isEnabled());
        QTest::keyClick(d->Text1, Qt::Key_Backspace);
        EXPECT_FALSE(d->Command1->isEnabled());
    }
    // Esc in the text cancels: the menu item works again.
    QTest::keyClick(r.Text1, Qt::Key_Escape);
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(w.読出しファイル内検索->isEnabled());
    p.Command2->click();
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(w.検索->isEnabled());
}

TEST_F(SearchDialogsTest, FindHandsOverToReplaceAndBack) {
    w.RichTextBox2->setText(QStringLiteral("N1 X1 Z1 X1 X1"));
    w.検索->trigger();
    frm検索& f = w.findDialog();
    QTest::keyClicks(f.Text1, QStringLiteral("X1"));
    QTest::keyClick(f.Text1, Qt::Key_Return);
    EXPECT_EQ(w.RichTextBox2->selStart(), 3);
    f.Command3->click();

    frm置換& p = w.replaceDialog();
    p.pauseAfterReplace = nullptr;
    EXPECT_EQ(p.Text1->text(), QStringLiteral("X1"));
    EXPECT_EQ(p.state().position(), 3);
    EXPECT_TRUE(p.downward());
    w.editChanged = 0;
    p.Command3->click();  // no replacement text: nothing is replaced, nothing moves
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("N1 X1 Z1 X1 X1"));
    EXPECT_EQ(w.RichTextBox2->selStart(), 3);
    EXPECT_EQ(w.editChanged, 0);
    p.Text2->setText(QStringLiteral("X10"));
    p.Command3->click();
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("N1 X10 Z1 X1 X1"));
    EXPECT_EQ(w.editChanged, 1);  // offered for saving like typed text
    // The replacement was yellow until the next match was found: now it is
    // left behind (cyan) and the next match is yellow.
    EXPECT_EQ(colourAt(4), colour::rgb(0, 255, 255));
    EXPECT_EQ(w.RichTextBox2->selStart(), 10);
    EXPECT_EQ(colourAt(10), colour::rgb(255, 255, 0));
    EXPECT_EQ(p.state().position(), 10);

    // Back in the find dialog, the search goes on from where replacing stopped.
    p.Command2->click();
    w.RichTextBox2->setSelStart(0);
    w.検索->trigger();
    EXPECT_EQ(w.RichTextBox2->selStart(), 10);
    EXPECT_EQ(f.state().position(), 10);
    f.Command1->click();
    EXPECT_EQ(w.RichTextBox2->selStart(), 13);
    EXPECT_EQ(colourAt(10), colour::rgb(0, 255, 255));  // left behind: cyan

    // Replace all to the end: the last one; then the end message.
    f.Command3->click();
    p.Command4->click();
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("N1 X10 Z1 X1 X10"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("終端まで検索しました\n1件置換しました")});
}

TEST_F(SearchDialogsTest, ReadoutSearchTakesTheSelectionAndMyhidePutsAllAway) {
    w.RichTextBox1->setText(QStringLiteral("%\r\nO0001\r\nG00 X1.\r\nM30\r\n%\r\n"));
    w.RichTextBox1->setSelStart(14);
    w.RichTextBox1->setSelLength(3);
    w.読出しファイル内検索->trigger();
    frm読出しファイル内検索& r = w.readoutSearchDialog();
    EXPECT_EQ(r.Text1->text(), QStringLiteral("X1."));
    r.Command1->click();
    EXPECT_EQ(w.RichTextBox1->selStart(), 14);
    r.Command1->click();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("下方向文字列の検索は完了しました")});

    w.検索->trigger();
    w.myhide();
    EXPECT_FALSE(r.isVisible());
    EXPECT_FALSE(w.findDialog().isVisible());
    // Put away, not cancelled: both items open their dialogs again.
    EXPECT_TRUE(w.検索->isEnabled());
    EXPECT_TRUE(w.読出しファイル内検索->isEnabled());
    // Closing the editor takes its dialogs along.
    w.検索->trigger();
    w.終了_Click();
    EXPECT_FALSE(w.findDialog().isVisible());
}

// Cancelling a dialog gives the editor the activation back, not only the pane
// its focus: Alt+B is then "文字大", not a "b" over the selected match.
TEST_F(SearchDialogsTest, CancelGivesTheEditorTheActivationAndItsAccessKeys) {
    w.show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // its activation
    w.RichTextBox2->setText(QStringLiteral("N1 G71 U2."));
    w.RichTextBox2->setSelFontSize(12);
    for (int d = 0; d < 3; ++d) {
        SearchDialog* dialog = nullptr;
        if (d == 2) {
            w.読出しファイル内検索->setEnabled(true);
            w.読出しファイル内検索->trigger();
            dialog = &w.readoutSearchDialog();
        } else {
            w.検索->trigger();
            dialog = &w.findDialog();
            QTest::keyClicks(w.findDialog().Text1, QStringLiteral("G71"));
            QTest::keyClick(w.findDialog().Text1, Qt::Key_Return);
            if (d == 1) {
                w.findDialog().Command3->click();
                dialog = &w.replaceDialog();
            }
        }
        // The dialog is the active window, as a window manager makes it.
        ASSERT_TRUE(dialog->isVisible()) << d;
        QApplication::setActiveWindow(dialog);
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), dialog) << d;
        QTest::keyClick(dialog->Text1, Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_FALSE(dialog->isVisible()) << d;
        EXPECT_EQ(QApplication::activeWindow(), &w) << d;
    }
    const double size = w.RichTextBox2->fontSize();
    QTest::keyClick(w.windowHandle(), Qt::Key_B, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.RichTextBox2->text(), QStringLiteral("N1 G71 U2."));
    EXPECT_EQ(w.RichTextBox2->fontSize(), size + 2);
}

TEST_F(SearchDialogsTest, EveryDialogShownAgainHasItsSearchTextFocusedAndSelected) {
    w.RichTextBox2->setText(QStringLiteral("N1 X1 Z1"));
    w.RichTextBox1->setText(QStringLiteral("O1\r\nX1\r\n"));
    frm検索& f = w.findDialog();
    frm置換& p = w.replaceDialog();
    frm読出しファイル内検索& r = w.readoutSearchDialog();
    const struct { SearchDialog* d; std::function<void()> open; QAbstractButton* last; } rows[] = {
        {&f, [&] { w.検索->trigger(); }, f.Command2},
        {&p, [&] { w.検索->trigger(); f.Command3->click(); }, p.Command3},
        {&r, [&] { w.読出しファイル内検索->trigger(); }, r.Command2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.d->windowTitle().toStdString());
        row.open();
        row.d->Text1->setText(QStringLiteral("Z1"));
        // A button pressed last takes the focus; the dialog is put away.
        row.last->setFocus();
        w.myhide();
        row.open();
        EXPECT_EQ(row.d->focusWidget(), row.d->Text1);
        EXPECT_EQ(row.d->Text1->selectedText(), QStringLiteral("Z1"));
        w.myhide();
    }
}
