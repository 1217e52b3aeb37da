#include <gtest/gtest.h>

#include <QSet>

#include "drawing/grid.h"
#include "platform/recording_surface.h"

namespace {

QString pt(double x, double y, const char* rgb) {
    return QStringLiteral("point %1 %2 %3").arg(trace::num(x), trace::num(y), QLatin1String(rgb));
}

// Node centres, from the dot 10 twips above each node.
struct Nodes {
    QSet<double> xs, ys;
};

}  // namespace

TEST(Grid, HorizontalLatheNodesRulersAndZeroMarkWithZeroOffScreen) {
    // 3000 x 2000 twips; scale 10: columns every 500 (50 Z), rows every 250 (50 X).
    // Program zero lies 4730 twips left of the surface.
    RecordingSurface s(3000, 2000, 3000, 2000);
    mygrid(s, -4730, 900, 10, +1);
    const QStringList& ops = s.ops();
    // Column 10 from zero (x = 270, Z = 500) is red all the way down.
    EXPECT_TRUE(ops.contains(pt(270, 400 - 10, "FF0000")));
    EXPECT_TRUE(ops.contains(pt(270, 1900 + 10, "FF0000")));
    // Row 0 (y = 900, X = 0) is red, with a ruler at 10..40 units to the right.
    EXPECT_TRUE(ops.contains(pt(770 - 10, 900, "FF0000")));
    for (int u : {10, 20, 30, 40}) {
        EXPECT_TRUE(ops.contains(pt(770 + u * 10, 900, "FF0000"))) << u;
        EXPECT_TRUE(ops.contains(pt(770 + u * 10, 890, "FF0000"))) << u;
        EXPECT_TRUE(ops.contains(pt(770 + u * 10, 910, "FF0000"))) << u;
    }
    // Other nodes are white, without rulers.
    EXPECT_TRUE(ops.contains(pt(770, 400 - 10, "FFFFFF")));
    EXPECT_TRUE(ops.contains(pt(1270 + 10, 650, "FFFFFF")));
    EXPECT_FALSE(ops.contains(pt(770 + 100, 650, "FFFFFF")));
    EXPECT_FALSE(ops.contains(pt(770, 400 - 10, "FF0000")));

    // Every node keeps the phase of program zero: 500 across, 250 down.
    for (const QString& op : ops) {
        if (!op.startsWith("point")) continue;
        QStringList p = op.split(' ');
        double x = p[1].toDouble(), y = p[2].toDouble();
        double fx = std::fmod(x + 4730, 500), fy = std::fmod(y - 900 + 25000, 250);
        bool onColumn = fx == 0 || fx == 10 || fx == 490 || (p[3] == "FF0000" && fy == 0) ||
                        (p[3] == "FF0000" && (fy == 10 || fy == 240));
        EXPECT_TRUE(onColumn) << op.toStdString();
    }
    EXPECT_EQ(ops.last(), "circle -4730 900 100 FF0000");
}

TEST(Grid, VerticalLatheStepsAndRedLines) {
    // Scale 10: columns every 250 (50 of X as a diameter), rows every 500 (50 Z).
    RecordingSurface s(3000, 3000, 3000, 3000);
    mygrid(s, 1000, 1200, 10, -1);
    const QStringList& ops = s.ops();
    // Through zero: red column and red row.
    EXPECT_TRUE(ops.contains(pt(1000, 200 - 10, "FF0000")));    // zero column, row -2
    EXPECT_TRUE(ops.contains(pt(2000 + 10, 1200, "FF0000")));   // zero row, column 4
    EXPECT_TRUE(ops.contains(pt(1250, 1700 - 10, "FFFFFF")));   // column 1, row 1
    EXPECT_TRUE(ops.contains(pt(0 + 10, 700, "FFFFFF")));       // column -4, row -1
    // Nothing between the columns of 250 and rows of 500 (apart from rulers on
    // the red row).
    EXPECT_FALSE(ops.contains(pt(1125, 700 - 10, "FFFFFF")));
    EXPECT_FALSE(ops.contains(pt(1000, 950 - 10, "FF0000")));
    EXPECT_EQ(ops.last(), "circle 1000 1200 100 FF0000");
}

