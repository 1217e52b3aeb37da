// Straight moves: visibility, tracing, the dashed rapid trail, the thick black
// line and the grey compensation parallel.
#include <gtest/gtest.h>

#include "drawing/line_drawing.h"
#include "geometry_rig.h"

TEST(LineDrawing, MoveWhollyRightOfTheSurfaceDrawsNothingEvenWhenTraced) {
    GeoRig r;
    r.g.fastForwardLimit = 0;
    myline(r.g, 1400, 0, 2000, 10, colour::kYellow);  // screen x 15000 .. 21000 > 14400
    EXPECT_TRUE(r.surf.ops().isEmpty());
    // Crossing the surface is drawn whole.
    r.g.fastForwardLimit = GeoRig::kNoStop;
    myline(r.g, -200, 0, 2000, 0, colour::kYellow);
    EXPECT_EQ(r.surf.ops(), QStringList{"line -1000 5000 21000 5000 FFFF00"});
}

TEST(LineDrawing, TracedOnlyFromTheFastForwardLimitOn) {
    struct Case {
        qint64 limit, count;
        int points;
    };
    // At scale 32 the feed trace step is 32^-0.4 * 0.05 = 0.0125 units at high
    // speed: a move of 0.1 units is traced with 9 points.
    for (const Case c : {Case{99999999, 5, 0}, Case{6, 5, 0}, Case{5, 5, 9}, Case{0, 0, 9}}) {
        GeoRig r;
        r.g.scale = 32;
        r.g.fastForwardLimit = c.limit;
        r.g.blockCount = c.count;
        myline(r.g, 0, 0, 0.1, 0, colour::kYellow);
        EXPECT_EQ(r.ops("point").size(), c.points) << c.limit << " " << c.count;
        const GeoRig::Op line = GeoRig::parse(r.surf.ops().last());
        EXPECT_TRUE(r.surf.ops().last().startsWith("line "));
        EXPECT_NEAR(line.n[2], 1003.2, 1e-9);
    }
}

TEST(LineDrawing, TraceStepColoursAndDashes) {
    struct Case {
        colour::Rgb colour;
        int speed;
        double he, ve;  // from (0, 0)
        int points;
        QString first, second, lastPoint;
    };
    const colour::Rgb lightBlue = colour::rgb(128, 128, 255);
    // scale 32: step = 0.25 * factor.
    const Case cases[] = {
        // feed, high speed: step .0125 along h
        {colour::kYellow, 0, 0.1, 0, 9, "00FFFF", "00FFFF", "point 1003.2 5000 00FFFF"},
        // feed, low speed: step .00125
        {colour::kYellow, 150, 0.01, 0, 9, "00FFFF", "00FFFF", "point 1000.32 5000 00FFFF"},
        // rapid, middle speed: step .0075, 14 points, red and black in turn
        {colour::kRed, 50, 0.1, 0, 14, "FF0000", "000000", "point 1003.12 5000 000000"},
        // rapid, high speed: step .01625 along v (the longer way), points downwards
        {colour::kRed, 0, 0.01, -0.13, 9, "FF0000", "000000", "point 1000.32 5002.08 FF0000"},
        // reference return: white points, no dashes
        {lightBlue, 0, 0.13, 0, 9, "FFFFFF", "FFFFFF", "point 1004.16 5000 FFFFFF"},
    };
    for (const Case& c : cases) {
        GeoRig r;
        r.g.scale = 32;
        r.g.fastForwardLimit = 0;
        r.speed = c.speed;
        myline(r.g, 0, 0, c.he, c.ve, c.colour);
        const QStringList p = r.ops("point");
        ASSERT_EQ(p.size(), c.points) << c.speed << " " << colour::red(c.colour);
        EXPECT_EQ(GeoRig::parse(p[0]).colour, c.first);
        EXPECT_EQ(GeoRig::parse(p[1]).colour, c.second);
        const GeoRig::Op last = GeoRig::parse(p.last()), want = GeoRig::parse(c.lastPoint);
        EXPECT_NEAR(last.n[0], want.n[0], 1e-6);
        EXPECT_NEAR(last.n[1], want.n[1], 1e-6);
        EXPECT_EQ(last.colour, want.colour);
    }
}

TEST(LineDrawing, BlackIsDrawnThick) {
    GeoRig r;
    myline(r.g, 0, 0, 100, 0, colour::kBlack);
    EXPECT_EQ(r.surf.ops(), (QStringList{"line 1000 5000 2000 5000 000000",
                                         "line 1000 4998 2000 4998 000000",
                                         "line 1000 5002 2000 5002 000000",
                                         "line 998 5000 1998 5000 000000",
                                         "line 1002 5000 2002 5000 000000"}));
}

TEST(LineDrawing, CompensationParallelUnderG41AndG42Only) {
    struct Case {
        int offset;
        double he, ve;
        QList<double> grey;  // empty: no parallel
    };
    // Diagonal: theta = atan(2); 30 sin = 26.832816, 30 cos = 13.416408.
    const Case cases[] = {
        {30, 100, 0, {1000, 5030, 2000, 5030}},
        {-30, 100, 0, {1000, 4970, 2000, 4970}},
        {30, -100, 0, {1000, 4970, 0, 4970}},
        {30, 0, 100, {1030, 5000, 1030, 4500}},
        {30, 0, -100, {970, 5000, 970, 5500}},
        {30, 100, 200, {1026.832816, 5013.416408, 2026.832816, 4013.416408}},
        {0, 100, 0, {}},
        {10, 100, 0, {}},
    };
    for (const Case& c : cases) {
        GeoRig r;
        r.g.compensationOffset = c.offset;
        myline(r.g, 0, 0, c.he, c.ve, colour::kYellow);
        const QStringList lines = r.ops("line");
        if (c.grey.isEmpty()) {
            EXPECT_EQ(lines.size(), 1) << c.offset;
            continue;
        }
        ASSERT_EQ(lines.size(), 2) << c.offset << " " << c.he << " " << c.ve;
        const GeoRig::Op g = GeoRig::parse(lines[1]);
        EXPECT_EQ(g.colour, "808080");
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(g.n[i], c.grey[i], 1e-5) << c.he << " " << c.ve;
    }
}

TEST(LineDrawing, NothingReachesTheSurfaceFromValuesThatAreNotNumbers) {
    GeoRig r;
    r.g.fastForwardLimit = 0;
    myline(r.g, 0, 0, std::nan(""), 0, colour::kYellow);
    myline(r.g, 0, 0, 1e308, 1e308, colour::kRed);  // scaled beyond the double range
    EXPECT_TRUE(r.surf.ops().isEmpty());
}

TEST(LineDrawing, FarReachingMoveTracesOnlyWhatTheSurfaceShows) {
    GeoRig r;
    r.g.fastForwardLimit = 0;
    // 2e9 units at high speed would be 1e11 trace points; those on the surface
    // (14400 twips at 10 per unit, one every .0199 units) are about 72000.
    myline(r.g, -1e9, 0, 1e9, 0, colour::kYellow);
    const qsizetype n = r.ops("point").size();
    EXPECT_GT(n, 50000);
    EXPECT_LT(n, 100000);
    for (const QString& op : r.ops("point")) {
        const GeoRig::Op o = GeoRig::parse(op);
        ASSERT_TRUE(o.n[0] >= 0 && o.n[0] <= 14400) << op.toStdString();
    }
}
