#pragma once
// Key and mouse presses on the editor window during a drawing run.  They never
// draw (apart from the marks of the area selection); they leave command words
// in the key mailbox or advance the area selection, and the run acts on them.
#include "drawing/drawing_state.h"
#include "platform/key_codes.h"

class DrawingHost;

namespace drawing {

// Form_KeyDown: ignored while an area is being selected; otherwise the mailbox
// receives the key code as decimal text and, for the keys of the table, the
// command word.  F9 gives the focus to the listing.
void formKeyDown(DrawingState& state, DrawingHost& host, int keyCode);

// Form_MouseDown while the run owns the window (all menus hidden): the corners
// of an area selection with their marks, otherwise "esc".
void formMouseDown(DrawingState& state, DrawingHost& host, int button, double x, double y);

}  // namespace drawing
