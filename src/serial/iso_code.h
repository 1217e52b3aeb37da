#pragma once
// The 7-bit ISO code of the line to the machine controller: every character
// goes out with an even-parity bit in bit 7, and bit 7 is stripped from what
// comes in.
#include <QByteArray>
#include <QString>

namespace iso {

constexpr char kLf = 0x0A;
constexpr char kCr = 0x0D;
constexpr char kTab = 0x09;
constexpr char kNul = 0x00;
constexpr char kDc3 = 0x13;  // XOFF
constexpr char kPercent = '%';
constexpr int kHighestCode = 0x7F;

// c (0 to 127) with bit 7 set when bits 0 to 6 hold an odd number of ones, so
// that the eight bits together hold an even number.
quint8 withEvenParity(quint8 c);
// A received byte without its parity bit.
inline quint8 stripParity(quint8 b) { return b & 0x7F; }

// A line in line code (without its LF).  False when a character lies outside the
// 7-bit code; *badColumn (when given) is then its 0-based place in the line.
bool encodeLine(const QString& line, QByteArray* out, int* badColumn = nullptr);

}  // namespace iso
