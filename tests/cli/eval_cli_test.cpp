// tssnc-cli eval: the output contract other tools read.
#include <gtest/gtest.h>

#include "common/cli_run.h"

namespace {

struct EvalRun {
    int exitCode = -1;
    std::string out;
};

EvalRun runEval(const QStringList& expressions) {
    const CliResult r = runCli(QStringList{"eval"} + expressions);
    return {r.exitCode, r.out.toStdString()};
}

}  // namespace

TEST(EvalCli, OneResultLinePerExpressionWithTheLeadingBlank) {
    const EvalRun r = runEval({"1+2*3", "-1/3", "SIN[30]", "[1+2]*3"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "value: \" 7\"\n"
              "value: \"-.33334\"\n"
              "value: \" .49999\"\n"
              "value: \" 9\"\n");
}

TEST(EvalCli, ArgumentsThatLookLikeQtOptionsAreExpressionsToo) {
    // "-style" would take the next argument with it if Qt read the command line.
    const EvalRun r = runEval({"-2", "-style", "3", "-reverse"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "value: \"-2\"\n"
              "message: -style判別不能文字があります   \\ns\\n\n"
              "empty\n"
              "value: \" 3\"\n"
              "message: -reverse判別不能文字があります   \\nr\\n\n"
              "empty\n");
}

TEST(EvalCli, ReportedFaultsGiveMessagesThenEmpty) {
    const EvalRun r = runEval({"3*-2", "5/[2-2]", "2+]", "#1+2", "7"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "message: 文法エラーです3*-2\n"
              "empty\n"
              "message: 0で割り算です 終了します\n"
              "empty\n"
              "message: [の数が合いません\n"
              "empty\n"
              "message: #1+2判別不能文字があります   \\n#\\n\n"
              "empty\n"
              "value: \" 7\"\n");
}

TEST(EvalCli, ArithmeticFaultsGiveOneFaultLine) {
    const EvalRun r = runEval({"5/0", "7 MOD 0", "SQRT[-1]", "ACOS[0]", "1+1"});
    EXPECT_EQ(r.exitCode, 0);
    const QStringList lines = QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << r.out;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(lines[i].startsWith("fault: ")) << lines[i].toStdString();
        EXPECT_GT(lines[i].size(), 7);
    }
    EXPECT_EQ(lines[4], "value: \" 2\"");
}

TEST(EvalCli, BackslashInAMessageIsEscaped) {
    const EvalRun r = runEval({"1\\2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "message: 1\\\\2判別不能文字があります   \\n\\\\\\n\nempty\n");
}

TEST(EvalCli, NoExpressionIsAUsageError) {
    const EvalRun r = runEval({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
}
