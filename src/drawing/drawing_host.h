#pragma once
// What a drawing run needs from the window it draws on.  The editor window
// implements it; so do the command-line tool and the tests (headless).
#include <QString>

class Surface;
class Dialogs;
class EventPump;

class DrawingHost {
public:
    virtual ~DrawingHost() = default;
    virtual Surface& surface() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual EventPump& pump() = 0;

    // Folder of the work file tenmp.$$$ (the program directory in the window,
    // a private temporary folder in the command-line tool).
    virtual QString workDir() = 0;
    // Text of the edit screen (RichTextBox2): the program to draw.
    virtual QString editText() = 0;
    // Caption of Label1 (program name); the run sets it when it ends.
    virtual QString programName() = 0;
    virtual void setProgramName(const QString& name) = 0;
    // Writes the program whose first line begins with the current programName()
    // to workDir()/tenmp.$$$ (the listing procedure's command 7200).
    virtual void writeProgramToWorkFile() = 0;

    // Hide / show the window's controls and menus around a run.
    virtual void hideControls() = 0;
    virtual void showControls() = 0;
    virtual void focusEditScreen() = 0;  // RichTextBox2
    virtual void focusListing() = 0;     // Text2 (F9 during a run)
    // Repaint what has been drawn so far (about every 16 ms while tracing).
    virtual void flush() = 0;

    // The editor's edit layout (編集_Click): before the orientation prompt, on
    // its cancel and after a run.
    virtual void editLayout() {}
    // Hides the search dialogs (myhide) before a run.
    virtual void hideSearchDialogs() {}
    // How many times their set size the run's status lines and read-outs are
    // printed: a window laid out larger than designed gives larger letters
    // (never below 1).
    virtual double textScale() const { return 1.0; }
};
