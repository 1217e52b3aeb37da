#pragma once
// The seam between the drawing run and the interpretation of one block.
// The run calls interpret() for state().run.lineIndex after the yield and the
// continuous commands; the interpreter reads the block, draws, and may move
// run.nextLine (jumps, calls), change the points and colours, or end the run.
#include <memory>

class DrawingRun;

enum class BlockOutcome {
    Continue,          // key and step handling of this block, then run.nextLine
    SkipStepHandling,  // straight on to run.nextLine (M30 near the end of the text)
    EndRun,            // the run ends; after a fault call DrawingRun::fail() first
};

class BlockInterpreter {
public:
    virtual ~BlockInterpreter() = default;
    // Once at the start of a run (clears the local variables of the current level).
    virtual void beginRun(DrawingRun& run) = 0;
    // At the start of every pass (loop tables, call frames).  The run has put
    // the edit screen's program back (lines, macroLevel 0), the points at their
    // start values, the colour red and no corner pending.
    virtual void beginPass(DrawingRun& run) = 0;
    // Interprets lines[lineIndex].  Must call DrawingRun::takeUpBlock() when it
    // takes the block's text up (program display, block count, "(STOP)").
    virtual BlockOutcome interpret(DrawingRun& run) = 0;
    // The end of a called program's text was reached (macroLevel > 0): return
    // to the caller (lines, lineIndex/nextLine, macroLevel).  false ends the run.
    virtual bool returnFromCall(DrawingRun& run) = 0;
};

// The interpreter the window and the command-line tool use.
std::unique_ptr<BlockInterpreter> makeNcBlockInterpreter();
