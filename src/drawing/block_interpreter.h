#pragma once
// The seam between the block loop and the interpretation of one block.  The
// loop calls interpret() for each line after the yield and the continuous
// commands; the interpreter reads the block, draws it, and answers what
// happens next (BlockStep).  Calls and returns of macro programs are carried
// out by the loop; the interpreter keeps its own state between blocks (colour,
// compensation, pending corners, loops, modal calls).
#include <memory>

#include "drawing/block_context.h"
#include "drawing/block_step.h"

class BlockInterpreter {
public:
    virtual ~BlockInterpreter() = default;
    // Once at the start of a run (clears the local variables of the current level).
    virtual void beginRun(BlockContext& ctx) = 0;
    // At the start of every pass.  The loop has put the edit screen's program
    // back (macro level 0) and the points at their start values.
    virtual void beginPass(BlockContext& ctx) = 0;
    // Interprets lines()[lineIndex()].  Calls BlockContext::takeUpBlock() when
    // it takes the block's text up.
    virtual BlockStep interpret(BlockContext& ctx) = 0;
    // A called program has ended and the loop is back in the caller.
    virtual void returnedFromCall(BlockContext& ctx) = 0;
    // A corner R or chamfer waits for the next block: the continuous commands
    // wait too (a restart would lose the corner).
    virtual bool cornerPending() const = 0;
};

// The interpreter the window and the command-line tool use.
std::unique_ptr<BlockInterpreter> makeNcBlockInterpreter();
