#include "platform/key_codes.h"

namespace vbkey {

int fromQt(int k, bool keypad) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return kA + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? kNumpad0 : k0) + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return kF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Shift: return kShift;
    case Qt::Key_Control: return kControl;
    case Qt::Key_Alt: return kAlt;
    case Qt::Key_Pause: return kPause;
    case Qt::Key_CapsLock: return kCapsLock;
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Space: return kSpace;
    case Qt::Key_PageUp: return kPageUp;
    case Qt::Key_PageDown: return kPageDown;
    case Qt::Key_End: return kEnd;
    case Qt::Key_Home: return kHome;
    case Qt::Key_Left: return kLeft;
    case Qt::Key_Up: return kUp;
    case Qt::Key_Right: return kRight;
    case Qt::Key_Down: return kDown;
    case Qt::Key_Insert: return kInsert;
    case Qt::Key_Delete: return kDelete;
    case Qt::Key_Asterisk: return keypad ? kMultiply : kColon;
    case Qt::Key_Plus: return keypad ? kAdd : kSemicolon;
    case Qt::Key_Minus: return keypad ? kSubtract : kMinus;
    case Qt::Key_Period: return keypad ? kDecimal : kPeriod;
    case Qt::Key_Slash: return keypad ? kDivide : kSlash;
    case Qt::Key_Colon: return kColon;
    case Qt::Key_Semicolon: return kSemicolon;
    case Qt::Key_Comma:
    case Qt::Key_Less: return kComma;
    case Qt::Key_Equal: return kMinus;
    case Qt::Key_Greater: return kPeriod;
    case Qt::Key_Question: return kSlash;
    case Qt::Key_At:
    case Qt::Key_QuoteLeft: return kAt;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return kBracketLeft;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
    case Qt::Key_yen: return kYen;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return kBracketRight;
    case Qt::Key_AsciiCircum:
    case Qt::Key_Apostrophe: return kCaret;
    default: return 0;
    }
}

int shiftMask(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace vbkey
