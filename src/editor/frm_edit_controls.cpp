#include "editor/frm_edit_controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPalette>
#include <QRegion>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include "platform/gui_colour.h"
#include "platform/gui_elide.h"
#include "platform/gui_twips.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Paragraph breaks of the document as CR LF; any CR, LF or CR LF of a caller's
// text becomes one paragraph break.
QString withCrLf(const QString& plain) {
    QString out;
    out.reserve(plain.size() + plain.size() / 16);
    for (QChar c : plain) {
        if (c == QLatin1Char('\n'))
            out += kCrLf;
        else
            out += c;
    }
    return out;
}

QString withLf(const QString& t) {
    QString s = t;
    s.replace(kCrLf, QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

int vbButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// The key press goes to the control's handler first; true when the handler
// swallowed it (set the key code to 0).
bool swallowedBy(const KeyDownHandler& handler, QKeyEvent* e) {
    int code = vbKeyCode(e);
    if (code == 0 || !handler) return false;
    handler(code, vbkey::shiftMask(e->modifiers()));
    if (code != 0) return false;
    e->accept();
    return true;
}

const twips::Scale kAsDesigned;

// A mouse press to its handler: button, shift mask, place in twips of the
// layout the scale maps (the real twips of the window for the identity).
void sendMouse(const MouseHandler& handler, const QMouseEvent* e,
               const twips::Scale& s = kAsDesigned) {
    if (handler)
        handler(vbButton(e->button()), vbkey::shiftMask(e->modifiers()),
                s.toX(e->position().x()), s.toY(e->position().y()));
}

}  // namespace

// ---- key codes ------------------------------------------------------------

int vbKeyCode(const QKeyEvent* e) {
    return vbkey::fromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
}

// ---- place and colours -----------------------------------------------------

void TwipPlace::place(double left, double top, double width, double height) {
    l_ = left;
    t_ = top;
    w_ = width;
    h_ = height;
    apply();
}

void TwipPlace::apply() {
    self_->setGeometry(scale().rect(l_, t_, std::max(0.0, w_), std::max(0.0, h_)));
}

const twips::Scale& TwipPlace::scale() const { return scale_ ? *scale_ : kAsDesigned; }

void TwipPlace::setScale(const twips::Scale* s) {
    scale_ = s;
    rescale();
}

void TwipPlace::setDesignedFont(const QFont& f) {
    designedFont_ = f;
    hasDesignedFont_ = true;
    self_->setFont(f);
    const double before = fontFactor_;
    fontFactor_ = 1;
    scaleFont(before, scale().font());
    fontFactor_ = scale().font();
}

void TwipPlace::rescale() {
    apply();
    const double after = scale().font();
    if (after == fontFactor_) return;
    scaleFont(fontFactor_, after);
    fontFactor_ = after;
}

void TwipPlace::scaleFont(double /*before*/, double after) {
    if (!hasDesignedFont_) return;
    QFont f = designedFont_;
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * after);
    self_->setFont(f);
}

void setWidgetBackColor(QWidget* w, colour::Rgb c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour::toQColor(c));
    p.setColor(QPalette::Window, colour::toQColor(c));
    p.setColor(QPalette::Button, colour::toQColor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setWidgetForeColor(QWidget* w, colour::Rgb c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour::toQColor(c));
    p.setColor(QPalette::WindowText, colour::toQColor(c));
    p.setColor(QPalette::ButtonText, colour::toQColor(c));
    w->setPalette(p);
}

// ---- RichTextBox -----------------------------------------------------------

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), TwipPlace(this) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setBackColor(colour::kWhite);
}

QString RichTextBox::text() const { return withCrLf(toPlainText()); }

void RichTextBox::setText(const QString& t) {
    const QTextCharFormat f = currentCharFormat();
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    c.setBlockCharFormat(f);
    c.insertText(withLf(t), f);
    c.setPosition(0);
    setTextCursor(c);
    setCurrentCharFormat(f);
}

int RichTextBox::toDoc(int tp) const {
    const QString p = toPlainText();
    int doc = 0, t = 0;
    for (QChar c : p) {
        int step = c == QLatin1Char('\n') ? 2 : 1;
        if (t + step > tp) break;
        t += step;
        ++doc;
    }
    return doc;
}

int RichTextBox::toText(int dp) const {
    const QString p = toPlainText();
    dp = std::clamp(dp, 0, int(p.size()));
    return dp + int(QStringView(p).left(dp).count(QLatin1Char('\n')));
}

int RichTextBox::selStart() const { return toText(textCursor().selectionStart()); }

void RichTextBox::setSelStart(int pos) {
    QTextCursor c = textCursor();
    c.setPosition(toDoc(std::max(0, pos)));
    setTextCursor(c);
}

int RichTextBox::selLength() const {
    QTextCursor c = textCursor();
    return toText(c.selectionEnd()) - toText(c.selectionStart());
}

