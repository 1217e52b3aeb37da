#pragma once
// What saving needs from the editor window: the machine, the current file
// path and program name, the two screens' texts, combine mode, the
// edit-changed state, the listing procedure's door and the boxes.  The window
// implements it over its controls.  QtCore only.
#include <QString>

class Dialogs;
namespace store {
class ProgramStore;
}

class SaveWindow {
public:
    virtual ~SaveWindow() = default;

    // Current machine (Label3) and its folder, the working directory.
    virtual QString machineName() const = 0;
    virtual QString machineDir() const = 0;

    // Current file path, and the program name shown in Label1.
    virtual QString currentFilePath() const = 0;
    virtual void setCurrentFilePath(const QString& path) = 0;
    virtual QString programLabel() const = 0;
    virtual void setProgramLabel(const QString& caption) = 0;

    // Texts of the edit screen and of the read-out screen.
    virtual QString editText() const = 0;
    virtual QString readoutText() const = 0;

    // Combine mode (shown by Label2's colour).
    virtual bool combineMode() const = 0;
    virtual void setCombineMode(bool on) = 0;

    // The edit screen holds something not saved: a key was pressed in it, or
    // its text is no longer the text last shown or saved.
    virtual bool editChanged() const = 0;
    // The edit as it stands is settled (saved, or the operator declined to
    // save it): the edit-changed flag back to 0, nothing left to offer.
    virtual void settleEditChanges() = 0;

    // The listing procedure (fileload) with a command code, and the output of
    // its command 9998 (the marked entries), taken and emptied.
    virtual void fileload(int code) = 0;
    virtual QString takeCombinedOutput() = 0;
    // The file read (its encoding is the one written back).
    virtual const store::ProgramStore& programStore() const = 0;

    virtual Dialogs& saveDialogs() = 0;
};
