// tssnc-cli stats: one line per program in the exact format, from a drawing
// run of each (vertical lathe, start point X1600 Z400).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/cli_run.h"
#include "common/temp_home.h"

namespace {

const QByteArray kTwo =
    "%\r\n"
    "O0001(FIRST)\r\n"
    "G97 S1000 M03\r\n"
    "G00 X100. Z400.\r\n"  // rapid 750 mm (radial)
    "G01 Z380. F.25\r\n"   // 20 mm at 250 mm/min: 4.8 s
    "G04 P2000\r\n"        // 2 s
    "%\r\n"
    "O0002(SECOND)\r\n"
    "G00 X1600. Z0\r\n"    // rapid 400 mm
    "%\r\n";

}  // namespace

TEST(StatsCli, OneLinePerProgramAtTheRapidRateGiven) {
    QTemporaryDir dir;
    const QString f = writeFileBytes(dir.filePath("a.NC"), kTwo);
    struct Row {
        QStringList args;
        QString out;
    } rows[] = {
        {{"stats", f},
         "O0001(FIRST) feed_mm=20.000 feed_s=4.800 rapid_mm=750.000 rapid_s=4.500 dwell_s=2.000 "
         "total_s=11.300\n"
         "O0002(SECOND) feed_mm=0.000 feed_s=0.000 rapid_mm=400.000 rapid_s=2.400 dwell_s=0.000 "
         "total_s=2.400\n"},
        {{"stats", f, "--program", "O0001", "--rapid", "5000"},
         "O0001(FIRST) feed_mm=20.000 feed_s=4.800 rapid_mm=750.000 rapid_s=9.000 dwell_s=2.000 "
         "total_s=15.800\n"},
        {{"--rapid", "20000", "stats", f, "--program", "O0002"},
         "O0002(SECOND) feed_mm=0.000 feed_s=0.000 rapid_mm=400.000 rapid_s=1.200 dwell_s=0.000 "
         "total_s=1.200\n"},
    };
    for (const Row& r : rows) {
        const CliResult c = runCli(r.args);
        EXPECT_EQ(c.exitCode, 0) << c.err.toStdString();
        EXPECT_EQ(c.out, r.out) << r.args.join(' ').toStdString();
    }
    for (const QStringList& bad : {QStringList{"stats", f, "--rapid", "0"},
                                   QStringList{"stats", f, "--rapid", "fast"},
                                   QStringList{"--rapid", "100", "draw", f}}) {
        const CliResult c = runCli(bad);
        EXPECT_EQ(c.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(c.out.isEmpty()) << bad.join(' ').toStdString();
    }
}
