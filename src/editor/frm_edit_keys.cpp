// Frm編集: keys of the read-out screen, the edit screen and the outline; the
// outline build; font size and colour scheme of the edit screen.
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QApplication>
#include "drawing/work_file.h"
#include "editor/frm_edit.h"
#include "platform/key_codes.h"
#include "platform/text_encoding.h"

namespace {

constexpr double kOutlineStep = 5000;     // twips per F5 / F6
constexpr double kOutlineMinWidth = 10000;

const QString kCrLf = QStringLiteral("\r\n");

// A program-number line, or a macro-variable line (its first "#" in the first
// or second place).
bool isOutlineLine(const QString& line) {
    if (line.startsWith(QLatin1Char('O'))) return true;
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    return hash == 0 || hash == 1;
}

}  // namespace

void Frm編集::RichTextBox1_KeyDown(int& keyCode, int /*shift*/) {
    short code = 9994;  // the read-out text may have been changed
    fileload(code);
    if (keyCode == vbkey::kF9) Text2->setFocus();
}

void Frm編集::RichTextBox2_KeyDown(int& keyCode, int /*shift*/) {
    editChanged = 1;
    switch (keyCode) {
    case vbkey::kTab: {
        // Tab moves one place to the right instead of typing a tab into the program.
        if (QWidget* f = QApplication::focusWidget()) {
            QCoreApplication::postEvent(f, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
            QCoreApplication::postEvent(f, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
        }
        keyCode = 0;
        break;
    }
    case vbkey::kUp:
    case vbkey::kDown: {
        const QString text = RichTextBox2->text();
        if (text != outlineSource_) {
            outlineSource_ = text;
            buildOutline();
        }
        break;
    }
    case vbkey::kF9:
        個別プログラム名表示_Click();
        Text2->setFocus();
        break;
    case vbkey::kF5: {
        const bool dark = RichTextBox2->backColor() == colour::fromVb(kDarkBackVb);
        RichTextBox2->setBackColor(colour::fromVb(dark ? kLightBackVb : kDarkBackVb));
        editTextColour = float(dark ? kDarkBlueVb : kYellowVb);
        applyEditFormat(colour::fromVb(quint32(editTextColour)), RichTextBox2->fontSize());
        break;
    }
    default:
        break;
    }
}

void Frm編集::Text1_KeyDown(int& keyCode, int /*shift*/) {
    bool changed = false;
    if (keyCode == vbkey::kF6) {
        if (Text1->width() > kOutlineMinWidth) {
            Text1->setWidth(Text1->width() - kOutlineStep);
            changed = true;
        }
    } else if (keyCode == vbkey::kF5) {
        if (formWidth() - Text1->width() > kOutlineMinWidth) {
            Text1->setWidth(Text1->width() + kOutlineStep);
            changed = true;
        }
    }
    if (changed) Text1->setLeft(formWidth() - Text1->width());
}

void Frm編集::buildOutline() {
    // The text goes through the work file as the drawing run's does.
    const QString text = RichTextBox2->text();
    std::optional<QStringList> lines;
    if (drawing::writeWorkFile(workDir(), text)) lines = drawing::takeWorkFile(workDir());
    // The program folder refused the work file: the lines are the same.
    if (!lines) lines = textenc::splitLines(text);
    QFile::remove(drawing::workFilePath(workDir()));
    QString outline;
    for (const QString& line : *lines)
        if (isOutlineLine(line)) outline += kCrLf + line;
    Text1->setText(outline);
}

void Frm編集::applyEditFormat(colour::Rgb c, double size) {
    RichTextBox* r = RichTextBox2;
    const int caret = r->selStart();
    const int len = r->selLength();
    r->setSelStart(0);
    r->setSelLength(10);
    r->setSelFontSize(size);
    r->setSelColor(c);
    r->setText(r->text());
    r->setSelStart(caret);
    r->setSelLength(len);
    // The caret takes the text colour of the scheme.
    r->setCaretColor(c);
}

void Frm編集::setEditFontSize(double size) {
    applyEditFormat(colour::fromVb(quint32(editTextColour)), size);
}

void Frm編集::文字大_Click() {
    const double size = RichTextBox2->fontSize();
    if (size < kMaxFontSize) setEditFontSize(size + 2);
}

void Frm編集::文字小_Click() {
    const double size = RichTextBox2->fontSize();
    if (size > kMinFontSize) setEditFontSize(size - 2);
}
