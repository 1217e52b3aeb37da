// Frm編集: activation, focus, closing, the transfer window, the section
// buttons, the combine switch, the timer and the two-screen layout.
#include <QAction>
#include <QMenuBar>
#include <QTimer>
#include "app/windows.h"
#include "editor/file_names.h"
#include "editor/fileload.h"
#include "editor/frm_edit.h"
#include "editor/listing_rows.h"
#include "platform/dialogs.h"
#include "platform/program_dir.h"

// ---- activation --------------------------------------------------------------

void Frm編集::Form_Activate() {
    activating_ = true;

    // No tab stops: Tab belongs to the edit screen, not to moving the focus.
    for (QWidget* c : controls())
        c->setFocusPolicy(Qt::FocusPolicy(c->focusPolicy() & ~Qt::TabFocus));

    // The edit screen takes the window's height; the listing counts as settled.
    RichTextBox2->setHeight(formHeight() - 1200);
    screenMode = ScreenMode::Settled;

    // Text colour of new edit text from the scheme.
    if (RichTextBox2->backColor() == colour::fromVb(kDarkBackVb)) {
        RichTextBox2->setSelColor(colour::fromVb(kYellowVb));
        editTextColour = float(kYellowVb);
    } else {
        RichTextBox2->setSelColor(colour::fromVb(kDarkBlueVb));
        editTextColour = float(kDarkBlueVb);
    }

    if (!fileName.isEmpty()) {
        // Screens emptied meanwhile (a drawing run) come back as last taken.
        restoreScreens();
    } else {
        // No file yet: ask for one.
        fileName = askFileToRead();
        setWindowTitle(fileName + kWindowTitleSuffix);
        show();
        if (!fileName.isEmpty()) {
            short code = -1;
            fileload(code);
            if (listingProcedure().lastReadRejected()) {
                // Refused or unreadable (the message has been shown): as if no
                // file had been chosen; the next activation asks again.
                fileName.clear();
                setWindowTitle(kWindowTitleSuffix);
            } else {
                Command1_Click(0);
                Form_MouseDown(0, 0, 5290, 560);  // a click on entry 1 of the listing
            }
        }
    }

    // The listing layout is painted once more by the timer.
    if (!Text2->isHidden()) {
        screenMode = ScreenMode::ListingEntered;
        Timer1->start(1);
    }

    // Size and colour applied to the whole edit text.  Both font commands in a
    // row would leave 72 points at 70; the size is re-applied as it stands.
    setEditFontSize(RichTextBox2->fontSize());

    takeActivation();
    activating_ = false;
}

void Frm編集::takeActivation() {
    // A window shown by the program, or back from a file box, is the active one:
    // its keys and access keys work at once.  A window manager does this itself;
    // on a bare X server nobody else would.
    if (isVisible() && !isActiveWindow()) activateWindow();
}

void Frm編集::restoreScreens() {
    if (RichTextBox1->text().isEmpty()) {
        RichTextBox1->setText(savedReadout.text);
        RichTextBox1->setSelStart(savedReadout.caret);
        RichTextBox1->setSelLength(savedReadout.selLength);
    }
    if (RichTextBox2->text().isEmpty()) {
        Label1->setCaption(savedProgramName);
        RichTextBox2->setSelColor(colour::fromVb(quint32(editTextColour)));
        RichTextBox2->setText(savedEdit.text);
        RichTextBox2->setSelStart(savedEdit.caret);
        RichTextBox2->setSelLength(savedEdit.selLength);
    }
}

QString Frm編集::machineDir() const { return programPath(Label3->caption()); }

QString Frm編集::readFilter() const {
    return filenames::machineFilter(machineExtension(Label3->caption()));
}

QString Frm編集::askFileToRead() {
    FileChoice c = dialogs().openFile(machineDir(), readFilter(), QString());
    return c.cancelled ? QString() : c.path;
}

// ---- focus, double click, closing ---------------------------------------------

void Frm編集::storeScreens() {
    savedReadout = {RichTextBox1->text(), RichTextBox1->selStart(), RichTextBox1->selLength()};
    savedEdit = {RichTextBox2->text(), RichTextBox2->selStart(), RichTextBox2->selLength()};
    savedProgramName = Label1->caption();
}

