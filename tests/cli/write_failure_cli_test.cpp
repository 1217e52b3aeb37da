// Output that cannot be written whole (a full disk, a folder in the way) ends
// tssnc-cli with one line on standard error and status 2, never as a success.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/cli_run.h"
#include "common/temp_home.h"

TEST(WriteFailureCli, EveryWriteThatFailsIsAFileError) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath(QStringLiteral("a.nc")),
                                      "%\r\nO0001\r\nG00X10.Z2.\r\nG01Z-20.\r\nM30\r\n%\r\n");
    const QString folder = dir.path();
    const struct { QStringList args; QString stdoutTo; QString err; } rows[] = {
        {{"draw", nc, "--trace", "/dev/full"}, "/dev/null",
         "draw: cannot write the trace file /dev/full\n"},
        {{"draw", nc, "--trace", folder}, "/dev/null", "draw: cannot write the trace file " + folder + "\n"},
        {{"draw", nc, "--png", folder}, "/dev/null", "draw: cannot write the picture " + folder},
        {{"draw", nc, "--png", "/dev/full"}, "/dev/null", "draw: cannot write the picture /dev/full"},
        {{"draw", nc, "--trace", "-"}, "/dev/full", "draw: cannot write the standard output\n"},
        {{"readout", nc}, "/dev/full", "readout: cannot write the standard output\n"},
        {{"list", nc}, "/dev/full", "list: cannot write the standard output\n"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(row.args, false, row.stdoutTo);
        EXPECT_EQ(r.exitCode, 2) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(row.err)) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    }
}
