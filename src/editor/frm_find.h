#pragma once
// frm検索 "編集画面内検索": find in the edit screen.  Its "置換" hands the
// search over to the replace dialog.
#include "editor/edit_search.h"
#include "editor/frm_search_dialog.h"

class frm検索 : public SearchDialog {
public:
    explicit frm検索(Frm編集& editor);  // the editor then runs Form_Load()

    Label* Label2;            // "上へ"
    Label* Label3;            // "下へ"
    CommandButton* Command3;  // "置換"

    void Form_Load();
    // Each time the editor shows the dialog.
    void Form_Activate();
    void Command1_Click() override;
    void Command2_Click() override;
    void Command3_Click();

    search::EditSearch& state() { return search_; }
    // A new program in the edit screen: the remembered position means nothing.
    void forgetPosition() { search_.setTag(std::nullopt); }

private:
    search::EditSearch search_{search::EditSearch::Kind::Find};
};
