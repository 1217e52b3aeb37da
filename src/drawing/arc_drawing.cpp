#include "drawing/arc_drawing.h"

#include <cmath>

#include "drawing/geometry_plot.h"
#include "drawing/geometry_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/move_observer.h"
#include "drawing/number_text.h"
#include "drawing/pacer.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace {

// The arc's own value of pi (its angles and full turns are taken with it).
constexpr double kArcPi = 3.141592;
constexpr double kMarkerRadius = 10;

struct ArcGeometry {
    double cx = 0, cy = 0;
    bool clockwise = false;  // on the screen
};

// Cyan is clockwise on the screen, any other colour anticlockwise; the
// vertical lathe's picture swaps them.
bool clockwiseOnScreen(const GeometryContext& g, colour::Rgb colour) {
    const bool clockwise = colour == geometry_colour::kClockwise;
    return g.axisSign == -1 ? !clockwise : clockwise;
}

// Centre of the arc: on the side of the chord that keeps the arc within a half
// circle, or the chord's midpoint when the chord is longer than the diameter.
// nullopt when the points are not numbers.
std::optional<ArcGeometry> centre(const GeometryContext& g, double x1, double y1, double x2,
                                  double y2, double r, colour::Rgb colour, bool quiet) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double c = std::sqrt(dx * dx + dy * dy) / 2;
    if (!geometry::finite({c, r})) return std::nullopt;
    double d = 0;
    if (c <= r) {
        d = std::sqrt(r * r - c * c);
    } else if (!quiet) {
        g.dialogs.message(drawing::text::kChordTooLong);
    }
    const bool clockwise = clockwiseOnScreen(g, colour);
    ArcGeometry a;
    a.clockwise = clockwise;
    const double nx = clockwise ? -dy / (2 * c) : dy / (2 * c);
    const double ny = clockwise ? dx / (2 * c) : -dx / (2 * c);
    a.cx = (x1 + x2) / 2 + d * nx;
    a.cy = (y1 + y2) / 2 + d * ny;
    if (!geometry::finite({a.cx, a.cy})) return std::nullopt;
    return a;
}

void markers(Surface& s, double x1, double y1, double x2, double y2) {
    s.circle(x1, y1, kMarkerRadius, geometry_colour::kStartMarker);
    s.circle(x2, y2, kMarkerRadius, geometry_colour::kEndMarker);
}

// Plots the arc of radius r about the centre from angle a1 to angle a2 (the
// end already on the arc's side of a1).
void plotSweep(const GeometryContext& g, const ArcGeometry& a, double a1, double a2, double r,
               colour::Rgb colour) {
    if (!(r > 0)) return;
    double delay = g.speedDelay / 4.0f;
    if (g.fastForwardLimit > 0) delay = 0;

    const double step = 1 / (r * std::pow(g.scale, 0.05));
    const geometry::Walk w = geometry::planWalk(a1, a2, a.clockwise ? -step : step);

    const bool grey = std::abs(g.compensationOffset) > geometry::kCompensationMin;
    const double greyR = a.clockwise ? r - g.compensationOffset : r + g.compensationOffset;
    Surface& s = g.surface;
    auto seen = [&](qint64 first, qint64 last) {
        // Every point of the stretch lies within half its arc length of the
        // stretch's middle point, on either radius.
        const double mid = (w.at(a1, first) + w.at(a1, last)) / 2;
        const double half = std::fabs(w.at(a1, last) - w.at(a1, first)) / 2;
        for (double rr : {r, greyR}) {
            const double reach = std::fabs(rr) * half + 1;
            const double mx = a.cx + rr * std::cos(mid), my = a.cy - rr * std::sin(mid);
            if (geometry::boxTouchesSurface(s, mx - reach, my - reach, mx + reach, my + reach))
                return true;
            if (!grey) break;
        }
        return false;
    };
    auto each = [&](qint64 k) {
        const double al = w.at(a1, k);
        const double px = a.cx + r * std::cos(al), py = a.cy - r * std::sin(al);
        if (geometry::onSurface(s, px, py)) s.point(px, py, colour);
        if (grey) {
            const double gx = a.cx + greyR * std::cos(al), gy = a.cy - greyR * std::sin(al);
            if (geometry::onSurface(s, gx, gy)) s.point(gx, gy, geometry_colour::kCompensation);
        }
        if (g.pacer) g.pacer->delay(delay / 100, 1);
    };
    geometry::walk({0, w.count - 1}, seen, each);
}

