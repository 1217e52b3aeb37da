#include "drawing/cycle_profile.h"

#include <cmath>

#include "drawing/arc_drawing.h"
#include "drawing/chamfer.h"
#include "drawing/corner_rounding.h"
#include "drawing/cycle_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"

namespace {

// Slack, in program units, for a pass that ends exactly on a piece's end.
constexpr double kSlack = 1e-6;
// How far a pass lying along the shape is measured towards the material, in
// program units: small enough to stay on the tangent point of a rounded
// corner, large enough to cut its circle.
constexpr double kAlongShapeNudge = 1e-8;

bool within(double v, double a, double b) {
    return v >= std::min(a, b) - kSlack && v <= std::max(a, b) + kSlack;
}

}  // namespace

ProgramPoint CycleFrame::hv(CyclePoint p) const {
    if (horizontal()) return {p.z, p.x};
    return {p.x / 2, p.z * 2};
}

CyclePoint CycleFrame::xz(ProgramPoint q) const {
    if (horizontal()) return {q.v, q.h};
    return {q.h * 2, q.v / 2};
}

CyclePoint CycleFrame::fromScreen(double x, double y) const {
    return xz({(x - g_.originX) / g_.scale, 2 * (g_.originY - y) / g_.scale});
}

void CycleFrame::line(CyclePoint a, CyclePoint b, colour::Rgb c) const {
    const ProgramPoint s = hv(a), e = hv(b);
    myline(g_, s.h, s.v, e.h, e.v, c);
}

CycleProfile::CycleProfile(const CycleFrame& frame, const std::vector<ShapePoint>& shape)
    : frame_(frame) {
    const size_t n = shape.size();
    if (n < 2) return;
    CyclePoint start = shape[0].at;
    auto straight = [&](CyclePoint to, bool intoFillet = false) {
        ProfilePiece p;
        p.a = start;
        p.b = to;
        p.intoFillet = intoFillet;
        pieces_.push_back(p);
        start = to;
    };
    for (size_t k = 0; k + 1 < n; ++k) {
        const ShapePoint& to = shape[k + 1];
        if (to.arc) {
            ProfilePiece p;
            p.kind = ProfilePiece::Kind::Arc;
            p.a = start;
            p.b = to.at;
            p.radius = to.arcRadius;
            p.clockwise = to.clockwise;
            pieces_.push_back(p);
            start = to.at;
            continue;
        }
        // A corner needs a straight move on both sides.
        const bool cornerable = k + 2 < n && !shape[k + 2].arc;
        if (cornerable && !to.cornerC.isEmpty()) {
            const ProgramPoint p1 = frame.hv(shape[k].at), p2 = frame.hv(to.at),
                               p3 = frame.hv(shape[k + 2].at);
            if (chamferFits(p1, p2, p3, to.cornerCValue)) {
                const ChamferEnds e = chamferEnds(p1, p2, p3, to.cornerCValue);
                straight(frame.xz(e.a));
                straight(frame.xz(e.b));
            } else {
                frame.g().dialogs.message(nt::str(to.cornerCValue) +
                                          drawing::text::kCycleChamferTooLarge);
                straight(to.at);
            }
        } else if (cornerable && to.cornerR > 0) {
            ProfilePiece f;
            f.kind = ProfilePiece::Kind::Fillet;
            f.a = start;
            f.b = to.at;
            f.c = shape[k + 2].at;
            f.radius = to.cornerR;
            straight(to.at, true);
            pieces_.push_back(f);
        } else {
            straight(to.at);
        }
    }
}

namespace {

// A line lying on the level, along the pass.
bool liesOn(const ProfilePiece& p, PassAxis axis, double level) {
    return p.kind == ProfilePiece::Kind::Line && std::fabs(heldValue(axis, p.a) - level) < kSlack &&
           std::fabs(heldValue(axis, p.b) - level) < kSlack;
}

// True when p lies on the side of the chord a -> b where an arc of less than
// a half circle bulges: left of the chord for G2 (clockwise with Z across and
// X upwards), right for G3.  A point on the chord's line counts (the ends).
bool onBulgeSide(const ProfilePiece& arc, CyclePoint p) {
    const double uz = arc.b.z - arc.a.z, ux = arc.b.x - arc.a.x;
    const double chord = std::hypot(uz, ux);
    if (chord < kSlack) return true;
    const double left = (uz * (p.x - arc.a.x) - ux * (p.z - arc.a.z)) / chord;
    return (arc.clockwise ? left : -left) >= -kSlack;
}

}  // namespace

