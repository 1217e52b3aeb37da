#include "drawing/corner_rounding.h"

#include <algorithm>
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

constexpr double kPi = 3.14159265358979;
// The radius must meet the leg at a right angle at the tangent point, to this
// relative tolerance.
constexpr double kRightAngleTolerance = 0.0001;
// A fillet whose half chord (or a leg) is shorter than this cannot be drawn.
constexpr double kMinHalfChord = 0.01;
// Slack of the extent test, against rounding at a leg's far end.
constexpr double kExtentSlack = 1e-6;
constexpr double kTangentMarkerRadius = 20;
// The fillet's dashes: black below kDashBlackUntil, yellow up to kDashCycle.
constexpr int kDashBlackUntil = 200;
constexpr int kDashCycle = 600;
// Fillet angular step factors by speed setting (4*k/(r*scale^0.01)).
constexpr double kFilletStepFast = 0.05;    // speedDelay 40 or less
constexpr double kFilletStepMiddle = 0.01;  // 41 to 100
constexpr double kFilletStepSlow = 0.005;   // above 100
// The three red circles of a corner that cannot be rounded: r, 2r/3, r/3.
constexpr int kFailCircles = 3;

struct Pt {
    double x = 0, y = 0;
};
Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
double length(Pt a) { return std::sqrt(a.x * a.x + a.y * a.y); }

bool within(Pt p, Pt a, Pt b) {
    return p.x >= std::min(a.x, b.x) - kExtentSlack && p.x <= std::max(a.x, b.x) + kExtentSlack &&
           p.y >= std::min(a.y, b.y) - kExtentSlack && p.y <= std::max(a.y, b.y) + kExtentSlack;
}

struct Fillet {
    bool accepted = false;
    Pt t1, t2, centre;
    bool clockwise = false;
    double halfChord = 0;  // of the last attempt
};

// Angle of a leg's direction under one of the conventions: 0 from dx/dy, 1
// from dy/dx (a zero denominator gives +-pi/2 by the other coordinate).
double legAngle(Pt d, int convention) {
    const double num = convention == 0 ? d.x : d.y;
    const double den = convention == 0 ? d.y : d.x;
    if (den != 0) return std::atan(num / den);
    return num >= 0 ? kPi / 2 : -kPi / 2;
}

// One attempt with the half angle A; the result is kept when it passes.
void attempt(Fillet& f, Pt p1, Pt p2, Pt p3, double l1, double l2, double r, double halfAngle) {
    const double t = r * std::tan(halfAngle);
    if (!std::isfinite(t)) return;
    Pt t1 = p2 + (p1 - p2) * (t / l1);
    if (!within(t1, p1, p2)) t1 = p2 - (p1 - p2) * (t / l1);
    Pt t2 = p2 + (p2 - p3) * (t / l2);
    if (!within(t2, p2, p3)) t2 = p2 - (p2 - p3) * (t / l2);
    const Pt chord = t2 - t1;
    const double c = length(chord) / 2;
    if (!std::isfinite(c)) return;
    f.halfChord = c;
    f.t2 = t2;
    // A chord of no length has no perpendicular: nothing to round.
    if (!(c < r) || c < kMinHalfChord) return;
    const double d = std::sqrt(r * r - c * c);
    const Pt mid = (t1 + t2) * 0.5;
    const Pt cw = mid + Pt{-chord.y, chord.x} * (d / (2 * c));
    const Pt acw = mid + Pt{chord.y, -chord.x} * (d / (2 * c));
    const bool clockwise = length(cw - p2) >= length(acw - p2);
    const Pt centre = clockwise ? cw : acw;
    const double cp2 = length(centre - p2);
    const double tp2 = length(t1 - p2);
    const double rightAngle = (r * r + tp2 * tp2 - cp2 * cp2) / (cp2 * cp2);
    if (!within(t1, p1, p2) || !within(t2, p2, p3) || !(std::fabs(rightAngle) < kRightAngleTolerance))
        return;
    f.accepted = true;
    f.t1 = t1;
    f.t2 = t2;
    f.centre = centre;
    f.clockwise = clockwise;
}

