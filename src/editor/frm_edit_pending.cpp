// Frm編集: the reading and listing procedures.  Placeholders until the program
// store lands: fileload does nothing yet, so no file is read and no listing is
// painted; the layouts and the read command's own steps are complete.
#include <QAction>
#include <QTimer>
#include "editor/frm_edit.h"

void Frm編集::fileload(short& code) { (void)code; }

void Frm編集::読出_Click() {
    fileName.clear();
    fileName = askFileToRead();
    if (fileName.isEmpty()) return;
    setWindowTitle(fileName + kTitleSuffix);
    short code = -1;
    fileload(code);
    Command1_Click(0);
    RichTextBox1->tag = QStringLiteral("0");
    programNo = 1;
    Form_MouseDown(0, 0, 5290, 560);
    Text2->setFocus();
    Timer1->start(1);
    screenMode = 1;
}

void Frm編集::個別プログラム名表示_Click() {
    if (RichTextBox1->tag == QStringLiteral("1")) 読出し画面保存->setEnabled(true);
    w画面->setEnabled(true);
    編集->setEnabled(true);
    読出しファイル内検索->setEnabled(true);
    Text1->hide();
    for (int i = 0; i < kListingButtons && !Command1[size_t(i)]->caption().isEmpty(); ++i)
        Command1[size_t(i)]->show();
    RichTextBox1->show();
    Text2->show();
    Label2->show();
    RichTextBox2->setLeft(10320);
    RichTextBox2->setWidth(4935);
    Timer1->start(100);
    screenMode = 1;
    skipSave = 1;
    short code = programNo;
    fileload(code);
    Text2->setFocus();
}

void Frm編集::編集_Click() {
    Text2->hide();
    screenMode = 9;
    for (CommandButton* b : Command1) b->hide();
    RichTextBox1->hide();
    Label2->hide();
    読出し画面保存->setEnabled(false);
    読出しファイル内検索->setEnabled(false);
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
    Text1->show();
    buildOutline();
    RichTextBox2->setFocus();
}

void Frm編集::Text2_KeyDown(int& keyCode, int shift) {
    (void)keyCode;
    (void)shift;
}

void Frm編集::Text2_MouseDown(int button, int shift, double x, double y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
}

void Frm編集::Form_MouseDown(int button, int shift, double x, double y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
}
