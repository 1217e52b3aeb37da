// Programs at and beyond the engine's bounds, drawn headlessly: each ends with
// its Japanese message (or draws), none crashes or runs on without end.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/cli_run.h"
#include "common/temp_home.h"

namespace {

QByteArray repeated(const QByteArray& line, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b += line;
    return b;
}

QByteArray commons(int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b += "#" + QByteArray::number(100 + i) + "=1\r\n";
    return b;
}

// Programs O0001..O0006, each calling the next.
QByteArray nestedCalls() {
    QByteArray b;
    for (int p = 1; p <= 6; ++p)
        b += "O000" + QByteArray::number(p) + "\r\nG65 P" + QByteArray::number(p + 1) + "\r\nM99\r\n";
    return b;
}

}  // namespace

TEST(BadInputDrawCli, EachBoundEndsTheRunWithItsMessage) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray program;  // after "%", before the closing "%"
        int exitCode;
        QString out;         // the message lines of tssnc-cli draw
    } cases[] = {
        // The program number and 2000 blocks.
        {"2000 lines", "O0100\r\n" + repeated("G01X1.\r\n", 2000), 1,
         "message: プログラムが2001行あります 描画できるのは1001行までです 描画を中止します\n"},
        {"nested six deep", nestedCalls(), 1,
         "message: マクロ呼出しは4重までです 描画を終了します\\nG65 P6\n"},
        {"51 common variables", "O0001\r\n" + commons(51), 1,
         "message: 変数の使用が制限数50を超えました プログラムを終了します\n"},
        {"endless WHILE", "O0001\r\nWHILE [1 LT 2] DO1\r\nG01X1.\r\nEND1\r\nM30\r\n", 1,
         "message: ブロック数が上限500に達しました 描画を中止します\n"},
        {"block of 100,000 characters",
         "O0001\r\nG01X1." + QByteArray(100000 - 6, '0') + "\r\nM30\r\n", 0, ""},
    };
    for (const auto& c : cases) {
        const QString nc = writeFileBytes(dir.filePath(QStringLiteral("bad.nc")),
                                          "%\r\n" + c.program + "%\r\n");
        const CliResult r = runCli({"draw", nc, "--max-blocks", "500"});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name << ": " << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), c.out.toStdString()) << c.name;
    }
}

TEST(BadInputDrawCli, AnEndlessLoopStopsPaintingAfterAWarningAndEndsAtTheBound) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath(QStringLiteral("loop.nc")),
                                      "%\r\nO0001\r\nN1 G01X1.\r\nGOTO1\r\n%\r\n");
    const CliResult r = runCli({"draw", nc, "--trace", "-", "--max-blocks", "150000"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "draw: 100000 blocks drawn: the picture and the trace stop here, the run "
                     "goes on to its end or to --max-blocks 150000\n");
    EXPECT_TRUE(r.out.endsWith("message \"ブロック数が上限150000に達しました 描画を中止します\"\n"));
    // A block of this loop paints its move, the position and the key help (fewer
    // than six operations): nothing of the last 50000 blocks is in the trace.
    EXPECT_LT(r.out.count(u'\n'), 6 * 100000);
    const CliResult help = runCli({"--help"});
    EXPECT_TRUE(help.out.contains("default 1000000")) << help.out.toStdString();
}