std::optional<double> CycleProfile::meetLine(const ProfilePiece& p, PassAxis axis,
                                             double level) const {
    const double la = heldValue(axis, p.a), lb = heldValue(axis, p.b);
    if (std::fabs(lb - la) < kSlack || !within(level, la, lb)) return std::nullopt;
    return cutValue(axis, p.a) +
           (cutValue(axis, p.b) - cutValue(axis, p.a)) * (level - la) / (lb - la);
}

namespace {

// The screen line of a pass: a row (fixed screen y) or a column (fixed x).
struct PassLine {
    bool row = true;
    double at = 0;
};

PassLine passLine(const CycleFrame& f, PassAxis axis, double level) {
    const CyclePoint p = axis == PassAxis::AlongZ ? CyclePoint{level, 0} : CyclePoint{0, level};
    // "m" shows X upwards and Z across, "t" the other way round.
    const bool row = (axis == PassAxis::AlongZ) == f.horizontal();
    return {row, row ? f.screenY(p) : f.screenX(p)};
}

CyclePoint pointAt(const CycleFrame& f, const PassLine& l, double answer) {
    return l.row ? f.fromScreen(answer, l.at) : f.fromScreen(l.at, answer);
}

}  // namespace

std::vector<double> CycleProfile::meetArc(const ProfilePiece& p, PassAxis axis,
                                          double level) const {
    const GeometryContext& g = frame_.g();
    const PassLine l = passLine(frame_, axis, level);
    const double x1 = frame_.screenX(p.a), y1 = frame_.screenY(p.a);
    const double x2 = frame_.screenX(p.b), y2 = frame_.screenY(p.b);
    const double r = p.radius * g.scale;
    const colour::Rgb c = p.clockwise ? geometry_colour::kClockwise : geometry_colour::kAnticlockwise;
    const colour::Rgb mirrored =
        p.clockwise ? geometry_colour::kAnticlockwise : geometry_colour::kClockwise;
    // The arc answers one of its circle's two meetings with the line (right of
    // its centre, or above it); the other is asked of the same arc mirrored
    // across the line's axis, which turns it the other way round.
    std::optional<double> answers[2];
    if (l.row) {
        answers[0] = arcXAtY(g, x1, y1, x2, y2, r, c, l.at);
        if (auto m = arcXAtY(g, -x1, y1, -x2, y2, r, mirrored, l.at)) answers[1] = -*m;
    } else {
        answers[0] = arcYAtX(g, x1, y1, x2, y2, r, c, l.at);
        if (auto m = arcYAtX(g, x1, -y1, x2, -y2, r, mirrored, l.at)) answers[1] = -*m;
    }
    // Only the meetings on the arc itself, not on the rest of its circle.
    std::vector<double> met;
    for (const auto& a : answers) {
        if (!a) continue;
        const CyclePoint q = pointAt(frame_, l, *a);
        if (onBulgeSide(p, q)) met.push_back(cutValue(axis, q));
    }
    return met;
}

std::optional<double> CycleProfile::meetFillet(const ProfilePiece& p, PassAxis axis,
                                               double level) const {
    const GeometryContext& g = frame_.g();
    const PassLine l = passLine(frame_, axis, level);
    const double x1 = frame_.screenX(p.a), y1 = frame_.screenY(p.a);
    const double x2 = frame_.screenX(p.b), y2 = frame_.screenY(p.b);
    const double x3 = frame_.screenX(p.c), y3 = frame_.screenY(p.c);
    const double r = p.radius * g.scale;
    const std::optional<double> a =
        l.row ? filletXAtY(g, x1, y1, x2, y2, x3, y3, r, kFilletOnArc, l.at)
              : filletYAtX(g, x1, y1, x2, y2, x3, y3, r, kFilletOnArc, l.at);
    if (!a) return std::nullopt;
    return cutValue(axis, pointAt(frame_, l, *a));
}

std::optional<size_t> CycleProfile::filletAt(size_t i, bool atEnd) const {
    if (atEnd) {
        if (pieces_[i].intoFillet && i + 1 < pieces_.size()) return i + 1;
    } else if (i > 0 && pieces_[i - 1].kind == ProfilePiece::Kind::Fillet) {
        return i - 1;  // the line after a fillet starts at its corner
    }
    return std::nullopt;
}

