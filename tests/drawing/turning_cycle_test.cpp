// The rough-turning cycles: the first block's values, where each roughing
// pass ends (worked out by hand), the mirrored direction, the end of the
// roughing, the shape checks and the operator's Q.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "cycle_rig.h"

namespace {

constexpr double kNear = 1e-3;
const QString kYellow = QStringLiteral("FFFF00");
const QString kRed = QStringLiteral("FF0000");

// The roughing passes: the cutting moves (yellow, from the pass start along
// the cutting axis) drawn before the cycle's yield, as (level, end).
struct Pass {
    double level, end;
};
QList<Pass> passes(const CycleRig& rig, int roughingLines, bool g71, double from) {
    QList<Pass> r;
    const QList<CycleRig::Move> m = rig.moves().mid(0, roughingLines);
    for (const CycleRig::Move& v : m) {
        if (v.colour != kYellow) continue;
        const double held1 = g71 ? v.x1 : v.z1, held2 = g71 ? v.x2 : v.z2;
        const double cut1 = g71 ? v.z1 : v.x1, cut2 = g71 ? v.z2 : v.x2;
        if (std::fabs(held1 - held2) < 1e-6 && std::fabs(cut1 - from) < 1e-6)
            r << Pass{held1, cut2};
    }
    return r;
}


// Roughs the G71 cycle block `index` of `lines` 1 deep a side with a lift of
// .5 from X62 Z2 and checks the passes (allowance W.1: each starts at Z2.1)
// against `want`.  The rig is handed back for further checks.
std::unique_ptr<CycleRig> roughG71(const QStringList& lines, int index, bool horizontal,
                                   const QList<Pass>& want) {
    auto rig = std::make_unique<CycleRig>();
    rig->orientation(horizontal);
    rig->settings = {" 1", ".5", ".5"};
    int atYield = -1;
    rig->onYield = [&] { atYield = int(rig->ops(QStringLiteral("line")).size()); };
    rig->cycle(lines, index, 62, 2);
    const QList<Pass> got = passes(*rig, atYield, true, 2.1);
    EXPECT_EQ(got.size(), want.size()) << horizontal;
    for (int i = 0; i < std::min(got.size(), want.size()); ++i) {
        EXPECT_NEAR(got[i].level, want[i].level, kNear) << horizontal << " pass " << i;
        EXPECT_NEAR(got[i].end, want[i].end, kNear) << horizontal << " pass " << i;
    }
    rig->onYield = nullptr;
    return rig;
}

}  // namespace

TEST(TurningCycle, FirstBlockStoresDepthAndRetractAndDrawsNothing) {
    struct Case {
        const char* block;
        const char* depth;
        const char* retract;
    } cases[] = {
        {"G71 U-2. R.5", " 2", ".5"},  // a negative depth is kept positive
        {"G71 U1.5 R1.", "1.5", "1."},
        {"G72 W-1.5 R.3", " 1.5", ".3"},
        {"G72 U3. W2. R.5", "2.", ".5"},  // G72 takes its depth from W
    };
    for (const Case& c : cases) {
        CycleRig rig;
        rig.cycle({"O1", c.block, "M30"}, 1, 60, 2);
        EXPECT_EQ(rig.settings.cutDepth, QString::fromLatin1(c.depth)) << c.block;
        EXPECT_EQ(rig.settings.retractX, QString::fromLatin1(c.retract)) << c.block;
        EXPECT_EQ(rig.settings.retractZ, QString::fromLatin1(c.retract)) << c.block;
        EXPECT_TRUE(rig.surf.ops().isEmpty()) << c.block;
        EXPECT_TRUE(rig.dlg.messages().isEmpty()) << c.block;
        EXPECT_EQ(rig.out.lineIndex, 1);
    }
}

