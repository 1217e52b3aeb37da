#pragma once
// What the block interpreter carries from block to block within one pass:
// the move's colour, the compensation side, a corner waiting for the next
// block, a finishing pass in progress, and for each macro level its WHILE
// loops and its modal call.
#include <QString>
#include <array>
#include <optional>

#include "drawing/drawing_state.h"
#include "platform/colour.h"

namespace drawing {
// Loop numbers of DO m / END m.
inline constexpr int kLoopNumbers = 7;
// Compensation side offset in twips (G41 +, G42 -, times axisSign).
inline constexpr int kCompensationTwips = 30;
}  // namespace drawing

// A corner R or chamfer C asked for by a block, drawn with the next block.
struct PendingCorner {
    bool chamfer = false;        // ",C" (else ",R")
    double value = 0;            // R or C in program units
    double startH = 0, startV = 0;    // start of the cornered move
    double cornerH = 0, cornerV = 0;  // its end point, the corner
    colour::Rgb colour = colour::kYellow;  // colour of the cornered move
};

// A G70 finishing pass: from its P line up to its Q line, then back.
struct FinishReturn {
    int g70Line = 0;
    double q = 0;
    QString pointH, pointV;      // the point at which G70 was given
};

// WHILE loops of one macro level: line of "WHILE ... DO m" and of "END m".
struct LoopTable {
    std::array<int, drawing::kLoopNumbers> doLine;
    std::array<int, drawing::kLoopNumbers> endLine;
    LoopTable() { clear(); }
    void clear() {
        doLine.fill(-1);
        endLine.fill(-1);
    }
};

// A modal macro call (G66) of one macro level.
struct ModalCall {
    QString block;               // the G66 block (empty: no modal call)
    bool active() const { return !block.isEmpty(); }
};

struct InterpreterState {
    colour::Rgb moveColour = colour::kRed;  // a control powers up in rapid mode
    int compensationOffset = 0;
    std::optional<PendingCorner> pending;
    std::optional<FinishReturn> finish;
    // One entry per macro level 0..kMaxMacroLevel.
    std::array<LoopTable, drawing::kMaxMacroLevel + 1> loops;
    std::array<ModalCall, drawing::kMaxMacroLevel + 1> modal;
};
