#include "drawing/geometry_plot.h"

#include <algorithm>
#include <cmath>

#include "platform/surface.h"

namespace geometry {

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool onSurface(const Surface& s, double x, double y) {
    if (!finite({x, y})) return false;
    return !(x > s.width() || x < 0 || y < 0 || y > s.height());
}

bool boxTouchesSurface(const Surface& s, double x1, double y1, double x2, double y2) {
    if (!finite({x1, y1, x2, y2})) return false;
    if (std::max(x1, x2) < 0 || std::min(x1, x2) > s.width()) return false;
    if (std::max(y1, y2) < 0 || std::min(y1, y2) > s.height()) return false;
    return true;
}

double screenAngle(double cx, double cy, double x, double y, double pi) {
    const double rx = x - cx;
    const double ry = cy - y;  // upwards positive
    if (rx == 0) {
        if (ry > 0) return pi / 2;
        if (ry < 0) return -pi / 2;
        return 0;
    }
    double a = std::atan(ry / rx);
    if (rx < 0) a += pi;
    return a;
}

Walk planWalk(double a, double b, double step) {
    if (!finite({a, b, step}) || step == 0) return {};
    const double steps = (b - a) / step;
    if (!std::isfinite(steps)) return {};
    if (steps < 0) return {1, step};
    // A hair of tolerance so that a walk meant to land on b does.
    const double n = std::floor(steps + 1e-9) + 1;
    if (n <= double(kMaxPlotPoints)) return {qint64(n), step};
    return {kMaxPlotPoints, (b - a) / double(kMaxPlotPoints - 1)};
}
IndexRange visibleIndices(const Surface& s, double x1, double y1, double x2, double y2,
                          double steps, qint64 count) {
    if (count < 1 || !finite({x1, y1, x2, y2, steps})) return {};
    // The part of the segment on the surface, as fractions t0..t1 of it.
    double t0 = 0, t1 = 1;
    auto clip = [&](double p0, double d, double lo, double hi) {
        if (d == 0) {
            if (p0 < lo || p0 > hi) t0 = 1, t1 = 0;
            return;
        }
        double a = (lo - p0) / d, b = (hi - p0) / d;
        if (a > b) std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    };
    clip(x1, x2 - x1, 0, s.width());
    clip(y1, y2 - y1, 0, s.height());
    if (t0 > t1) return {};
    const double first = std::max(0.0, std::floor(t0 * steps) - 1);
    const double last = std::min(double(count - 1), std::ceil(t1 * steps) + 1);
    if (first > last) return {};
    IndexRange r{qint64(first), qint64(std::min(last, first + double(kMaxPlotPoints) - 1))};
    return r;
}

void walk(IndexRange range, const std::function<bool(qint64, qint64)>& stretchSeen,
          const std::function<void(qint64)>& each, const std::function<void(qint64)>& between) {
    for (qint64 first = range.first; first <= range.last; first += kPlotChunk) {
        const qint64 last = std::min(range.last, first + kPlotChunk - 1);
        if (!stretchSeen(first, last)) continue;
        for (qint64 k = first; k <= last; ++k) each(k);
        if (between) between(last - first + 1);
    }
}

}  // namespace geometry
