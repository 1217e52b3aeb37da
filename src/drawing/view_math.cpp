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

void zoomAboutCentre(DrawingState& s, double k2, double w, double h) {
    const double k = s.scale;
    s.originX = std::floor(k2 * (s.originX - w / 2) / k + w / 2);
    s.originY = std::floor(k2 * (s.originY - h / 2) / k + h / 2);
    s.scale = k2;
}

bool shrink(DrawingState& s, double w, double h) {
    if (!(s.scale - kScaleStep > 0)) return false;
    zoomAboutCentre(s, s.scale - kScaleStep, w, h);
    return true;
}

void enlarge(DrawingState& s, double w, double h) { zoomAboutCentre(s, s.scale + kScaleStep, w, h); }

bool setScaleRatio(DrawingState& s, double ratio, double w, double h) {
    const double k2 = ratio * kScalePerRatio;
    if (!(k2 >= kMinScale) || !std::isfinite(k2)) return false;
    zoomAboutCentre(s, k2, w, h);
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
    s.originY = std::floor(h / 2 + (s.originY - (y1 + y2) / 2) * k2 / k);
    s.originX = std::floor(w / 2 + (s.originX - (x1 + x2) / 2) * k2 / k);
    s.scale = k2;
    return true;
}

double shownRatio(double scale) { return std::floor(scale / kScalePerRatio * 100 + 0.5) / 100; }

}  // namespace drawing
