// Frm編集: reading files and the program listing.  The rules live in the
// QtCore listing procedure (Fileload over the program store); this file lends
// it the window's controls and holds the handlers of the listing and the two
// layouts it switches between.
#include <QAction>
#include <QTimer>

#include "app/windows.h"
#include "drawing/work_file.h"
#include "editor/fileload.h"
#include "editor/frm_edit.h"
#include "editor/listing_rows.h"
#include "platform/text_encoding.h"
#include "platform/surface.h"

namespace {
constexpr int kNoFileChosen = -1;
}  // namespace

// The editor window as the listing procedure sees it.
class FrmEditListing : public ListingWindow {
public:
    explicit FrmEditListing(Frm編集& w) : w_(w), fileload_(*this) {}
    Fileload& fileload() { return fileload_; }

    QString currentFilePath() const override { return w_.fileName; }
    int currentProgram() const override { return w_.programNo; }
    void setCurrentProgram(int n) override { w_.programNo = short(n); }
    int skipSaveFlag() const override { return w_.skipSave; }
    void setSkipSaveFlag(int v) override { w_.skipSave = short(v); }
    ScreenMode screenMode() const override { return w_.screenMode; }
    void setProgramCount(int n) override { w_.programCount = short(n); }
    colour::Rgb editTextColour() const override {
        return colour::fromVb(quint32(w_.editTextColour));
    }

    QString editText() const override { return w_.RichTextBox2->text(); }
    void setEditText(const QString& text, colour::Rgb c) override {
        const QString before = w_.RichTextBox2->text();
        w_.RichTextBox2->setSelColor(c);
        w_.RichTextBox2->setText(text);
        // A new text is the one shown; the kept text put back after a repaint
        // of the listing is not (its edits are still unsaved).
        if (w_.RichTextBox2->text() != before) w_.noteEditTextShown();
    }
    void showEditScreen() override { w_.RichTextBox2->show(); }
    QString programLabel() const override { return w_.Label1->caption(); }
    void setProgramLabel(const QString& caption) override { w_.Label1->setCaption(caption); }

    QString readoutText() const override { return w_.RichTextBox1->text(); }
    void setReadoutText(const QString& text, colour::Rgb c) override {
        w_.RichTextBox1->setSelColor(c);
        w_.RichTextBox1->setText(text);
    }
    void scrollReadoutTo(const QString& what) override {
        w_.RichTextBox1->find(textenc::toCrLf(what), 0);
    }
    void setReadoutChangedTag() override { w_.RichTextBox1->tag = QStringLiteral("1"); }
    void setReadoutSaveEnabled(bool on) override { w_.読出し画面保存->setEnabled(on); }

    void setSectionButtonCaption(int k, const QString& caption) override {
        if (k >= 0 && k < Frm編集::kSectionButtons) w_.Command1[size_t(k)]->setCaption(caption);
    }
    void setSectionButtonVisible(int k, bool visible) override {
        if (k >= 0 && k < Frm編集::kSectionButtons) w_.Command1[size_t(k)]->setVisible(visible);
    }

    bool combineMode() const override { return w_.combineMode(); }
    void setCombineMode(bool on) override { w_.setCombineMode(on); }
    void toggleCombineMode() override { w_.Label2_Click(); }

    Surface& listingSurface() override { return w_.listingSurface(); }
    Dialogs& listingDialogs() override { return w_.dialogs(); }
    bool offerSave() override { return w_.mysave(); }
    void forgetSearchPosition() override { w_.forgetSearchPosition(); }
    void leaveToMenu() override {
        appWindow(WindowId::Menu).showWindow();
        w_.hide();
    }
    void refreshListingKeyCatcher() override {
        w_.Text2->setText(listing::kKeyCatcherText);
        w_.Text2->setFocus();
    }
    QString workFilePath() const override {
        return drawing::workFilePath(w_.workDir());
    }
    void writeCombinedOutput(const QString& text) override { w_.combinedOutput += text; }

private:
    Frm編集& w_;
    Fileload fileload_;
};

