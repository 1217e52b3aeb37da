#pragma once
// The words of a move in their order (",R", ",C", X, Z, U, W) turned into the
// block's end point as expression texts on the two screen axes, and the
// conversion of a computed point back to such a text.
#include <QString>

#include "drawing/drawing_state.h"

class BlockValues;
class Dialogs;

struct CornerWords {
    QString r;  // ",R" value text; empty when absent, zero or negative
    QString c;  // ",C" value text; empty when absent or zero
};

// Reads the words of the block into p.endH / p.endV (from p.prevH / p.prevV for
// U and W).  A negative ",R" shows its message and is left out.
CornerWords readMoveWords(BlockValues& values, MovePoints& p, bool horizontal, Dialogs& dialogs);

// An increment joined to the coordinate it moves: "300" and "-5." give
// "300-5.", "300" and "5." give "300+5.".
QString joinIncrement(const QString& previous, const QString& increment);

// A computed program value as the text of a point: 0 is written "[ 0]", and a
// value that would be written in exponent form is first cut to 6 decimals.
QString pointText(double value);
