#pragma once
// Colours of the system: 24-bit RGB held as 0xRRGGBB.  The window texts of the
// system write colours in VB order (&HBBGGRR); convert them here and nowhere else.
#include <QtGlobal>

namespace colour {

using Rgb = quint32;  // 0xRRGGBB

constexpr Rgb rgb(int r, int g, int b) {
    return (Rgb(r & 0xFF) << 16) | (Rgb(g & 0xFF) << 8) | Rgb(b & 0xFF);
}
// &HBBGGRR (VB colour value) -> 0xRRGGBB
constexpr Rgb fromVb(quint32 bbggrr) {
    return rgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}
// 0xRRGGBB -> &HBBGGRR
constexpr quint32 toVb(Rgb c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr int red(Rgb c) { return int((c >> 16) & 0xFF); }
constexpr int green(Rgb c) { return int((c >> 8) & 0xFF); }
constexpr int blue(Rgb c) { return int(c & 0xFF); }

// Named colours used across windows and the drawing engine.
constexpr Rgb kButtonFace = rgb(0xF0, 0xF0, 0xF0);  // system button face (&H8000000F)
constexpr Rgb kYellow = rgb(255, 255, 0);          // &HFFFF
constexpr Rgb kRed = rgb(255, 0, 0);               // 255
constexpr Rgb kBlue = rgb(0, 0, 255);              // &HFF0000
constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kBlack = rgb(0, 0, 0);

}  // namespace colour
