// Rounded corners: tangent points, the fillet, failures, the speed side effect
// and the query answers; chamfers.
#include <gtest/gtest.h>

#include "drawing/chamfer.h"
#include "drawing/corner_rounding.h"
#include "drawing/number_text.h"
#include "geometry_rig.h"

namespace {

struct Pt {
    double x, y;
};

// Fillet points (black or yellow) and their distance range from a centre.
void filletRange(const GeoRig& r, Pt c, int& count, double& rmin, double& rmax) {
    count = 0;
    rmin = 1e300;
    rmax = -1e300;
    for (const QString& op : r.ops("point")) {
        const GeoRig::Op o = GeoRig::parse(op);
        if (o.colour != "000000" && o.colour != "FFFF00") continue;
        const double d = std::hypot(o.n[0] - c.x, o.n[1] - c.y);
        ++count;
        rmin = std::min(rmin, d);
        rmax = std::max(rmax, d);
    }
}

}  // namespace

TEST(CornerRounding, TangentPointsAndFillet) {
    struct Case {
        Pt p1, p2, p3;
        double r;
        Pt t1, t2, centre;
    };
    // Right angles: tangent points r from the corner, a quarter arc about the
    // point r from both legs.  The 135-degree corner: t = r*(sqrt2 - 1).
    const Case cases[] = {
        {{1000, 5000}, {3000, 5000}, {3000, 3000}, 500, {2500, 5000}, {3000, 4500}, {2500, 4500}},
        {{1000, 5000}, {3000, 5000}, {3000, 7000}, 500, {2500, 5000}, {3000, 5500}, {2500, 5500}},
        {{3000, 3000}, {3000, 5000}, {1000, 5000}, 400, {3000, 4600}, {2600, 5000}, {2600, 4600}},
        {{2000, 8000}, {2000, 6000}, {5000, 6000}, 300, {2000, 6300}, {2300, 6000}, {2300, 6300}},
        {{1000, 5000}, {3000, 5000}, {4000, 4000}, 1000, {2585.786438, 5000},
         {3292.893219, 4707.106781}, {2585.786438, 4000}},
    };
    for (const Case& c : cases) {
        GeoRig r;
        mycircleR(r.g, c.p1.x, c.p1.y, c.p2.x, c.p2.y, c.p3.x, c.p3.y, c.r);
        EXPECT_TRUE(r.dlg.messages().isEmpty());
        // The straight part up to T1, yellow.
        const QStringList lines = r.ops("line");
        ASSERT_EQ(lines.size(), 1);
        const GeoRig::Op l = GeoRig::parse(lines[0]);
        EXPECT_EQ(l.colour, "FFFF00");
        EXPECT_NEAR(l.n[0], c.p1.x, 1e-6);
        EXPECT_NEAR(l.n[1], c.p1.y, 1e-6);
        EXPECT_NEAR(l.n[2], c.t1.x, 1e-5);
        EXPECT_NEAR(l.n[3], c.t1.y, 1e-5);
        int n;
        double rmin, rmax;
        filletRange(r, c.centre, n, rmin, rmax);
        EXPECT_GT(n, 100);
        EXPECT_NEAR(rmin, c.r, 1e-4);
        EXPECT_NEAR(rmax, c.r, 1e-4);
        // Markers: blue at T1, red at T2; T2 handed back.
        const QStringList circles = r.ops("circle");
        ASSERT_EQ(circles.size(), 2);
        const GeoRig::Op m1 = GeoRig::parse(circles[0]), m2 = GeoRig::parse(circles[1]);
        EXPECT_EQ(m1.colour, "0000FF");
        EXPECT_EQ(m2.colour, "FF0000");
        EXPECT_EQ(m1.n[2], 20);
        EXPECT_NEAR(m2.n[0], c.t2.x, 1e-5);
        EXPECT_NEAR(m2.n[1], c.t2.y, 1e-5);
        EXPECT_NEAR(nt::val(r.mb.tangentX), c.t2.x, 1e-5);
        EXPECT_NEAR(nt::val(r.mb.tangentY), c.t2.y, 1e-5);
    }
}

