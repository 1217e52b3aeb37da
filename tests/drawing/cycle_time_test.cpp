// Cycle time from the moves of a drawing run, against times worked out by
// hand; and the view that fits the part.
#include <gtest/gtest.h>

#include "drawing/cycle_time.h"
#include "drawing/fit_view.h"
#include "platform/key_codes.h"
#include "run_rig.h"

namespace {

// Draws the program (orientation t) to its end with the observer listening.
// The move's G code is the block's first G word, so G98/G99 stand alone.
CycleTimes timesOf(const QStringList& body, double rapid = kDefaultRapidRate,
                   const QStringList& answers = {QStringLiteral("N")}) {
    QStringList program{QStringLiteral("O0001(TEST)")};
    program << body << QStringLiteral("%");
    RunRig rig(program);
    CycleTimeObserver times(rapid);
    rig.opt.observer = &times;
    rig.draw(QStringLiteral("t"), answers);
    EXPECT_TRUE(rig.host.dlg.messages().isEmpty()) << rig.host.dlg.messages().join(u'|').toStdString();
    return times.times();
}

}  // namespace

TEST(CycleTime, FeedTimesAgainstHandCalculations) {
    struct Row {
        const char* what;
        QStringList body;
        double feedMm, feedSeconds, dwellSeconds;
    } rows[] = {
        // 50 mm along Z at 0.2 mm/rev and 1000 rpm = 200 mm/min: 0.25 min.
        {"G97 turn",
         {"G97 S1000 M03", "G00 X50. Z2.", "G99", "G01 Z-48. F.2"},
         50, 15, 0},
        // Facing X100 -> X0 (50 mm), V 200 m/min, 0.1 mm/rev.  Above the clamp's
        // diameter Dc = 1000*200/(pi*2000) = 31.831 mm the minutes per mm are
        // pi*D/(1000*V*F); summed over D (ds = dD/2):
        //   pi*(100^2 - 31.831^2)/(4*1000*200*0.1) = 0.352910 min,
        // below it the clamp 2000 rpm: (31.831/2)/(0.1*2000) = 0.079577 min.
        // 0.432488 min = 25.949 s.
        {"G96 facing, G50 S2000",
         {"G50 S2000", "G96 S200 M03", "G00 X100. Z0", "G01 X0 F.1"},
         50, 25.949, 0},
        // The same without G50: the 4000 rpm default, Dc = 15.915 mm:
        //   pi*(100^2 - 15.915^2)/80000 = 0.382752 min, 7.9577/(0.1*4000) =
        //   0.019894 min; 0.402646 min = 24.159 s.
        {"G96 facing, default clamp",
         {"G96 S200 M03", "G00 X100. Z0", "G01 X0 F.1"},
         50, 24.159, 0},
        // 30 mm at 300 mm/min: 0.1 min.
        {"G98 move", {"G97 S800", "G00 X40. Z0", "G98", "G01 Z-30. F300."}, 30, 6, 0},
        // A quarter circle of radius 20 mm: 31.416 mm at 0.1*500 = 50 mm/min,
        // 0.628319 min.
        {"arc", {"G97 S500", "G00 X0 Z0", "G99", "G02 X40. Z-20. R20. F.1"}, 31.416, 37.699, 0},
        // P in ms, X and U in seconds: 1.5 + 2 + 0.5.
        {"dwell", {"G04 P1500", "G04 X2.", "G4 U.5"}, 0, 0, 4},
        // G90 from X52 Z2: cut Z2 -> Z-30 (32 mm) and out X48 -> X52 (2 mm)
        // at 0.2*1000 = 200 mm/min: 34 mm, 0.17 min.
        {"G90 cycle", {"G97 S1000", "G00 X52. Z2.", "G99 G90 X48. Z-30. F.2"}, 34, 10.2, 0},
        // G76 height 0.8, first depth 0.4: depths 0.4, 0.566, 0.693, 0.8 and
        // one finishing pass, each 23 mm long (Z3 -> Z-20) at a lead of 1.25
        // and 1000 rpm = 1250 mm/min: 115 mm, 0.092 min.
        {"G76 thread",
         {"G97 S1000", "G00 X22. Z3.", "G76 P010000 Q0 R0", "G76 X16.4 Z-20. P800 Q400 F1.25"},
         115, 5.52, 0},
    };
    for (const Row& r : rows) {
        const CycleTimes t = timesOf(r.body);
        EXPECT_NEAR(t.feedMm, r.feedMm, 0.001) << r.what;
        EXPECT_NEAR(t.feedSeconds, r.feedSeconds, 0.001) << r.what;
        EXPECT_NEAR(t.dwellSeconds, r.dwellSeconds, 1e-9) << r.what;
    }
}