void RichTextBox::setSelLength(int len) {
    QTextCursor c = textCursor();
    int start = c.selectionStart();
    int end = toDoc(toText(start) + std::max(0, len));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::selText() const {
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return withCrLf(s);
}

void RichTextBox::setSelText(const QString& t) {
    QTextCursor c = textCursor();
    c.insertText(withLf(t), currentCharFormat());
    setTextCursor(c);
}

void RichTextBox::setSelColor(colour::Rgb c) { setTextColor(colour::toQColor(c)); }

colour::Rgb RichTextBox::selColor() const {
    const QTextCharFormat f = currentCharFormat();
    if (f.hasProperty(QTextFormat::ForegroundBrush)) return colour::fromQColor(f.foreground().color());
    return colour::fromQColor(palette().color(QPalette::Text));
}

void RichTextBox::setSelFontSize(double points) {
    if (points > 0) setFontPointSize(points * shownFactor_);
}

double RichTextBox::selFontSize() const {
    double s = currentCharFormat().fontPointSize();
    if (s <= 0) s = font().pointSizeF();
    // Back to the designed size, as the size steps count (12, 14, ...).
    return std::round(s / shownFactor_ * 100) / 100;
}

void RichTextBox::scaleFont(double before, double after) {
    TwipPlace::scaleFont(before, after);
    if (before <= 0 || after == before) return;
    const double k = after / before;
    // Every run of text that carries its own size, and the size of what is
    // typed next, grow with the letters.
    struct Run {
        int start, end;
        double size;
    };
    QList<Run> runs;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const double size = f.charFormat().fontPointSize();
            if (size > 0) runs.append({f.position(), f.position() + f.length(), size});
        }
    QTextCharFormat typing = currentCharFormat();
    const QTextCursor kept = textCursor();
    QTextCursor c(document());
    c.beginEditBlock();
    for (const Run& r : runs) {
        c.setPosition(r.start);
        c.setPosition(r.end, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setFontPointSize(r.size * k);
        c.mergeCharFormat(f);
    }
    c.endEditBlock();
    setTextCursor(kept);
    if (typing.fontPointSize() > 0) typing.setFontPointSize(typing.fontPointSize() * k);
    setCurrentCharFormat(typing);
    shownFactor_ = after;
}

void RichTextBox::setBackColor(colour::Rgb c) {
    back_ = c;
    setWidgetBackColor(this, c);
}

void RichTextBox::setCaretColor(colour::Rgb c) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour::toQColor(c));
    setPalette(p);
}

int RichTextBox::find(const QString& what, int start, int end, bool matchCase) {
    if (what.isEmpty()) return -1;
    const QString t = text();
    int at = int(t.indexOf(what, std::max(0, start), matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive));
    if (at < 0) return -1;
    if (end >= 0 && at + what.size() > end) return -1;
    setSelStart(at);
    setSelLength(int(what.size()));
    ensureCursorVisible();
    return at;
}

void RichTextBox::keyPressEvent(QKeyEvent* e) {
    if (!swallowedBy(onKeyDown, e)) QTextEdit::keyPressEvent(e);
}

void RichTextBox::focusInEvent(QFocusEvent* e) {
    QTextEdit::focusInEvent(e);
    if (onGotFocus) onGotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* e) {
    QTextEdit::focusOutEvent(e);
    if (onLostFocus) onLostFocus();
}

// ---- TextBox ---------------------------------------------------------------

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent), TwipPlace(this) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setBackColor(colour::kWhite);
}

QString TextBox::text() const { return withCrLf(toPlainText()); }
void TextBox::setText(const QString& t) { setPlainText(withLf(t)); }

void TextBox::setBackColor(colour::Rgb c) {
    back_ = c;
    setWidgetBackColor(this, c);
}

void TextBox::setForeColor(colour::Rgb c) {
    fore_ = c;
    setWidgetForeColor(this, c);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (!swallowedBy(onKeyDown, e)) QPlainTextEdit::keyPressEvent(e);
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    if (onGotFocus) onGotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    if (onLostFocus) onLostFocus();
}

void TextBox::mousePressEvent(QMouseEvent* e) {
    QPlainTextEdit::mousePressEvent(e);
    sendMouse(onMouseDown, e, scale());
}

// ---- Label -----------------------------------------------------------------

Label::Label(QWidget* parent) : QLabel(parent), TwipPlace(this) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColor(colour::kButtonFace);
}

void Label::setCaption(const QString& c) {
    caption_ = c;
    showCaption();
}

void Label::setElided(bool on) {
    elided_ = on;
    showCaption();
}

void Label::showCaption() {
    if (!elided_) {
        QLabel::setText(caption_);
        return;
    }
    const QString shown = elidedToWidth(caption_, font(), contentsRect().width());
    QLabel::setText(shown);
    setToolTip(shown == caption_ ? QString() : caption_);
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (elided_) showCaption();
}

void Label::setBackColor(colour::Rgb c) {
    back_ = c;
    setWidgetBackColor(this, c);
}

void Label::setForeColor(colour::Rgb c) {
    fore_ = c;
    setWidgetForeColor(this, c);
}

void Label::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && onClick) onClick();
}

// ---- CommandButton ---------------------------------------------------------

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), TwipPlace(this) {
    setBackColor(colour::kButtonFace);
}

void CommandButton::setBackColor(colour::Rgb c) {
    back_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Button, colour::toQColor(c));
    setPalette(p);
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
    if (!swallowedBy(onKeyDown, e)) QPushButton::keyPressEvent(e);
}

void CommandButton::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    if (onGotFocus) onGotFocus();
}

// ---- SurfaceCanvas ---------------------------------------------------------

SurfaceCanvas::SurfaceCanvas(QWidget* parent) : QWidget(parent) {
    // Clicks on the surface leave the keyboard focus where it is.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceCanvas::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (image_) {
        p.drawImage(e->rect(), *image_, e->rect());
        // Beyond the image (a resize not yet followed): the window colour.
        QRegion rest = QRegion(e->rect()) - QRegion(image_->rect());
        for (const QRect& r : rest) p.fillRect(r, palette().color(QPalette::Window));
    } else {
        p.fillRect(e->rect(), palette().color(QPalette::Window));
    }
}

void SurfaceCanvas::mousePressEvent(QMouseEvent* e) {
    sendMouse(onMouseDown, e);
}

void SurfaceCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    sendMouse(onDoubleClick, e);
}

void SurfaceCanvas::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (onResize) onResize(width(), height());
}