// A depth that is missing, and one that was given but is 0 or too small to
// ever reach the shape: each has its own message after the block, nothing is
// drawn and no depth is kept.
TEST(TurningCycle, FirstBlockWithoutAUsableDepthIsReported) {
    const QString missing = QStringLiteral("切り込み量が指定されていませ 描画できませ");
    const QString tooSmall = QStringLiteral("切り込み量が0か小さすぎます(0.001mm未満) 描画できません");
    struct Case {
        const char* block;
        QString message;
    } cases[] = {
        {"G71 R.5", missing},
        {"G72 U2. R.5", missing},  // G72 takes its depth from W
        {"G71 U0 R.5", tooSmall},
        {"G72 W-0. R.5", tooSmall},
        {"G71 U.000001 R.5", tooSmall},
        {"G71 U.0009 R.5", tooSmall},
    };
    for (const Case& c : cases) {
        CycleRig rig;
        rig.cycle({"O1", c.block, "M30"}, 1, 60, 2);
        EXPECT_EQ(rig.dlg.messages(), QStringList{QString::fromLatin1(c.block) + c.message})
            << c.block;
        EXPECT_TRUE(rig.surf.ops().isEmpty()) << c.block;
        EXPECT_TRUE(rig.settings.cutDepth.isEmpty()) << c.block;
    }
}

// A shape with a straight taper, a rounded corner R3 and a convex arc R6,
// roughed 1 deep a side (levels 2 apart on X) with allowances U.4 W.1 from
// X62 Z2.  Shifted shape (X, Z): (20.4, 2.1) (20.4, -9.9) taper to
// (30.4, -19.9), corner R3 at (30.4, -29.9) [fillet centre radius 18.2, Z
// -26.9], up to (44.4, -29.9), G03 R6 to (56.4, -35.9) [centre radius 22.2,
// Z -35.9], up to (60.4, -35.9).
const QStringList kHandShape = {
    "O0100",        "G71 U1. R.5",      "G71 P10 Q20 U.4 W.1", "N10 G00 X20.",
    "G01 Z-10.",    "X30. Z-20.",       "Z-30.,R3.",           "X44.",
    "G03 X56. Z-36. R6.", "N20 X60.",   "M30",
};

TEST(TurningCycle, EveryPassEndsOnTheShiftedShapeInBothOrientations) {
    // level X -> where the pass ends (Z), by hand:
    //   taper:  Z = -9.9 - 2*(X/2 - 10.2)
    //   fillet: Z = -26.9 - sqrt(9 - (X/2 - 18.2)^2)
    //   arc:    Z = -35.9 + sqrt(36 - (X/2 - 22.2)^2)
    const QList<Pass> want = {
        {60.4, -35.9},      {58.4, -35.9},      {56.4, -35.9},      {54.4, -32.583375},
        {52.4, -31.427864}, {50.4, -30.703848}, {48.4, -30.243146}, {46.4, -29.983920},
        {44.4, -29.9},      {42.4, -29.9},      {40.4, -29.9},      {38.4, -29.9},
        {36.4, -29.9},      {34.4, -29.728427}, {32.4, -29.136068}, {30.4, -26.9},
        {28.4, -17.9},      {26.4, -15.9},      {24.4, -13.9},      {22.4, -11.9},
        {20.4, -9.9},  // the level on the shape's bottom is cut; 18.4 is not
    };
    for (bool horizontal : {true, false}) {
        const auto rig = roughG71(kHandShape, 2, horizontal, want);
        EXPECT_TRUE(rig->dlg.messages().isEmpty()) << rig->dlg.messages().join('|').toStdString();
        EXPECT_EQ(rig->out.lineIndex, 9);  // on the Q block
    }
}

// A level lying on a stretch of the shape along the pass, reached at the end of
// an arc: the pass runs on to the end of that stretch, as after a line.  Shape
// G02 R5 from X40 Z-10 to X50 Z-15, then Z-25, up to X60 (shifted by U.4
// W.1); arc by hand: Z = -9.9 - sqrt(25 - (X/2 - 25.2)^2).
TEST(TurningCycle, PassOnAStretchAfterAnArcRunsToItsEnd) {
    const QStringList lines = {"O1",        "G71 P10 Q20 U.4 W.1", "N10 G00 X40.",
                               "G01 Z-10.", "G02 X50. Z-15. R5.",  "Z-25.",
                               "N20 X60.",  "M30"};
    const QList<Pass> want = {
        {60.4, -24.9}, {58.4, -24.9},       {56.4, -24.9},       {54.4, -24.9},
        {52.4, -24.9}, {50.4, -24.9},  // on the stretch after the arc
        {48.4, -14.798979}, {46.4, -14.482576}, {44.4, -13.9}, {42.4, -12.9}, {40.4, -9.9},
    };
    for (bool horizontal : {true, false}) roughG71(lines, 1, horizontal, want);
}

