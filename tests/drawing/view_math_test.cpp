#include <gtest/gtest.h>

#include "drawing/view_math.h"

using namespace drawing;

namespace {
constexpr double W = 28800, H = 16200;

DrawingState view(double ox, double oy, double k) {
    DrawingState s;
    s.orientation = "t";
    s.originX = ox;
    s.originY = oy;
    s.scale = k;
    s.viewReady = true;
    return s;
}
}  // namespace

TEST(ViewSetUp, DefaultOriginsFollowTheScreenForBothLathes) {
    DrawingState s;
    s.orientation = "m";
    setUpView(s, W, H);
    EXPECT_EQ(s.originX, 14400);
    EXPECT_EQ(s.originY, 12960);
    EXPECT_EQ(s.scale, 9);
    EXPECT_TRUE(s.viewReady);
    s.orientation = "t";
    setUpView(s, W, H);
    EXPECT_DOUBLE_EQ(s.originX, 10285.714285714286);
    EXPECT_DOUBLE_EQ(s.originY, 4165.714285714286);
}

TEST(ViewZoom, ZoomKeepsTheScreenCentreAndCutsToWholeTwips) {
    DrawingState s = view(10000, 5000, 9);
    enlarge(s, W, H);  // 9 -> 19
    EXPECT_EQ(s.scale, 19);
    EXPECT_EQ(s.originX, std::floor(19 * (10000 - 14400) / 9.0 + 14400));
    EXPECT_EQ(s.originY, std::floor(19 * (5000 - 8100) / 9.0 + 8100));
    // A point at the centre stays at the centre.
    DrawingState c = view(14400, 8100, 9);
    enlarge(c, W, H);
    EXPECT_EQ(c.originX, 14400);
    EXPECT_EQ(c.originY, 8100);
}

TEST(ViewZoom, ShrinkStopsAboveZeroEnlargeAlwaysWorks) {
    DrawingState s = view(10000, 5000, 10);
    EXPECT_FALSE(shrink(s, W, H));
    EXPECT_EQ(s.scale, 10);
    EXPECT_EQ(s.originX, 10000);
    s.scale = 11;
    EXPECT_TRUE(shrink(s, W, H));
    EXPECT_EQ(s.scale, 1);
    enlarge(s, W, H);
    EXPECT_EQ(s.scale, 11);
}

TEST(ViewZoom, NumericScaleShowsTheNumberAndRefusesTinyScales) {
    DrawingState s = view(14400, 8100, 9);
    EXPECT_TRUE(setScaleRatio(s, 5, W, H));
    EXPECT_EQ(s.scale, 700);
    EXPECT_EQ(shownRatio(s.scale), 5);
    EXPECT_FALSE(setScaleRatio(s, 0, W, H));
    EXPECT_FALSE(setScaleRatio(s, -2, W, H));
    EXPECT_FALSE(setScaleRatio(s, 0.001, W, H));
    EXPECT_EQ(s.scale, 700);
    EXPECT_DOUBLE_EQ(shownRatio(9), 0.06);
    EXPECT_DOUBLE_EQ(shownRatio(19), 0.14);
}

TEST(ViewAreaZoom, TheTighterSideDecidesAndTheCentreMovesToTheMiddle) {
    DrawingState s = view(10000, 5000, 9);
    s.areaX1 = " 1000";
    s.areaY1 = " 1000";
    s.areaX2 = " 4000";
    s.areaY2 = " 3000";
    // rX = 28800/3000 = 9.6, rY = 16200/2000 = 8.1: the vertical span decides.
    ASSERT_TRUE(zoomToArea(s, W, H));
    EXPECT_EQ(s.scale, 72);  // Int(9 * 16200 / 2000)
    EXPECT_EQ(s.originY, 8100 + (5000 - 2000) * 8);
    EXPECT_EQ(s.originX, 14400 + (10000 - 2500) * 8);

    DrawingState t = view(10000, 5000, 9);
    t.areaX1 = " 0";
    t.areaY1 = " 0";
    t.areaX2 = " 7000";
    t.areaY2 = " 1000";
    // rX = 4.11, rY = 16.2: the horizontal span decides.
    ASSERT_TRUE(zoomToArea(t, W, H));
    EXPECT_EQ(t.scale, std::floor(9 * 28800 / 7000.0));
    EXPECT_EQ(t.originX, std::floor(14400 + (10000 - 3500) * t.scale / 9));
    EXPECT_EQ(t.originY, std::floor(8100 + (5000 - 500) * t.scale / 9));
}

