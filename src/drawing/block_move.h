#pragma once
// The move of a block whose end point has been read: the return to the
// reference point, an arc, a corner left waiting by the block before, this
// block's own corner (kept for the next block), or a straight move.
#include <QString>

class BlockContext;
class BlockValues;
struct CornerWords;
struct GeometryContext;
struct InterpreterState;

void drawMove(BlockContext& ctx, InterpreterState& state, BlockValues& values,
              const CornerWords& corner);

// The rapid line back to (h, v) at the end of a finishing pass.
void drawReturnLine(BlockContext& ctx, InterpreterState& state, BlockValues& values,
                    const QString& h, const QString& v);

// A corner left waiting before a move that cannot take it (an arc, the return
// to the reference point, a cycle) is drawn sharp, so its leg is not lost.
void drawPendingCornerSharp(const GeometryContext& g, InterpreterState& state);

// Arcs are written "G2", "G3", "G02" or "G03" at the start of the block, or
// right after its sequence number (not G28, G32, G33).
bool isArcBlock(const QString& line);
