#include "drawing/chamfer.h"

#include <cmath>

#include "drawing/geometry_plot.h"
#include "drawing/geometry_texts.h"
#include "drawing/line_drawing.h"
#include "platform/dialogs.h"

double legLength(double dh, double dv) { return std::sqrt(dh * dh + (dv / 2) * (dv / 2)); }

bool chamferFits(ProgramPoint p1, ProgramPoint p2, ProgramPoint p3, double c) {
    const double l1 = legLength(p2.h - p1.h, p2.v - p1.v);
    const double l2 = legLength(p3.h - p2.h, p3.v - p2.v);
    // A negative C or one that is not a number cuts nothing sensible either.
    return std::isfinite(c) && c >= 0 && c <= l1 && c <= l2;
}

ChamferEnds chamferEnds(ProgramPoint p1, ProgramPoint p2, ProgramPoint p3, double c) {
    // The point at true distance c from the corner towards `to`.
    auto towards = [&](ProgramPoint to) {
        const double l = legLength(to.h - p2.h, to.v - p2.v);
        if (l == 0) return p2;  // c is 0 too
        return ProgramPoint{p2.h + (to.h - p2.h) * c / l, p2.v + (to.v - p2.v) * c / l};
    };
    return {towards(p1), towards(p3)};
}

ChamferResult chamferCorner(const GeometryContext& g, ProgramPoint p1, ProgramPoint p2,
                            ProgramPoint p3, double c, colour::Rgb colour) {
    if (!geometry::finite({p1.h, p1.v, p2.h, p2.v, p3.h, p3.v})) return {false, p2};
    if (!chamferFits(p1, p2, p3, c)) {
        g.dialogs.message(drawing::text::kChamferTooLarge);
        myline(g, p1.h, p1.v, p2.h, p2.v, colour);
        return {false, p2};
    }
    const auto [a, b] = chamferEnds(p1, p2, p3, c);
    myline(g, p1.h, p1.v, a.h, a.v, colour);
    myline(g, a.h, a.v, b.h, b.v, colour);
    return {true, b};
}
