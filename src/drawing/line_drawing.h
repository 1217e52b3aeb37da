#pragma once
// One straight move (myline): traced point by point when the run is not
// fast-forwarding, then drawn, with the grey compensation parallel under
// G41/G42.  Start and end are program values (h, v); the context maps them.
#include "drawing/geometry_context.h"
#include "platform/colour.h"

// Colours the procedures branch on (the move colours are the interpreter's).
namespace geometry_colour {
inline constexpr colour::Rgb kRapid = colour::kRed;
inline constexpr colour::Rgb kFeed = colour::kYellow;
inline constexpr colour::Rgb kThread = colour::kWhite;                   // G32, G33, G92, G76
inline constexpr colour::Rgb kClockwise = colour::rgb(0, 255, 255);      // G2, cyan
inline constexpr colour::Rgb kAnticlockwise = colour::rgb(0, 255, 0);    // G3, green
inline constexpr colour::Rgb kReference = colour::rgb(128, 128, 255);    // G28, light blue
inline constexpr colour::Rgb kCompensation = colour::rgb(128, 128, 128); // grey parallel
inline constexpr colour::Rgb kStartMarker = colour::kBlue;
inline constexpr colour::Rgb kEndMarker = colour::kRed;
}  // namespace geometry_colour

void myline(const GeometryContext& g, double hs, double vs, double he, double ve,
            colour::Rgb colour);
