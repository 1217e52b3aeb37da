#pragma once
// The NC block interpreter of the drawing run.
#include "drawing/block_interpreter.h"

class NcBlockInterpreter : public BlockInterpreter {
public:
    void beginRun(BlockContext& ctx) override;
    void beginPass(BlockContext& ctx) override;
    BlockStep interpret(BlockContext& ctx) override;
    void returnedFromCall(BlockContext& ctx) override;
    bool cornerPending() const override { return false; }
};
