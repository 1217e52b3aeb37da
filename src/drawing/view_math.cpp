#include "drawing/view_math.h"

#include <algorithm>
#include <cmath>

#include "drawing/number_text.h"

namespace drawing {

void setUpView(DrawingState& s, double sw, double sh) {
    if (s.orientation == QLatin1String("m")) {
        s.originY = sh * 4 / 5;
        s.originX = sw / 2;
    } else {
        s.originX = sw / 7 * 2.5;
        s.originY = sh / 7 * 1.8;
    }
    s.scale = kStartScale;
    s.viewReady = true;
}

bool viewInBounds(double originX, double originY, double scale) {
    return std::fabs(originX) <= kMaxOrigin && std::fabs(originY) <= kMaxOrigin &&
           scale >= kMinScale && scale <= kMaxScale;  // false for NaN too
}

bool zoomAboutCentre(DrawingState& s, double k2, double w, double h) {
    const double k = s.scale;
    const double x = std::floor(k2 * (s.originX - w / 2) / k + w / 2);
    const double y = std::floor(k2 * (s.originY - h / 2) / k + h / 2);
    if (!viewInBounds(x, y, k2)) return false;
    s.originX = x;
    s.originY = y;
    s.scale = k2;
    return true;
}

bool shrink(DrawingState& s, double w, double h) {
    if (!(s.scale - kScaleStep >= kMinScale)) return false;
    return zoomAboutCentre(s, s.scale - kScaleStep, w, h);
}

bool enlarge(DrawingState& s, double w, double h) {
    return zoomAboutCentre(s, s.scale + kScaleStep, w, h);
}

bool setScaleRatio(DrawingState& s, double ratio, double w, double h) {
    return zoomAboutCentre(s, ratio * kScalePerRatio, w, h);
}

bool pan(DrawingState& s, double dx, double dy) {
    const double x = s.originX + dx, y = s.originY + dy;
    if (!viewInBounds(x, y, s.scale)) return false;
    s.originX = x;
    s.originY = y;
    return true;
}

bool zoomToArea(DrawingState& s, double w, double h) {
    double x1 = nt::val(s.areaX1), y1 = nt::val(s.areaY1);
    double x2 = nt::val(s.areaX2), y2 = nt::val(s.areaY2);
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const double spanX = x2 - x1, spanY = y2 - y1;
    if (spanX <= 0 && spanY <= 0) return false;
    const double rX = spanX > 0 ? w / spanX : INFINITY;
    const double rY = spanY > 0 ? h / spanY : INFINITY;
    double span, side;
    if (rY < rX) {
        side = h;
        span = spanY;
    } else {
        side = w;
        span = spanX;
    }
    const double k = s.scale;
    double k2 = std::floor(k * side / span);
    if (k2 < kMinScale) k2 = kMinScale;
    const double oy = std::floor(h / 2 + (s.originY - (y1 + y2) / 2) * k2 / k);
    const double ox = std::floor(w / 2 + (s.originX - (x1 + x2) / 2) * k2 / k);
    if (!viewInBounds(ox, oy, k2)) return false;
    s.originX = ox;
    s.originY = oy;
    s.scale = k2;
    return true;
}

double shownRatio(double scale) { return std::floor(scale / kScalePerRatio * 100 + 0.5) / 100; }

}  // namespace drawing
