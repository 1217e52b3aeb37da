// The single-block cycles (G90/G92/G94, G74/G75, G76) and the I/K arcs, drawn
// by the block interpreter in both orientations and read back as moves in
// program units (X a diameter, Z): every move below is worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/cycle_block_texts.h"
#include "drawing/cycle_words.h"
#include "interpreter_rig.h"

using namespace drawing;

namespace {

// Rounded to 0.001 and written shortest: 5.2309 -> "5.231", -30 -> "-30".
QString mm(double v) {
    const double r = std::round(v * 1000) / 1000;
    return QString::number(r == 0 ? 0 : r, 'g', 12);
}

QString letter(const QString& rgb) {
    if (rgb == u"FF0000") return QStringLiteral("r");
    if (rgb == u"FFFF00") return QStringLiteral("y");
    if (rgb == u"FFFFFF") return QStringLiteral("w");
    if (rgb == u"00FFFF") return QStringLiteral("c");
    if (rgb == u"00FF00") return QStringLiteral("g");
    return rgb;
}

// A screen point as program X, Z in the run's view.
std::pair<double, double> programXZ(const Drawing& d, double sx, double sy) {
    const double h = (sx - d.st.originX) / d.st.scale, v = 2 * (d.st.originY - sy) / d.st.scale;
    if (d.st.run.axisSign > 0) return {v, h};
    return {2 * h, v / 2};
}

// The moves of the run after the first `skip` ("r 50,2 40,2": colour letter,
// from X,Z to X,Z).
QStringList moves(const Drawing& d, int skip = 1) {
    QStringList out;
    for (const QString& op : d.lines().mid(skip)) {
        const QStringList f = op.split(u' ');
        const auto [x1, z1] = programXZ(d, f[1].toDouble(), f[2].toDouble());
        const auto [x2, z2] = programXZ(d, f[3].toDouble(), f[4].toDouble());
        out << letter(f[5]) + u' ' + mm(x1) + u',' + mm(z1) + u' ' + mm(x2) + u',' + mm(z2);
    }
    return out;
}

struct Row {
    const char* name;
    QStringList blocks;
    QStringList moves;        // after the first move (the positioning rapid)
    QStringList messages = {};
};

void drawInBothOrientations(const Row& r) {
    for (const char* o : {"m", "t"}) {
        Drawing d(o, r.blocks);
        EXPECT_EQ(d.result, RunResult::Normal) << r.name << " " << o;
        EXPECT_EQ(moves(d).join(u'\n').toStdString(), r.moves.join(u'\n').toStdString())
            << r.name << " " << o;
        EXPECT_EQ(d.messages(), r.messages) << r.name << " " << o;
    }
}

// The four moves of a G90/G92 box from the start (sx, sz) to X x, Z z, the
// cut starting at X `from`.
QStringList box(const char* sx, const char* sz, const char* from, const char* x,
                const char* z, bool thread = false) {
    const QString s = QString::fromLatin1(sx), t = QString::fromLatin1(sz);
    const QString f = QString::fromLatin1(from), ex = QString::fromLatin1(x),
                  ez = QString::fromLatin1(z);
    return {"r " + s + ',' + t + ' ' + f + ',' + t,
            (thread ? "w " : "y ") + f + ',' + t + ' ' + ex + ',' + ez,
            (thread ? "r " : "y ") + ex + ',' + ez + ' ' + s + ',' + ez,
            "r " + s + ',' + ez + ' ' + s + ',' + t};
}

}  // namespace

