// Frm編集: the save handlers.  The rules are EditSaver's (QtCore); this file
// lends it the window's controls and state, and reads a saved read-out copy
// back in.
#include <utility>

#include "app/windows.h"
#include "editor/edit_saver.h"
#include "editor/fileload.h"
#include "editor/frm_edit.h"

// The editor window as saving sees it.
class FrmEditSave : public SaveWindow {
public:
    explicit FrmEditSave(Frm編集& w) : w_(w), saver_(*this) {}
    EditSaver& saver() { return saver_; }

    QString machineName() const override { return w_.Label3->caption(); }
    QString machineDir() const override { return w_.machineDir(); }
    QString currentFilePath() const override { return w_.fileName; }
    void setCurrentFilePath(const QString& path) override { w_.fileName = path; }
    QString programLabel() const override { return w_.Label1->caption(); }
    void setProgramLabel(const QString& caption) override { w_.Label1->setCaption(caption); }
    QString editText() const override { return w_.RichTextBox2->text(); }
    QString readoutText() const override { return w_.RichTextBox1->text(); }
    bool combineMode() const override { return w_.combineMode(); }
    void setCombineMode(bool on) override { w_.setCombineMode(on); }
    bool editChanged() const override { return w_.editHasChanges(); }
    void settleEditChanges() override { w_.settleEditChanges(); }
    void fileload(int code) override {
        short c = short(code);
        w_.fileload(c);
    }
    QString takeCombinedOutput() override { return std::exchange(w_.combinedOutput, QString()); }
    const store::ProgramStore& programStore() const override {
        return w_.listingProcedure().programStore();
    }
    Dialogs& saveDialogs() override { return w_.dialogs(); }

private:
    Frm編集& w_;
    EditSaver saver_;
};

EditSaver& Frm編集::editSaver() {
    if (!saver_) saver_ = std::make_shared<FrmEditSave>(*this);
    return saver_->saver();
}

bool Frm編集::editHasChanges() const {
    // The text decides, not the keys: F9, arrows or access keys change nothing
    // worth an offer, and a text typed back to what it was is no change.
    return RichTextBox2->text() != editShown_;
}

void Frm編集::noteEditTextShown() { editShown_ = RichTextBox2->text(); }

void Frm編集::settleEditChanges() {
    editChanged = 0;
    noteEditTextShown();
}

bool Frm編集::mysave() { return editSaver().offerSave(); }

void Frm編集::保存_Click() { editSaver().save(); }

void Frm編集::読出し画面保存_Click() {
    const QString path = editSaver().saveReadout();
    if (path.isEmpty()) return;
    // The copy is read next, replacing the edit screen: its edit is offered
    // first (the copy stays written either way).
    if (!mysave()) return;
    fileName = path;
    setWindowTitle(path + kWindowTitleSuffix);
    RichTextBox1->tag = QStringLiteral("0");
    short code = -1;
    fileload(code);
    Command1_Click(0);
    Form_MouseDown(0, 0, 5290, 560);  // a click on entry 1 of the listing
}
