#pragma once
// What the listing procedure needs from the editor window: its state, its
// screens, buttons and labels, the drawing surface and the boxes.  The window
// implements it over its controls; tests implement it with plain fields.
// QtCore only.
#include <QString>

#include "platform/colour.h"

class Surface;
class Dialogs;

// Layout of the editor window as the listing procedure and its timer see it.
enum class ScreenMode {
    ListingEntered,  // the listing layout was just entered: the timer paints it once more
    Settled,         // nothing pending
    Edit,            // the edit layout or the two-screen layout
};

class ListingWindow {
public:
    virtual ~ListingWindow() = default;

    // Window state.
    virtual QString currentFilePath() const = 0;
    virtual int currentProgram() const = 0;
    virtual void setCurrentProgram(int n) = 0;
    virtual int skipSaveFlag() const = 0;
    virtual void setSkipSaveFlag(int v) = 0;
    virtual ScreenMode screenMode() const = 0;
    virtual void setProgramCount(int n) = 0;
    virtual colour::Rgb editTextColour() const = 0;

    // Edit screen (RichTextBox2) and the program name (Label1).
    virtual QString editText() const = 0;
    virtual void setEditText(const QString& text, colour::Rgb c) = 0;
    virtual void showEditScreen() = 0;
    virtual QString programLabel() const = 0;
    virtual void setProgramLabel(const QString& caption) = 0;

    // Read-out screen (RichTextBox1).  Texts given with LF line ends.
    virtual QString readoutText() const = 0;
    virtual void setReadoutText(const QString& text, colour::Rgb c) = 0;
    // Finds the text from the start of the read-out and scrolls to it.
    virtual void scrollReadoutTo(const QString& what) = 0;
    // The read-out text was edited: tag "1" (RichTextBox1's tag).
    virtual void setReadoutChangedTag() = 0;
    virtual void setReadoutSaveEnabled(bool on) = 0;  // menu 読出し画面保存

    // Bookmark buttons Command1(k).
    virtual void setSectionButtonCaption(int k, const QString& caption) = 0;
    virtual void setSectionButtonVisible(int k, bool visible) = 0;

    // Combine mode, shown by Label2's colour.
    virtual bool combineMode() const = 0;
    virtual void setCombineMode(bool on) = 0;  // the caption stays as it is
    virtual void toggleCombineMode() = 0;      // Label2_Click

    // The window surface the listing is painted on.
    virtual Surface& listingSurface() = 0;
    virtual Dialogs& listingDialogs() = 0;

    // Save offer before another entry replaces the edit screen (mysave).
    // False: the edit must stay (the operator cancelled, or the write failed)
    // and the edit screen is not replaced.
    virtual bool offerSave() = 0;
    // The search dialog's remembered position (frm検索's tag) is forgotten.
    virtual void forgetSearchPosition() = 0;
    // Q / Esc on the listing: hide the editor, show the main menu.
    virtual void leaveToMenu() = 0;
    // Text2 after each key: "ﾌｧｲﾙ", line break, "選択", with the focus.
    virtual void refreshListingKeyCatcher() = 0;

    // Temporary work file (tenmp.$$$) for the drawing engine.
    virtual QString workFilePath() const = 0;
    // Output file of a combined save (command 9998 writes the marked entries).
    virtual void writeCombinedOutput(const QString& text) = 0;
};