TEST(CornerRounding, CornersThatCannotBeRoundedAreDrawnSharp) {
    struct Case {
        const char* what;
        Pt p1, p2, p3;
        QStringList messages;
        int redCircles;
    };
    const QString cannot = QStringLiteral("計算不能です");
    const QString cannotR = QStringLiteral("コーナーR計算不能です");
    const Case cases[] = {
        // The second move is 200 long: a tangent length of 500 does not fit.
        {"too long", {1000, 5000}, {3000, 5000}, {3000, 4800}, {cannot}, 0},
        // Straight on: no corner, no fillet.
        {"collinear", {1000, 5000}, {2000, 5000}, {3000, 5000}, {cannot, cannotR}, 3},
        // Straight back: the legs overlap.
        {"reversed", {1000, 5000}, {3000, 5000}, {2000, 5000}, {cannot}, 0},
        // No second move.
        {"zero leg", {1000, 5000}, {3000, 5000}, {3000, 5000}, {cannotR}, 3},
    };
    for (const Case& c : cases) {
        GeoRig r;
        mycircleR(r.g, c.p1.x, c.p1.y, c.p2.x, c.p2.y, c.p3.x, c.p3.y, 500);
        EXPECT_EQ(r.dlg.messages(), c.messages) << c.what;
        EXPECT_TRUE(r.ops("point").isEmpty()) << c.what;
        // The first move up to the corner, and the next one starts there.
        EXPECT_EQ(r.ops("line"), QStringList{QStringLiteral("line %1 %2 %3 %4 FFFF00")
                                                 .arg(c.p1.x).arg(c.p1.y).arg(c.p2.x).arg(c.p2.y)})
            << c.what;
        EXPECT_EQ(r.mb.tangentX, nt::str(c.p2.x)) << c.what;
        EXPECT_EQ(r.mb.tangentY, nt::str(c.p2.y)) << c.what;
        const QStringList circles = r.ops("circle");
        ASSERT_EQ(circles.size(), c.redCircles) << c.what;
        if (c.redCircles)
            EXPECT_EQ(circles, (QStringList{
                                   QStringLiteral("circle %1 %2 500 FF0000").arg(c.p2.x).arg(c.p2.y),
                                   QStringLiteral("circle %1 %2 333.3333333333333 FF0000")
                                       .arg(c.p2.x).arg(c.p2.y),
                                   QStringLiteral("circle %1 %2 166.66666666666666 FF0000")
                                       .arg(c.p2.x).arg(c.p2.y)}));
    }
}

TEST(CornerRounding, FastRedrawSetsTheRunToTopSpeed) {
    struct Case {
        qint64 limit, count;
        int speedAfter;
    };
    // A corner drawn while fastForwardLimit > 0 leaves speedDelay at 0; a
    // question never changes it.
    for (const Case c : {Case{99999999, 3, 0}, Case{5, 5, 0}, Case{0, 7, 150}}) {
        GeoRig r;
        r.speed = 150;
        r.g.fastForwardLimit = c.limit;
        r.g.blockCount = c.count;
        mycircleR(r.g, 1000, 5000, 3000, 5000, 3000, 3000, 500);
        EXPECT_EQ(r.speed, c.speedAfter) << c.limit;
        r.speed = 150;
        filletXAtY(r.g, 1000, 5000, 3000, 5000, 3000, 3000, 500, kFilletOnArc, 4800);
        EXPECT_EQ(r.speed, 150);
    }
}

