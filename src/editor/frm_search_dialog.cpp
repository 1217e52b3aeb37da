#include "editor/frm_search_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QShowEvent>
#include <QScreen>
#include <algorithm>

#include "editor/frm_edit.h"
#include "platform/dialogs.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"

namespace {
constexpr double kFontSize = 9;
}  // namespace

LineBox::LineBox(QWidget* parent) : QLineEdit(parent), TwipPlace(this) {}

void LineBox::keyPressEvent(QKeyEvent* e) {
    int code = vbKeyCode(e);
    if (code != 0 && onKeyDown) {
        onKeyDown(code, vbkey::shiftMask(e->modifiers()));
        if (code == 0) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void RichTextPane::select(qint32 start, qint32 length) {
    box_->setSelStart(start);
    box_->setSelLength(length);
    box_->ensureCursorVisible();
}

QString firstLineOf(const QString& selection) {
    qint32 end = 0;
    while (end < selection.size() && selection.at(end) != QLatin1Char('\r') &&
           selection.at(end) != QLatin1Char('\n'))
        ++end;
    return selection.left(end);
}

SearchDialog::SearchDialog(Frm編集& editor, const QString& caption, double width, double height)
    : QWidget(&editor, Qt::Dialog), editor_(editor), scale_(QSizeF(width, height)) {
    setWindowTitle(caption);
    setFont(uiFont(kFontSize));
    setFixedSize(twips::px(width), twips::px(height));

    Label1 = new Label(this);
    Label1->setCaption(QStringLiteral("検索する字列"));
    Label1->place(120, 180, 1215, 255);
    Text1 = new LineBox(this);
    Text1->place(1335, 120, 3015, 375);

    Frame1 = new QGroupBox(QStringLiteral("検索する方向"), this);
    Option1[0] = new QRadioButton(Frame1);
    Option1[1] = new QRadioButton(Frame1);
    Option1[1]->setChecked(true);

    Command1 = new CommandButton(this);
    Command1->setCaption(QStringLiteral("次を検索"));
    Command1->place(4500, 120, 1335, 375);
    Command2 = new CommandButton(this);
    Command2->setCaption(QStringLiteral("キャンセル"));
    Command2->place(4500, 600, 1335, 375);

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    Text1->onKeyDown = [this](int& key, int shift) { Text1_KeyDown(key, shift); };
    Command1->onKeyDown = [this](int& key, int shift) { Command1_KeyDown(key, shift); };
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void SearchDialog::placeFrame(double left, double top, bool captionedOptions) {
    placed_.place(Frame1, left, top, 2415, 735);
    if (captionedOptions) {
        Option1[0]->setText(QStringLiteral("上へ"));
        Option1[1]->setText(QStringLiteral("下へ"));
    }
    placed_.place(Option1[0], 120, 300, 1000, 300);
    placed_.place(Option1[1], 1200, 300, 1000, 300);
}

void SearchDialog::fitToEditor() {
    const double k = editor_.layoutScale().font();
    const QSizeF d = scale_.designed();
    const QSize client(twips::px(d.width() * k), twips::px(d.height() * k));
    if (!scale_.fit(client)) return;
    setFixedSize(client);
    setFont(uiFont(kFontSize * k));
    placed_.apply();
    for (QWidget* c : findChildren<QWidget*>())
        if (auto* p = dynamic_cast<TwipPlace*>(c)) p->setScale(&scale_);
}

bool SearchDialog::downward() const { return Option1[1]->isChecked(); }

void SearchDialog::setDownward(bool down) { Option1[down ? 1 : 0]->setChecked(true); }

void SearchDialog::Text1_Change() { Command1->setEnabled(!Text1->text().isEmpty()); }

void SearchDialog::Text1_KeyDown(int& keyCode, int) {
    if (keyCode == vbkey::kEnter) {
        keyCode = 0;
        // Enter stands for the button, which stays shut without a search text.
        if (Command1->isEnabled()) Command1_Click();
    } else if (keyCode == vbkey::kEscape) {
        keyCode = 0;
        Command2_Click();
    }
}

void SearchDialog::Command1_KeyDown(int& keyCode, int) {
    if (keyCode == vbkey::kEscape) {
        keyCode = 0;
        Command2_Click();
    }
}

void SearchDialog::placeBesideEditor(double shift) {
    fitToEditor();
    const QRect e = editor_.frameGeometry();
    const twips::Scale& s = editor_.layoutScale();
    QPoint at(e.x() + s.x(editor_.formWidth() / 2 + shift), e.y() + s.y(editor_.formHeight() / 2));
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect a = s->availableGeometry();
        at.setX(std::clamp(at.x(), a.left(), std::max(a.left(), a.right() - frameGeometry().width())));
        at.setY(std::clamp(at.y(), a.top(), std::max(a.top(), a.bottom() - frameGeometry().height())));
    }
    move(at);
}

void SearchDialog::showMessage(const QString& text) { editor_.dialogs().message(text); }

void SearchDialog::focusSearchText() {
    Text1->setFocus();
    Text1->selectAll();
}

void SearchDialog::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    focusSearchText();
}

void SearchDialog::closeEvent(QCloseEvent* e) {
    // Closed by its close box, the dialog is hidden as "キャンセル" hides it, so
    // the menu item that opened it works again.
    if (!e->spontaneous()) return QWidget::closeEvent(e);
    e->ignore();
    Command2_Click();
}