TEST(TurningCycle, EachPassIsPlungeCutRetractAndRapidReturn) {
    CycleRig rig;
    rig.settings = {" 1", ".5", ".5"};
    rig.cycle(kHandShape, 2, 62, 2);
    const QList<CycleRig::Move> m = rig.moves();
    ASSERT_GE(m.size(), 9);
    auto is = [](const CycleRig::Move& v, double x1, double z1, double x2, double z2,
                 const QString& c) {
        return std::fabs(v.x1 - x1) < kNear && std::fabs(v.z1 - z1) < kNear &&
               std::fabs(v.x2 - x2) < kNear && std::fabs(v.z2 - z2) < kNear && v.colour == c;
    };
    // Approach by the allowances in the block's colour, then pass 1 from it.
    EXPECT_TRUE(is(m[0], 62, 2, 62.4, 2.1, kRed));
    EXPECT_TRUE(is(m[1], 62.4, 2.1, 60.4, 2.1, kRed));  // the P block is G00
    EXPECT_TRUE(is(m[2], 60.4, 2.1, 60.4, -35.9, kYellow));
    EXPECT_TRUE(is(m[3], 60.4, -35.9, 61.4, -35.4, kYellow));  // 45 degrees by R
    EXPECT_TRUE(is(m[4], 61.4, -35.4, 61.4, 2.1, kRed));
    // Pass 2 plunges by 2R + 2 depths from the lifted return.
    EXPECT_TRUE(is(m[5], 61.4, 2.1, 58.4, 2.1, kRed));
    // The last move is the rapid return from the shape's end to the start.
    EXPECT_TRUE(is(m.last(), 60.4, -35.9, 62, 2, kRed));
}

TEST(TurningCycle, FinishingShapeIsDrawnWithItsCornerAndArc) {
    CycleRig rig;
    rig.settings = {" 1", ".5", ".5"};
    rig.cycle(kHandShape, 2, 62, 2);
    // The fillet's tangent markers and the arc's end markers, in screen
    // twips ("m": x = 1000 + 10 Z, y = 5000 - 5 X).
    struct Marker {
        double x, y, r;
        const char* colour;
    } want[] = {
        {731, 4848, 20, "0000FF"},  // T1: X30.4 Z-26.9
        {701, 4818, 20, "FF0000"},  // T2: X36.4 Z-29.9
        {701, 4778, 10, "0000FF"},  // arc start X44.4 Z-29.9
        {641, 4718, 10, "FF0000"},  // arc end X56.4 Z-35.9
    };
    const QStringList circles = rig.ops(QStringLiteral("circle"));
    for (const Marker& w : want) {
        bool found = false;
        for (const QString& c : circles) {
            const GeoRig::Op o = GeoRig::parse(c);
            found = found || (std::fabs(o.n[0] - w.x) < 0.01 && std::fabs(o.n[1] - w.y) < 0.01 &&
                              o.n[2] == w.r && o.colour == QLatin1String(w.colour));
        }
        EXPECT_TRUE(found) << w.x << " " << w.y << "\n" << circles.join('\n').toStdString();
    }
    EXPECT_EQ(rig.out.colour, colour::rgb(0, 255, 0));  // the G03 arc's colour stays
}

