#include "editor/frm_replace.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>

#include "editor/frm_edit.h"
#include "editor/frm_find.h"

namespace {
constexpr int kReplacePauseMs = 150;
}  // namespace

frm置換::frm置換(Frm編集& editor) : SearchDialog(editor, QStringLiteral("置換"), 6000, 1980) {
    Label4 = new Label(this);
    Label4->setCaption(QStringLiteral("置換する字列"));
    Label4->place(120, 660, 1215, 255);
    Text2 = new LineBox(this);
    Text2->place(1335, 600, 3015, 375);
    placeFrame(1335, 1080, true);
    Command3 = new CommandButton(this);
    Command3->setCaption(QStringLiteral("置換"));
    Command3->place(4500, 1080, 1335, 375);
    Command4 = new CommandButton(this);
    Command4->setCaption(QStringLiteral("すべて置換"));
    Command4->place(4500, 1500, 1335, 375);
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    Text2->onKeyDown = [this](int& key, int) {
        if (key == vbkey::kEscape) {
            key = 0;
            Command2_Click();
        }
    };
    pauseAfterReplace = [] {
        QEventLoop loop;
        QTimer::singleShot(kReplacePauseMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    };
}

void frm置換::Form_Load() {
    Command1->setEnabled(false);
    placeBesideEditor(0);
    Text1->setText(editor_.findDialog().Text1->text());
}

void frm置換::takeOver(qint32 position, bool down, const QString& what) {
    search_.setPosition(position);
    search_.setTag(position);
    setDownward(down);
    Text1->setText(what);
}

void frm置換::forgetPosition() {
    search_.setPosition(-1);
    search_.setTag(std::nullopt);
}

void frm置換::Command1_Click() {
    RichTextPane p(editor_.RichTextBox2);
    const search::Outcome out = search_.findNext(p, Text1->text(), downward());
    if (!out.message.isEmpty()) showMessage(out.message);
}

void frm置換::Command2_Click() {
    editor_.検索->setEnabled(true);
    hide();
    // The editor takes the activation back, or its access keys would type
    // letters into the pane instead of running their commands.
    editor_.takeActivation();
    editor_.RichTextBox2->setFocus();
}

void frm置換::Command3_Click() {
    RichTextPane p(editor_.RichTextBox2);
    // Without a match or a replacement text the button does nothing: the
    // operator presses "次を検索" to move on.
    if (!search_.replaceMatch(p, Text1->text(), Text2->text())) return;
    editor_.editChanged = 1;  // replaced text is offered for saving like typed text
    if (pauseAfterReplace) pauseAfterReplace();
    Command1_Click();
}

void frm置換::Command4_Click() {
    RichTextPane p(editor_.RichTextBox2);
    int changed = 0;
    const QString done = search_.replaceAll(p, Text1->text(), Text2->text(), downward(), &changed);
    if (changed > 0) editor_.editChanged = 1;
    showMessage(done);
}
