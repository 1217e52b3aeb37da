#pragma once
// Frm編集: the editor window.  NC files are read, looked through program by
// program, edited and saved here, and the tool path is drawn on its client area.
//
// The window keeps its controls under their own names (RichTextBox1, Command1(i)
// ...), its state as named members, and its handlers as member functions named
// after control and event, so the editor procedures of the other files read
// like the window they drive.  No moc here (non-ASCII names): wired by lambdas.
#include <QMainWindow>
#include <array>
#include <memory>
#include "app/windows.h"
#include "drawing/cycle_time.h"
#include "drawing/drawing_host.h"
#include "drawing/drawing_state.h"
#include "editor/frm_edit_controls.h"
#include "editor/listing_window.h"
#include "platform/gui_twips.h"

class QAction;
class QTimer;
class ImageSurface;
class SurfaceCanvas;
class EventPump;
class Fileload;
class FrmEditListing;
class FrmEditSave;
class EditSaver;
class frm検索;
class frm置換;
class frm読出しファイル内検索;

class Frm編集 : public QMainWindow, public DrawingHost, public AppWindow {
public:
    static constexpr int kSectionButtons = 19;  // Command1(0)..Command1(18)
    // Edit screen colour schemes (VB colour values, as the edit text colour holds them).
    static constexpr quint32 kDarkBackVb = 0x404040;
    static constexpr quint32 kLightBackVb = 0xC0C0C0;
    static constexpr quint32 kYellowVb = 0xFFFF;      // 65535
    static constexpr quint32 kDarkBlueVb = 0x800000;  // 8388608
    static constexpr double kMaxFontSize = 72;
    static constexpr double kMinFontSize = 3;

    explicit Frm編集(QWidget* parent = nullptr);
    ~Frm編集() override;

    // ---- controls ----------------------------------------------------------
    RichTextBox* RichTextBox1;  // read-out screen
    RichTextBox* RichTextBox2;  // edit screen
    std::array<CommandButton*, kSectionButtons> Command1;  // read-out section buttons
    TextBox* Text1;  // outline of the edit screen
    TextBox* Text2;  // key catcher of the program listing
    Label* Label1;   // name of the program in the edit screen
    Label* Label2;   // combine mode switch
    Label* Label3;   // current machine name
    QTimer* Timer1;  // repaints the listing once after it was entered

    // ---- menu bar (top-level items, no sub-items) --------------------------
    QAction* 読出;
    QAction* 読出し画面保存;
    QAction* 読出しファイル内検索;
    QAction* w画面;
    QAction* 個別プログラム名表示;
    QAction* 描画;
    QAction* 検索;
    QAction* 文字大;
    QAction* 文字小;
    QAction* 編集;
    QAction* 保存;
    QAction* 送受信;
    QAction* 終了;

    // ---- window state ------------------------------------------------------
    struct ScreenState {
        QString text;
        qint32 caret = 0;
        qint32 selLength = 0;
    };
    QString fileName;         // full path of the file last read; empty when none
    short programCount = 0;   // entries of the program listing
    short programNo = 0;      // listing entry in the edit screen (also fileload codes)
    short skipSave = 0;       // 1: the listing does not offer to save the edit screen
    ScreenMode screenMode = ScreenMode::Settled;
    ScreenState savedReadout; // RichTextBox1 as last taken
    ScreenState savedEdit;    // RichTextBox2 as last taken
    QString savedProgramName; // Label1 as last taken
    float editTextColour = float(kYellowVb);  // VB colour value of the edit text
    short abortFlag = 0;      // 9999 once the window is closed: a drawing run stops
    short editChanged = 0;    // 1 after any key in the edit screen

    // Lathe orientation ("t" / "m"), held as the window's tag text.
    QString tag() const { return tag_; }
    void setTag(const QString& t) { tag_ = t; }

    // ---- what the other windows ask of this one ---------------------------------
    void showWindow() override { show(); }
    void hideWindow() override { hide(); }
    void setMachine(const QString& name) override { Label3->setCaption(name); }
    void setLatheOrientation(const QString& t) override { setTag(t); }
    void setRapidRate(double mmPerMin) override { rapidRate_ = mmPerMin; }