void Frm編集::Form_GotFocus() { storeScreens(); }

void Frm編集::Form_DblClick() {
    Timer1->stop();
    short code = programNo;
    fileload(code);
    編集_Click();
}

void Frm編集::Form_QueryUnload(bool& cancel, int unloadMode) {
    if (unloadMode != 0) return;
    // The close box only hides the window: it stays loaded with its texts.
    cancel = true;
    showEveryControl(false);
    for (CommandButton* b : Command1)
        if (b->caption().isEmpty()) b->hide();
    終了_Click();
}

bool Frm編集::Form_Unload() {
    // A save offer whose save dialog was cancelled keeps the window and its
    // edit: leaving would lose it.
    if (!mysave()) return false;
    // The search dialogs belong to the editor: they go with it.
    myhide();
    storeScreens();
    abortFlag = drawing::kAbortCode;  // a drawing run in progress stops at its next yield
    showMenuWindow();
    hide();
    return true;
}

void Frm編集::終了_Click() { Form_Unload(); }

void Frm編集::送受信_Click() {
    myhide();
    showTransferWindow();
    hide();
}

void Frm編集::showMenuWindow() { appWindow(WindowId::Menu).showWindow(); }
void Frm編集::showTransferWindow() { appWindow(WindowId::Transfer).showWindow(); }

void Frm編集::showEveryControl(bool skipEmptyCaptions) {
    for (QWidget* c : controls()) {
        if (skipEmptyCaptions) {
            if (auto* l = dynamic_cast<Label*>(c); l && l->caption().isEmpty()) continue;
            if (auto* b = dynamic_cast<CommandButton*>(c); b && b->caption().isEmpty()) continue;
        }
        c->show();
    }
    for (QAction* a : menuItems()) a->setVisible(true);
    menuBar()->show();
}

// ---- section buttons, combine switch, timer, listing key catcher -----------------

void Frm編集::Command1_Click(int index) {
    if (index < 0 || index >= kSectionButtons) return;
    for (CommandButton* b : Command1) b->setBackColor(colour::kButtonFace);
    Command1[size_t(index)]->setBackColor(colour::kYellow);
    short code = short(1000 + index);
    fileload(code);
    Command1[size_t(index)]->setFocus();
}

void Frm編集::Command1_KeyDown(int /*index*/, int& keyCode, int /*shift*/) {
    if (keyCode == vbkey::kF9) {
        個別プログラム名表示_Click();
        Text2->setFocus();
    }
}

void Frm編集::Label2_Click() {
    if (combineMode()) {
        setCombineMode(false);
        Label2->setCaption(listing::kCombineOffCaption);
    } else {
        Label2->setCaption(listing::kCombineOnCaption);
        setCombineMode(true);
    }
}

void Frm編集::setCombineMode(bool on) {
    combineMode_ = on;
    Label2->setBackColor(on ? listing::kCombineOnColour : backColor());
}

void Frm編集::Timer1_Timer() {
    if (screenMode == ScreenMode::ListingEntered) {
        skipSave = 1;
        screenMode = ScreenMode::Settled;
        個別プログラム名表示_Click();
    }
    screenMode = ScreenMode::Settled;
}

void Frm編集::Text2_GotFocus() { Text2->setText(listing::kKeyCatcherText); }
void Frm編集::Text2_LostFocus() { Text2->setText(QString()); }

// ---- two-screen layout -------------------------------------------------------------

void Frm編集::w画面_Click() {
    screenMode = ScreenMode::Edit;
    // The edit screen takes the buttons' column: all of them go.
    for (CommandButton* b : Command1) b->hide();
    RichTextBox1->show();
    Text2->hide();
    RichTextBox2->setLeft(Command1[0]->left());
    RichTextBox2->setWidth(formWidth() - RichTextBox1->width());
    RichTextBox2->setHeight(formHeight() - 1200);
    if (RichTextBox1->tag == QStringLiteral("1")) 読出し画面保存->setEnabled(true);
    編集->setEnabled(true);
    検索->setEnabled(true);
    読出しファイル内検索->setEnabled(true);
    w画面->setEnabled(false);
    Text1->hide();
}