// Every direction class and the shapes that were roughed wrong, each run in
// both orientations with the same values: the first block at line 1, the
// second at line 2, the depth and the allowances as the program writes them
// (the allowances shift the shape with their signs; R.5 everywhere).  Pass
// levels and ends worked out by hand on the shifted shape; `lift` is the
// first pass's 45-degree lift (away from the part: towards the start's level
// and back along the pass).
TEST(TurningCycle, PassLevelsAndEndsInEveryDirectionClassAndOrientation) {
    struct Row {
        const char* name;
        QStringList lines;
        double x, z;      // the start point
        double from;      // where every pass starts on the cutting axis
        int passes;       // how many there are
        QList<Pass> want;  // a pass with each of these levels, ending there
        double liftX, liftZ;
    } rows[] = {
        // Shifted: (30.4, 2.1) (30.4, -9.9) taper (50.4, -19.9) (62.4, -19.9);
        // taper Z = -9.9 - (X - 30.4)/2.  Levels from 62.4 down by 4.
        {"outer towards -Z",
         {"O1", "G71 U2. R.5", "G71 P10 Q20 U.4 W.1", "N10 G00 X30.", "G01 Z-10.", "X50. Z-20.",
          "N20 X62.", "M30"},
         62, 2, 2.1, 8,
         {{58.4, -19.9}, {54.4, -19.9}, {50.4, -19.9}, {46.4, -17.9}, {42.4, -15.9},
          {38.4, -13.9}, {34.4, -11.9}, {30.4, -9.9}},
         1, .5},
        // Shifted by U-.4: (43.6, 2.1) (43.6, -9.9) (33.6, -9.9) (33.6, -19.9)
        // (25.6, -19.9) (25.6, -29.9) (17.6, -29.9).  Levels from 17.6 up by 3
        // to 41.6 (44.6 is beyond the bore's 43.6); the faces stop them.
        {"bore towards -Z",
         {"O1", "G71 U1.5 R.5", "G71 P10 Q20 U-.4 W.1 F.25", "N10 G00 X44.", "G01 Z-10.", "X34.",
          "Z-20.", "X26.", "Z-30.", "N20 X18.", "M30"},
         18, 2, 2.1, 8,
         {{20.6, -29.9}, {23.6, -29.9}, {26.6, -19.9}, {29.6, -19.9}, {32.6, -19.9},
          {35.6, -9.9}, {38.6, -9.9}, {41.6, -9.9}},
         -1, .5},
        // The first row turned round in Z, allowance W-.1: (30.4, -32.1)
        // (30.4, -22.1) taper (50.4, -12.1) (62.4, -12.1); Z = -22.1 + (X - 30.4)/2.
        {"outer towards +Z",
         {"O1", "G71 U2. R.5", "G71 P10 Q20 U.4 W-.1", "N10 G00 X30.", "G01 Z-22.", "X50. Z-12.",
          "N20 X62.", "M30"},
         62, -32, -32.1, 8,
         {{58.4, -12.1}, {54.4, -12.1}, {50.4, -12.1}, {46.4, -14.1}, {42.4, -16.1},
          {38.4, -18.1}, {34.4, -20.1}, {30.4, -22.1}},
         1, -.5},
        // (43.6, -32.1) (43.6, -22.1) (33.6, -22.1) (33.6, -12.1) (17.6, -12.1).
        {"bore towards +Z",
         {"O1", "G71 U1.5 R.5", "G71 P10 Q20 U-.4 W-.1", "N10 G00 X44.", "G01 Z-22.", "X34.",
          "Z-12.", "N20 X18.", "M30"},
         18, -32, -32.1, 8,
         {{20.6, -12.1}, {23.6, -12.1}, {26.6, -12.1}, {29.6, -12.1}, {32.6, -12.1},
          {35.6, -22.1}, {38.6, -22.1}, {41.6, -22.1}},
         -1, -.5},
        // Levels in Z from 2.1 down by 2; shifted (84.2, -7.9) (60.2, -7.9)
        // taper (40.2, -3.9) (40.2, .1); taper X = 40.2 - 5*(Z + 3.9).
        {"G72 towards -X",
         {"O1", "G72 W2. R.5", "G72 P50 Q60 U.2 W.1", "N50 G00 Z-8.", "G01 X60.", "X40. Z-4.",
          "N60 Z0", "M30"},
         84, 2, 84.2, 5,
         {{.1, 40.2}, {-1.9, 40.2}, {-3.9, 40.2}, {-5.9, 50.2}, {-7.9, 60.2}},
         1, .5},
        // Levels from -8.1 up by 2; shifted by U-.2 W-.1: (15.8, 1.9)
        // (39.8, 1.9) taper (59.8, -2.1) (59.8, -6.1); X = 39.8 + 5*(1.9 - Z).
        {"G72 towards +X",
         {"O1", "G72 W2. R.5", "G72 P50 Q60 U-.2 W-.1", "N50 G00 Z2.", "G01 X40.", "X60. Z-2.",
          "N60 Z-6.", "M30"},
         16, -8, 15.8, 5,
         {{-6.1, 59.8}, {-4.1, 59.8}, {-2.1, 59.8}, {-.1, 49.8}, {1.9, 39.8}},
         -1, -.5},
        // G02 R5 from (43.6, -9.9) to (33.6, -14.9), centre X43.6 Z-14.9 (a
        // radius 21.8): Z = -14.9 + sqrt(25 - (X/2 - 21.8)^2).
        {"bore with a G02 arc",
         {"O1", "G71 U1.5 R.5", "G71 P10 Q20 U-.4 W.1", "N10 G00 X44.", "G01 Z-10.",
          "G02 X34. Z-15. R5.", "G01 Z-25.", "N20 X18.", "M30"},
         18, 2, 2.1, 8,
         {{20.6, -24.9}, {32.6, -24.9}, {35.6, -11.9}, {38.6, -10.569873}, {41.6, -10.001021}},
         -1, .5},
        // ,R2 rounds the inner corner (43.6, -9.9): fillet centre radius 19.8
        // Z-7.9, Z = -7.9 - sqrt(4 - (X/2 - 19.8)^2).  ,C1 cuts the corner
        // (29.6, -9.9) from (31.6, -9.9) to (29.6, -10.9); the level 29.6 lies
        // on the stretch after it and runs on to its end.
        {"bore with ,R and ,C",
         {"O1", "G71 U1.5 R.5", "G71 P10 Q20 U-.4 W.1", "N10 G00 X44.", "G01 Z-10.,R2.",
          "X30.,C1.", "Z-20.", "N20 X18.", "M30"},
         18, 2, 2.1, 8,
         {{20.6, -19.9}, {26.6, -19.9}, {29.6, -19.9}, {32.6, -9.9}, {38.6, -9.9},
          {41.6, -9.632051}},
         -1, .5},
        // Levels 5.5 apart from 62.4; the level 40.4 lies on the cylinder
        // (40.4, -14.9)..(40.4, -29.9) whose start is rounded by ,R2 (tangent
        // at Z-16.9): it runs to the cylinder's far end.  34.9 meets the face.
        {"level on a stretch after ,R",
         {"O1", "G71 U2.75 R.5", "G71 P10 Q20 U.4 W.1", "N10 G00 X30.", "G01 Z-15.", "X40.,R2.",
          "Z-30.", "N20 X62.", "M30"},
         62, 2, 2.1, 5,
         {{56.9, -29.9}, {51.4, -29.9}, {45.9, -29.9}, {40.4, -29.9}, {34.9, -14.9}},
         1, .5},
        // A G03 R14 from (10.4, .1) to (30.4, -24.9) that rises above its end
        // (centre Z-13.826353, radius 6.634118 up to X41.27): the level meets
        // its circle twice within the arc and stops at the first crossing,
        // Z = -13.826353 + sqrt(196 - (X/2 - 6.634118)^2).
        {"arc met twice",
         {"O1", "G71 U1. R.5", "G71 P100 Q200 U.4 W.1", "N100 G00 X10.", "G01 Z0.",
          "G03 X30. Z-25. R14.", "G02 X50. Z-40. R12.", "N200 G01 X62.", "M30"},
         62, 2, 2.1, 26,
         {{30.4, -2.752706}, {32.4, -3.604127}, {34.4, -4.641467}, {40.4, -10.367042}},
         1, .5},
    };
    for (const Row& r : rows) {
        for (bool horizontal : {true, false}) {
            const std::string at = std::string(r.name) + (horizontal ? " m" : " t");
            CycleRig rig;
            rig.orientation(horizontal);
            const int atYield = rig.firstAndSecond(r.lines, r.x, r.z);
            EXPECT_TRUE(rig.dlg.messages().isEmpty()) << at;
            const bool g71 = r.lines[2].startsWith(u"G71");
            const QList<Pass> got = passes(rig, atYield, g71, r.from);
            EXPECT_EQ(got.size(), r.passes) << at;
            for (const Pass& w : r.want) {
                auto p = std::find_if(got.begin(), got.end(), [&](const Pass& g) {
                    return std::fabs(g.level - w.level) < kNear;
                });
                ASSERT_NE(p, got.end()) << at << " level " << w.level;
                EXPECT_NEAR(p->end, w.end, kNear) << at << " level " << w.level;
            }
            // The first pass's cut is followed by its lift.
            const QList<CycleRig::Move> m = rig.moves();
            ASSERT_GE(m.size(), 4) << at;
            EXPECT_NEAR(m[3].x2 - m[3].x1, r.liftX, kNear) << at;
            EXPECT_NEAR(m[3].z2 - m[3].z1, r.liftZ, kNear) << at;
        }
    }
}

