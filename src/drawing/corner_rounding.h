#pragma once
// Corner rounding (mycircleR) in screen twips: P1 (x1, y1) -> corner P2
// (x2, y2) -> P3 (x3, y3), fillet radius r.  Draws the straight part P1->T1 as
// a yellow move, the fillet from T1 to T2, and the markers; hands T2 back in
// the mailbox (tangentX, tangentY).  The caller draws on from T2 to P3.
//
// A corner that cannot be rounded shows "計算不能です" and is drawn sharp
// (P1->P2); P2 is handed back.  A zero-length leg or a fillet with no extent
// shows "コーナーR計算不能です" with three red circles about the corner.
// During a fast redraw (fastForwardLimit > 0) the run's speedDelay becomes 0.
//
// Query mode, for the turning cycles: when the mailbox holds queryY or queryX
// on entry, nothing is drawn and no message is shown; the fillet circle is cut
// with the horizontal line y = queryY (or the vertical line x = queryX) and the
// meeting point comes back in both fields (queryX, queryY).  queryMode picks
// the intersection:
//    1 (and 2)       the positive side: larger x on a y line, the upper point
//                    (smaller screen y) on an x line;
//   -1 (-2 and -3)   the negative side: smaller x, the lower point;
//    3 (or anything else, such as "damy" or empty)
//                    the intersection that lies on the fillet arc between T1
//                    and T2 (the one a roughing pass really meets).
// No answer (the line misses, no point on the arc, a corner that cannot be
// rounded): both fields come back empty.  queryMode is always cleared.
#include <optional>

#include "drawing/geometry_context.h"

inline constexpr int kFilletSidePositive = 1;
inline constexpr int kFilletSideNegative = -1;
inline constexpr int kFilletOnArc = 3;

void mycircleR(const GeometryContext& g, double x1, double y1, double x2, double y2, double x3,
               double y3, double r);

// Takes the tangent point out of the mailbox (both fields emptied) as program
// values: h = (x - originX)/scale, v = 2*(originY - y)/scale, each cut to six
// decimals.  nullopt when the mailbox held none.
std::optional<ProgramPoint> takeTangentPoint(const GeometryContext& g);

// The corner query through the mailbox: where the screen line y = y0 (or
// x = x0) meets the fillet of the corner, by mode (above).
std::optional<double> filletXAtY(const GeometryContext& g, double x1, double y1, double x2,
                                 double y2, double x3, double y3, double r, int mode, double y0);
std::optional<double> filletYAtX(const GeometryContext& g, double x1, double y1, double x2,
                                 double y2, double x3, double y3, double r, int mode, double x0);
