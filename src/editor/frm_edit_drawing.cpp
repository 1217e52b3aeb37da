// Frm編集: the drawing run on the window's own client area.  The "描画" item
// starts it; while it runs, the window's keys and mouse presses become command
// words in the run's mailbox, and closing the window stops the run.
#include "drawing/drawing_input.h"
#include "drawing/drawing_run.h"
#include "editor/frm_edit.h"
#include "platform/event_pump.h"

namespace {

// The window as the host of one run.  Everything goes to the window, with two
// additions: after every yield the window's abort code (set by its unload when
// it is closed) is handed to the run, and the edit layout and the search
// dialogs are reached through the window's own procedures.
class WindowRunHost : public DrawingHost, public EventPump {
public:
    WindowRunHost(Frm編集& w, DrawingState& st) : w_(w), st_(st) {}

    Surface& surface() override { return w_.surface(); }
    Dialogs& dialogs() override { return w_.dialogs(); }
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
    drawing::drawClick(host, st, options);
    setTag(st.orientation);
    // After a run stopped by the close the window stays as it was left.
    abortFlag = 0;
}

void Frm編集::Form_KeyDown(int& keyCode, int) {
    drawing::formKeyDown(drawingState, *this, keyCode);
}

void Frm編集::drawingMouseDown(int button, int, double x, double y) {
    drawing::formMouseDown(drawingState, *this, button, x, y);
}