// A start point within the shape: the passes would run through the part.  The
// message names the cycle block; no approach and no pass is drawn (the
// finishing shape is).
TEST(TurningCycle, StartWithinTheShapeIsReportedAndNotRoughed) {
    // The shapes start where they say (X and Z in the P block), whatever the
    // start point.
    const QStringList outer = {"O1",        "G71 U2. R.5", "G71 P10 Q20 U.4 W.1", "N10 G00 X30. Z2.",
                               "G01 Z-10.", "X50. Z-20.",  "N20 X62.",            "M30"};
    const QStringList face = {"O1",        "G72 W2. R.5", "G72 P50 Q60 U.2 W.1", "N50 G00 Z-8. X84.",
                              "G01 X60.", "X40. Z-4.",   "N60 Z0",              "M30"};
    struct Case {
        const char* name;
        const QStringList& lines;
        double x, z;
    } cases[] = {
        {"inside the bar", outer, 18, 2},
        {"beside the shape", outer, 62, -15},
        {"G72 beside the face", face, 50, -10},
    };
    for (const Case& c : cases) {
        for (bool horizontal : {true, false}) {
            CycleRig rig;
            rig.orientation(horizontal);
            const int atYield = rig.firstAndSecond(c.lines, c.x, c.z);
            EXPECT_EQ(rig.dlg.messages(),
                      QStringList{c.lines[2] + "始点が仕上げ形状の内側にあります 荒削りは描画しません"})
                << c.name;
            EXPECT_EQ(atYield, 0) << c.name;
            EXPECT_GT(rig.ops(QStringLiteral("line")).size(), 0) << c.name;
        }
    }
}