TEST(CycleTime, TotalOfTheGrooveDemo) {
    // samples/sp2/shaft.sp2, O1002, drawn on the vertical lathe from the
    // drawing's start point X1600 Z400.
    const QStringList body{"G50 S1500",     "G00 G97 S500 M03", "T0303 M08", "G00 X44. Z-31.",
                           "G01 X34. F.05", "G04 P500",         "G00 X44.",  "W-1.",
                           "G01 X34.",      "G00 X44.",         "Z-35.",     "G01 X40. F.08",
                           "X38. Z-34.",    "G00 X60.",         "G28U0",     "G28W0",
                           "M30"};
    // Feed at 500 rpm: 5 mm at .05 (25 mm/min) twice, 12 s each; 2 mm at .08
    // (40 mm/min) 3 s; the chamfer sqrt(2) mm at 40 mm/min 2.121 s.
    // Rapids: to X44 Z-31 sqrt(778^2 + 431^2) = 889.407; 5 + 1 + 5 + 3 + 11;
    // G28U0 to X2000: 970; G28W0 to Z500: 534.  2418.407 mm at 10 m/min.
    // The M30 box, then the end of the text.
    const QStringList answers{QStringLiteral("y"), QStringLiteral("N")};
    const CycleTimes t = timesOf(body, kDefaultRapidRate, answers);
    EXPECT_NEAR(t.feedMm, 13.414, 0.001);
    EXPECT_NEAR(t.feedSeconds, 29.121, 0.001);
    EXPECT_NEAR(t.rapidMm, 2418.407, 0.001);
    EXPECT_NEAR(t.rapidSeconds, 14.510, 0.001);
    EXPECT_NEAR(t.dwellSeconds, 0.5, 1e-9);
    EXPECT_NEAR(t.totalSeconds(), 44.132, 0.001);
    // Twice the rapid rate halves the rapid time only.
    EXPECT_NEAR(timesOf(body, 20000, answers).rapidSeconds, 7.255, 0.001);
}

TEST(CycleTime, StatusMessage) {
    CycleTimes t;
    t.feedSeconds = 125.4;
    t.rapidSeconds = 9.6;
    t.dwellSeconds = 0.5;
    EXPECT_EQ(machiningTimeMessage(t),
              QStringLiteral("加工時間 約 2分16秒（切削 2分05秒 早送り 0分10秒）"));
}

TEST(FitView, PartFillsTheSurfaceWithATenthFree) {
    // X 0..100 (radius 0..50), Z -50..0 on 28800 x 16200 twips: the height
    // decides, 16200*0.8/50 = 259.2 -> 259; the centre (Z-25, radius 25) goes
    // to (14400, 8100).
    PartExtent e;
    e.add({0, -50});
    e.add({100, 0});
    struct Row {
        bool horizontal;
        double originX, originY, scale;
    } rows[] = {
        {true, 14400 + 259 * 25, 8100 + 259 * 25, 259},  // m: Z right, radius up
        {false, 14400 - 259 * 25, 8100 - 259 * 25, 259}, // t: radius right, Z up
    };
    for (const Row& r : rows) {
        const std::optional<FittedView> v = fitView(e, r.horizontal, 28800, 16200);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->scale, r.scale);
        EXPECT_EQ(v->originX, r.originX);
        EXPECT_EQ(v->originY, r.originY);
    }
    EXPECT_FALSE(fitView(PartExtent{}, true, 28800, 16200).has_value());
}

TEST(FitView, KeyFFitsTheCuttingMovesNotTheRapids) {
    // Cuts span X20..X60, Z-40..Z0; the rapids from the start point and to
    // the reference point reach far beyond and are left out.  t: radius 10..30
    // to the right (span 20), Z up (span 40): 16200*0.8/40 = 324; centre
    // (radius 20, Z-20) to (14400, 8100).
    RunRig rig({"O0001(TEST)", "G00 X20. Z0", "G01 Z-40. F.2", "X60.", "Z0", "G28U0", "%"});
    rig.keyAt(3, vbkey::kF);
    rig.draw(QStringLiteral("t"), {QStringLiteral("N")});
    EXPECT_EQ(rig.st.scale, 324);
    EXPECT_EQ(rig.st.originX, 14400 - 324 * 20);
    EXPECT_EQ(rig.st.originY, 8100 - 324 * 20);
}