TEST(CornerRounding, QueryWherePassMeetsTheFillet) {
    // Fillet of centre (2500, 4500), radius 500, from (2500, 5000) to (3000, 4500).
    struct Case {
        bool byY;
        double given;
        int mode;
        std::optional<double> answer;
    };
    const Case cases[] = {
        {true, 4800, kFilletOnArc, 2900},   {true, 4800, 1, 2900},  {true, 4800, -1, 2100},
        {true, 4800, 2, 2900},              {true, 4800, -3, 2100}, {false, 2800, kFilletOnArc, 4900},
        {false, 2800, 1, 4100},             {false, 2800, -2, 4900}, {true, 5200, kFilletOnArc, {}},
        {true, 4200, kFilletOnArc, {}},  // meets the circle, not the arc
    };
    for (const Case& c : cases) {
        GeoRig r;
        r.mb.tangentX = QStringLiteral("kept");
        const std::optional<double> a =
            c.byY ? filletXAtY(r.g, 1000, 5000, 3000, 5000, 3000, 3000, 500, c.mode, c.given)
                  : filletYAtX(r.g, 1000, 5000, 3000, 5000, 3000, 3000, 500, c.mode, c.given);
        ASSERT_EQ(a.has_value(), c.answer.has_value()) << c.given << " " << c.mode;
        if (a) EXPECT_NEAR(*a, *c.answer, 1e-6) << c.given << " " << c.mode;
        EXPECT_TRUE(r.surf.ops().isEmpty());
        EXPECT_EQ(r.mb.tangentX, "kept");
        EXPECT_FALSE(r.mb.queryPending());
    }
    // Through the mailbox: the meeting point in both fields, the mode cleared.
    GeoRig r;
    r.mb.queryY = QStringLiteral(" 4800");
    r.mb.queryMode = QStringLiteral("damy");
    mycircleR(r.g, 1000, 5000, 3000, 5000, 3000, 3000, 500);
    EXPECT_EQ(r.mb.queryX, " 2900");
    EXPECT_EQ(r.mb.queryY, " 4800");
    EXPECT_TRUE(r.mb.queryMode.isEmpty());
}

TEST(CornerRounding, TangentPointTakenBackAsProgramValues) {
    GeoRig r;  // origin (1000, 5000), scale 10
    r.mb.tangentX = QStringLiteral(" 2500.1234567");
    r.mb.tangentY = QStringLiteral(" 4500");
    const std::optional<ProgramPoint> p = takeTangentPoint(r.g);
    ASSERT_TRUE(p.has_value());
    EXPECT_DOUBLE_EQ(p->h, 150.012345);
    EXPECT_DOUBLE_EQ(p->v, 100);
    EXPECT_TRUE(r.mb.tangentX.isEmpty());
    EXPECT_FALSE(takeTangentPoint(r.g).has_value());
}

TEST(Chamfer, MeasuredAlongEachLegFromTheCorner) {
    struct Case {
        double c;
        QStringList lines;
        ProgramPoint next;
        bool fitted;
    };
    // (0, 0) -> (100, 0) -> (100, 100): legs 100 and 50 long (v is halved).
    const Case cases[] = {
        {20, {"line 1000 5000 1800 5000 FFFF00", "line 1800 5000 2000 4800 FFFF00"}, {100, 40}, true},
        {50, {"line 1000 5000 1500 5000 FFFF00", "line 1500 5000 2000 4500 FFFF00"}, {100, 100}, true},
        {60, {"line 1000 5000 2000 5000 FFFF00"}, {100, 0}, false},
        {-5, {"line 1000 5000 2000 5000 FFFF00"}, {100, 0}, false},
    };
    for (const Case& c : cases) {
        GeoRig r;
        const ChamferResult res = chamferCorner(r.g, {0, 0}, {100, 0}, {100, 100}, c.c, colour::kYellow);
        EXPECT_EQ(res.fitted, c.fitted) << c.c;
        EXPECT_EQ(r.ops("line"), c.lines) << c.c;
        EXPECT_DOUBLE_EQ(res.next.h, c.next.h) << c.c;
        EXPECT_DOUBLE_EQ(res.next.v, c.next.v) << c.c;
        EXPECT_EQ(r.dlg.messages(),
                  c.fitted ? QStringList{}
                           : QStringList{"コーナーCエラー 前後の線分に対しCが大きすぎます"})
            << c.c;
    }
}
