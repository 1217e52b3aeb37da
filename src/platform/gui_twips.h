#pragma once
// Window positions and sizes of the system are given in twips (1/1440 inch).
// Windows place their controls through these, at the screen's logical DPI
// (96 dpi = 15 twips per pixel).
#include <QPoint>

class QWidget;
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <vector>
#include "platform/surface.h"

namespace twips {

double logicalDpi();           // logical dots per inch of the primary screen (96 without one)
double perPixel();             // twips per pixel of the primary screen
int px(double twips);          // twips -> pixels, rounded
double fromPx(double pixels);  // pixels -> twips
// A rectangle given as left, top, width, height in twips.
QRect rect(double left, double top, double width, double height);

// How a window's layout, placed in twips for the size it was designed at,
// fills the window it is shown in.  Horizontal places and widths grow by
// fx = client width / designed width, vertical ones by fy = client height /
// designed height; letters by max(1, min(fx, fy)), so they never shrink below
// the designed size and never outgrow the narrower direction.  A layout that
// has not been fitted yet (the window not shown) stands as designed.
class Scale {
public:
    explicit Scale(QSizeF designed = {}) : designed_(designed) {}

    // The client area is now this many pixels: the factors follow it.  False
    // when they stayed as they were.
    bool fit(QSize clientPx);
    QSizeF designed() const { return designed_; }

    double fx() const { return fx_; }
    double fy() const { return fy_; }
    double font() const;                       // factor of the letters
    double fontSize(double points) const { return points * font(); }

    // Designed twips -> pixels of the window, and back.
    int x(double t) const;
    int y(double t) const;
    QRect rect(double left, double top, double width, double height) const;
    double toX(double pixels) const;  // pixels -> designed twips
    double toY(double pixels) const;

private:
    QSizeF designed_;
    double fx_ = 1, fy_ = 1;
};

// Widgets of a window placed at designed twips, placed again by the window's
// scale when it changes.
class Placements {
public:
    explicit Placements(const Scale& s) : s_(s) {}
    // Places the widget now and on every apply(); a widget placed again moves.
    void place(QWidget* w, double left, double top, double width, double height);
    void apply() const;

private:
    struct Item {
        QWidget* widget;
        QRectF designed;
    };
    const Scale& s_;
    std::vector<Item> items_;
};

// A window surface seen in the twips of the designed layout: what is painted
// on it (the program listing) stands where the scale puts the controls, its
// letters grow by the font factor.  Width and height are the client's, in
// designed twips.
class ScaledSurface : public Surface {
public:
    ScaledSurface(Surface& real, const Scale& scale) : real_(real), s_(scale) {}
    void fill(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void line(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void point(double x, double y, colour::Rgb c) override;
    void circle(double cx, double cy, double r, colour::Rgb c) override;
    void text(double x, double y, double size, colour::Rgb c, const QString& str) override;
    void fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                    double maxWidth) override;
    double width() const override { return real_.width() / s_.fx(); }
    double height() const override { return real_.height() / s_.fy(); }
    double screenWidth() const override { return real_.screenWidth() / s_.fx(); }
    double screenHeight() const override { return real_.screenHeight() / s_.fy(); }
    bool keepsPaint() const override { return real_.keepsPaint(); }

private:
    Surface& real_;
    const Scale& s_;
};

}  // namespace twips
