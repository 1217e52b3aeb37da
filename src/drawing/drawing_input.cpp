#include "drawing/drawing_input.h"

#include "drawing/drawing_host.h"
#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace drawing {

void formKeyDown(DrawingState& state, DrawingHost& host, int code) {
    if (state.areaSelectState > kAreaIdle) return;
    state.keyMailbox = QString::number(code);
    const char* word = nullptr;
    switch (code) {
    case vbkey::kF9: host.focusListing(); return;
    case vbkey::kEnter:
    case vbkey::kEscape: word = "esc"; break;
    case vbkey::kV: word = "v"; break;
    case vbkey::kI: word = "i"; break;
    case vbkey::kP:
    case vbkey::kSpace: word = "P"; break;
    case vbkey::kS: word = "S"; break;
    case vbkey::kB: word = "B"; break;
    case vbkey::kD:
    case vbkey::kDown: word = "D"; break;
    case vbkey::kU:
    case vbkey::kUp: word = "U"; break;
    case vbkey::kR:
    case vbkey::kRight: word = "R"; break;
    case vbkey::kL:
    case vbkey::kLeft: word = "L"; break;
    case vbkey::kQ: word = "Q"; break;
    case vbkey::kF: word = "F"; break;
    default: return;
    }
    state.keyMailbox = QString::fromLatin1(word);
}

void formMouseDown(DrawingState& state, DrawingHost& host, int /*button*/, double x, double y) {
    Surface& s = host.surface();
    switch (state.areaSelectState) {
    case kAreaWantUpperLeft:
        s.circle(x, y, 100, rgb::kMarkCircle);
        s.line(x, y, x + 2000, y, rgb::kMarkLine);
        s.line(x, y, x, y + 1000, rgb::kMarkLine);
        state.areaX1 = nt::str(x);
        state.areaY1 = nt::str(y);
        // The next click is the other corner, even one that comes while the box is up.
        state.areaSelectState = kAreaWantLowerRight;
        host.dialogs().message(text::kLowerRight);
        break;
    case kAreaWantLowerRight:
        s.circle(x, y, 100, rgb::kMarkCircle);
        state.areaX2 = nt::str(x);
        state.areaY2 = nt::str(y);
        s.line(x, y, x, y - 1000, rgb::kMarkLine);
        s.line(x, y, x - 2000, y, rgb::kMarkLine);
        state.areaSelectState = kAreaChosen;
        break;
    default:
        state.keyMailbox = QStringLiteral("esc");
        break;
    }
}

}  // namespace drawing
