#pragma once
// Which blocks are single-block cycles, and the state they keep: G90, G92,
// G94 (the box cycles, modal), G74, G75 (peck cycles) and G76 (threading),
// found wherever they stand among the block's G words ("G99 G90 X.. Z..").
// The block interpreter asks here and hands the block over; each cycle is
// drawn by its own unit.
#include "drawing/cycle_box.h"
#include "drawing/cycle_groove.h"
#include "drawing/cycle_thread.h"

class BlockValues;
class CycleWords;

class SingleCycles {
public:
    // A pass starts without a modal cycle; first blocks stay for later cycles.
    void beginPass() { box_ = BoxCycle{}; }

    // The cycle code among the block's G words, 0 when none: G74 to G76
    // wherever they stand, G90, G92 or G94 when no move code (G00 to G03,
    // G32, G33) follows it in the block.  A block that names another motion
    // code (those, G70 to G73, G80) ends the modal box cycle.
    int namedCycle(BlockValues& values);
    // A block that repeats the modal box cycle: it gives X(U) or Z(W), and its
    // G words (if any) are modal settings that leave the cycle standing
    // (G20, G21, G40 to G42, G96 to G99).
    bool repeats(BlockValues& values);
    // Draws the cycle `code` of the block, or repeats the modal one (code 0).
    void draw(CycleWords& words, int code);

private:
    BoxCycle box_;
    GrooveSettings groove_;
    ThreadSettings thread_;
};