TEST(Grid, RedEveryFiveHundredUnitsAtTheDefaultView) {
    // "m" on the default surface: zero at (14400, 12960), scale 9.
    RecordingSurface s(28800, 16200, 28800, 16200);
    mygrid(s, 14400, 12960, 9, +1);
    // 500 units of Z = 4500 twips; 500 units of X (diameter) = 2250 twips.
    EXPECT_TRUE(s.ops().contains(pt(14400 + 4500, 12960 - 225 * 30 - 10, "FF0000")));
    EXPECT_TRUE(s.ops().contains(pt(14400 - 4500 + 450, 12960 - 2250 - 10, "FF0000")));
    EXPECT_TRUE(s.ops().contains(pt(14400 + 450, 12960 - 225 - 10, "FFFFFF")));
    EXPECT_EQ(s.ops().last(), "circle 14400 12960 100 FF0000");
}

TEST(Grid, ZoomedGridStillMarksEveryFiftyUnits) {
    RecordingSurface s(28800, 16200, 28800, 16200);
    mygrid(s, 14400, 12960, 19, +1);
    EXPECT_TRUE(s.ops().contains(pt(14400 + 950, 12960 - 475 - 10, "FFFFFF")));
    EXPECT_FALSE(s.ops().contains(pt(14400 + 450, 12960 - 225 - 10, "FFFFFF")));
}

TEST(Grid, ValuesNoViewProducesDrawOnlyTheZeroMarkAndReturn) {
    // A scale far below one twip per unit or program zero beyond any countable
    // distance: no marks (they could not be placed or counted), never a hang.
    RecordingSurface tiny(28800, 16200, 28800, 16200);
    mygrid(tiny, 14400, 8100, 0.001, +1);
    EXPECT_EQ(tiny.ops(), QStringList{"circle 14400 8100 100 FF0000"});

    RecordingSurface far(28800, 16200, 28800, 16200);
    mygrid(far, -1e300, 8100, 9, -1);
    ASSERT_EQ(far.ops().size(), 1);
    EXPECT_TRUE(far.ops().first().startsWith("circle "));

    RecordingSurface inf(28800, 16200, 28800, 16200);
    mygrid(inf, 14400, std::numeric_limits<double>::infinity(), 9, +1);
    EXPECT_EQ(inf.ops().size(), 1);
}

TEST(Grid, SmallestScaleOfTheViewIsStillDrawnWhole) {
    // Scale 1 (the smallest the view allows) on a 3840 x 2160 screen: every
    // node is drawn, none is left out by the bound on the node count.
    struct Counting : Surface {
        qint64 white = 0, red = 0;
        void fill(double, double, double, double, colour::Rgb) override {}
        void line(double, double, double, double, colour::Rgb) override {}
        void point(double, double, colour::Rgb c) override { ++(c == colour::kRed ? red : white); }
        void circle(double, double, double, colour::Rgb) override {}
        void text(double, double, double, colour::Rgb, const QString&) override {}
        double width() const override { return 57600; }
        double height() const override { return 32400; }
        double screenWidth() const override { return 57600; }
        double screenHeight() const override { return 32400; }
    } s;
    mygrid(s, 28800, 25920, 1, +1);
    // Columns every 50 twips from 0 to 57600; rows every 25 from 20 (row -1036
    // from program zero) to 32395 (row 259); every tenth row carries rulers.
    const qint64 cols = 57600 / 50 + 1, rows = 1036 + 259 + 1;
    qint64 redRows = 0;
    for (int r = -1036; r <= 259; ++r) redRows += r % 10 == 0;
    EXPECT_EQ(s.white + s.red, 4 * cols * rows + 12 * cols * redRows);
}