TEST(BoxCycles, TurningThreadingAndFacingWithTheirModalRepeats) {
    const Row rows[] = {
        {"G90, repeats by X and by U with a taper, ended by G00",
         {"G00 X50. Z2.", "G90 X40. Z-30. F.2", "X36.", "U-18. R-2.", "G00 X60.", "X55."},
         box("50", "2", "40", "40", "-30") + box("50", "2", "36", "36", "-30") +
             box("50", "2", "28", "32", "-30") + QStringList{"r 50,2 60,2", "r 60,2 55,2"}},
        {"G92: the thread cut white, the pull-out a rapid; ended by G01",
         {"G00 X24. Z5.", "G92 X19.3 Z-13. F1.5", "X18.8", "G01 X30."},
         box("24", "5", "19.3", "19.3", "-13", true) + box("24", "5", "18.8", "18.8", "-13", true) +
             QStringList{"y 24,5 30,5"}},
        {"G94 behind G99, a taper by R kept for the next repeat, ended by G80",
         {"G00 X60. Z5.", "G99 G94 X20. Z-2. F.2", "Z-4. R-3.", "W-8.", "G80", "X50."},
         {"r 60,5 60,-2", "y 60,-2 20,-2", "y 20,-2 20,5", "r 20,5 60,5",
          "r 60,5 60,-7", "y 60,-7 20,-4", "y 20,-4 20,5", "r 20,5 60,5",
          "r 60,5 60,-6", "y 60,-6 20,-3", "y 20,-3 20,5", "r 20,5 60,5",
          "r 60,5 50,5"}},
        {"of G00 and G90 in one block the last one counts",
         {"G00 X50. Z2.", "G00 G90 X40. Z-30. F.2", "G90 G00 X45."},
         box("50", "2", "40", "40", "-30") + QStringList{"r 50,2 45,2"}},
        {"a repeat with a variable; S and M blocks leave the cycle standing",
         {"G00 X50. Z2.", "#101=34.", "G90 X40. Z-30. F.2", "M08", "G97 S800 X#101"},
         box("50", "2", "40", "40", "-30") + box("50", "2", "34", "34", "-30")},
    };
    for (const Row& r : rows) drawInBothOrientations(r);
}

TEST(PeckCycles, G74DrillsAndGroovesTheFaceG75GroovesWithAClippedLastShift) {
    const Row rows[] = {
        {"G74 without X: peck drilling at the start X, back-off e = 1",
         {"G00 X0 Z2.", "G74 R1.", "G74 Z-8. Q4000 F.1"},
         {"y 0,2 0,-2", "r 0,-2 0,-1", "y 0,-1 0,-6", "r 0,-6 0,-5", "y 0,-5 0,-8",
          "r 0,-8 0,2"}},
        {"G74 with X: grooves at X20, 25, 30 (P2500 a radius), relief R.5 against the shift",
         {"G00 X20. Z1.", "G74 R.5", "G74 X30. Z-3. P2500 Q2000 R.5 F.1"},
         {"y 20,1 20,-1", "r 20,-1 20,-0.5", "y 20,-0.5 20,-3", "y 20,-3 19,-3", "r 19,-3 19,1",
          "r 19,1 25,1",
          "y 25,1 25,-1", "r 25,-1 25,-0.5", "y 25,-0.5 25,-3", "y 25,-3 24,-3", "r 24,-3 24,1",
          "r 24,1 30,1",
          "y 30,1 30,-1", "r 30,-1 30,-0.5", "y 30,-0.5 30,-3", "y 30,-3 29,-3", "r 29,-3 29,1",
          "r 29,1 20,1"}},
    };
    for (const Row& r : rows) drawInBothOrientations(r);

    // G75 from X40 Z-10 to X30 Z-16: pecks of 2 a side (to X36, 32, 30, backing
    // off .5 a side), grooves at Z-10, -12.5, -15 and, clipped, -16.
    QStringList g75;
    const QStringList at = {"-10", "-12.5", "-15", "-16"};
    for (int i = 0; i < at.size(); ++i) {
        const QString z = at[i];
        g75 << "y 40," + z + " 36," + z << "r 36," + z + " 37," + z << "y 37," + z + " 32," + z
            << "r 32," + z + " 33," + z << "y 33," + z + " 30," + z << "r 30," + z + " 40," + z;
        g75 << (i + 1 < at.size() ? "r 40," + z + " 40," + at[i + 1] : "r 40,-16 40,-10");
    }
    drawInBothOrientations(
        {"G75", {"G00 X40. Z-10.", "G75 R.5", "G75 X30. W-6. P2000 Q2500 F.05"}, g75});
}

TEST(ThreadCycle, DepthsBySquareRootMinimumStepFinishingPassesAndFlankInfeed) {
    // From X24 Z5 to the root X18.2 at Z-20, thread height .9 (crest X20),
    // first depth .4: each pass goes in at X20 - 2 depth.
    auto passes = [](const QList<std::pair<const char*, const char*>>& xz) {
        QStringList m;
        for (const auto& [x, z] : xz) {
            const QString px = QString::fromLatin1(x), pz = QString::fromLatin1(z);
            m << "r 24,5 " + px + ',' + pz << "w " + px + ',' + pz + ' ' + px + ",-20"
              << "r " + px + ",-20 24,-20" << "r 24,-20 24,5";
        }
        return m;
    };
    const Row rows[] = {
        {"radial: .4, .4 sqrt2, .4 sqrt3, .8, .4 sqrt5, .9, then one finishing pass",
         {"G00 X24. Z5.", "G76 P010000 Q50 R0", "G76 X18.2 Z-20. P900 Q400 F1.5"},
         passes({{"19.2", "5"}, {"18.869", "5"}, {"18.614", "5"}, {"18.4", "5"},
                 {"18.211", "5"}, {"18.2", "5"}, {"18.2", "5"}})},
        {"Q200: at least .2 a pass, down to k - d = .85, two finishing passes, 60 degree flank",
         {"G00 X24. Z5.", "G76 P020060 Q200 R.05", "G76 U-5.8 W-25. P900 Q400 F1.5"},
         passes({{"19.2", "5.231"}, {"18.8", "5.346"}, {"18.4", "5.462"}, {"18.3", "5.491"},
                 {"18.2", "5.52"}, {"18.2", "5.52"}})},
    };
    for (const Row& r : rows) drawInBothOrientations(r);
}