// The end angle brought below the start angle for a clockwise arc, above it
// for an anticlockwise one.
double endAngle(const ArcGeometry& a, double a1, double x2, double y2) {
    double a2 = geometry::screenAngle(a.cx, a.cy, x2, y2, kArcPi);
    if (a.clockwise && a2 > a1) a2 -= 2 * kArcPi;
    if (!a.clockwise && a2 < a1) a2 += 2 * kArcPi;
    return a2;
}

void plot(const GeometryContext& g, const ArcGeometry& a, double x1, double y1, double x2,
          double y2, double r, colour::Rgb colour) {
    const double a1 = geometry::screenAngle(a.cx, a.cy, x1, y1, kArcPi);
    const double a2 = endAngle(a, a1, x2, y2);
    observeArc(g, x1, y1, x2, y2, a.cx, a.cy, r, a2 - a1, a.clockwise);
    plotSweep(g, a, a1, a2, r, colour);
}

}  // namespace

void mycircle(const GeometryContext& g, double x1, double y1, double x2, double y2, double r,
              colour::Rgb colour) {
    GeometryMailbox& mb = g.mailbox;
    const bool query = mb.queryPending();
    if (!geometry::finite({x1, y1, x2, y2, r})) {
        // Nothing can be drawn or answered for a point that is not a number.
        if (query) mb.clearQuery();
        return;
    }
    if (x1 == x2 && y1 == y2) {
        if (query)
            mb.clearQuery();
        else
            markers(g.surface, x1, y1, x2, y2);
        return;
    }
    // A question is answered quietly: the drawing of the shape reports the chord.
    const std::optional<ArcGeometry> a = centre(g, x1, y1, x2, y2, r, colour, query);
    if (!a) {
        if (query) mb.clearQuery();
        return;
    }

    if (query) {
        const bool byY = !mb.queryY.isEmpty();
        const double given = nt::val(byY ? mb.queryY : mb.queryX);
        const double q = byY ? (a->cy - given) / r : (a->cx - given) / r;
        const double root = std::sqrt(1 - q * q);
        const double answer = byY ? a->cx + r * root : a->cy - r * root;
        mb.clearQuery();
        if (!std::isfinite(answer)) return;  // the line misses the circle
        (byY ? mb.queryX : mb.queryY) = nt::str(answer);
        return;
    }

    plot(g, *a, x1, y1, x2, y2, r, colour);
    markers(g.surface, x1, y1, x2, y2);
}

namespace {

std::optional<double> ask(const GeometryContext& g, double x1, double y1, double x2, double y2,
                          double r, colour::Rgb colour, double given, bool byY) {
    return g.mailbox.ask(given, byY, QString(), [&] { mycircle(g, x1, y1, x2, y2, r, colour); });
}

}  // namespace

std::optional<double> arcXAtY(const GeometryContext& g, double x1, double y1, double x2,
                              double y2, double r, colour::Rgb colour, double y0) {
    return ask(g, x1, y1, x2, y2, r, colour, y0, true);
}

std::optional<double> arcYAtX(const GeometryContext& g, double x1, double y1, double x2,
                              double y2, double r, colour::Rgb colour, double x0) {
    return ask(g, x1, y1, x2, y2, r, colour, x0, false);
}

void mycircleAbout(const GeometryContext& g, double x1, double y1, double x2, double y2,
                   double cx, double cy, colour::Rgb colour) {
    if (!geometry::finite({x1, y1, x2, y2, cx, cy})) return;
    ArcGeometry a;
    a.cx = cx;
    a.cy = cy;
    a.clockwise = clockwiseOnScreen(g, colour);
    const double r = std::hypot(x1 - cx, y1 - cy);
    const double a1 = geometry::screenAngle(cx, cy, x1, y1, kArcPi);
    double a2 = endAngle(a, a1, x2, y2);
    // An arc that ends where it starts is the whole circle.
    if (x1 == x2 && y1 == y2) a2 = a.clockwise ? a1 - 2 * kArcPi : a1 + 2 * kArcPi;
    observeArc(g, x1, y1, x2, y2, cx, cy, r, a2 - a1, a.clockwise);
    plotSweep(g, a, a1, a2, r, colour);
    markers(g.surface, x1, y1, x2, y2);
}
