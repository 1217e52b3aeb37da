#include "drawing/fit_view.h"

#include <algorithm>
#include <cmath>

#include "drawing/view_math.h"

void PartExtent::add(const MachinePoint& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.z)) return;
    if (empty) {
        minX = maxX = p.x;
        minZ = maxZ = p.z;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minZ = std::min(minZ, p.z);
    maxZ = std::max(maxZ, p.z);
}

void PartExtentObserver::move(const ObservedMove& m) {
    if (m.kind == MoveKind::Rapid || m.kind == MoveKind::Reference) return;
    extent_.add(m.start);
    extent_.add(m.end);
    if (m.kind != MoveKind::Arc) return;
    // The arc's extreme points on each axis, where the sweep passes them.
    const double a0 = arcStartAngle(m);
    const double dir = m.turnsTowardsX ? 1 : -1;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double phi = quarter * M_PI / 2;
        double along = std::fmod(dir * (phi - a0), 2 * M_PI);
        if (along < 0) along += 2 * M_PI;
        if (along <= m.sweep) extent_.add(arcPoint(m, phi));
    }
}

std::optional<FittedView> fitView(const PartExtent& e, bool horizontal, double w, double h) {
    if (e.empty || !(w > 0) || !(h > 0)) return std::nullopt;
    // The extent on the screen's axes, in program units as the picture shows
    // them (screen x = originX + scale*h, screen y = originY - scale*v/2).
    const double hMin = horizontal ? e.minZ : e.minX / 2;
    const double hMax = horizontal ? e.maxZ : e.maxX / 2;
    const double vMin = horizontal ? e.minX / 2 : e.minZ;
    const double vMax = horizontal ? e.maxX / 2 : e.maxZ;
    const double spanH = hMax - hMin, spanV = vMax - vMin;
    const double room = 1 - 2 * kFitMargin;
    double scale = 0;
    if (spanH > 0) scale = w * room / spanH;
    if (spanV > 0) scale = scale > 0 ? std::min(scale, h * room / spanV) : h * room / spanV;
    if (!(scale > 0)) return std::nullopt;  // a single point: no size to fit
    scale = std::clamp(std::floor(scale), drawing::kMinScale, drawing::kMaxScale);
    FittedView v;
    v.scale = scale;
    v.originX = std::floor(w / 2 - scale * (hMin + hMax) / 2);
    v.originY = std::floor(h / 2 + scale * (vMin + vMax) / 2);
    if (!drawing::viewInBounds(v.originX, v.originY, v.scale)) return std::nullopt;
    return v;
}
