#pragma once
// Key and mouse presses on the editor window during a drawing run.  They never
// draw (apart from the marks of the area selection); they leave command words
// in the key mailbox or advance the area selection, and the run acts on them.
#include "drawing/drawing_state.h"

class DrawingHost;

namespace drawing {

// Key codes of the keys the run knows (the codes of the Windows keyboard).
namespace key {
inline constexpr int kEnter = 13, kEscape = 27, kSpace = 32;
inline constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
inline constexpr int kB = 66, kD = 68, kI = 73, kL = 76, kP = 80, kQ = 81, kR = 82, kS = 83,
                     kU = 85, kV = 86;
inline constexpr int kF9 = 120;
}  // namespace key

// The key code of a Qt key (Qt::Key value); 0 for a key without one.
int keyCodeFromQt(int qtKey);

// Form_KeyDown: ignored while an area is being selected; otherwise the mailbox
// receives the key code as decimal text and, for the keys of the table, the
// command word.  F9 gives the focus to the listing.
void formKeyDown(DrawingState& state, DrawingHost& host, int keyCode);

// Form_MouseDown while the run owns the window (all menus hidden): the corners
// of an area selection with their marks, otherwise "esc".
void formMouseDown(DrawingState& state, DrawingHost& host, int button, double x, double y);

}  // namespace drawing
