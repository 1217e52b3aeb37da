// Frm編集: keys of the read-out screen, the edit screen and the outline; the
// outline build; font size and colour scheme of the edit screen.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QApplication>
#include "editor/frm_edit.h"

namespace {

constexpr int kKeyTab = 9;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kKeyF5 = 116;
constexpr int kKeyF6 = 117;
constexpr int kKeyF9 = 120;

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

// The text written as one print of it (a line break after it), read back line by
// line.  False when the work file cannot be written or read.
bool roundTripThroughFile(const QString& path, const QString& text, QStringList& lines) {
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        const QByteArray bytes = (text + kCrLf).toUtf8();
        if (f.write(bytes) != bytes.size()) return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QString all = QString::fromUtf8(f.readAll());
    if (all.endsWith(kCrLf)) all.chop(2);
    lines = all.split(kCrLf);
    return true;
}

}  // namespace

void Frm編集::RichTextBox1_KeyDown(int& keyCode, int /*shift*/) {
    short code = 9994;  // the read-out text may have been changed
    fileload(code);
    if (keyCode == kKeyF9) Text2->setFocus();
}

void Frm編集::RichTextBox2_KeyDown(int& keyCode, int /*shift*/) {
    editChanged = 1;
    switch (keyCode) {
    case kKeyTab: {
        // Tab moves one place to the right instead of typing a tab into the program.
        if (QWidget* f = QApplication::focusWidget()) {
            QCoreApplication::postEvent(f, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
            QCoreApplication::postEvent(f, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
        }
        keyCode = 0;
        break;
    }
    case kKeyUp:
    case kKeyDown: {
        const QString text = RichTextBox2->text();
        if (text != outlineSource_) {
            outlineSource_ = text;
            buildOutline();
        }
        break;
    }
    case kKeyF9:
        個別プログラム名表示_Click();
        Text2->setFocus();
        break;
    case kKeyF5: {
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
    if (keyCode == kKeyF6) {
        if (Text1->width() > kOutlineMinWidth) {
            Text1->setWidth(Text1->width() - kOutlineStep);
            changed = true;
        }
    } else if (keyCode == kKeyF5) {
        if (formWidth() - Text1->width() > kOutlineMinWidth) {
            Text1->setWidth(Text1->width() + kOutlineStep);
            changed = true;
        }
    }
    if (changed) Text1->setLeft(formWidth() - Text1->width());
}

void Frm編集::buildOutline() {
    const QString text = RichTextBox2->text();
    const QString path = QDir(workDir()).filePath(kWorkFileName);
    QStringList lines;
    if (!roundTripThroughFile(path, text, lines)) {
        // The program folder refused the work file: the lines are the same.
        lines = text.split(kCrLf);
    }
    QFile::remove(path);
    QString outline;
    for (const QString& line : lines)
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
    QPalette p = r->palette();
    p.setColor(QPalette::Text, QColor(colour::red(c), colour::green(c), colour::blue(c)));
    r->setPalette(p);
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