TEST(ViewAreaZoom, CornersInReverseOrderGiveTheSameZoomAndAnEmptyAreaNone) {
    DrawingState a = view(10000, 5000, 9), b = view(10000, 5000, 9);
    a.areaX1 = " 1000", a.areaY1 = " 1000", a.areaX2 = " 4000", a.areaY2 = " 3000";
    b.areaX1 = " 4000", b.areaY1 = " 3000", b.areaX2 = " 1000", b.areaY2 = " 1000";
    ASSERT_TRUE(zoomToArea(a, W, H));
    ASSERT_TRUE(zoomToArea(b, W, H));
    EXPECT_EQ(a.scale, b.scale);
    EXPECT_EQ(a.originX, b.originX);
    EXPECT_EQ(a.originY, b.originY);

    DrawingState e = view(10000, 5000, 9);
    e.areaX1 = e.areaX2 = " 500";
    e.areaY1 = e.areaY2 = " 700";
    EXPECT_FALSE(zoomToArea(e, W, H));
    EXPECT_EQ(e.scale, 9);
    // A flat area still zooms by its other side.
    DrawingState f = view(10000, 5000, 9);
    f.areaX1 = " 500", f.areaX2 = " 500", f.areaY1 = " 0", f.areaY2 = " 8100";
    ASSERT_TRUE(zoomToArea(f, W, H));
    EXPECT_EQ(f.scale, 18);
}

TEST(ViewBounds, ShrinkNeverGoesBelowTheSmallestScale) {
    // A scale that is not a whole number (from "b" + n) must not shrink to a
    // fraction of a twip per unit: the grid would need billions of marks.
    DrawingState s = view(10000, 5000, 10.5);
    EXPECT_FALSE(shrink(s, W, H));
    EXPECT_EQ(s.scale, 10.5);
    EXPECT_EQ(s.originX, 10000);
    s.scale = 11.5;
    EXPECT_TRUE(shrink(s, W, H));
    EXPECT_EQ(s.scale, 1.5);
}

TEST(ViewBounds, PansAndZoomsThatLeaveNoUsableNumberChangeNothing) {
    DrawingState s = view(10000, 5000, 9);
    EXPECT_TRUE(pan(s, 0, 500));
    EXPECT_EQ(s.originY, 5500);
    EXPECT_TRUE(pan(s, -1500, 0));
    EXPECT_EQ(s.originX, 8500);
    // Typed distances of any size: twice 1E308 would be infinite.
    EXPECT_FALSE(pan(s, 0, 1e308));
    EXPECT_FALSE(pan(s, -1e13, 0));
    EXPECT_FALSE(pan(s, std::nan(""), 0));
    EXPECT_EQ(s.originX, 8500);
    EXPECT_EQ(s.originY, 5500);
    EXPECT_TRUE(pan(s, kMaxOrigin - 8500, 0));

    DrawingState z = view(10000, 5000, 9);
    EXPECT_FALSE(setScaleRatio(z, 1e300, W, H));
    EXPECT_FALSE(setScaleRatio(z, kMaxScale / kScalePerRatio * 2, W, H));
    EXPECT_EQ(z.scale, 9);
    EXPECT_EQ(z.originX, 10000);
    // Enlarging with program zero at the edge of the bounds is refused, not overflowed.
    DrawingState far = view(kMaxOrigin, 5000, 9);
    EXPECT_FALSE(enlarge(far, W, H));
    EXPECT_EQ(far.scale, 9);

    // An area of one twip at a scale near the largest cannot be enlarged further.
    DrawingState a = view(14400, 8100, kMaxScale / 2);
    a.areaX1 = " 100", a.areaY1 = " 100", a.areaX2 = " 101", a.areaY2 = " 101";
    EXPECT_FALSE(zoomToArea(a, W, H));
    EXPECT_EQ(a.scale, kMaxScale / 2);
}