Fileload& Frm編集::listingProcedure() {
    if (!listing_) listing_ = std::make_shared<FrmEditListing>(*this);
    return listing_->fileload();
}

void Frm編集::fileload(short& code) { listingProcedure().run(code); }

void Frm編集::読出_Click() {
    // A cancelled dialog keeps the file read before: its path is what saving
    // writes next to, and the store still holds that file.
    const QString chosen = askFileToRead();
    // The edit in the edit screen is offered before the new file replaces it
    // (and written in the encoding of the file it came from).
    if (chosen.isEmpty() || !mysave()) {
        takeActivation();
        return;
    }
    const QString previous = fileName;
    fileName = chosen;
    setWindowTitle(fileName + kWindowTitleSuffix);
    short code = kNoFileChosen;
    fileload(code);
    if (listingProcedure().lastReadRejected()) {
        // Refused or unreadable (the message has been shown): the window goes
        // on with the file it had, or with none.
        fileName = listingProcedure().previousKept() ? previous : QString();
        setWindowTitle(fileName + kWindowTitleSuffix);
        if (listingProcedure().previousKept()) {
            takeActivation();
            return;
        }
    }
    Command1_Click(0);
    RichTextBox1->tag = QStringLiteral("0");
    programNo = 1;
    Form_MouseDown(0, 0, 5290, 560);  // a click on entry 1 of the listing
    Text2->setFocus();
    Timer1->start(1);
    screenMode = ScreenMode::ListingEntered;
    takeActivation();
}

void Frm編集::個別プログラム名表示_Click() {
    if (RichTextBox1->tag == QStringLiteral("1")) 読出し画面保存->setEnabled(true);
    w画面->setEnabled(true);
    編集->setEnabled(true);
    読出しファイル内検索->setEnabled(true);
    Text1->hide();
    // Every section of the file keeps its button: a file of more than 13,000
    // lines has sections 13 to 18 as well, and they fit beside the read-out.
    for (int i = 0; i < kSectionButtons && !Command1[size_t(i)]->caption().isEmpty(); ++i)
        Command1[size_t(i)]->show();
    RichTextBox1->show();
    Text2->show();
    Label2->show();
    RichTextBox2->setLeft(10320);
    RichTextBox2->setWidth(4935);
    Timer1->start(100);
    screenMode = ScreenMode::ListingEntered;
    skipSave = 1;
    short code = programNo;
    fileload(code);
    Text2->setFocus();
}

void Frm編集::編集_Click() {
    Text2->hide();
    screenMode = ScreenMode::Edit;
    for (CommandButton* b : Command1) b->hide();
    RichTextBox1->hide();
    Label2->hide();
    読出し画面保存->setEnabled(false);
    読出しファイル内検索->setEnabled(false);
    hideReadoutSearch();
    編集->setEnabled(false);
    w画面->setEnabled(true);
    RichTextBox2->setLeft(0);
    RichTextBox2->setWidth(formWidth() * 3 / 4);
    RichTextBox2->setHeight(formHeight() - 1200);
    Text1->setWidth(formWidth() / 4);
    Text1->setTop(RichTextBox2->top());
    Text1->setHeight(RichTextBox2->height());
    Text1->setLeft(RichTextBox2->left() + RichTextBox2->width());
    Text1->setBackColor(colour::fromVb(0x80FFFF));
    // Yellow outline text would vanish on the light yellow of this layout.
    Text1->setForeColor(colour::fromVb(kDarkBlueVb));
    Text1->show();
    buildOutline();
    RichTextBox2->setFocus();
}

void Frm編集::Text2_KeyDown(int& keyCode, int /*shift*/) {
    const int key = keyCode;
    if (key == vbkey::kShift || key == vbkey::kControl || key == vbkey::kAlt) return;  // alone
    keyCode = 0;  // the key catcher never takes the key as typing
    listingProcedure().listingKey(key);
}

void Frm編集::Text2_MouseDown(int /*button*/, int /*shift*/, double x, double /*y*/) {
    listingProcedure().keyCatcherPress(x);
}

void Frm編集::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    listingProcedure().listingPress(button, x, y);
}