// The half angle is tried with the sign combinations of the two leg angles
// under the two arctangent conventions, and last taken straight from the angle
// between the legs (which the others miss for legs along the axes).
Fillet findFillet(Pt p1, Pt p2, Pt p3, double l1, double l2, double r) {
    Fillet f;
    static constexpr int kSigns[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (int convention = 0; convention < 2; ++convention) {
        const double a1 = legAngle(p1 - p2, convention);
        const double a2 = legAngle(p3 - p2, convention);
        for (const auto& s : kSigns) {
            attempt(f, p1, p2, p3, l1, l2, r, ((kPi / 2 - s[0] * a1) + s[1] * a2) / 2);
            if (f.accepted) return f;
        }
    }
    const Pt u = p1 - p2, v = p3 - p2;
    const double between = std::atan2(std::fabs(u.x * v.y - u.y * v.x), u.x * v.x + u.y * v.y);
    attempt(f, p1, p2, p3, l1, l2, r, kPi / 2 - between / 2);
    return f;
}

double arcAngle(const Fillet& f, Pt p) { return geometry::screenAngle(f.centre.x, f.centre.y, p.x, p.y, kPi); }

// End angle of the fillet's sweep from the angle of T1.
double sweepEnd(const Fillet& f, double a1) {
    double a2 = arcAngle(f, f.t2);
    if (f.clockwise && a2 > a1) a2 -= 2 * kPi;
    if (!f.clockwise && a2 < a1) a2 += 2 * kPi;
    return a2;
}

bool onArc(const Fillet& f, double angle) {
    const double a1 = arcAngle(f, f.t1), a2 = sweepEnd(f, a1);
    double along = f.clockwise ? a1 - angle : angle - a1;
    along = std::fmod(along, 2 * kPi);
    if (along < 0) along += 2 * kPi;
    return along <= std::fabs(a2 - a1) + 1e-9;
}

void drawFillet(const GeometryContext& g, const Fillet& f, double r) {
    const double a1 = arcAngle(f, f.t1), a2 = sweepEnd(f, a1);
    const double k = g.speedDelay <= 40    ? kFilletStepFast
                     : g.speedDelay <= 100 ? kFilletStepMiddle
                                           : kFilletStepSlow;
    observeArc(g, f.t1.x, f.t1.y, f.t2.x, f.t2.y, f.centre.x, f.centre.y, r, a2 - a1,
               f.clockwise);
    const double step = 4 * k / (r * std::pow(g.scale, 0.01));
    const geometry::Walk w = geometry::planWalk(a1, a2, f.clockwise ? -step : step);
    const bool grey = std::abs(g.compensationOffset) > geometry::kCompensationMin;
    const double greyR = f.clockwise ? r - g.compensationOffset : r + g.compensationOffset;
    Surface& s = g.surface;
    int& dash = g.mailbox.filletDashCount;
    auto seen = [&](qint64 first, qint64 last) {
        const double mid = (w.at(a1, first) + w.at(a1, last)) / 2;
        const double half = std::fabs(w.at(a1, last) - w.at(a1, first)) / 2;
        const double rr = std::max(std::fabs(r), std::fabs(greyR));
        const double reach = rr * half + std::fabs(r - greyR) + 1;
        const double mx = f.centre.x + r * std::cos(mid), my = f.centre.y - r * std::sin(mid);
        if (geometry::boxTouchesSurface(s, mx - reach, my - reach, mx + reach, my + reach))
            return true;
        // The dash counter still runs over what is passed.
        dash = (dash + int(last - first + 1)) % (kDashCycle + 1);
        return false;
    };
    auto each = [&](qint64 i) {
        const double al = w.at(a1, i);
        if (++dash > kDashCycle) dash = 0;
        const colour::Rgb c = dash < kDashBlackUntil ? colour::kBlack : colour::kYellow;
        const double px = f.centre.x + r * std::cos(al), py = f.centre.y - r * std::sin(al);
        if (geometry::onSurface(s, px, py)) s.point(px, py, c);
        if (grey) {
            const double gx = f.centre.x + greyR * std::cos(al);
            const double gy = f.centre.y - greyR * std::sin(al);
            if (geometry::onSurface(s, gx, gy)) s.point(gx, gy, geometry_colour::kCompensation);
        }
    };
    auto between = [&](qint64 n) {
        if (g.pacer) g.pacer->traced(n);
    };
    geometry::walk({0, w.count - 1}, seen, each, between);
}

// The straight part handed to myline as program values that map back onto the
// same screen points (origin 0 on both axes); the observer is told the move
// in the run's own view.
void straight(const GeometryContext& g, Pt a, Pt b) {
    observeLine(g, (a.x - g.originX) / g.scale, 2 * (g.originY - a.y) / g.scale,
                (b.x - g.originX) / g.scale, 2 * (g.originY - b.y) / g.scale,
                geometry_colour::kFeed);
    GeometryContext onScreen = g;
    onScreen.originX = 0;
    onScreen.originY = 0;
    onScreen.observer = nullptr;
    myline(onScreen, a.x / g.scale, -2 * a.y / g.scale, b.x / g.scale, -2 * b.y / g.scale,
           geometry_colour::kFeed);
}

void answerQuery(const GeometryContext& g, const Fillet& f, double r) {
    GeometryMailbox& mb = g.mailbox;
    const bool byY = !mb.queryY.isEmpty();
    const double given = nt::val(byY ? mb.queryY : mb.queryX);
    const int mode = int(std::lround(nt::val(mb.queryMode)));
    mb.clearQuery();
    if (!f.accepted || !std::isfinite(given)) return;
    const double off = byY ? given - f.centre.y : given - f.centre.x;
    if (std::fabs(off) > r) return;  // the line misses the circle
    const double across = std::sqrt(r * r - off * off);
    // Positive side: larger x on a y line, the upper point on an x line.
    const Pt positive = byY ? Pt{f.centre.x + across, given} : Pt{given, f.centre.y - across};
    const Pt negative = byY ? Pt{f.centre.x - across, given} : Pt{given, f.centre.y + across};
    std::optional<Pt> answer;
    if (mode == 1 || mode == 2) {
        answer = positive;
    } else if (mode == -1 || mode == -2 || mode == -3) {
        answer = negative;
    } else if (onArc(f, arcAngle(f, positive))) {
        answer = positive;
    } else if (onArc(f, arcAngle(f, negative))) {
        answer = negative;
    }
    if (!answer) return;
    mb.queryX = nt::str(answer->x);
    mb.queryY = nt::str(answer->y);
}

}  // namespace

