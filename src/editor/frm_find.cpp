#include "editor/frm_find.h"

#include <QAction>
#include <QGroupBox>
#include <QRadioButton>

#include "editor/frm_edit.h"
#include "editor/frm_replace.h"
#include "platform/gui_twips.h"

frm検索::frm検索(Frm編集& editor)
    : SearchDialog(editor, QStringLiteral("編集画面内検索"), 6000, 1500) {
    placeFrame(1335, 600, false);
    Label2 = new Label(Frame1);
    Label2->setCaption(QStringLiteral("上へ"));
    Label2->place(420, 330, 600, 255);
    Label3 = new Label(Frame1);
    Label3->setCaption(QStringLiteral("下へ"));
    Label3->place(1500, 330, 600, 255);
    placed_.place(Option1[0], 120, 300, 300, 300);
    placed_.place(Option1[1], 1200, 300, 300, 300);
    Command3 = new CommandButton(this);
    Command3->setCaption(QStringLiteral("置換"));
    Command3->place(4500, 1020, 1335, 375);
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void frm検索::Form_Load() {
    Command1->setEnabled(false);
    placeBesideEditor(0);
}

void frm検索::Form_Activate() {
    RichTextBox* pane = editor_.RichTextBox2;
    if (pane->selLength() > 0) Text1->setText(firstLineOf(pane->selText()));
    const std::optional<qint32>& tag = search_.tag();
    if (!tag) {
        search_.setPosition(0);
    } else if (*tag > 0) {
        // Back from the replace dialog: on from where it stopped.
        const std::optional<qint32> replaced =
            editor_.replaceDialogLoaded() ? editor_.replaceDialog().state().tag() : std::nullopt;
        RichTextPane p(pane);
        search_.findAgainFrom(p, Text1->text(), replaced ? *replaced : *tag);
    }
    // The text may have come from the selection just now.
    focusSearchText();
}

void frm検索::Command1_Click() {
    RichTextPane p(editor_.RichTextBox2);
    const search::Outcome out = search_.findNext(p, Text1->text(), downward());
    if (!out.message.isEmpty()) showMessage(out.message);
}

void frm検索::Command2_Click() {
    editor_.検索->setEnabled(true);
    hide();
    // The editor takes the activation back, or its access keys would type
    // letters into the pane instead of running their commands.
    editor_.takeActivation();
    editor_.RichTextBox2->setFocus();
}

void frm検索::Command3_Click() {
    hide();
    frm置換& r = editor_.replaceDialog();
    r.takeOver(search_.position(), downward(), Text1->text());
    r.show();
    r.activateWindow();
}
