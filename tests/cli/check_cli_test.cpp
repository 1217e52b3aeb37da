// tssnc-cli check: every program of each file, each message with where it happened.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/cli_run.h"
#include "common/temp_home.h"

namespace {

const QByteArray kClean =
    "%\r\n"
    "O0001(FIRST)\r\n"
    "G00X100.Z10.\r\n"
    "G01Z-20.F0.2\r\n"
    "M30\r\n"
    "%\r\n"
    "O0002(SECOND)\r\n"
    "(STOP)\r\n"
    "G00X10.\r\n"
    "M30\r\n"
    "%\r\n";

// A good program, one longer than the line table, another good one.
QByteArray withLongProgram() {
    QByteArray b = "%\r\nO0001(FIRST)\r\nG00X100.\r\n%\r\nO0100(LONG PROGRAM NAME IS CUT)\r\n";
    for (int i = 0; i < 1001; ++i) b += "G01X" + QByteArray::number(i) + ".\r\n";
    b += "%\r\nO0003(THIRD)\r\nG00X5.\r\n%\r\n";
    return b;
}

}  // namespace

TEST(CheckCli, CleanFilesPrintNothing) {
    QTemporaryDir dir;
    const QString a = writeFileBytes(dir.filePath("a.NC"), kClean);
    for (const char* lathe : {"t", "m"}) {
        CliResult r = runCli({"check", "--lathe", lathe, a, a});
        EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

TEST(CheckCli, EachMessageNamesFileListingNameAndLine) {
    QTemporaryDir dir;
    const QString a = writeFileBytes(dir.filePath("a.NC"), withLongProgram());
    CliResult r = runCli({"check", a});
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    const QStringList lines = r.outLines();
    ASSERT_EQ(lines.size(), 1) << r.out.toStdString();
    // The listing name is the first 20 characters of the program's first line.
    static const QRegularExpression re(
        "^" + QRegularExpression::escape(a + ":O0100(LONG PROGRAM N:") + "([0-9]+): (.+)$");
    auto m = re.match(lines[0]);
    ASSERT_TRUE(m.hasMatch()) << lines[0].toStdString();
    EXPECT_GE(m.captured(1).toInt(), 1);
    EXPECT_TRUE(m.captured(2).contains("1001")) << lines[0].toStdString();
}

TEST(CheckCli, FileErrorsGiveStatusTwoAndTheOtherFilesAreStillChecked) {
    QTemporaryDir dir;
    const QString bad = writeFileBytes(dir.filePath("bad.NC"), withLongProgram());
    CliResult r = runCli({"check", dir.filePath("missing.NC"), bad});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("missing.NC")) << r.err.toStdString();
    EXPECT_EQ(r.outLines().size(), 1) << r.out.toStdString();

    EXPECT_EQ(runCli({"check"}).exitCode, 2);
    EXPECT_EQ(runCli({"check", "--lathe", "x", bad}).exitCode, 2);
    EXPECT_EQ(runCli({"check", "--program", "O1", bad}).exitCode, 2);
    const QString noProgram = writeFileBytes(dir.filePath("empty.NC"), "(no program here)\r\n");
    EXPECT_EQ(runCli({"check", noProgram}).exitCode, 2);
}

TEST(CheckCli, AMessageInACalledProgramNamesTheCalledProgram) {
    QTemporaryDir dir;
    // O0012 divides by its argument A; O0001 calls it with A0.
    const QString a = writeFileBytes(dir.filePath("call.NC"),
                                     "%\r\n"
                                     "O0001(MAIN)\r\n"
                                     "G65 P12 A0\r\n"
                                     "M30\r\n"
                                     "%\r\n"
                                     "O0012(SUB)\r\n"
                                     "G00 X10.\r\n"
                                     "G01 X[10/#1]\r\n"
                                     "%\r\n");
    CliResult r = runCli({"check", a});
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.outLines().contains(
        a + ":O0012(SUB):3: 演算エラーです 描画を終了します\\nG01 X[10/#1]"))
        << r.out.toStdString();
}
