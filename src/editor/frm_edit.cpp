// Frm編集: construction of the controls at their design places, the menu bar,
// and the window events that lead to the handlers.
#include "editor/frm_edit.h"

#include <QGuiApplication>
#include <QScreen>

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>
#include <cmath>
#include "app/windows.h"
#include "editor/fileload.h"
#include "editor/frm_find.h"
#include "editor/frm_readout_search.h"
#include "editor/frm_replace.h"
#include "editor/listing_rows.h"
#include "platform/gui_fonts.h"
#include "platform/gui_image_surface.h"
#include "platform/gui_twips.h"

namespace {

constexpr double kTextFontSize = 12;   // read-out and edit screens
constexpr double kLabelFontSize = 9;
constexpr double kNameFontSize = 12;   // Label1

}  // namespace

Frm編集::Frm編集(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(kWindowTitleSuffix);
    setFocusPolicy(Qt::NoFocus);
    buildControls();
    buildMenu();
    wireHandlers();
}

Frm編集::~Frm編集() {
    // QWidget's destructor closes the window, which moves the focus out of
    // Text2; by then this class is gone, so its focus handlers must not run.
    Text2->onGotFocus = nullptr;
    Text2->onLostFocus = nullptr;
}

void Frm編集::buildControls() {
    canvas_ = new SurfaceCanvas(this);
    setCentralWidget(canvas_);
    setWidgetBackColor(canvas_, backColor());
    setWidgetBackColor(this, backColor());

    image_ = std::make_unique<ImageSurface>(1, 1, twips::logicalDpi(), QSize(), backColor());
    image_->setOnChanged([this](const QRect& r) { canvas_->update(r); });
    canvas_->setImage(&image_->image());
    canvas_->onResize = [this](int w, int h) {
        image_->resize(w, h);
        canvas_->setImage(&image_->image());
        fitLayout(QSize(w, h));
    };

    const QFont textFont = uiFont(kTextFontSize);
    const QFont labelFont = uiFont(kLabelFontSize);

    RichTextBox1 = new RichTextBox(canvas_);
    RichTextBox1->place(0, 480, 4935, 10095);
    RichTextBox1->setDesignedFont(textFont);

    RichTextBox2 = new RichTextBox(canvas_);
    RichTextBox2->place(10320, 480, 4935, 9975);
    RichTextBox2->setDesignedFont(textFont);
    RichTextBox2->setBackColor(colour::fromVb(kDarkBackVb));
    RichTextBox2->setSelColor(colour::fromVb(kYellowVb));
    RichTextBox2->setSelFontSize(kTextFontSize);
    // The caret must show on the dark scheme as on the light one.
    RichTextBox2->setCaretColor(colour::fromVb(kYellowVb));

    for (int i = 0; i < kSectionButtons; ++i) {
        auto* b = new CommandButton(canvas_);
        b->place(4920, 480 + 480 * i, 375, 495);
        b->setDesignedFont(labelFont);
        b->hide();  // shown once the reading gives it a caption
        Command1[size_t(i)] = b;
    }

    // The outline lies over the edit screen; it is shown by the edit layout.
    Text1 = new TextBox(canvas_);
    Text1->place(10320, 600, 4935, 10455);
    Text1->setDesignedFont(textFont);
    Text1->setBackColor(colour::fromVb(0x404040));
    Text1->setForeColor(colour::fromVb(0xFFFF));
    Text1->hide();

    Text2 = new TextBox(canvas_);
    Text2->place(10320, 0, 735, 495);
    Text2->setDesignedFont(labelFont);
    Text2->setBackColor(colour::fromVb(0x000080));
    Text2->setForeColor(colour::fromVb(0xFFFF));
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setFrameShape(QFrame::NoFrame);
    Text2->document()->setDocumentMargin(1);

    Label1 = new Label(canvas_);
    Label1->place(11160, 0, 4095, 435);
    Label1->setDesignedFont(uiFont(kNameFontSize));
    Label1->setElided(true);
    Label1->setForeColor(colour::fromVb(0xFFFF));
    // Yellow needs a dark ground to be read; the edit screen's grey.
    Label1->setBackColor(colour::fromVb(kDarkBackVb));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Label2 = new Label(canvas_);
    Label2->place(5040, 120, 5295, 315);
    Label2->setDesignedFont(labelFont);
    Label2->setCaption(listing::kCombineOffCaption);
    Label2->setBackColor(backColor());

    Label3 = new Label(canvas_);
    Label3->place(240, 120, 855, 255);
    Label3->setDesignedFont(labelFont);
    Label3->setCaption(QStringLiteral("sp2"));

    Timer1 = new QTimer(this);
    for (QWidget* c : controls()) dynamic_cast<TwipPlace*>(c)->setScale(&layoutScale_);
}

