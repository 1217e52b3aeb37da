// The turning cycles on a few hundred generated shapes that keep their
// direction (steps, tapers, arcs; outer shapes and bores; towards both ends;
// G71 and G72), checked by geometry of their own: no roughing move enters
// the shifted shape, no stock thicker than a depth of cut is left above it,
// and "t" and "m" draw the same moves.
//
// A shape is made in its own frame: u is the depth into the stock from the
// start's level (a radius), v the way along the passes from the start.  It
// begins at its deepest point where the passes start and climbs back towards
// the start's level as it goes.  Written into a program it is turned to
// whichever direction class the case has.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <random>

#include "cycle_rig.h"
#include "drawing/cycle_profile.h"

namespace {

constexpr int kShapes = 300;
constexpr double kTolerance = 1e-4;

struct Uv {
    double u = 0, v = 0;
};

// A piece of the shape: a straight move, or an arc of radius r about c.
struct Piece {
    Uv a, b;
    bool arc = false;
    Uv c;
    double r = 0;
};

struct Case {
    bool g71 = true;
    int d = 1, e = 1;                  // the levels' and the passes' way in program values
    double x0 = 0, z0 = 0;             // the start point
    double depth = 1, au = 0, av = 0;  // depth and allowances in the shape's frame
    std::vector<Piece> pieces;         // the shape, already rounded as written
};

double round3(double v) { return std::round(v * 1000) / 1000; }

// Program values (X diameter, Z) of a point of the shape's frame.
CyclePoint toXz(const Case& c, Uv p) {
    if (c.g71) return {c.x0 + c.d * 2 * p.u, c.z0 + c.e * p.v};
    return {c.x0 + c.e * 2 * p.v, c.z0 + c.d * p.u};
}
Uv toUv(const Case& c, double x, double z) {
    if (c.g71) return {(x - c.x0) / (2 * c.d), (z - c.z0) * c.e};
    return {(z - c.z0) * c.d, (x - c.x0) / (2 * c.e)};
}

QString num(double v) { return QString::number(v, 'f', 3); }

// Makes a case and its program.
QStringList generate(std::mt19937& rng, Case& c) {
    auto real = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    c = Case{};
    c.g71 = pick(2) == 0;
    c.d = pick(2) ? 1 : -1;
    c.e = pick(2) ? 1 : -1;
    // Diameters stay positive whichever way the shape runs.
    if (c.g71) {
        c.x0 = c.d < 0 ? 80 : 10;
        c.z0 = round3(real(-5, 5));
    } else {
        c.x0 = c.e < 0 ? 100 : 10;
        c.z0 = round3(real(-5, 5));
    }
    c.depth = round3(real(.5, 3));
    c.au = round3(real(0, .3));
    c.av = round3(real(0, .2));

    const double deepest = round3(real(8, 30));
    Uv at{deepest, 0};
    const int count = 2 + pick(5);
    for (int i = 0; i < count; ++i) {
        Piece p;
        p.a = at;
        const double left = at.u;
        const bool last = i == count - 1;
        // The first move leaves the passes' start along them (a first move
        // across them is a fault of its own).
        const int kind = i == 0 ? 1 + pick(3) : pick(4);  // 0 step, 1 stretch, 2 taper, 3 arc
        const double du = last ? left + round3(real(0, 1)) : round3(left * real(.2, .6));
        if (kind == 0) {
            p.b = {at.u - du, at.v};
        } else if (kind == 1) {
            p.b = {at.u, round3(at.v + real(2, 10))};
            if (last) {
                // ... and the shape still has to come back to the start's level.
                c.pieces.push_back(p);
                at = p.b;
                p = Piece{};
                p.a = at;
                p.b = {at.u - du, at.v};
            }
        } else {
            // Tapers and arcs climb at 30 to 60 degrees: an arc of at most 60
            // degrees on such a chord keeps the shape's direction.
            const double angle = real(30, 60) * M_PI / 180;
            p.b = {at.u - du, round3(at.v + du / std::tan(angle))};
            if (kind == 3) {
                const double chord = std::hypot(p.b.u - p.a.u, p.b.v - p.a.v);
                p.arc = true;
                p.r = round3(chord * real(1, 2.5));
                const double h = std::sqrt(p.r * p.r - chord * chord / 4);
                const double side = pick(2) ? 1 : -1;
                const Uv mid{(p.a.u + p.b.u) / 2, (p.a.v + p.b.v) / 2};
                // Perpendicular to the chord, to one side or the other.
                p.c = {mid.u + side * (p.b.v - p.a.v) / chord * h,
                       mid.v - side * (p.b.u - p.a.u) / chord * h};
            }
        }
        c.pieces.push_back(p);
        at = p.b;
    }

    const QString g = c.g71 ? QStringLiteral("G71") : QStringLiteral("G72");
    const CyclePoint shift = [&] {
        // The allowances lie towards the start on both axes.
        const CyclePoint o = toXz(c, {0, 0}), s = toXz(c, {-c.au, -c.av});
        return CyclePoint{s.x - o.x, s.z - o.z};
    }();
    QStringList lines{QStringLiteral("O1"), g + (c.g71 ? " U" : " W") + num(c.depth) + " R.5",
                      g + " P10 Q20 U" + num(shift.x) + " W" + num(shift.z)};
    const CyclePoint first = toXz(c, c.pieces.front().a);
    lines << (c.g71 ? "N10 G00 X" + num(first.x) : "N10 G00 Z" + num(first.z));
    for (size_t i = 0; i < c.pieces.size(); ++i) {
        const Piece& p = c.pieces[i];
        const CyclePoint b = toXz(c, p.b);
        QString block = i + 1 == c.pieces.size() ? QStringLiteral("N20 ") : QString();
        if (p.arc) {
            // Clockwise with Z across and X upwards is G02.
            const CyclePoint a = toXz(c, p.a), m = toXz(c, p.c);
            const double cross = (a.z - m.z) * (b.x - m.x) / 2 - (a.x - m.x) / 2 * (b.z - m.z);
            block += cross < 0 ? QStringLiteral("G02 ") : QStringLiteral("G03 ");
        } else {
            block += QStringLiteral("G01 ");
        }
        block += "X" + num(b.x) + " Z" + num(b.z);
        if (p.arc) block += " R" + num(p.r);
        lines << block;
    }
    lines << QStringLiteral("M30");
    return lines;
}

// The shifted shape's depth at v (the deepest of it there), or nothing where
// the shape is not.
std::optional<double> shapeDepth(const Case& c, double v) {
    std::optional<double> deepest;
    for (const Piece& p0 : c.pieces) {
        Piece p = p0;
        for (Uv* q : {&p.a, &p.b, &p.c}) *q = {q->u - c.au, q->v - c.av};
        const double lo = std::min(p.a.v, p.b.v), hi = std::max(p.a.v, p.b.v);
        if (v < lo - 1e-9 || v > hi + 1e-9) continue;
        double u;
        if (hi - lo < 1e-9) {
            u = std::max(p.a.u, p.b.u);
        } else {
            const double chordU = p.a.u + (p.b.u - p.a.u) * (v - p.a.v) / (p.b.v - p.a.v);
            u = chordU;
            if (p.arc) {
                const double across =
                    std::sqrt(std::max(0.0, p.r * p.r - (v - p.c.v) * (v - p.c.v)));
                const double u1 = p.c.u + across, u2 = p.c.u - across;
                u = std::fabs(u1 - chordU) < std::fabs(u2 - chordU) ? u1 : u2;
            }
        }
        if (!deepest || u > *deepest) deepest = u;
    }
    return deepest;
}

struct Roughing {
    QList<CycleRig::Move> moves;
    QStringList messages;
};

// The roughing moves in one orientation (Q at the yield leaves the finishing out).
Roughing rough(const QStringList& lines, const Case& c, bool horizontal) {
    CycleRig rig;
    rig.orientation(horizontal);
    rig.onYield = [&] { rig.key = QStringLiteral("Q"); };
    rig.cycle(lines, 1, c.x0, c.z0);
    rig.cycle(lines, 2, c.x0, c.z0);
    return {rig.moves(), rig.dlg.messages()};
}

}  // namespace

