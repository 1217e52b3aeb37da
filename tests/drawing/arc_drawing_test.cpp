// Arcs: the side of the centre for G2/G3 and each orientation, the chord
// longer than the diameter, markers, the grey parallel, and the query answers.
#include <gtest/gtest.h>

#include "drawing/arc_drawing.h"
#include "drawing/line_drawing.h"
#include "geometry_rig.h"

namespace {

const colour::Rgb kCyan = colour::rgb(0, 255, 255);
const colour::Rgb kGreen = colour::rgb(0, 255, 0);

// Every point of a colour: its distance from (cx, cy) within [rmin, rmax] and
// the extreme y reached.
struct Spread {
    int count = 0;
    double rmin = 1e300, rmax = -1e300, ymin = 1e300, ymax = -1e300;
};
Spread spread(const GeoRig& r, const QString& colour, double cx, double cy) {
    Spread s;
    for (const QString& op : r.ops("point")) {
        const GeoRig::Op o = GeoRig::parse(op);
        if (o.colour != colour) continue;
        const double d = std::hypot(o.n[0] - cx, o.n[1] - cy);
        s.count++;
        s.rmin = std::min(s.rmin, d);
        s.rmax = std::max(s.rmax, d);
        s.ymin = std::min(s.ymin, o.n[1]);
        s.ymax = std::max(s.ymax, o.n[1]);
    }
    return s;
}

}  // namespace

TEST(ArcDrawing, SideOfTheArcByDirectionAndOrientation) {
    struct Case {
        colour::Rgb colour;
        int axisSign;
        bool over;  // the arc passes above the chord on the screen
    };
    // Half circle from (2000, 5000) to (3000, 5000), radius 500, centre (2500, 5000).
    for (const Case c : {Case{kCyan, 1, true}, Case{kGreen, 1, false}, Case{kCyan, -1, false},
                         Case{kGreen, -1, true}}) {
        GeoRig r;
        r.g.axisSign = c.axisSign;
        mycircle(r.g, 2000, 5000, 3000, 5000, 500, c.colour);
        const Spread s = spread(r, GeoRig::parse(r.ops("point")[0]).colour, 2500, 5000);
        EXPECT_GT(s.count, 1000);
        EXPECT_NEAR(s.rmin, 500, 1e-6);
        EXPECT_NEAR(s.rmax, 500, 1e-6);
        if (c.over) {
            EXPECT_NEAR(s.ymin, 4500, 0.01);
            EXPECT_NEAR(s.ymax, 5000, 0.01);
        } else {
            EXPECT_NEAR(s.ymin, 5000, 0.01);
            EXPECT_NEAR(s.ymax, 5500, 0.01);
        }
        // Blue at the start, red at the end, last of all.
        const QStringList circles = r.ops("circle");
        EXPECT_EQ(circles, (QStringList{"circle 2000 5000 10 0000FF", "circle 3000 5000 10 FF0000"}));
        EXPECT_EQ(r.surf.ops().last(), circles.last());
        EXPECT_TRUE(r.dlg.messages().isEmpty());
    }
}

TEST(ArcDrawing, QuarterArcCentreOnTheShortSide) {
    GeoRig r;
    // (2000, 5000) -> (2500, 4500), R 500, clockwise: centre (2500, 5000).
    mycircle(r.g, 2000, 5000, 2500, 4500, 500, kCyan);
    const Spread s = spread(r, "00FFFF", 2500, 5000);
    EXPECT_NEAR(s.rmin, 500, 1e-6);
    EXPECT_NEAR(s.rmax, 500, 1e-6);
    EXPECT_NEAR(s.ymin, 4500, 0.01);
    EXPECT_NEAR(s.ymax, 5000, 0.01);
}

TEST(ArcDrawing, ChordLongerThanTheDiameterGivesAHalfCircleAboutTheMidpoint) {
    GeoRig r;
    mycircle(r.g, 2000, 5000, 3000, 5000, 300, kCyan);
    EXPECT_EQ(r.dlg.messages(), QStringList{"円弧補間 2点の距離が直径以上です"});
    const Spread s = spread(r, "00FFFF", 2500, 5000);
    EXPECT_NEAR(s.rmin, 300, 1e-6);
    EXPECT_NEAR(s.rmax, 300, 1e-6);
    EXPECT_NEAR(s.ymin, 4700, 0.01);
    EXPECT_NEAR(s.ymax, 5000, 0.01);
    // Short of both ends: the nearest point is 200 from either.
    for (const QString& op : r.ops("point")) {
        const GeoRig::Op o = GeoRig::parse(op);
        EXPECT_GE(std::hypot(o.n[0] - 2000, o.n[1] - 5000), 199.99);
        EXPECT_GE(std::hypot(o.n[0] - 3000, o.n[1] - 5000), 199.99);
    }
    EXPECT_EQ(r.ops("circle").size(), 2);
}

