// tssnc-cli's place, its usage text and how it tells usage and file errors apart.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/cli_run.h"

TEST(UsageCli, BothProgramsStandAtTheTopOfTheBuildFolder) {
    const QString top = QDir(QStringLiteral(TSSNC_BUILD_DIR)).absolutePath();
    EXPECT_EQ(QFileInfo(QStringLiteral(TSSNC_CLI_PATH)).absoluteFilePath(), top + "/tssnc-cli");
    EXPECT_EQ(QFileInfo(QStringLiteral(TSSNC_APP_PATH)).absoluteFilePath(), top + "/tssnc");
}

TEST(UsageCli, HelpGoesToStandardOutputAndUsageErrorsToStandardError) {
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: tssnc-cli eval EXPR...\n")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("tssnc-cli check [--lathe t|m] FILE...\n"));
    EXPECT_EQ(help.err, "");

    for (const QStringList& args : {QStringList{}, QStringList{"bogus"}, QStringList{"list"},
                                    QStringList{"extract", "a.NC", "x"}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.contains("usage: tssnc-cli")) << args.join(' ').toStdString();
    }
}

TEST(UsageCli, AFileErrorIsOneLineWithoutTheUsage) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.NC");
    for (const QStringList& args : {QStringList{"draw", missing}, QStringList{"check", missing}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.contains("usage")) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("missing.NC")) << r.err.toStdString();
    }
}
