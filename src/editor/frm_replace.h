#pragma once
// frm置換 "置換": find and replace in the edit screen, reached from the find
// dialog's "置換".
#include <functional>

#include "editor/edit_search.h"
#include "editor/frm_search_dialog.h"

class frm置換 : public SearchDialog {
public:
    explicit frm置換(Frm編集& editor);  // the editor then runs Form_Load()

    Label* Label4;            // "置換する字列"
    LineBox* Text2;           // the replacement
    CommandButton* Command3;  // "置換"
    CommandButton* Command4;  // "すべて置換"

    void Form_Load();
    // From the find dialog: its last match position, direction and text.
    void takeOver(qint32 position, bool down, const QString& what);
    void Command1_Click() override;
    void Command2_Click() override;
    void Command3_Click();
    void Command4_Click();

    search::EditSearch& state() { return search_; }
    void forgetPosition();

    // The short pause between a replacement and the search for the next match,
    // so that the operator sees the replacement; tests set an empty one.
    std::function<void()> pauseAfterReplace;

private:
    search::EditSearch search_{search::EditSearch::Kind::Replace};
};
