#include "editor/frm_readout_search.h"

#include <QAction>

#include "editor/frm_edit.h"

frm読出しファイル内検索::frm読出しファイル内検索(Frm編集& editor)
    : SearchDialog(editor, QStringLiteral("全ファイル内検索"), 6000, 1500) {
    placeFrame(1335, 600, true);
}

void frm読出しファイル内検索::Form_Load() {
    Command1->setEnabled(false);
    placeBesideEditor(kShift);
}

void frm読出しファイル内検索::Command1_Click() {
    RichTextPane p(editor_.RichTextBox1);
    const search::Outcome out = search_.findNext(p, Text1->text(), downward());
    if (!out.message.isEmpty()) showMessage(out.message);
}

void frm読出しファイル内検索::Command2_Click() {
    editor_.読出しファイル内検索->setEnabled(true);
    hide();
    // The editor takes the activation back, or its access keys would type
    // letters into the pane instead of running their commands.
    editor_.takeActivation();
    editor_.RichTextBox1->setFocus();
}
