#include <gtest/gtest.h>

#include "platform/colour.h"
#include "platform/recording_surface.h"

TEST(TraceFormat, NumbersAreShortestRoundTrip) {
    EXPECT_EQ(trace::num(14400), "14400");
    EXPECT_EQ(trace::num(12960.0), "12960");
    EXPECT_EQ(trace::num(14400.0 / 7 * 2.5 * 2 / 2), "5142.857142857143");
    EXPECT_EQ(trace::num(-0.0), "0");
    EXPECT_EQ(trace::num(0.5), "0.5");
    // Whole numbers never turn into exponent form, however many zeros they end in.
    EXPECT_EQ(trace::num(100000), "100000");
    EXPECT_EQ(trace::num(-2000000), "-2000000");
    EXPECT_EQ(trace::num(1e20), "100000000000000000000");
    EXPECT_EQ(trace::num(1500000.25), "1500000.25");
    EXPECT_EQ(trace::num(0.0001), "0.0001");
    EXPECT_EQ(trace::num(0.1 + 0.2), "0.30000000000000004");  // still reads back exactly
}

TEST(TraceFormat, TextsEscapeLineBreaksQuotesAndBackslashes) {
    EXPECT_EQ(trace::quoted("a\r\nb\nc\rd"), "\"a\\nb\\nc\\nd\"");
    EXPECT_EQ(trace::quoted("say \"x\" \\"), "\"say \\\"x\\\" \\\\\"");
    EXPECT_EQ(trace::escaped("a\"b\r\n"), "a\"b\\n");
}

TEST(TraceFormat, OperationsAreRecordedInOrder) {
    RecordingSurface s(28800, 16200, 28800, 16200);
    s.fill(0, 0, 100.5, 200, colour::rgb(0, 0, 192));
    s.circle(14400, 12960, 100, colour::kRed);
    s.text(10, 20, 14, colour::kWhite, "倍率 1");
    ASSERT_EQ(s.ops().size(), 3);
    EXPECT_EQ(s.ops()[0], "fill 0 0 100.5 200 0000C0");
    EXPECT_EQ(s.ops()[1], "circle 14400 12960 100 FF0000");
    EXPECT_EQ(s.ops()[2], "text 10 20 14 FFFFFF \"倍率 1\"");
}

TEST(Colours, VbOrderConvertsOnceAtTheEdge) {
    EXPECT_EQ(colour::fromVb(0xFFFF), colour::kYellow);       // &HFFFF yellow
    EXPECT_EQ(colour::fromVb(0xFFFF00), colour::rgb(0, 255, 255));  // &HFFFF00 cyan
    EXPECT_EQ(colour::fromVb(255), colour::kRed);             // 255 red
    EXPECT_EQ(colour::fromVb(0xFF0000), colour::kBlue);       // &HFF0000 blue
    EXPECT_EQ(colour::toVb(colour::kYellow), 0xFFFFu);
    EXPECT_EQ(colour::toVb(colour::rgb(0x12, 0x34, 0x56)), 0x563412u);
}
