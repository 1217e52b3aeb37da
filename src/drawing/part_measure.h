#pragma once
// The extent of the part's cutting moves over the whole program, for the fit
// view: one pass of the same engine on a surface that keeps nothing, with
// boxes that nobody sees (an input box takes its default answer, the
// end-of-text prompt "N", a question Yes), so the drawing on the window and the
// run's own state stay as they are.
#include "drawing/fit_view.h"

class DrawingHost;
struct DrawingState;

// Blocks the measuring pass takes at most (a program that never ends).
inline constexpr qint64 kMeasureMaxBlocks = 2'000'000;

// host: the window (its program text, work folder and called programs);
// state: the orientation and the block skip the pass runs with.
PartExtent measurePart(DrawingHost& host, const DrawingState& state);
