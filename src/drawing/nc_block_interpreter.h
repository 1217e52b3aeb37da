#pragma once
// The NC block interpreter of the drawing run: one block at a time, in the
// order of its checks (macro calls, program number, braces, block skip,
// compensation and dwell, the G word and its colour, finishing and turning
// cycles, statements and assignments, comment brackets, the words of the move,
// the move, the end of the move).
#include "drawing/block_interpreter.h"
#include "drawing/interpreter_state.h"
#include "drawing/single_cycles.h"
#include "drawing/turning_cycle.h"

class BlockValues;

class NcBlockInterpreter : public BlockInterpreter {
public:
    void beginRun(BlockContext& ctx) override;
    void beginPass(BlockContext& ctx) override;
    BlockStep interpret(BlockContext& ctx) override;
    void returnedFromCall(BlockContext& ctx) override;
    bool cornerPending() const override { return state_.pending.has_value(); }

private:
    BlockStep interpretBlock(BlockContext& ctx, BlockValues& values);
    BlockStep finishingCycle(BlockContext& ctx, BlockValues& values);
    BlockStep turningCycle(BlockContext& ctx, BlockValues& values);
    BlockStep singleCycle(BlockContext& ctx, BlockValues& values, int code);
    BlockStep dwell(BlockContext& ctx, BlockValues& values);
    BlockStep endOfMove(BlockContext& ctx, BlockValues& values);

    InterpreterState state_;
    // The first block of a cycle is kept for its second block, and for later
    // cycles until the next first block: it outlives a pass.
    CycleSettings cycleSettings_;
    // G90/G92/G94, G74/G75, G76: the modal box cycle (per pass) and the first
    // blocks of the others (kept like the turning cycle's).
    SingleCycles singleCycles_;
};
