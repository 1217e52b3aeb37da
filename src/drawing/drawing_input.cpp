#include "drawing/drawing_input.h"

#include <Qt>

#include "drawing/drawing_host.h"
#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace drawing {

int keyCodeFromQt(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // 65..90 in both
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;  // 48..57 in both
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::kEnter;
    case Qt::Key_Escape: return key::kEscape;
    case Qt::Key_Space: return key::kSpace;
    case Qt::Key_Left: return key::kLeft;
    case Qt::Key_Up: return key::kUp;
    case Qt::Key_Right: return key::kRight;
    case Qt::Key_Down: return key::kDown;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

void formKeyDown(DrawingState& state, DrawingHost& host, int code) {
    if (state.areaSelectState > kAreaIdle) return;
    state.keyMailbox = QString::number(code);
    const char* word = nullptr;
    switch (code) {
    case key::kF9: host.focusListing(); return;
    case key::kEnter:
    case key::kEscape: word = "esc"; break;
    case key::kV: word = "v"; break;
    case key::kI: word = "i"; break;
    case key::kP:
    case key::kSpace: word = "P"; break;
    case key::kS: word = "S"; break;
    case key::kB: word = "B"; break;
    case key::kD:
    case key::kDown: word = "D"; break;
    case key::kU:
    case key::kUp: word = "U"; break;
    case key::kR:
    case key::kRight: word = "R"; break;
    case key::kL:
    case key::kLeft: word = "L"; break;
    case key::kQ: word = "Q"; break;
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