TEST(SingleCycles, AMissingOrZeroWordDrawsNothingAndNamesTheBlock) {
    struct Case {
        const char* block;
        QString message;
    } cases[] = {
        {"G90 X40. F.2", text::cycleWordMissing(text::kWordZ, "G90 X40. F.2")},
        {"G94 Z-2. F.2", text::cycleWordMissing(text::kWordX, "G94 Z-2. F.2")},
        {"G92 X19. Z-13.", text::cycleWordMissing(text::kWordLead, "G92 X19. Z-13.")},
        {"G92 X19. Z-13. F0", text::cycleWordZero(text::kWordLead, "G92 X19. Z-13. F0")},
        {"G74 X30. P2000 Q3000", text::cycleWordMissing(text::kWordZ, "G74 X30. P2000 Q3000")},
        {"G74 Z-10. Q0", text::cycleWordZero(text::kWordPeckZ, "G74 Z-10. Q0")},
        {"G74 X40. Z-10. Q2000", text::cycleWordMissing(text::kWordShiftX, "G74 X40. Z-10. Q2000")},
        {"G75 X30. P0 F.1", text::cycleWordZero(text::kWordPeckX, "G75 X30. P0 F.1")},
        {"G75 X30. Z-20. P2000 Q0", text::cycleWordZero(text::kWordShiftZ, "G75 X30. Z-20. P2000 Q0")},
        {"G76 X18. Z-20. P0 Q300 F1.5",
         text::cycleWordZero(text::kWordThreadHeight, "G76 X18. Z-20. P0 Q300 F1.5")},
        {"G76 X18. Z-20. P900 Q0 F1.5",
         text::cycleWordZero(text::kWordFirstDepth, "G76 X18. Z-20. P900 Q0 F1.5")},
        {"G76 X18. Z-20. P900 Q300 F0",
         text::cycleWordZero(text::kWordLead, "G76 X18. Z-20. P900 Q300 F0")},
        {"G76 Z-20. P900 Q300 F1.5", text::cycleWordMissing(text::kWordX, "G76 Z-20. P900 Q300 F1.5")},
    };
    for (const Case& c : cases)
        for (const char* o : {"m", "t"}) {
            Drawing d(o, {"G00 X24. Z5.", QString::fromLatin1(c.block)});
            EXPECT_EQ(d.result, RunResult::Normal) << c.block;
            EXPECT_EQ(d.messages(), QStringList{c.message}) << c.block << " " << o;
            EXPECT_TRUE(moves(d).isEmpty()) << c.block << " " << o;
        }

    // A repeat of a cycle that could not be drawn is told again.
    Drawing repeat("m", {"G00 X50. Z2.", "G90 X40. F.2", "X36."});
    EXPECT_EQ(repeat.messages(), (QStringList{text::cycleWordMissing(text::kWordZ, "G90 X40. F.2"),
                                              text::cycleWordMissing(text::kWordZ, "X36.")}));
}

TEST(SingleCycles, PassesAndPecksStopAtTheLimitWithAMessage) {
    struct Case {
        const char* block;
        int cuts;    // feed or thread moves drawn
        const char* colour;
    } cases[] = {
        // 25 mm a side in pecks of .001: the 5000th peck is the last.
        {"G75 X0 P1 F.1", kMaxCyclePasses, "FFFF00"},
        // 5 mm deep in first cuts of .001: 25 million passes wanted.
        {"G76 X40. Z-20. P5000 Q1 F1.5", kMaxCyclePasses, "FFFFFF"},
    };
    for (const Case& c : cases) {
        Drawing d("m", {"G00 X50. Z2.", QString::fromLatin1(c.block)});
        EXPECT_EQ(d.result, RunResult::Normal) << c.block;
        EXPECT_EQ(d.messages(),
                  QStringList{text::cycleTooManyPasses(kMaxCyclePasses, QString::fromLatin1(c.block))});
        EXPECT_EQ(d.linesIn(c.colour), c.cuts) << c.block;
        // The tool comes back to the start.
        EXPECT_TRUE(moves(d).last().endsWith(" 50,2")) << c.block;
    }
}

