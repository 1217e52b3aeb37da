#pragma once
// What the three search dialogs share: the search text Text1 with its label,
// the direction frame with Option1(0) (up) and Option1(1) (down), "次を検索"
// (Command1) and "キャンセル" (Command2), the keys of Text1 and Command1, and
// the place beside the editor window.  A dialog is a modeless window owned by
// the editor; its close box acts as "キャンセル".  No moc (non-ASCII names).
#include <QLineEdit>
#include <QWidget>
#include <array>
#include "platform/gui_twips.h"
#include <functional>

#include "editor/frm_edit_controls.h"
#include "editor/search_pane.h"

class QGroupBox;
class QRadioButton;
class Frm編集;

// One-line text box placed in twips; keys reach onKeyDown as key codes.
class LineBox : public QLineEdit, public TwipPlace {
public:
    using TwipPlace::height;
    using TwipPlace::width;
    explicit LineBox(QWidget* parent);
    KeyDownHandler onKeyDown;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A rich-text screen of the editor as the search rules see it.
class RichTextPane : public search::Pane {
public:
    explicit RichTextPane(RichTextBox* box) : box_(box) {}
    QString text() const override { return box_->text(); }
    qint32 selStart() const override { return box_->selStart(); }
    qint32 selLength() const override { return box_->selLength(); }
    void select(qint32 start, qint32 length) override;
    void colourSelection(colour::Rgb c) override { box_->setSelColor(c); }
    void replaceSelection(const QString& with) override { box_->setSelText(with); }

private:
    RichTextBox* box_;
};

// The first line of a selection: a search text is one line.
QString firstLineOf(const QString& selection);

class SearchDialog : public QWidget {
public:
    Label* Label1;                         // "検索する字列"
    LineBox* Text1;                        // the search text
    QGroupBox* Frame1;                     // "検索する方向"
    std::array<QRadioButton*, 2> Option1;  // 0 up, 1 down
    CommandButton* Command1;               // "次を検索"
    CommandButton* Command2;               // "キャンセル"

    bool downward() const;
    void setDownward(bool down);

    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;
    // "次を検索" may be pressed only with a search text.
    void Text1_Change();
    void Text1_KeyDown(int& keyCode, int shift);
    void Command1_KeyDown(int& keyCode, int shift);
    // The dialog grows with the editor's letters (its font factor), all of it
    // alike: controls, letters and its own size.
    void fitToEditor();

protected:
    // Client size in twips; the direction frame at its place; option captions
    // empty when the dialog labels them with labels of its own.
    SearchDialog(Frm編集& editor, const QString& caption, double width, double height);
    void placeFrame(double left, double top, bool captionedOptions);
    // Half the editor window's width and height from its corner, moved right
    // by shift twips, kept on the screen.
    void placeBesideEditor(double shift);
    void showMessage(const QString& text);
    // The search text takes the focus, all of it selected, so that typing
    // replaces it (and Space or Enter press no button left focused before).
    void focusSearchText();
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    Frm編集& editor_;
    twips::Scale scale_;
    twips::Placements placed_{scale_};  // controls that are no TwipPlace
};
