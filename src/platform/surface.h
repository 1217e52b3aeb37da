#pragma once
// The drawing surface of the editor window, in twips (1/1440 inch), origin top
// left, y downwards.  The engine and the listing paint only through this.
#include <QString>
#include "platform/colour.h"

class Surface {
public:
    virtual ~Surface() = default;
    virtual void fill(double x1, double y1, double x2, double y2, colour::Rgb c) = 0;
    virtual void line(double x1, double y1, double x2, double y2, colour::Rgb c) = 0;
    virtual void point(double x, double y, colour::Rgb c) = 0;
    virtual void circle(double cx, double cy, double r, colour::Rgb c) = 0;
    // Text with its top-left corner at (x, y); size in points.
    virtual void text(double x, double y, double size, colour::Rgb c, const QString& str) = 0;
    // Text that must end within `maxWidth` twips: where it would run longer its
    // letters are narrowed, keeping their height.  A surface that does not
    // measure text prints it as text() does.
    virtual void fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                            double maxWidth) {
        (void)maxWidth;
        text(x, y, size, c, str);
    }
    virtual double width() const = 0;   // client area, twips
    virtual double height() const = 0;
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
    // False for a surface that keeps nothing it is given (a headless run with
    // neither picture nor trace): what is only made to be painted, such as the
    // variable monitor's lines, can then be left unmade.
    virtual bool keepsPaint() const { return true; }
};
