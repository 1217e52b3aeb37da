#include "drawing/line_drawing.h"

#include <cmath>

#include "drawing/geometry_plot.h"
#include "drawing/move_observer.h"
#include "drawing/pacer.h"
#include "platform/surface.h"

namespace {

using namespace geometry_colour;

// Trace step factors by speed setting (the step is scale^-0.4 times these).
struct TraceFactor {
    int speedUpTo;  // speedDelay at or below this
    double rapidLike;
    double other;
};
constexpr TraceFactor kTraceFactors[] = {
    {40, 0.065, 0.05},
    {100, 0.03, 0.01},
};
constexpr TraceFactor kSlowTrace{0, 0.01, 0.005};

// The thick black line: four more lines this far up, down, left and right.
constexpr double kThickShift = 2;

double traceStep(double scale, int speedDelay, bool rapidLike) {
    TraceFactor f = kSlowTrace;
    for (const TraceFactor& t : kTraceFactors)
        if (speedDelay <= t.speedUpTo) {
            f = t;
            break;
        }
    return std::pow(scale, -0.4) * (rapidLike ? f.rapidLike : f.other);
}

void drawLine(Surface& s, double x1, double y1, double x2, double y2, colour::Rgb c) {
    if (geometry::finite({x1, y1, x2, y2})) s.line(x1, y1, x2, y2, c);
}

// Points along the move, before the line itself, so the operator sees the
// tool travel.
void trace(const GeometryContext& g, double hs, double vs, double he, double ve,
           colour::Rgb colour) {
    const bool rapidLike = colour == kRapid || colour == kReference;
    const double step = traceStep(g.scale, g.speedDelay, rapidLike);
    const colour::Rgb alternate = rapidLike ? colour::kBlack : kClockwise;
    const colour::Rgb first =
        colour == kRapid ? colour : (colour == kReference ? colour::kWhite : kClockwise);
    const bool dashed = colour == kRapid;

    const bool byH = std::fabs(hs - he) >= std::fabs(vs - ve);
    const double from = byH ? hs : vs;
    const double to = byH ? he : ve;
    // Steps over the whole move; only those that can show on the surface are
    // walked, so a move reaching far off the screen costs no more than one on it.
    double signedStep = to < from ? -step : step;
    double steps = (to - from) / signedStep;
    if (!std::isfinite(steps)) return;
    if (steps > geometry::kMaxWalkSteps) {
        signedStep = (to - from) / geometry::kMaxWalkSteps;
        steps = geometry::kMaxWalkSteps;
    }
    // A hair of tolerance so that a walk meant to land on its end does.
    const qint64 count = qint64(std::floor(steps + 1e-9)) + 1;

    // The other value follows linearly; a move without length stays on its start.
    auto pointAt = [&](qint64 k, double& x, double& y) {
        const double d = from + double(k) * signedStep;
        double h, v;
        if (byH) {
            h = d;
            v = he == hs ? vs : vs + (ve - vs) * (h - hs) / (he - hs);
        } else {
            v = d;
            h = ve == vs ? hs : hs + (he - hs) * (v - vs) / (ve - vs);
        }
        x = g.screenX(h);
        y = g.screenY(v);
    };
    Surface& s = g.surface;
    auto seen = [&](qint64 a, qint64 b) {
        double x1, y1, x2, y2;
        pointAt(a, x1, y1);
        pointAt(b, x2, y2);
        return geometry::boxTouchesSurface(s, x1, y1, x2, y2);
    };
    auto each = [&](qint64 k) {
        double x, y;
        pointAt(k, x, y);
        if (!geometry::onSurface(s, x, y)) return;
        // A rapid move toggles at every point: a red and black dashed trail.
        const colour::Rgb c = dashed && (k % 2) ? alternate : first;
        s.point(x, y, c);
    };
    auto between = [&](qint64 n) {
        if (g.pacer) g.pacer->traced(n);
    };
    const geometry::IndexRange range = geometry::visibleIndices(
        s, g.screenX(hs), g.screenY(vs), g.screenX(he), g.screenY(ve), steps, count);
    geometry::walk(range, seen, each, between);
}

void compensationParallel(const GeometryContext& g, double hs, double vs, double he, double ve,
                          double sx1, double sy1, double sx2, double sy2) {
    const double d = g.compensationOffset;
    double dx, dy;
    if (he != hs) {
        const double theta = std::atan((vs - ve) / (hs - he));
        const double sign = he > hs ? 1 : -1;
        dx = sign * d * std::sin(theta);
        dy = sign * d * std::cos(theta);
    } else {
        dx = ve > vs ? d : -d;
        dy = 0;
    }
    drawLine(g.surface, sx1 + dx, sy1 + dy, sx2 + dx, sy2 + dy, kCompensation);
}

}  // namespace

void myline(const GeometryContext& g, double hs, double vs, double he, double ve,
            colour::Rgb colour) {
    // Told whether or not the move shows: the tool travels all the same.
    observeLine(g, hs, vs, he, ve, colour);
    const double sx1 = g.screenX(hs), sy1 = g.screenY(vs);
    const double sx2 = g.screenX(he), sy2 = g.screenY(ve);
    // A move that cannot be placed on the screen is not drawn at all.
    if (!geometry::finite({sx1, sy1, sx2, sy2})) return;

    Surface& s = g.surface;
    const double w = s.width(), h = s.height();
    if ((sx1 > w && sx2 > w) || (sx1 < 0 && sx2 < 0) || (sy1 > h && sy2 > h) ||
        (sy1 < 0 && sy2 < 0))
        return;

    if (g.blockCount >= g.fastForwardLimit) trace(g, hs, vs, he, ve, colour);

    drawLine(s, sx1, sy1, sx2, sy2, colour);
    if (colour == colour::kBlack) {
        drawLine(s, sx1, sy1 - kThickShift, sx2, sy2 - kThickShift, colour);
        drawLine(s, sx1, sy1 + kThickShift, sx2, sy2 + kThickShift, colour);
        drawLine(s, sx1 - kThickShift, sy1, sx2 - kThickShift, sy2, colour);
        drawLine(s, sx1 + kThickShift, sy1, sx2 + kThickShift, sy2, colour);
    }
    if (std::abs(g.compensationOffset) > geometry::kCompensationMin)
        compensationParallel(g, hs, vs, he, ve, sx1, sy1, sx2, sy2);
}
