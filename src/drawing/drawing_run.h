#pragma once
// One drawing run (byouga): the program of the edit screen drawn block by block
// on the host window, with the view, the status lines, the continuous and step
// modes, zoom, pan and area zoom, the end-of-text prompts and the end of the run.
//
// The window (and the command-line tool) drive it like this:
//   DrawingState& state = ...;              // kept with the editor window
//   RunResult r = drawing::drawClick(host, state, options);   // the "描画" item
// and, while the run yields, forward input:
//   drawing::formKeyDown(state, host, keyCode);
//   drawing::formMouseDown(state, host, button, x, y);
//   closing the window: drawing::requestAbort(state);
#include <QString>
#include <memory>

#include "drawing/block_interpreter.h"
#include "drawing/drawing_state.h"
#include "drawing/pacer.h"

class DrawingHost;
class Surface;
class Dialogs;
struct ViewCommand;

enum class RunResult {
    Normal,       // ended by the operator or at the end of the text
    Cancelled,    // the orientation prompt was cancelled; nothing was drawn
    EngineError,  // a message of the engine ended it (fault in the program, limits)
    Aborted,      // the window was closed during the run
};

struct RunOptions {
    // A real window: repaint about every 16 ms while drawing and pace traced
    // drawing by the speed setting.  Off for the command-line tool and tests.
    bool realTime = false;
    // Ends a run that never ends by itself after this many blocks and waits
    // (0: no bound), as an engine error.
    qint64 maxBlocks = 0;
    // Headless: the key wait at the end of the text passes at once.
    bool passEndKeyWait = false;
};

class DrawingRun {
public:
    DrawingRun(DrawingHost& host, DrawingState& state, BlockInterpreter& interpreter,
               RunOptions options = {});

    // byouga: runs until the run ends.
    RunResult run();

    // --- for the block interpreter and the drawing procedures ---
    DrawingHost& host() { return host_; }
    DrawingState& state() { return state_; }
    DrawingRunFields& fields() { return state_.run; }
    Surface& surface();
    Dialogs& dialogs();
    Pacer& pacer() { return pacer_; }

    // The block's text is taken up: program text display, block count, and a
    // "(STOP)" line switches to step mode.
    void takeUpBlock(const QString& line);
    // A block containing "M30" has been passed: the start point goes back to
    // its M30 value and the operator is asked.  true when the key and step
    // handling of this block are to be left out.
    bool passM30(const QString& line);
    // After a move: the end point on the row of the program text display.
    void showEndPointInProgramDisplay();
    // A message box; the run goes on.
    void message(const QString& text);
    // A message box that ends the run as an engine error; returns EndRun.
    BlockOutcome fail(const QString& text);
    // Reads the work file into fields().lines (lastLine too) and deletes it.
    // false after a message (file missing, more than kMaxProgramLines lines).
    bool loadWorkFile();
    // Busy delay of the arc drawing: mytim(delay / 100, 1) after each plotted
    // point.  On a real window the delay is owed to the pace schedule (and the
    // picture repainted about every 16 ms); headless it costs nothing.
    void mytim(double count, double inner);
    // Points set while tracing a straight move (only when blockCount >=
    // fastForwardLimit): paced on a real window, free headless.
    void tracedPoints(qint64 n) { pacer_.traced(n); }

    // The status lines (orientation, block skip, speed, program, 倍率).
    void drawStatusLines();

private:
    enum class Flow { Next, NewPass, End, Abort };

    Flow startRun();
    void beginPass();
    Flow blockLoop();
    Flow endOfText();
    Flow areaZoom();
    Flow applyContinuousWord();
    Flow stepMenu();
    Flow apply(const ViewCommand& c);
    Flow restart(bool keepNoStopLimit = false);
    bool yieldOnce();            // false when the window was closed
    bool countStep();            // false when the block bound has been reached
    void helpLine();
    void clearHelpBand();
    void positionReadout();
    void toggleProgramDisplay();
    void finish(RunResult r);
    double w() const;
    double h() const;

    DrawingHost& host_;
    DrawingState& state_;
    BlockInterpreter& interpreter_;
    RunOptions options_;
    Pacer pacer_;
    RunResult result_ = RunResult::Normal;
    qint64 steps_ = 0;
    QStringList topLines_;       // the edit screen's program, for every new pass
    QString topProgram_;
};

namespace drawing {

// The "描画" menu item: asks the orientation, runs the drawing, brings the
// editor back.  interpreter null: the NC block interpreter.
RunResult drawClick(DrawingHost& host, DrawingState& state, const RunOptions& options = {},
                    BlockInterpreter* interpreter = nullptr);

// The editor window is being closed: the run stops at its next yield.
inline void requestAbort(DrawingState& state) { state.abortFlag = kAbortCode; }

}  // namespace drawing