    // Boxes and event pump of this window: those of every window (windowDialogs(),
    // windowPump()) unless replaced here (nullptr restores them).
    Dialogs& dialogs() override;
    void setDialogs(Dialogs* d) { dialogs_ = d; }
    EventPump& pump() override;
    void setPump(EventPump* p) { pump_ = p; }

    // ---- handlers of this window --------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();
    void Form_DblClick();
    // unloadMode 0 = the close box; any other passes unchanged.
    void Form_QueryUnload(bool& cancel, int unloadMode);
    // False when the operator cancelled the save offer: the window stays.
    bool Form_Unload();
    void 終了_Click();
    void 送受信_Click();
    void myhide();
    void Command1_Click(int index);
    void Command1_KeyDown(int index, int& keyCode, int shift);
    void Label2_Click();
    void RichTextBox1_KeyDown(int& keyCode, int shift);
    void RichTextBox2_KeyDown(int& keyCode, int shift);
    void Text1_KeyDown(int& keyCode, int shift);
    void Timer1_Timer();
    void Text2_GotFocus();
    void Text2_LostFocus();
    void 文字大_Click();
    void 文字小_Click();
    void w画面_Click();

    // Open-file dialog of the current machine (initial folder and filter as the
    // read command has them); empty when cancelled.
    QString askFileToRead();
    // Initial folder and filter of that dialog.
    QString machineDir() const;
    QString readFilter() const;

    // Window size in twips (outer size, as the layout rules measure it), in the
    // twips of the designed layout: the layout scale makes them the window's.
    double formWidth() const;
    double formHeight() const;
    // Extent of the designed layout (twips): the right edge of the edit screen
    // and of Label1, the bottom of the read-out screen.  The layout fills the
    // client area by the factors of this scale; the drawing run's letters grow
    // by its font factor.
    static constexpr double kDesignedWidth = 15255;
    static constexpr double kDesignedHeight = 10575;
    const twips::Scale& layoutScale() const { return layoutScale_; }
    // The program listing is painted through this: designed twips on the surface.
    Surface& listingSurface();
    colour::Rgb backColor() const { return colour::kButtonFace; }

    // Rebuilds the outline Text1 from the edit text through the work file.
    void buildOutline();

    // ---- DrawingHost -------------------------------------------------------
    Surface& surface() override;
    void setSurface(Surface* s);  // a replacement (tests); nullptr = the window's own
    QString workDir() override;
    QString editText() override;
    QString programName() override;
    void setProgramName(const QString& name) override;
    void writeProgramToWorkFile() override;
    void hideControls() override;
    void showControls() override;
    void focusEditScreen() override;
    void focusListing() override;
    void flush() override;
    double textScale() const override { return layoutScale_.font(); }
    // The window shown, or back from a box, becomes the active one again.
    void takeActivation();

    // ======================================================================
    // Reading and the program listing (frm_edit_listing.cpp).
    // ======================================================================
    // The one door to the program store; code is a 16-bit command code.
    void fileload(short& code);
    void 読出_Click();
    void 個別プログラム名表示_Click();
    void 編集_Click();
    void Text2_KeyDown(int& keyCode, int shift);
    void Text2_MouseDown(int button, int shift, double x, double y);
    // A press on the painted listing (while 個別プログラム名表示 is visible).
    void Form_MouseDown(int button, int shift, double x, double y);
    // The program store and the listing procedure behind fileload
    // (frm_edit_listing.cpp).
    Fileload& listingProcedure();
    // File 2 of a combined save: command 9998 appends the marked entries here;
    // the saver writes it out and empties it.
    QString combinedOutput;

    // Combine mode: Label2's colour shows it (yellow while on); its caption is
    // set by Label2_Click alone.
    bool combineMode() const { return combineMode_; }
    void setCombineMode(bool on);

