#pragma once
// The controls of the editor window, with the properties the editor procedures
// work with: a place in twips, a tag text, colours, and key/focus/click hooks
// that receive VB key codes (F9 = 120, Up = 38 ...) rather than Qt keys.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QFont>
#include <functional>
#include "platform/colour.h"
#include "platform/key_codes.h"

class QKeyEvent;
namespace twips {
class Scale;
}

// Key code of a key press (platform/key_codes.h); 0 for keys without a code.
int vbKeyCode(const QKeyEvent* e);

// Handler of a key press: it may set keyCode to 0 to swallow the key.
using KeyDownHandler = std::function<void(int& keyCode, int shift)>;
// Handler of a mouse press: button (1 left, 2 right, 4 middle), shift mask, x
// and y in twips.
using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

// A control's place in twips.  The twip values are kept as set, not read back
// from pixels: 10000 twips would otherwise come back as 10005.  They are the
// places of the designed layout; the window's scale (twips::Scale) makes them
// pixels of the window as it is now, and sizes the control's letters.
class TwipPlace {
public:
    virtual ~TwipPlace() = default;
    double left() const { return l_; }
    double top() const { return t_; }
    double width() const { return w_; }
    double height() const { return h_; }
    void setLeft(double v) { l_ = v; apply(); }
    void setTop(double v) { t_ = v; apply(); }
    void setWidth(double v) { w_ = v; apply(); }
    void setHeight(double v) { h_ = v; apply(); }
    void place(double left, double top, double width, double height);

    // The scale the window lays its controls out by (nullptr: as designed),
    // and the control's font at the designed size.
    void setScale(const twips::Scale* s);
    void setDesignedFont(const QFont& f);
    QFont designedFont() const { return designedFont_; }
    // The scale changed: place and letters again.
    void rescale();

    QString tag;  // the control's free text property

protected:
    explicit TwipPlace(QWidget* self) : self_(self) {}
    const twips::Scale& scale() const;
    // Letters grow from `before` to `after` times their designed size.
    virtual void scaleFont(double before, double after);
    QWidget* widget() const { return self_; }

private:
    void apply();
    QWidget* self_;
    const twips::Scale* scale_ = nullptr;
    QFont designedFont_;
    bool hasDesignedFont_ = false;
    double fontFactor_ = 1;  // the factor the letters stand at
    double l_ = 0, t_ = 0, w_ = 0, h_ = 0;
};

// Colour helpers shared by the controls.
void setWidgetBackColor(QWidget* w, colour::Rgb c);
void setWidgetForeColor(QWidget* w, colour::Rgb c);

// Rich-text edit control.  Its text uses CR LF line ends, and every position
// (caret, selection start and length, find result) counts in that text, so that
// lengths and positions agree with what callers build and compare.
class RichTextBox : public QTextEdit, public TwipPlace {
public:
    // Place in twips (QWidget's own width() and height() count pixels).
    using TwipPlace::height;
    using TwipPlace::width;
    explicit RichTextBox(QWidget* parent);

    QString text() const;
    // Replaces the whole text; the new text takes the current text format
    // (colour and size of the selection / caret).
    void setText(const QString& t);

    int selStart() const;
    void setSelStart(int pos);  // caret there, selection emptied
    int selLength() const;
    void setSelLength(int len);  // selection from selStart over len characters
    QString selText() const;
    void setSelText(const QString& t);

    // Colour and size of the selected text, and of text typed or set next.
    void setSelColor(colour::Rgb c);
    colour::Rgb selColor() const;
    void setSelFontSize(double points);
    double selFontSize() const;
    // Size of text typed or set next (the editor's font size).
    double fontSize() const { return selFontSize(); }
    // Sizes above are those of the designed layout; the letters on the screen
    // stand this many times larger (the window's font factor).
    double fontFactor() const { return shownFactor_; }

    colour::Rgb backColor() const { return back_; }
    void setBackColor(colour::Rgb c);
    // Colour of the caret (and of text without a colour of its own).
    void setCaretColor(colour::Rgb c);

    // Zero-based index of the first match at or after start (ending at or before
    // end when end is not negative), or -1; a match is selected.  Letters match
    // in either case unless matchCase.
    int find(const QString& what, int start = 0, int end = -1, bool matchCase = false);

    KeyDownHandler onKeyDown;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scaleFont(double before, double after) override;

private:
    int toDoc(int textPos) const;  // CR LF text position -> document position
    int toText(int docPos) const;
    colour::Rgb back_ = colour::kWhite;
    double shownFactor_ = 1;
};

// Text box (multi-line, plain).  Text uses CR LF line ends like the rich box.
class TextBox : public QPlainTextEdit, public TwipPlace {
public:
    // Place in twips (QWidget's own width() and height() count pixels).
    using TwipPlace::height;
    using TwipPlace::width;
    explicit TextBox(QWidget* parent);
    QString text() const;
    void setText(const QString& t);
    colour::Rgb backColor() const { return back_; }
    void setBackColor(colour::Rgb c);
    colour::Rgb foreColor() const { return fore_; }
    void setForeColor(colour::Rgb c);

    KeyDownHandler onKeyDown;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    MouseHandler onMouseDown;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    colour::Rgb back_ = colour::kWhite;
    colour::Rgb fore_ = colour::kBlack;
};

class Label : public QLabel, public TwipPlace {
public:
    // Place in twips (QWidget's own width() and height() count pixels).
    using TwipPlace::height;
    using TwipPlace::width;
    explicit Label(QWidget* parent);
    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    // A caption longer than the label is shown cut with "…", whole in the
    // tooltip (the caption itself stays whole).
    void setElided(bool on);
    colour::Rgb backColor() const { return back_; }
    void setBackColor(colour::Rgb c);
    colour::Rgb foreColor() const { return fore_; }
    void setForeColor(colour::Rgb c);

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void showCaption();
    QString caption_;
    bool elided_ = false;
    colour::Rgb back_ = colour::kButtonFace;
    colour::Rgb fore_ = colour::kBlack;
};

// The client area of a window: shows the image of its drawing surface and
// passes mouse presses on (in twips).
class SurfaceCanvas : public QWidget {
public:
    explicit SurfaceCanvas(QWidget* parent);
    void setImage(const QImage* image) { image_ = image; }

    MouseHandler onMouseDown;
    MouseHandler onDoubleClick;
    std::function<void(int widthPx, int heightPx)> onResize;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    const QImage* image_ = nullptr;
};

class CommandButton : public QPushButton, public TwipPlace {
public:
    // Place in twips (QWidget's own width() and height() count pixels).
    using TwipPlace::height;
    using TwipPlace::width;
    explicit CommandButton(QWidget* parent);
    QString caption() const { return QPushButton::text(); }
    void setCaption(const QString& c) { QPushButton::setText(c); }
    colour::Rgb backColor() const { return back_; }
    void setBackColor(colour::Rgb c);

    KeyDownHandler onKeyDown;
    std::function<void()> onGotFocus;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    colour::Rgb back_ = colour::kButtonFace;
};
