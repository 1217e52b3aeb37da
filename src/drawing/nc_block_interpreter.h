#pragma once
// The NC block interpreter of the drawing run.  For now it takes each block up
// and passes it over; only "(STOP)" (in takeUpBlock) and M30 act.
#include "drawing/block_interpreter.h"

class NcBlockInterpreter : public BlockInterpreter {
public:
    void beginRun(DrawingRun& run) override;
    void beginPass(DrawingRun& run) override;
    BlockOutcome interpret(DrawingRun& run) override;
    bool returnFromCall(DrawingRun& run) override;
};
