// Frm編集: the menu items of the search dialogs and their hiding.
#include <QAction>

#include "editor/frm_edit.h"
#include "editor/frm_find.h"
#include "editor/frm_readout_search.h"
#include "editor/frm_replace.h"
#include "editor/frm_search_dialog.h"

namespace {
void bringUp(QWidget* w) {
    w->show();
    w->activateWindow();
}
}  // namespace

frm検索& Frm編集::findDialog() {
    if (!findDialog_) {
        findDialog_ = new frm検索(*this);
        findDialog_->Form_Load();
    }
    return *findDialog_;
}

frm置換& Frm編集::replaceDialog() {
    if (!replaceDialog_) {
        replaceDialog_ = new frm置換(*this);
        replaceDialog_->Form_Load();
    }
    return *replaceDialog_;
}

frm読出しファイル内検索& Frm編集::readoutSearchDialog() {
    if (!readoutSearchDialog_) {
        readoutSearchDialog_ = new frm読出しファイル内検索(*this);
        readoutSearchDialog_->Form_Load();
    }
    return *readoutSearchDialog_;
}

void Frm編集::検索_Click() {
    検索->setEnabled(false);
    frm検索& d = findDialog();
    bringUp(&d);
    d.Form_Activate();
}

void Frm編集::読出しファイル内検索_Click() {
    読出しファイル内検索->setEnabled(false);
    frm読出しファイル内検索& d = readoutSearchDialog();
    if (RichTextBox1->selLength() > 0) d.Text1->setText(firstLineOf(RichTextBox1->selText()));
    bringUp(&d);
}

void Frm編集::myhide() {
    // A dialog put away here is not cancelled by the operator: its menu item
    // opens it again afterwards.
    bool editSearchShown = false;
    for (QWidget* d : {static_cast<QWidget*>(findDialog_), static_cast<QWidget*>(replaceDialog_)}) {
        if (d && d->isVisible()) {
            d->hide();
            editSearchShown = true;
        }
    }
    if (editSearchShown) 検索->setEnabled(true);
    if (readoutSearchDialog_ && readoutSearchDialog_->isVisible()) {
        readoutSearchDialog_->hide();
        読出しファイル内検索->setEnabled(true);
    }
}

void Frm編集::hideReadoutSearch() {
    if (readoutSearchDialog_) readoutSearchDialog_->hide();
}

void Frm編集::forgetSearchPosition() {
    if (findDialog_) findDialog_->forgetPosition();
    if (replaceDialog_) replaceDialog_->forgetPosition();
}
