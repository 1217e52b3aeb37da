#include "drawing/move_observer.h"

#include <algorithm>
#include <cmath>

#include "drawing/geometry_context.h"
#include "drawing/line_drawing.h"

namespace {

// Program values of the view as the machine has them: "m" shows (Z, X), "t"
// shows (X/2, 2Z).
MachinePoint machine(const GeometryContext& g, double h, double v) {
    if (g.axisSign == 1) return {v, h};
    return {2 * h, v / 2};
}

MachinePoint fromScreen(const GeometryContext& g, double x, double y) {
    return machine(g, (x - g.originX) / g.scale, 2 * (g.originY - y) / g.scale);
}

MoveKind lineKind(colour::Rgb c) {
    if (c == geometry_colour::kRapid) return MoveKind::Rapid;
    if (c == geometry_colour::kReference) return MoveKind::Reference;
    if (c == geometry_colour::kThread) return MoveKind::Thread;
    return MoveKind::Feed;
}

bool finite(const MachinePoint& p) { return std::isfinite(p.x) && std::isfinite(p.z); }

}  // namespace

double CuttingModal::rpmAt(double diameter) const {
    if (!constantSurface) return spindle;
    const double d = std::fabs(diameter);
    const double free = d > 0 ? 1000 * spindle / (M_PI * d) : clamp;
    return clamp > 0 ? std::min(free, clamp) : free;
}

void observeLine(const GeometryContext& g, double hs, double vs, double he, double ve,
                 colour::Rgb colour) {
    if (!g.observer || !g.cutting) return;
    ObservedMove m;
    m.kind = lineKind(colour);
    m.start = machine(g, hs, vs);
    m.end = machine(g, he, ve);
    m.cutting = g.cutting;
    if (!finite(m.start) || !finite(m.end)) return;
    g.observer->move(m);
}

void observeArc(const GeometryContext& g, double x1, double y1, double x2, double y2, double cx,
                double cy, double radiusTwips, double sweep, bool clockwiseOnScreen) {
    if (!g.observer || !g.cutting || !(g.scale > 0)) return;
    ObservedMove m;
    m.kind = MoveKind::Arc;
    m.start = fromScreen(g, x1, y1);
    m.end = fromScreen(g, x2, y2);
    m.centre = fromScreen(g, cx, cy);
    m.radius = std::fabs(radiusTwips) / g.scale;
    m.sweep = std::fabs(sweep);
    // "m" shows Z to the right and X upwards; "t" swaps the axes, which
    // turns the sense round.
    m.turnsTowardsX = g.axisSign == 1 ? !clockwiseOnScreen : clockwiseOnScreen;
    m.cutting = g.cutting;
    if (!finite(m.start) || !finite(m.end) || !finite(m.centre) || !std::isfinite(m.radius) ||
        !std::isfinite(m.sweep))
        return;
    g.observer->move(m);
}

void observeDwell(const GeometryContext& g, double seconds) {
    if (g.observer && std::isfinite(seconds) && seconds > 0) g.observer->dwell(seconds);
}

MachinePoint arcPoint(const ObservedMove& arc, double phi) {
    return {arc.centre.x + 2 * arc.radius * std::sin(phi), arc.centre.z + arc.radius * std::cos(phi)};
}

double arcStartAngle(const ObservedMove& arc) {
    return std::atan2((arc.start.x - arc.centre.x) / 2, arc.start.z - arc.centre.z);
}