    // ======================================================================
    // Saving (frm_edit_save.cpp; the rules are EditSaver's).
    // ======================================================================
    // The save offer before the edit screen is replaced.  False when the
    // operator keeps the edit (save dialog cancelled, or the write failed): the
    // caller must not replace the edit screen.
    bool mysave();
    void 保存_Click();
    void 読出し画面保存_Click();
    EditSaver& editSaver();
    // Unsaved edit: a key pressed in the edit screen, or a text that is no
    // longer the one last shown or saved (a paste with the mouse, a replace).
    bool editHasChanges() const;
    // The edit text as it stands is the one the listing put there.
    void noteEditTextShown();
    // ... and it is settled (saved, or not to be saved): the edit-changed flag
    // back to 0 as well.
    void settleEditChanges();

    // ======================================================================
    // The search dialogs (frm_edit_search.cpp).  Each is made on first use,
    // owned by this window, and runs its Form_Load() then.
    // ======================================================================
    void 検索_Click();
    void 読出しファイル内検索_Click();
    frm検索& findDialog();
    frm置換& replaceDialog();
    frm読出しファイル内検索& readoutSearchDialog();
    bool replaceDialogLoaded() const { return replaceDialog_ != nullptr; }
    // A new program in the edit screen: the dialogs' positions are forgotten.
    void forgetSearchPosition();
    // The read-out screen is put away (edit layout): its search dialog too.
    void hideReadoutSearch();

    // ======================================================================
    // The drawing run (frm_edit_drawing.cpp).
    // ======================================================================
    void 描画_Click();
    // Keys reaching the window itself (no control has the focus: a drawing run).
    void Form_KeyDown(int& keyCode, int shift);
    // Mouse presses on the client area while every menu is hidden.
    void drawingMouseDown(int button, int shift, double x, double y);
    // The drawing engine's state kept with this window between runs (view,
    // options, speed, mailboxes); orientation and abortFlag are mirrored from
    // the tag and the field above around a run.
    DrawingState drawingState;
    double rapidRate_ = kDefaultRapidRate;  // machining time shown after a run

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildControls();
    void buildMenu();
    void wireHandlers();
    void canvasMouseDown(int button, int shift, double x, double y);
    void canvasDoubleClick();
    // Sizes set relative to the window follow it when it is resized (the
    // maximised size arrives after the window was first shown).
    void followWindowSize(double oldW, double oldH, double newW, double newH);
    void followFormSize();
    // The client area changed size: the controls and the listing follow it.
    void fitLayout(QSize clientPx);
    bool allMenusHidden() const;
    QList<QWidget*> controls() const;
    QList<QAction*> menuItems() const;
    // Caret and selection kept; text re-assigned in the colour and size given.
    void applyEditFormat(colour::Rgb c, double size);
    void setEditFontSize(double size);
    void storeScreens();
    void restoreScreens();
    void showEveryControl(bool skipEmptyCaptions);
    bool controlHasFocus() const;
    void showMenuWindow();
    void showTransferWindow();

    QString tag_;
    twips::Scale layoutScale_{QSizeF(kDesignedWidth, kDesignedHeight)};
    std::unique_ptr<twips::ScaledSurface> listingSurface_;
    Surface* listingSurfaceOf_ = nullptr;  // the surface listingSurface_ paints on
    SurfaceCanvas* canvas_ = nullptr;
    std::unique_ptr<ImageSurface> image_;
    Surface* surfaceOverride_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    EventPump* pump_ = nullptr;
    QString outlineSource_;  // edit text at the last outline build
    double lastFormWidth_ = 0, lastFormHeight_ = 0;  // twips, at the last resize
    bool activating_ = false;
    bool activationQueued_ = false;
    std::shared_ptr<FrmEditListing> listing_;  // made on first use
    std::shared_ptr<FrmEditSave> saver_;       // made on first use
    bool combineMode_ = false;
    QString editShown_;  // edit text as last shown or saved (RichTextBox2's form)
    frm検索* findDialog_ = nullptr;                  // children of this window
    frm置換* replaceDialog_ = nullptr;
    frm読出しファイル内検索* readoutSearchDialog_ = nullptr;
};
