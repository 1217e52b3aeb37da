#pragma once
// An arc given by its centre, as most CAM posts write it: G02/G03 with I and
// K instead of R.  I is the centre's distance from the start along X as a
// radius value, K along Z.  The arc runs from the start round to the end in
// its own sense, over any part of the circle.  An end point that lies off the
// start point's circle (a control would alarm) is told with the block; the
// path is then drawn round the start point's circle to the end point's angle
// and straight on to the end point.
#include <QString>

#include "drawing/geometry_context.h"
#include "platform/colour.h"

// How far the end point may lie off the start point's circle, in mm.
inline constexpr double kArcEndTolerance = 0.01;

// start and end in program values (h, v); horizontal is orientation "m".
void drawCentreArc(const GeometryContext& g, ProgramPoint start, ProgramPoint end, double i,
                   double k, bool horizontal, colour::Rgb colour, const QString& block);