std::optional<double> CycleProfile::meet(PassAxis axis, double level, double from, int towards,
                                         int startSide) const {
    auto along = [&](double c) { return towards * (c - from); };
    std::optional<double> best;
    auto offer = [&](double c) {
        if (along(c) < -kSlack) return;  // behind the pass's start
        if (!best || along(c) < along(*best)) best = c;
    };
    // A rounded corner that meets the level takes the place of its legs' sharp
    // corner there.
    std::vector<std::optional<double>> fillets(pieces_.size());
    for (size_t i = 0; i < pieces_.size(); ++i)
        if (pieces_[i].kind == ProfilePiece::Kind::Fillet)
            fillets[i] = meetFillet(pieces_[i], axis, level);
    for (size_t i = 0; i < pieces_.size(); ++i) {
        const ProfilePiece& p = pieces_[i];
        switch (p.kind) {
        case ProfilePiece::Kind::Line: {
            if (liesOn(p, axis, level)) {
                // A stretch on the level is met where it begins (or at once,
                // when the pass starts on it).
                const double na = along(cutValue(axis, p.a)), nb = along(cutValue(axis, p.b));
                if (std::max(na, nb) >= -kSlack)
                    offer(from + towards * std::max(0.0, std::min(na, nb)));
                break;
            }
            const std::optional<size_t> f1 = filletAt(i, false), f2 = filletAt(i, true);
            if ((f1 && fillets[*f1]) || (f2 && fillets[*f2])) break;
            if (auto m = meetLine(p, axis, level)) offer(*m);
            break;
        }
        case ProfilePiece::Kind::Arc:
            for (double m : meetArc(p, axis, level)) offer(m);
            break;
        case ProfilePiece::Kind::Fillet:
            if (fillets[i]) offer(*fillets[i]);
            break;
        }
    }
    if (!best) return std::nullopt;
    return runAlongStretches(axis, level, *best, from, towards, startSide);
}

// A pass that has met a stretch lying on its level runs along it to its far
// end; where that end is rounded, only to where the rounding begins.
double CycleProfile::runAlongStretches(PassAxis axis, double level, double met, double from,
                                       int towards, int startSide) const {
    auto along = [&](double c) { return towards * (c - from); };
    double at = met;
    for (size_t round = 0; round < pieces_.size(); ++round) {
        bool moved = false;
        for (size_t i = 0; i < pieces_.size(); ++i) {
            const ProfilePiece& p = pieces_[i];
            if (!liesOn(p, axis, level)) continue;
            const bool bFar = along(cutValue(axis, p.b)) >= along(cutValue(axis, p.a));
            const double nearEnd = cutValue(axis, bFar ? p.a : p.b),
                         farEnd = cutValue(axis, bFar ? p.b : p.a);
            if (along(at) < along(nearEnd) - kSlack || along(farEnd) - along(at) <= kSlack)
                continue;
            if (const std::optional<size_t> f = filletAt(i, bFar)) {
                // The rounding touches the level where it begins; when the
                // touch is lost to rounding it is found a hair off the level.
                std::optional<double> t = meetFillet(pieces_[*f], axis, level);
                if (!t) t = meetFillet(pieces_[*f], axis, level + startSide * kAlongShapeNudge);
                if (t && along(*t) >= along(at) - kSlack && along(*t) <= along(farEnd) + kSlack)
                    return *t;
            }
            at = farEnd;
            moved = true;
        }
        if (!moved) break;
    }
    return at;
}

colour::Rgb CycleProfile::draw(colour::Rgb colour) const {
    if (pieces_.empty()) return colour;
    const GeometryContext& g = frame_.g();
    CyclePoint at = pieces_.front().a;
    for (const ProfilePiece& p : pieces_) {
        switch (p.kind) {
        case ProfilePiece::Kind::Line:
            // The corner rounding draws the move up to its first tangent point.
            if (p.intoFillet) break;
            frame_.line(at, p.b, geometry_colour::kFeed);
            at = p.b;
            break;
        case ProfilePiece::Kind::Arc:
            colour = p.clockwise ? geometry_colour::kClockwise : geometry_colour::kAnticlockwise;
            mycircle(g, frame_.screenX(at), frame_.screenY(at), frame_.screenX(p.b),
                     frame_.screenY(p.b), p.radius * g.scale, colour);
            at = p.b;
            break;
        case ProfilePiece::Kind::Fillet: {
            mycircleR(g, frame_.screenX(at), frame_.screenY(at), frame_.screenX(p.b),
                      frame_.screenY(p.b), frame_.screenX(p.c), frame_.screenY(p.c),
                      p.radius * g.scale);
            const std::optional<ProgramPoint> t = takeTangentPoint(g);
            at = t ? frame_.xz(*t) : p.b;
            break;
        }
        }
    }
    return colour;
}
