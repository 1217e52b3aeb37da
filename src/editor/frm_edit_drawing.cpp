// Frm編集: the drawing run on the window's own client area.  The "描画" item
// starts it; while it runs, the window's keys and mouse presses become command
// words in the run's mailbox, and closing the window stops the run.
#include "drawing/drawing_input.h"
#include "drawing/drawing_run.h"
#include "editor/frm_edit.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"

namespace {

// The boxes of a run on the window.  Each box takes the activation while it is
// up; afterwards the window takes it back, so that the window's keys reach the
// run and, once it ends, the access keys their commands (a window manager
// would do this; on a bare X server nobody else would).
class ActivationKeepingDialogs : public Dialogs {
public:
    explicit ActivationKeepingDialogs(Frm編集& w) : w_(w) {}
    void message(const QString& text) override {
        w_.dialogs().message(text);
        w_.takeActivation();
    }
    bool askYesNo(const QString& text, const QString& title) override {
        const bool yes = w_.dialogs().askYesNo(text, title);
        w_.takeActivation();
        return yes;
    }
    QString input(const QString& prompt, const QString& title, const QString& defaultAnswer,
                  double x, double y) override {
        const QString a = w_.dialogs().input(prompt, title, defaultAnswer, x, y);
        w_.takeActivation();
        return a;
    }
    FileChoice openFile(const QString& dir, const QString& filter, const QString& title) override {
        const FileChoice c = w_.dialogs().openFile(dir, filter, title);
        w_.takeActivation();
        return c;
    }
    FileChoice saveFile(const QString& dir, const QString& filter, const QString& title,
                        const QString& name) override {
        const FileChoice c = w_.dialogs().saveFile(dir, filter, title, name);
        w_.takeActivation();
        return c;
    }

private:
    Frm編集& w_;
};

// The window as the host of one run.  Everything goes to the window, with two
// additions: after every yield the window's abort code (set by its unload when
// it is closed) is handed to the run, and the edit layout and the search
// dialogs are reached through the window's own procedures.
class WindowRunHost : public DrawingHost, public EventPump {
public:
    WindowRunHost(Frm編集& w, DrawingState& st) : w_(w), st_(st), dialogs_(w) {}

    Surface& surface() override { return w_.surface(); }
    Dialogs& dialogs() override { return dialogs_; }
    EventPump& pump() override { return *this; }
    QString workDir() override { return w_.workDir(); }
    QString editText() override { return w_.editText(); }
    QString programName() override { return w_.programName(); }
    void setProgramName(const QString& name) override { w_.setProgramName(name); }
    void writeProgramToWorkFile() override { w_.writeProgramToWorkFile(); }
    void hideControls() override { w_.hideControls(); }
    void showControls() override { w_.showControls(); }
    void focusEditScreen() override { w_.focusEditScreen(); }
    void focusListing() override { w_.focusListing(); }
    void flush() override { w_.flush(); }
    void editLayout() override { w_.編集_Click(); }
    void hideSearchDialogs() override { w_.myhide(); }

    void yield() override {
        w_.pump().yield();
        if (w_.abortFlag == drawing::kAbortCode) drawing::requestAbort(st_);
    }

private:
    Frm編集& w_;
    DrawingState& st_;
    ActivationKeepingDialogs dialogs_;
};

}  // namespace

void Frm編集::描画_Click() {
    DrawingState& st = drawingState;
    if (st.running) return;  // the menu is hidden during a run; never start a second
    // A close while no run was going must not stop this one.
    abortFlag = 0;
    st.orientation = tag();
    WindowRunHost host(*this, st);
    RunOptions options;
    options.realTime = true;
    CycleTimeObserver times(rapidRate_);
    options.observer = &times;
    options.programEndText = [&times] { return machiningTimeMessage(times.times()); };
    drawing::drawClick(host, st, options);
    setTag(st.orientation);
    // After a run stopped by the close the window stays as it was left.
    const bool closed = abortFlag == drawing::kAbortCode;
    abortFlag = 0;
    if (closed) return;
    // Back to editing: the edit screen has the keys, the access keys work.
    takeActivation();
    if (RichTextBox2->isVisible()) RichTextBox2->setFocus();
}

void Frm編集::Form_KeyDown(int& keyCode, int) {
    drawing::formKeyDown(drawingState, *this, keyCode);
}

void Frm編集::drawingMouseDown(int button, int, double x, double y) {
    drawing::formMouseDown(drawingState, *this, button, x, y);
}