TEST(TurningCycleProperty, GeneratedShapesAreRoughedCleanAndAlikeInBothOrientations) {
    std::mt19937 rng(20261209);
    int classes[2][2][2] = {};
    for (int n = 0; n < kShapes; ++n) {
        Case c;
        const QStringList lines = generate(rng, c);
        const std::string program = lines.join(u'\n').toStdString();
        classes[c.g71][c.d > 0][c.e > 0]++;
        const Roughing m = rough(lines, c, true), t = rough(lines, c, false);
        ASSERT_TRUE(m.messages.isEmpty()) << m.messages.join(u'|').toStdString() << "\n" << program;

        // "t" and "m" draw the same moves.
        ASSERT_EQ(m.moves.size(), t.moves.size()) << program;
        for (int i = 0; i < m.moves.size(); ++i) {
            const CycleRig::Move &a = m.moves[i], &b = t.moves[i];
            ASSERT_TRUE(std::fabs(a.x1 - b.x1) < kTolerance &&
                        std::fabs(a.z1 - b.z1) < kTolerance &&
                        std::fabs(a.x2 - b.x2) < kTolerance &&
                        std::fabs(a.z2 - b.z2) < kTolerance && a.colour == b.colour)
                << "move " << i << "\n"
                << program;
        }

        // No move enters the part: nowhere deeper than the shifted shape.
        struct Pass {
            double level, end;
        };
        QList<Pass> passes;
        for (const CycleRig::Move& mv : m.moves) {
            const Uv a = toUv(c, mv.x1, mv.z1), b = toUv(c, mv.x2, mv.z2);
            for (int k = 0; k <= 20; ++k) {
                const Uv p{a.u + (b.u - a.u) * k / 20, a.v + (b.v - a.v) * k / 20};
                const std::optional<double> s = shapeDepth(c, p.v);
                ASSERT_FALSE(s && p.u > *s + kTolerance)
                    << "at u " << p.u << " v " << p.v << " below " << *s << "\n"
                    << program;
            }
            // A pass: a cut from the passes' start along them.
            if (mv.colour == QLatin1String("FFFF00") && std::fabs(a.u - b.u) < 1e-9 &&
                std::fabs(a.v + c.av) < 1e-6)
                passes << Pass{a.u, b.v};
        }
        ASSERT_FALSE(passes.isEmpty()) << program;

        // Above every point of the shape the deepest pass that reaches it
        // leaves at most one depth of cut (the start's level counts as one).
        const double vEnd = c.pieces.back().b.v - c.av;
        for (int k = 1; k < 200; ++k) {
            const double v = -c.av + (vEnd + c.av) * k / 200.0;
            const std::optional<double> s = shapeDepth(c, v);
            if (!s) continue;
            double cut = -c.au;
            for (const Pass& p : passes)
                if (p.end >= v - kTolerance) cut = std::max(cut, p.level);
            ASSERT_LE(*s - cut, c.depth + kTolerance) << "at v " << v << "\n" << program;
        }
    }
    // Every direction class was met, many times.
    for (auto& g : classes)
        for (auto& d : g)
            for (int e : d) EXPECT_GT(e, kShapes / 16);
}
