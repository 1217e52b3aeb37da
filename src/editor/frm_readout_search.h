#pragma once
// frm読出しファイル内検索 "全ファイル内検索": find in the read-out screen.
#include "editor/frm_search_dialog.h"
#include "editor/readout_search.h"

class frm読出しファイル内検索 : public SearchDialog {
public:
    // Placed further right than the other two, off the read-out screen.
    static constexpr double kShift = 4100;

    explicit frm読出しファイル内検索(Frm編集& editor);  // the editor then runs Form_Load()

    void Form_Load();
    void Command1_Click() override;
    void Command2_Click() override;

    search::ReadoutSearch& state() { return search_; }

private:
    search::ReadoutSearch search_;
};
