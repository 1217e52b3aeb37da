#pragma once
// The feed and spindle words of a block, read by the block interpreter into
// the modal state its moves are cut at: G98/G99, G96/G97, F, S, and the S of
// a G50 block (the spindle clamp).  A dwell block's time: P in ms, X or U in s.
// A word counts outside comments and not inside a name (the S of COS, the F of
// IF); its value may be an expression over variables.  Nothing is shown: a
// word that cannot be read leaves the state as it was (the drawing itself
// never read these words).
#include <QString>

#include "drawing/move_observer.h"

class MacroVariables;

void readCuttingWords(const QString& line, int level, MacroVariables& vars, CuttingModal& m);

// Seconds of a G04 block; 0 when it gives none.
double dwellSeconds(const QString& line, int level, MacroVariables& vars);
