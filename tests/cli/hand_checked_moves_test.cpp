// Moves of the demo programs worked out by hand from the mapping rules, so
// that the golden traces are not only the code agreeing with itself.
// Orientation "m" on the default 1920 x 1080 px window (28800 x 16200 twips):
// program zero at (14400, 12960), 9 twips a unit, a point Z, X drawn at
// x = 14400 + 9 Z, y = 12960 - 9 X / 2; the run starts at Z300 X500.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>

#include "common/cli_run.h"

namespace {

QStringList trace(const char* file, const char* program) {
    const CliResult r = runCli({"draw", QStringLiteral(TSSNC_SOURCE_DIR "/samples/") + file,
                                "--program", program, "--lathe", "m", "--trace", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return r.outLines();
}

}  // namespace

TEST(HandCheckedMoves, StraightMoveAndMacroCall) {
    const QStringList t = trace("sp2/macro.sp2", "O2001");
    // G00 X70. Z5. from Z300 X500: (17100, 10710) -> (14445, 12645), red.
    EXPECT_TRUE(t.contains("line 17100 10710 14445 12645 FF0000"));
    // G65 P9010 A#101 B[#102-#103*8.] C4. with #101 = 40, #102 = -10, #103 = 0:
    // O9010 sets #4 = #1 + 4 = 44 and moves G00 X#4 Z#2 to Z-10 X44 (14310,
    // 12762), then G01 X#1 to X40 (14310, 12780), yellow.
    const int call = int(t.indexOf("line 14445 12645 14310 12762 FF0000"));
    ASSERT_GE(call, 0);
    EXPECT_GT(t.indexOf("line 14310 12762 14310 12780 FFFF00"), call);
    // The first call ended at Z[#2-#3+3.] = -11 X44 (14301, 12762); the second
    // (#103 = 1, so #2 = -18) starts with a rapid move to Z-18: x 14238.
    EXPECT_GT(t.indexOf("line 14301 12762 14238 12762 FF0000"), call);
}

TEST(HandCheckedMoves, ArcCentreAndMarkers) {
    // O4002: G03 X16. Z-28. R2. from Z-26 X20: start (14166, 12870), end
    // (14148, 12888), radius 2 * 9 = 18 twips.  Anticlockwise in "m": the centre
    // lies at (14166, 12888), 18 from both ends.
    const QStringList t = trace("77q/bush.77q", "O4002");
    EXPECT_TRUE(t.contains("circle 14166 12870 10 0000FF"));
    EXPECT_TRUE(t.contains("circle 14148 12888 10 FF0000"));
    static const QRegularExpression point("^point (\\S+) (\\S+) 00FF00$");
    int plotted = 0;
    for (const QString& l : t) {
        const auto m = point.match(l);
        if (!m.hasMatch()) continue;
        ++plotted;
        const double dx = m.captured(1).toDouble() - 14166, dy = m.captured(2).toDouble() - 12888;
        EXPECT_NEAR(std::hypot(dx, dy), 18, 0.01) << l.toStdString();
        // A quarter circle from straight above the centre to its left.
        EXPECT_LE(dx, 0.01);
        EXPECT_LE(dy, 0.01);
    }
    EXPECT_GT(plotted, 10);
}
