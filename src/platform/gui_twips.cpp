#include "platform/gui_twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace twips {

double logicalDpi() {
    QScreen* s = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                     ? QGuiApplication::primaryScreen()
                     : nullptr;
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

double perPixel() { return 1440.0 / logicalDpi(); }

int px(double t) { return int(std::lround(t / perPixel())); }

double fromPx(double pixels) { return pixels * perPixel(); }

QRect rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

bool Scale::fit(QSize clientPx) {
    // An empty client (a window being built or minimised) keeps the last factors.
    if (clientPx.width() <= 0 || clientPx.height() <= 0 || designed_.width() <= 0 ||
        designed_.height() <= 0)
        return false;
    const double fx = fromPx(clientPx.width()) / designed_.width();
    const double fy = fromPx(clientPx.height()) / designed_.height();
    if (fx == fx_ && fy == fy_) return false;
    fx_ = fx;
    fy_ = fy;
    return true;
}

double Scale::font() const { return std::max(1.0, std::min(fx_, fy_)); }

// Edges are rounded, not sizes: neighbours that touch in twips touch in pixels.
int Scale::x(double t) const { return px(t * fx_); }
int Scale::y(double t) const { return px(t * fy_); }

QRect Scale::rect(double left, double top, double width, double height) const {
    const int l = x(left), t = y(top);
    return QRect(l, t, std::max(0, x(left + width) - l), std::max(0, y(top + height) - t));
}

double Scale::toX(double pixels) const { return fromPx(pixels) / fx_; }
double Scale::toY(double pixels) const { return fromPx(pixels) / fy_; }

void Placements::place(QWidget* w, double left, double top, double width, double height) {
    const QRectF r(left, top, width, height);
    auto it = std::find_if(items_.begin(), items_.end(), [w](const Item& i) { return i.widget == w; });
    if (it != items_.end())
        it->designed = r;
    else
        items_.push_back({w, r});
    w->setGeometry(s_.rect(left, top, width, height));
}

void Placements::apply() const {
    for (const Item& i : items_)
        i.widget->setGeometry(
            s_.rect(i.designed.left(), i.designed.top(), i.designed.width(), i.designed.height()));
}

void ScaledSurface::fill(double x1, double y1, double x2, double y2, colour::Rgb c) {
    real_.fill(x1 * s_.fx(), y1 * s_.fy(), x2 * s_.fx(), y2 * s_.fy(), c);
}

void ScaledSurface::line(double x1, double y1, double x2, double y2, colour::Rgb c) {
    real_.line(x1 * s_.fx(), y1 * s_.fy(), x2 * s_.fx(), y2 * s_.fy(), c);
}

void ScaledSurface::point(double x, double y, colour::Rgb c) {
    real_.point(x * s_.fx(), y * s_.fy(), c);
}

void ScaledSurface::circle(double cx, double cy, double r, colour::Rgb c) {
    real_.circle(cx * s_.fx(), cy * s_.fy(), r * s_.font(), c);
}

void ScaledSurface::text(double x, double y, double size, colour::Rgb c, const QString& str) {
    real_.text(x * s_.fx(), y * s_.fy(), s_.fontSize(size), c, str);
}

void ScaledSurface::fittedText(double x, double y, double size, colour::Rgb c,
                               const QString& str, double maxWidth) {
    real_.fittedText(x * s_.fx(), y * s_.fy(), s_.fontSize(size), c, str, maxWidth * s_.fx());
}

}  // namespace twips