void mycircleR(const GeometryContext& g, double x1, double y1, double x2, double y2, double x3,
               double y3, double r) {
    GeometryMailbox& mb = g.mailbox;
    const bool query = mb.queryPending();
    if (!geometry::finite({x1, y1, x2, y2, x3, y3, r})) {
        // No corner can be placed: nothing drawn, no tangent point handed back.
        if (query) mb.clearQuery();
        return;
    }
    if (!query && g.fastForwardLimit > 0) g.speedDelay = 0;

    const Pt p1{x1, y1}, p2{x2, y2}, p3{x3, y3};
    const double l1 = length(p1 - p2), l2 = length(p3 - p2);
    Fillet f;
    double lastHalfChord;
    if (l1 * l2 == 0) {
        lastHalfChord = std::min(l1, l2);
    } else {
        f = findFillet(p1, p2, p3, l1, l2, r);
        lastHalfChord = f.halfChord;
    }
    if (query) {
        answerQuery(g, f, r);
        return;
    }

    Pt handBack = p2;
    if (f.accepted) {
        straight(g, p1, f.t1);
        drawFillet(g, f, r);
        g.surface.circle(f.t1.x, f.t1.y, kTangentMarkerRadius, geometry_colour::kStartMarker);
        g.surface.circle(f.t2.x, f.t2.y, kTangentMarkerRadius, geometry_colour::kEndMarker);
        handBack = f.t2;
    } else {
        if (l1 * l2 != 0) g.dialogs.message(drawing::text::kCornerNotComputable);
        // The corner is drawn sharp and the next move starts from it.
        if (l1 > 0) straight(g, p1, p2);
    }
    if (lastHalfChord < kMinHalfChord) {
        g.dialogs.message(drawing::text::kCornerRNotComputable);
        for (int i = kFailCircles; i >= 1; --i)
            g.surface.circle(x2, y2, r * i / kFailCircles, colour::kRed);
    }
    mb.tangentX = nt::str(handBack.x);
    mb.tangentY = nt::str(handBack.y);
}

std::optional<ProgramPoint> takeTangentPoint(const GeometryContext& g) {
    GeometryMailbox& mb = g.mailbox;
    if (mb.tangentX.isEmpty() || mb.tangentY.isEmpty()) {
        mb.tangentX.clear();
        mb.tangentY.clear();
        return std::nullopt;
    }
    const double x = nt::val(mb.tangentX), y = nt::val(mb.tangentY);
    mb.tangentX.clear();
    mb.tangentY.clear();
    auto cut = [](double v) { return std::floor(v * 1000000) / 1000000; };
    const ProgramPoint p{cut((x - g.originX) / g.scale), cut(2 * (g.originY - y) / g.scale)};
    if (!geometry::finite({p.h, p.v})) return std::nullopt;
    return p;
}

namespace {

std::optional<double> askFillet(const GeometryContext& g, double x1, double y1, double x2,
                                double y2, double x3, double y3, double r, int mode,
                                double given, bool byY) {
    return g.mailbox.ask(given, byY, nt::str(mode),
                         [&] { mycircleR(g, x1, y1, x2, y2, x3, y3, r); });
}

}  // namespace

std::optional<double> filletXAtY(const GeometryContext& g, double x1, double y1, double x2,
                                 double y2, double x3, double y3, double r, int mode, double y0) {
    return askFillet(g, x1, y1, x2, y2, x3, y3, r, mode, y0, true);
}

std::optional<double> filletYAtX(const GeometryContext& g, double x1, double y1, double x2,
                                 double y2, double x3, double y3, double r, int mode, double x0) {
    return askFillet(g, x1, y1, x2, y2, x3, y3, r, mode, x0, false);
}