void Frm編集::fitLayout(QSize clientPx) {
    if (!layoutScale_.fit(clientPx)) return;
    for (QWidget* c : controls()) dynamic_cast<TwipPlace*>(c)->rescale();
    followFormSize();
    for (SearchDialog* d : std::initializer_list<SearchDialog*>{findDialog_, replaceDialog_,
                                                               readoutSearchDialog_})
        if (d) d->fitToEditor();
    // Outside a drawing run the surface holds only the painted listing: paint
    // it again at its new places, on a clean surface (the old rows would stay
    // where the old scale put them).
    if (!個別プログラム名表示->isVisible()) return;
    image_->clear();
    if (programCount > 0) listingProcedure().paintListing(programNo, false);
}

Surface& Frm編集::listingSurface() {
    Surface* s = &surface();
    if (!listingSurface_ || listingSurfaceOf_ != s) {
        listingSurface_ = std::make_unique<twips::ScaledSurface>(*s, layoutScale_);
        listingSurfaceOf_ = s;
    }
    return *listingSurface_;
}

void Frm編集::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setFont(uiFont(kLabelFontSize));
    auto item = [&](const QString& caption, auto handler) {
        QAction* a = bar->addAction(caption);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    読出 = item(QStringLiteral("&O読出"), &Frm編集::読出_Click);
    読出し画面保存 = item(QStringLiteral("&R読出し画面保存"), &Frm編集::読出し画面保存_Click);
    読出しファイル内検索 =
        item(QStringLiteral("&A読出しファイル内検索"), &Frm編集::読出しファイル内検索_Click);
    w画面 = item(QStringLiteral("&W編集2画面"), &Frm編集::w画面_Click);
    個別プログラム名表示 =
        item(QStringLiteral("&V個別プログラム名表示"), &Frm編集::個別プログラム名表示_Click);
    描画 = item(QStringLiteral("&G描画"), &Frm編集::描画_Click);
    検索 = item(QStringLiteral("&F検索"), &Frm編集::検索_Click);
    文字大 = item(QStringLiteral("&B文字大"), &Frm編集::文字大_Click);
    文字小 = item(QStringLiteral("&N文字小"), &Frm編集::文字小_Click);
    編集 = item(QStringLiteral("&E編集"), &Frm編集::編集_Click);
    保存 = item(QStringLiteral("&S編集画面保存"), &Frm編集::保存_Click);
    送受信 = item(QStringLiteral("&T送受信"), &Frm編集::送受信_Click);
    終了 = item(QStringLiteral("&Q終了"), &Frm編集::終了_Click);
    // Nothing has been read yet: there is no read-out screen to save.
    読出し画面保存->setEnabled(false);
}

void Frm編集::wireHandlers() {
    for (int i = 0; i < kSectionButtons; ++i) {
        CommandButton* b = Command1[size_t(i)];
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        b->onKeyDown = [this, i](int& key, int shift) { Command1_KeyDown(i, key, shift); };
        // Command1_GotFocus does nothing.
    }
    RichTextBox1->onKeyDown = [this](int& key, int shift) { RichTextBox1_KeyDown(key, shift); };
    RichTextBox2->onKeyDown = [this](int& key, int shift) { RichTextBox2_KeyDown(key, shift); };
    Text1->onKeyDown = [this](int& key, int shift) { Text1_KeyDown(key, shift); };
    Text2->onKeyDown = [this](int& key, int shift) { Text2_KeyDown(key, shift); };
    Text2->onGotFocus = [this] { Text2_GotFocus(); };
    Text2->onLostFocus = [this] { Text2_LostFocus(); };
    Text2->onMouseDown = [this](int b, int s, double x, double y) { Text2_MouseDown(b, s, x, y); };
    Label2->onClick = [this] { Label2_Click(); };
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    canvas_->onMouseDown = [this](int b, int s, double x, double y) { canvasMouseDown(b, s, x, y); };
    canvas_->onDoubleClick = [this](int b, int s, double x, double y) {
        // (x, y) are the window's own twips: the drawing run's.
        if (個別プログラム名表示->isVisible())
            canvasDoubleClick();
        else if (allMenusHidden())
            // During a drawing run the second press of a quick pair is a press too.
            drawingMouseDown(b, s, x, y);
    };
}