TEST(CentreArcs, IAndKGiveTheCentreOverAnyPartOfTheCircle) {
    // From X20 Z0 about the centre X0 Z0 (I-10: a radius value), radius 10.
    // The extent of the plotted arc in program units: X from .. to, Z from .. to.
    struct Case {
        const char* name;
        QStringList blocks;
        double x0, x1, z0, z1;
        QStringList messages = {};
        QStringList lines = {};  // straight moves after the positioning rapid
    } cases[] = {
        {"G02 to X0 Z-10: three quarters, through Z+10 and X-20",
         {"G02 X0 Z-10. I-10. K0"}, -20, 20, -10, 10},
        {"G03 to X0 Z-10: one quarter", {"G03 X0 Z-10. I-10."}, 0, 20, -10, 0},
        {"G03 to X0 Z10: three quarters the other way", {"G03 X0 Z10. K0 I-10."}, -20, 20, -10, 10},
        {"G02 back to its start: the whole circle", {"G02 X20. Z0 I-10."}, -20, 20, -10, 10},
        {"I from a variable", {"#101=-10.", "G02 X0 Z-10. I#101"}, -20, 20, -10, 10},
        {"R wins over I: at most a half circle", {"G02 X0 Z-10. R10. I-10."}, 0, 20, -10, 0},
        {"an end off the circle by .005 is on it", {"G02 X0 Z-10.005 I-10."}, -20, 20, -10, 10},
        {"an end off the circle by .5: round to its angle, then straight on",
         {"G02 X0 Z-10.5 I-10."}, -20, 20, -10, 10,
         {text::arcEndOffCircle(0.5, "G02 X0 Z-10.5 I-10.")},
         {"c 0,-10 0,-10.5"}},
    };
    for (const Case& c : cases)
        for (const char* o : {"m", "t"}) {
            Drawing d(o, QStringList{"G00 X20. Z0"} + c.blocks);
            double x0 = 1e9, x1 = -1e9, z0 = 1e9, z1 = -1e9;
            for (const QString& op : d.host.surf.ops()) {
                const QStringList f = op.split(u' ');
                if (f[0] != u"point" || (f[3] != u"00FFFF" && f[3] != u"00FF00")) continue;
                const auto [x, z] = programXZ(d, f[1].toDouble(), f[2].toDouble());
                x0 = std::min(x0, x), x1 = std::max(x1, x), z0 = std::min(z0, z), z1 = std::max(z1, z);
            }
            constexpr double kPlotStep = 0.25;  // points lie about a twip apart
            EXPECT_NEAR(x0, c.x0, kPlotStep) << c.name << " " << o;
            EXPECT_NEAR(x1, c.x1, kPlotStep) << c.name << " " << o;
            EXPECT_NEAR(z0, c.z0, kPlotStep) << c.name << " " << o;
            EXPECT_NEAR(z1, c.z1, kPlotStep) << c.name << " " << o;
            EXPECT_EQ(d.messages(), c.messages) << c.name << " " << o;
            EXPECT_EQ(moves(d), c.lines) << c.name << " " << o;
        }
}

TEST(SingleCycles, AWindowClosedBetweenPassesEndsTheCycleAndTheRun) {
    // Yields 1 to 3 come before the blocks; 4 and 5 after the first and the
    // second thread pass (and the second peck).
    for (const char* block : {"G76 X40. Z-20. P5000 Q1 F1.5", "G75 X0 P1 F.1"}) {
        RunRig rig({"O0001", "G00 X50. Z2.", QString::fromLatin1(block), "%"});
        rig.atYield(5, [&rig] { drawing::requestAbort(rig.st); });
        rig.draw("m");
        int cuts = 0;
        for (const QString& op : rig.host.surf.ops())
            if (op.startsWith(u"line ") && (op.endsWith(u"FFFFFF") || op.endsWith(u"FFFF00"))) ++cuts;
        EXPECT_EQ(cuts, 2) << block;
        EXPECT_TRUE(rig.host.dlg.messages().isEmpty()) << block;
    }
}
