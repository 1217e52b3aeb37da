#pragma once
// One circular move (mycircle) from screen point (x1, y1) to (x2, y2) with a
// radius r in twips; cyan is clockwise (G2), any other colour anticlockwise,
// and orientation "t" (axisSign -1) swaps the two.  The arc is plotted point by
// point, never longer than a half circle, and marked blue at its start and red
// at its end.
//
// Query mode: when the mailbox holds a screen y (queryY) or x (queryX), nothing
// is drawn; the mailbox receives where the arc's circle meets that line: for a
// y the intersection right of the centre (in queryX), for an x the one above
// the centre (in queryY).  A line that misses the circle leaves both empty.
#include <optional>

#include "drawing/geometry_context.h"
#include "platform/colour.h"

void mycircle(const GeometryContext& g, double x1, double y1, double x2, double y2, double r,
              colour::Rgb colour);

// A circular move about a given centre (cx, cy), screen twips: from (x1, y1)
// round to the angle of (x2, y2) on the start point's circle, in the sense
// mycircle gives the colour, any sweep up to the whole circle (an end equal to
// the start is the whole circle).  Plotted, marked and paced as mycircle.
void mycircleAbout(const GeometryContext& g, double x1, double y1, double x2, double y2,
                   double cx, double cy, colour::Rgb colour);

// The query through the mailbox, for the turning cycles: the x where the
// horizontal screen line y0 meets the arc's circle (right of the centre), or
// the y where the vertical line x0 meets it (above the centre).  nullopt when
// the line misses.  The mailbox is left empty.
std::optional<double> arcXAtY(const GeometryContext& g, double x1, double y1, double x2,
                              double y2, double r, colour::Rgb colour, double y0);
std::optional<double> arcYAtX(const GeometryContext& g, double x1, double y1, double x2,
                              double y2, double r, colour::Rgb colour, double x0);
