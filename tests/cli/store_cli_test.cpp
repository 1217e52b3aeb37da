// tssnc-cli list / extract / readout: the output contract other tools rely on.
#include <gtest/gtest.h>

#include "common/cli_run.h"
#include "common/temp_home.h"

namespace {
struct CliRun {
    int code = -1;
    QByteArray out;
};
CliRun cli(const QStringList& args) {
    const CliResult r = runCli(args);
    return {r.exitCode, r.outBytes};
}
QString data(const char* name) { return sourcePath(QStringLiteral("tests/data/") + QLatin1String(name)); }
}  // namespace

TEST(StoreCli, ListNamesEveryEntry) {
    const CliRun r = cli({"list", data("three_programs.nc")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("1: O0001(FIRST)\n2: O0002(SECOND)\n3: O0003(THIRD)\n4: 自由書き込み領域\n")
                         .toUtf8());
    const CliRun s = cli({"list", data("sjis_comments.nc")});
    EXPECT_EQ(s.out, QStringLiteral("1: O0100(外径荒加工)\n2: O0200(仕上げ)\n3: 自由書き込み領域\n").toUtf8());
}

TEST(StoreCli, ExtractGivesTheEditTextExactly) {
    CliRun r = cli({"extract", data("sjis_comments.nc"), "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("O0100(外径荒加工)\r\n(端面削り　ＳＳ４００)\r\nG00 X50. Z2.\r\nM30\r\n\r\n")
                         .toUtf8());
    r = cli({"extract", data("three_programs.nc"), "4"});
    EXPECT_EQ(r.out, QStringLiteral("O0999\n(自由書き込み領域)\nM30\n").toUtf8());
    EXPECT_EQ(cli({"extract", data("three_programs.nc"), "5"}).code, 2);
    EXPECT_EQ(cli({"extract", data("three_programs.nc"), "x"}).code, 2);
    EXPECT_EQ(cli({"extract", data("three_programs.nc")}).code, 2);
}

TEST(StoreCli, ReadoutIsLfEnded) {
    const CliRun r = cli({"readout", data("three_programs.nc")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("%\n(HEADER LINE)\n\n((****************  1 ****************))\nO0001(FIRST)\n"));
    EXPECT_FALSE(r.out.contains('\r'));
    EXPECT_TRUE(r.out.endsWith("O0003(THIRD)\nG00 X10.\nM30\n%\n"));
}

TEST(StoreCli, MessagesAndExitStatus) {
    CliRun r = cli({"list", data("no_program.nc")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("message: Oを頭にしたファイル名がありませんでした\n").toUtf8());
    r = cli({"readout", data("no_program.nc")});
    EXPECT_EQ(r.out, QStringLiteral("message: Oを頭にしたファイル名がありませんでした\n%\n(ONLY A HEADER)\nG00 X10.\n")
                         .toUtf8());

    TempHome home;
    QByteArray many;
    for (int p = 1; p <= 200; ++p) many += QByteArray("O") + QByteArray::number(p) + "\r\nM30\r\n";
    const QString big = home.write(QStringLiteral("many.nc"), many);
    r = cli({"list", big});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.startsWith("message: "));
    EXPECT_TRUE(r.out.contains("\\n"));  // the line break of the message, escaped
    EXPECT_EQ(r.out.count('\n'), 1);

    r = cli({"list", home.file(QStringLiteral("none.nc"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.startsWith("message: "));
    EXPECT_EQ(cli({"list"}).code, 2);
}
