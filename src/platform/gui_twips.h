#pragma once
// Window positions and sizes of the system are given in twips (1/1440 inch).
// Windows place their controls through these, at the screen's logical DPI
// (96 dpi = 15 twips per pixel).
#include <QPoint>
#include <QRect>

namespace twips {

double logicalDpi();           // logical dots per inch of the primary screen (96 without one)
double perPixel();             // twips per pixel of the primary screen
int px(double twips);          // twips -> pixels, rounded
double fromPx(double pixels);  // pixels -> twips
// A rectangle given as left, top, width, height in twips.
QRect rect(double left, double top, double width, double height);

}  // namespace twips