QList<QWidget*> Frm編集::controls() const {
    QList<QWidget*> out{RichTextBox1, RichTextBox2, Text1, Text2, Label1, Label2, Label3};
    for (auto* b : Command1) out << b;
    return out;
}

QList<QAction*> Frm編集::menuItems() const {
    return {読出, 読出し画面保存, 読出しファイル内検索, w画面, 個別プログラム名表示, 描画, 検索,
            文字大, 文字小, 編集, 保存, 送受信, 終了};
}

bool Frm編集::allMenusHidden() const {
    for (QAction* a : menuItems())
        if (a->isVisible()) return false;
    return true;
}

bool Frm編集::controlHasFocus() const {
    QWidget* f = focusWidget();
    if (!f || f == this || f == canvas_ || f->isHidden()) return false;
    for (QWidget* c : controls())
        if (f == c || c->isAncestorOf(f)) return true;
    return false;
}

double Frm編集::formWidth() const { return layoutScale_.toX(frameGeometry().width()); }
double Frm編集::formHeight() const { return layoutScale_.toY(frameGeometry().height()); }

Dialogs& Frm編集::dialogs() { return dialogs_ ? *dialogs_ : windowDialogs(); }
EventPump& Frm編集::pump() { return pump_ ? *pump_ : windowPump(); }

void Frm編集::Form_Load() {
    // Without a window manager (a bare X server) nobody carries out the
    // maximise request: start with the whole available screen as well.
    if (QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

// ---- window events ---------------------------------------------------------

void Frm編集::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // Shown by the program (the menu, the transfer window): the window becomes
    // the active one.  Run the activation once the show has finished.
    if (e->spontaneous() || activating_ || activationQueued_) return;
    activationQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        activationQueued_ = false;
        if (isVisible() && !activating_) Form_Activate();
    });
}

void Frm編集::closeEvent(QCloseEvent* e) {
    bool cancel = false;
    // The close box comes from the window system; a close by the program passes.
    Form_QueryUnload(cancel, e->spontaneous() ? 0 : 1);
    if (cancel) {
        e->ignore();
        return;
    }
    if (!Form_Unload()) {
        e->ignore();
        return;
    }
    e->accept();
}

void Frm編集::keyPressEvent(QKeyEvent* e) {
    // Keys reach the window itself only when no control holds the focus: all of
    // them are hidden for a drawing run.
    if (!controlHasFocus()) {
        int code = vbKeyCode(e);
        if (code != 0) {
            Form_KeyDown(code, vbkey::shiftMask(e->modifiers()));
            e->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(e);
}

void Frm編集::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    followFormSize();
}

void Frm編集::followFormSize() {
    // The event's old size is not always the size the layout was made for;
    // compare with the size of the last resize instead.  The sizes count in
    // designed twips, so they change with the window's frame and with the
    // scale of the client area (which follows a little later).
    if (lastFormWidth_ > 0) followWindowSize(lastFormWidth_, lastFormHeight_, formWidth(), formHeight());
    lastFormWidth_ = formWidth();
    lastFormHeight_ = formHeight();
}

void Frm編集::followWindowSize(double oldW, double oldH, double newW, double newH) {
    auto same = [](double a, double b) { return std::abs(a - b) < 0.5; };
    RichTextBox* r = RichTextBox2;
    TextBox* o = Text1;
    if (same(r->height(), oldH - 1200)) r->setHeight(newH - 1200);
    if (same(o->height(), oldH - 1200)) o->setHeight(newH - 1200);
    if (same(r->left(), 0) && same(r->width(), oldW * 3 / 4)) {  // edit layout
        r->setWidth(newW * 3 / 4);
        if (same(o->left(), oldW * 3 / 4) && same(o->width(), oldW / 4)) {
            o->setWidth(newW / 4);
            o->setLeft(newW * 3 / 4);
        }
    } else if (same(r->width(), oldW - RichTextBox1->width())) {  // two screens
        r->setWidth(newW - RichTextBox1->width());
    }
    if (same(o->left(), oldW - o->width())) o->setLeft(newW - o->width());  // flush right
}

void Frm編集::canvasMouseDown(int button, int shift, double x, double y) {
    if (個別プログラム名表示->isVisible())  // a press on the listing, at its designed place
        Form_MouseDown(button, shift, x / layoutScale_.fx(), y / layoutScale_.fy());
    else if (allMenusHidden())
        drawingMouseDown(button, shift, x, y);
    // Otherwise (only "描画" left): the press is ignored.
}

void Frm編集::canvasDoubleClick() { Form_DblClick(); }