TEST(ArcDrawing, CoincidentEndsDrawOnlyTheMarkers) {
    GeoRig r;
    mycircle(r.g, 2000, 5000, 2000, 5000, 300, kGreen);
    EXPECT_EQ(r.surf.ops(), (QStringList{"circle 2000 5000 10 0000FF", "circle 2000 5000 10 FF0000"}));
}

TEST(ArcDrawing, GreyParallelOnTheCompensationSide) {
    struct Case {
        colour::Rgb colour;
        int offset;
        double greyRadius;  // 0: none
    };
    for (const Case c : {Case{kCyan, 30, 470}, Case{kCyan, -30, 530}, Case{kGreen, 30, 530},
                         Case{kGreen, 0, 0}}) {
        GeoRig r;
        r.g.compensationOffset = c.offset;
        mycircle(r.g, 2000, 5000, 3000, 5000, 500, c.colour);
        const Spread s = spread(r, "808080", 2500, 5000);
        if (c.greyRadius == 0) {
            EXPECT_EQ(s.count, 0);
            continue;
        }
        EXPECT_GT(s.count, 1000);
        EXPECT_NEAR(s.rmin, c.greyRadius, 1e-6);
        EXPECT_NEAR(s.rmax, c.greyRadius, 1e-6);
    }
}

TEST(ArcDrawing, QueryAnswersForAKnownCircle) {
    // The quarter arc of centre (2500, 5000), radius 500.
    GeoRig r;
    EXPECT_NEAR(*arcXAtY(r.g, 2000, 5000, 2500, 4500, 500, kCyan, 4700), 2900, 1e-6);
    EXPECT_NEAR(*arcYAtX(r.g, 2000, 5000, 2500, 4500, 500, kCyan, 2200), 4600, 1e-6);
    EXPECT_FALSE(arcXAtY(r.g, 2000, 5000, 2500, 4500, 500, kCyan, 6000).has_value());
    // Through the mailbox itself: the answer in the other field, the question gone.
    r.mb.queryY = QStringLiteral(" 4700");
    mycircle(r.g, 2000, 5000, 2500, 4500, 500, kCyan);
    EXPECT_EQ(r.mb.queryX, " 2900");
    EXPECT_TRUE(r.mb.queryY.isEmpty());
    r.mb.queryX.clear();
    // A question draws nothing and reports nothing, and an empty mailbox draws.
    EXPECT_TRUE(r.surf.ops().isEmpty());
    EXPECT_TRUE(r.dlg.messages().isEmpty());
    mycircle(r.g, 2000, 5000, 2500, 4500, 500, kCyan);
    EXPECT_FALSE(r.surf.ops().isEmpty());
}

TEST(ArcDrawing, HugeArcPlotsOnlyWhatTheSurfaceShows) {
    GeoRig r;
    // Radius 1e8 twips, centre (7200, 5000 + 1e8): the arc's top passes through
    // (7200, 5000), its ends 0.5 rad either side of it (sin .5 = .4794255386,
    // cos .5 = .8775825619).  A plain walk would set some 1.1e8 points; about
    // 14400 / .891 (the spacing, 1/10^0.05 twips) = 16160 fall on the surface.
    const double r8 = 1e8;
    const double dx = r8 * 0.4794255386, y = 5000 + r8 - r8 * 0.8775825619;
    mycircle(r.g, 7200 - dx, y, 7200 + dx, y, r8, kCyan);
    const QStringList points = r.ops("point");
    EXPECT_GT(points.size(), 15000);
    EXPECT_LT(points.size(), 17000);
    for (const QString& op : points) {
        const GeoRig::Op o = GeoRig::parse(op);
        ASSERT_TRUE(o.n[0] >= 0 && o.n[0] <= 14400 && o.n[1] >= 0 && o.n[1] <= 10800)
            << op.toStdString();
    }
}