// A block with P, Q and D is both blocks of the cycle at once: D is the depth
// (thousandths without a decimal point), R the retract (.5 when absent).  It
// draws the moves of its two-block form.
TEST(TurningCycle, OneBlockCycleDrawsAsItsTwoBlockForm) {
    const QStringList outer = {"N10 G00 X30.", "G01 Z-10.", "X50. Z-20.", "N20 X62.", "M30"};
    const QStringList face = {"N50 G00 Z-8.", "G01 X60.", "X40. Z-4.", "N60 Z0", "M30"};
    struct Case {
        QStringList one, two;
        double x, z;
    } cases[] = {
        {QStringList{"O1", "G71 P10 Q20 U.4 W.1 D2000 F.25"} + outer,
         QStringList{"O1", "G71 U2. R.5", "G71 P10 Q20 U.4 W.1 F.25"} + outer, 62, 2},
        {QStringList{"O1", "G72 P50 Q60 U.2 W.1 D1.5 R1."} + face,
         QStringList{"O1", "G72 W1.5 R1.", "G72 P50 Q60 U.2 W.1"} + face, 84, 2},
    };
    for (const Case& c : cases) {
        for (bool horizontal : {true, false}) {
            CycleRig one, two;
            one.orientation(horizontal);
            two.orientation(horizontal);
            one.cycle(c.one, 1, c.x, c.z);
            two.cycle(c.two, 1, c.x, c.z);
            two.cycle(c.two, 2, c.x, c.z);
            EXPECT_TRUE(one.dlg.messages().isEmpty()) << c.one[1].toStdString();
            EXPECT_EQ(one.out.lineIndex, 5);  // on the Q block
            EXPECT_EQ(one.surf.ops(), two.surf.ops()) << c.one[1].toStdString();
            EXPECT_GT(one.moves().size(), 12) << c.one[1].toStdString();
        }
    }
    // A depth of 0 is reported with the block; the shape is drawn unroughed.
    CycleRig rig;
    rig.onYield = [&] { EXPECT_EQ(rig.ops(QStringLiteral("line")).size(), 1); };  // the approach
    rig.cycle(QStringList{"O1", "G71 P10 Q20 U.4 W.1 D0"} + outer, 1, 62, 2);
    EXPECT_EQ(rig.dlg.messages(),
              QStringList{"G71 P10 Q20 U.4 W.1 D0切り込み量が0か小さすぎます(0.001mm未満) 描画できません"});
}

