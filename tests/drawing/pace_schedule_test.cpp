#include <gtest/gtest.h>

#include "drawing/pace_schedule.h"

TEST(PaceSchedule, PointsOweTimeThatTheClockPaysOff) {
    PaceSchedule p;
    p.pointsDrawn(100, PaceSchedule::kTracePointMicros);
    EXPECT_EQ(p.owed(), 2000);
    EXPECT_EQ(p.waitAt(0), 2000);
    EXPECT_EQ(p.waitAt(1500), 0);  // half a millisecond ahead: put off
    EXPECT_EQ(p.waitAt(2000), 0);
    p.pointsDrawn(100, PaceSchedule::kTracePointMicros);
    EXPECT_EQ(p.waitAt(2000), 2000);
}

TEST(PaceSchedule, LostTimeIsNotMadeUpByABurst) {
    PaceSchedule p;
    p.pointsDrawn(10, 100);            // 1 ms owed
    EXPECT_EQ(p.waitAt(50000), 0);     // the machine was slow: 50 ms passed
    p.pointsDrawn(50, 100);            // 5 ms more
    EXPECT_EQ(p.waitAt(50000), 5000);  // counted from now, not from the lost start
}

TEST(PaceSchedule, SpeedsStayApartOnAFastMachine) {
    // Arcs: mytim(speedDelay / 4 / 100, 1) a point.
    auto arc = [](int speedDelay) {
        PaceSchedule p;
        p.owe(qint64(speedDelay / 4.0 / 100 * 1 * PaceSchedule::kDelayUnitMicros) * 1000);
        return p.waitAt(0);
    };
    EXPECT_GT(arc(150), arc(50));
    EXPECT_GT(arc(50), arc(0));
    EXPECT_EQ(arc(0), 0);
    // A fast redraw owes nothing and never waits.
    PaceSchedule idle;
    EXPECT_EQ(idle.waitAt(0), 0);
}

TEST(PaceSchedule, RepaintsAboutEverySixteenMilliseconds) {
    PaceSchedule p;
    EXPECT_FALSE(p.repaintDue(10000));
    EXPECT_TRUE(p.repaintDue(16000));
    EXPECT_FALSE(p.repaintDue(20000));
    EXPECT_FALSE(p.repaintDue(31999));
    EXPECT_TRUE(p.repaintDue(32000));
    p.restart();
    EXPECT_EQ(p.owed(), 0);
    EXPECT_FALSE(p.repaintDue(1000));
}
