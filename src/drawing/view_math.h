#pragma once
// Arithmetic of the view: where program zero stands and how large a program
// unit is.  Pure functions on the drawing state; the run draws.
#include "drawing/drawing_state.h"

namespace drawing {

inline constexpr double kStartScale = 9;
// Smallest scale the view accepts (one twip per program unit): below it the
// grid would need millions of marks.
inline constexpr double kMinScale = 1;
// Largest scale, and farthest program zero may stand from the screen: beyond
// them the view's whole-twip arithmetic and the grid's columns lose their
// meaning (and a typed "d1e308" would leave no number at all).
inline constexpr double kMaxScale = 1e9;
inline constexpr double kMaxOrigin = 1e12;
inline constexpr double kScaleStep = 10;   // S and B
inline constexpr double kPanStep = 500;    // D U R L
inline constexpr double kScalePerRatio = 140;  // the status line shows scale / 140

// Default origin and scale for the orientation, from the screen size.
void setUpView(DrawingState& s, double screenWidth, double screenHeight);

// True when origin and scale are numbers the view can work with.
bool viewInBounds(double originX, double originY, double scale);

// Zoom about the centre of a W x H client area to a new scale.  false (nothing
// changed) when the result would leave the bounds above.
bool zoomAboutCentre(DrawingState& s, double newScale, double w, double h);
// S: false (nothing changed) when the scale would not stay at kMinScale or
// above (for the whole-number scales of the view: above 0).
bool shrink(DrawingState& s, double w, double h);
// B: always, short of the bounds above.
bool enlarge(DrawingState& s, double w, double h);
// "b" + n: the status line then shows n.  false when that scale is below
// kMinScale or the view would leave its bounds.
bool setScaleRatio(DrawingState& s, double ratio, double w, double h);
// D U R L and their numeric forms: false (nothing changed) when program zero
// would go beyond kMaxOrigin.
bool pan(DrawingState& s, double dx, double dy);

// Area zoom with the corners of the state's area mailbox: the chosen rectangle
// fills the client area and its centre goes to the screen centre.  Corners
// given in either order are accepted; false (nothing changed) when the
// rectangle has no extent or is too small to be enlarged within the bounds.
bool zoomToArea(DrawingState& s, double w, double h);

// The 倍率 value of the status line, rounded to hundredths.
double shownRatio(double scale);

}  // namespace drawing