TEST(TurningCycle, ShapeChecksReportAndTheDrawingGoesOn) {
    struct Case {
        QStringList lines;
        QString message;
    } cases[] = {
        {{"O1", "G71 P10 Q20 U.4 W.1", "N10 G00 X20. Z-5.", "G01 X30.", "N20 Z-20.", "M30"},
         "始点及び第一ブロック, 第二ブロックＺ:-5.で値が同じではエラーになります修正してください"},
        {{"O1", "G72 P10 Q20 U.4 W.1", "N10 G00 Z-8. X60.", "G01 Z-4.", "N20 X40.", "M30"},
         "始点及び第一ブロック, 第二ブロックX:60.で値が同じではエラーになります修正してください"},
        {{"O1", "G71 P10 Q20 U.4 W.1", "N10 G00 X20.", "G01 X30. Z-5.", "X25. Z-10.", "N20 X40.",
          "M30"},
         "X軸 途中で増大減少の反転があります 修正して下さい"},
        {{"O1", "G71 P10 Q20 U.4 W.1", "N10 G00 X20.", "G01 X30. Z-5.", "Z-2.", "N20 X40. Z-10.",
          "M30"},
         "Z軸 途中で増大減少の反転があります 修正して下さい"},
        {{"O1", "G71 P10 Q20 U.4 W.1", "N10 G00 X20.", "G01 Z-10.,C20.", "N20 X40.", "M30"},
         " 20C:コーナーCエラー 前後の線分に対しCが大きすぎます"},
        {{"O1", "G71 P10 Q20 U.4 W.1", "N11 G00 X20.", "N20 X40.", "M30"},
         "シーケンス番号エラーです 見つかりません P10"},
        {{"O1", "G71 P10 Q20 U.4 W.1", "N10 G00 X20.", "N21 X40.", "M30"},
         "シーケンス番号エラーです 見つかりません Q20"},
    };
    for (const Case& c : cases) {
        CycleRig rig;
        rig.settings = {" 2", ".5", ".5"};
        rig.cycle(c.lines, 1, 62, 2);
        EXPECT_EQ(rig.dlg.messages(), QStringList{c.message});
    }
}

TEST(TurningCycle, QDuringRoughingEndsBeforeTheFinishingShape) {
    for (const char* k : {"Q", "q", "D", "v"}) {
        CycleRig rig;
        rig.settings = {" 1", ".5", ".5"};
        int atYield = -1;
        rig.onYield = [&] {
            atYield = int(rig.surf.ops().size());
            rig.key = QString::fromLatin1(k);
        };
        rig.cycle(kHandShape, 2, 62, 2);
        const bool quit = QByteArray(k).toUpper() == "Q";
        EXPECT_EQ(rig.yields, 1);
        EXPECT_EQ(rig.surf.ops().size(), atYield) << k;  // nothing after the roughing
        EXPECT_EQ(rig.out.quit, quit) << k;
        // Q is taken; a view command stays for the run, which redraws.
        EXPECT_EQ(rig.key, quit ? QString() : QString::fromLatin1(k));
        EXPECT_EQ(rig.out.lineIndex, 9);
    }
}

TEST(TurningCycle, WorkFileCarriesTheProgramAndIsDeleted) {
    QTemporaryDir dir;
    const QStringList lines = {"O1", "G71 U1. R.5", "(日本語)", "M30"};
    EXPECT_EQ(cycleLinesThroughWorkFile(dir.path(), lines), lines);
    EXPECT_FALSE(QFile::exists(dir.filePath("tenmp.$$$")));
}

TEST(TurningCycle, StartPointTakenWholeFromAnIncrementalPositionOnTheVerticalLathe) {
    // The run hands the position over as its expression texts (h = X/2, v = Z*2).
    struct Case {
        const char* h;
        const char* v;
        double x, z;
    } cases[] = {
        {"[62.]/2+[-2.]/2", "[2.]*2", 60, 2},  // after U-2.
        {"[30.]", "[4.]*2+[-2.]*2", 60, 2},    // after W-2.
        {"31", "4", 62, 2},
    };
    for (const Case& c : cases) {
        CycleRig rig;
        rig.orientation(false);
        rig.settings = {" 1", ".5", ".5"};
        CycleCall call;
        call.lineIndex = 2;
        call.endH = QString::fromLatin1(c.h);
        call.endV = QString::fromLatin1(c.v);
        call.colour = colour::kRed;
        mycycle(rig.g, rig, rig.settings, kHandShape, call);
        const QList<CycleRig::Move> m = rig.moves();
        ASSERT_FALSE(m.isEmpty()) << c.h;
        EXPECT_NEAR(m[0].x1, c.x, kNear) << c.h << " " << c.v;
        EXPECT_NEAR(m[0].z1, c.z, kNear) << c.h << " " << c.v;
        EXPECT_NEAR(m.last().x2, c.x, kNear) << c.h << " " << c.v;  // the return ends there too
        EXPECT_NEAR(m.last().z2, c.z, kNear) << c.h << " " << c.v;
    }
}
