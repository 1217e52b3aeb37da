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
//
// The run's code is in three files: drawing_run.cpp (passes, the block loop,
// macro calls and returns, the end of the run), drawing_commands.cpp (the
// operator's commands and prompts) and drawing_painting.cpp (what the run
// paints over the drawing: status lines, help line, position read-out,
// program text display).
#include <QString>
#include <QVector>
#include <functional>

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
    // Told of every move and dwell of each pass (null: nobody).
    MoveObserver* observer = nullptr;
    // A pass reached M30 or the end of the text: the text this gives (the
    // machining time) is shown in the status lines.  Empty: nothing shown.
    std::function<QString()> programEndText;
};

class DrawingRun : private BlockContext {
public:
    DrawingRun(DrawingHost& host, DrawingState& state, BlockInterpreter& interpreter,
               RunOptions options = {});

    // byouga: runs until the run ends.
    RunResult run();

private:
    enum class Flow { Next, NewPass, End, Abort };

    // A macro call in progress: what the loop needs to come back.
    struct CallFrame {
        QStringList lines;       // the caller's program
        int callLine = 0;        // the calling block
        QString label1;          // the program name shown before the call
        QString programName;     // the caller's listing name, for messages
    };

    // --- drawing_run.cpp
    Flow startRun();
    void beginPass();
    Flow blockLoop();
    Flow afterBlock();
    Flow call(const QString& program);
    void returnFromCall();
    bool loadWorkFile();
    bool countStep();            // false when the block bound has been reached
    void fail(const QString& text);
    void finish(RunResult r);

    // --- drawing_commands.cpp
    Flow endOfText();
    Flow areaZoom();
    Flow fit();
    Flow applyContinuousWord();
    Flow stepMenu();
    Flow apply(const ViewCommand& c);
    Flow restart(bool keepNoStopLimit = false);
    void toggleProgramDisplay();

    // --- drawing_painting.cpp
    void drawStatusLines();
    void helpLine();
    void clearHelpBand();
    void positionReadout();
    void programEndLine();
    void programDisplayRow(const QString& line);
    double w() const;
    double h() const;
    double k() const;  // letter factor of the status lines and read-outs

    // --- BlockContext
    const QStringList& lines() const override { return state_.run.lines; }
    int lineIndex() const override { return state_.run.lineIndex; }
    int lastLine() const override { return state_.run.lastLine; }
    int macroLevel() const override { return state_.macroLevel; }
    MovePoints& points() override { return state_.run.points; }
    CuttingModal& cutting() override { return state_.run.cutting; }
    DrawView view() const override;
    Surface& surface() override;
    Dialogs& dialogs() override;
    Pacer& pacer() override { return pacer_; }
    GeometryContext geometry(int compensationOffset) override;
    MacroVariables& variables() override { return state_.variables; }
    MacroIo macroIo() override;
    void takeUpBlock(const QString& line) override;
    bool passM30(const QString& line) override;
    void showEndPointInProgramDisplay() override;
    void resetBlockCount() override;
    QString workDir() override;
    bool yieldOnce() override;   // false when the window was closed
    QString& keyMailbox() override { return state_.keyMailbox; }

    DrawingHost& host_;
    DrawingState& state_;
    BlockInterpreter& interpreter_;
    RunOptions options_;
    Pacer pacer_;
    RunResult result_ = RunResult::Normal;
    qint64 steps_ = 0;
    QStringList topLines_;       // the edit screen's program, for every new pass
    QString topProgram_;
    QVector<CallFrame> frames_;  // one per macro level entered
    BlockStep step_;             // the answer of the block just interpreted
};

namespace drawing {

// The "描画" menu item: asks the orientation, runs the drawing, brings the
// editor back.  interpreter null: the NC block interpreter.
RunResult drawClick(DrawingHost& host, DrawingState& state, const RunOptions& options = {},
                    BlockInterpreter* interpreter = nullptr);

// The editor window is being closed: the run stops at its next yield.
inline void requestAbort(DrawingState& state) { state.abortFlag = kAbortCode; }

}  // namespace drawing
