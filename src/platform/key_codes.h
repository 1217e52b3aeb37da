#pragma once
// Key codes of the Windows keyboard, as the window handlers of the system
// receive them (Enter = 13, Up = 38, F9 = 120 ...), and the one mapping from
// Qt's keys to them.  Letters and digits are their ASCII capitals and digits.
#include <Qt>

namespace vbkey {

inline constexpr int kBackspace = 8, kTab = 9, kEnter = 13, kShift = 16, kControl = 17, kAlt = 18,
                     kPause = 19, kCapsLock = 20, kEscape = 27, kSpace = 32;
inline constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;
inline constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
inline constexpr int kInsert = 45, kDelete = 46;
inline constexpr int k0 = 48, kA = 65;
inline constexpr int kB = 66, kD = 68, kF = 70, kI = 73, kL = 76, kP = 80, kQ = 81, kR = 82, kS = 83,
                     kU = 85, kV = 86;
// Numeric keypad.
inline constexpr int kNumpad0 = 96, kMultiply = 106, kAdd = 107, kSubtract = 109, kDecimal = 110,
                     kDivide = 111;
inline constexpr int kF1 = 112, kF5 = 116, kF6 = 117, kF9 = 120;
// Keys that carry a different character per layout, named after the Japanese
// keyboard: ":" shares its key with "*", ";" with "+", "/" with "?".
inline constexpr int kColon = 186, kSemicolon = 187, kComma = 188, kMinus = 189, kPeriod = 190,
                     kSlash = 191, kAt = 192, kBracketLeft = 219, kYen = 220, kBracketRight = 221,
                     kCaret = 222;

// The key code of a Qt key (a Qt::Key value); keypad tells a key of the numeric
// keypad (Qt::KeypadModifier).  0 for a key without a code.
int fromQt(int qtKey, bool keypad = false);

// The shift mask of the handlers: 1 Shift, 2 Ctrl, 4 Alt.
int shiftMask(Qt::KeyboardModifiers m);

}  // namespace vbkey
