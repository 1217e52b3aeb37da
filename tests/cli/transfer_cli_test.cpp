// tssnc-cli send / receive on a pseudo-terminal: the window's transfer code end
// to end, its message lines and exit statuses.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>
#include "common/cli_run.h"
#include "common/pty.h"
#include "common/temp_home.h"

namespace {

void startCli(QProcess& p, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TSSNC_CLI_PATH), args);
    ASSERT_TRUE(p.waitForStarted());
}

// Runs until the process ends, giving `tick` a turn every few milliseconds.
template <class F>
void runUntilFinished(QProcess& p, F tick) {
    QElapsedTimer t;
    t.start();
    while (!p.waitForFinished(10) && t.elapsed() < 20000) tick();
}

}  // namespace

TEST(TransferCli, SendPutsTheFileOnTheLineAndReportsCompletion) {
    TempHome home;
    Pty pty;
    const QString file = home.write("a.sp2", "O1\r\nAC\r\n");
    QProcess p;
    startCli(p, {"send", file, "--port", pty.slavePath(), "--flow", "rtsxon"});
    QByteArray got;
    runUntilFinished(p, [&] { got += pty.readAvailable(); });
    got += pty.readAvailable();
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(got, QByteArray("\xA5\x0A\xCF\xB1\x0A\x41\xC3\x0A\xA5\x0A"));
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              "message: " + file + "  総行数 2   送信完了\n");
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("残り行数 0"));
}

TEST(TransferCli, ReceiveEndsByItselfAfterTheSecondPercent) {
    TempHome home;
    Pty pty;
    const QString file = home.file("r.sp2");
    QProcess p;
    startCli(p, {"receive", file, "--port", pty.slavePath(), "--settings", "4800,n,8,1"});
    bool written = false;
    runUntilFinished(p, [&] {
        if (!written && QFileInfo::exists(file)) written = pty.write("%\n:5\n%\nG9\n");
    });
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(readFileBytes(file), "%\r\n\r\nO5\r\n%\r\n");
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()), "message: 終了\n");
}

TEST(TransferCli, SigtermStopsAReceptionAndAnEmptyFileIsDeleted) {
    TempHome home;
    Pty pty;
    const QString file = home.file("r.sp2");
    QProcess p;
    startCli(p, {"receive", file, "--port", pty.slavePath()});
    bool signalled = false;
    runUntilFinished(p, [&] {
        if (!signalled && QFileInfo::exists(file)) {
            p.terminate();
            signalled = true;
        }
    });
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              "message: ファイル" + file + "は空です削除します\nmessage: 削除しました\n");
}

TEST(TransferCli, UsageErrorsAndFailuresHaveTheirOwnStatus) {
    TempHome home;
    const QString file = home.write("a.sp2", "O1\n");
    EXPECT_EQ(runCli({"send", file}).exitCode, 2);
    EXPECT_EQ(runCli({"send", file, "--port", "/dev/null", "--flow", "dtr"}).exitCode, 2);
    EXPECT_EQ(runCli({"receive", file, "--port", "/dev/null", "--settings", "9600,x,7,1"}).exitCode, 2);
    const CliResult r = runCli({"send", file, "--port", home.file("no-such-port")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "message: 通信ポート" + home.file("no-such-port") +
                         "を開けません\\n通信設定とケーブルを確かめてください\n");
}

TEST(TransferCli, FilesThatAreNotPlainAreRefusedWithoutOpeningThem) {
    // A device never ends and a pipe without a writer (or reader) holds open().
    TempHome home;
    Pty pty;
    const QString fifo = home.file("pipe.sp2");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const struct { const char* command; QString file; QString message; } rows[] = {
        {"send", fifo, "ファイル" + fifo + "を読めません"},
        {"send", "/dev/zero", "ファイル/dev/zeroを読めません"},
        {"receive", fifo, "ファイル" + fifo + "を作れません"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli({row.command, row.file, "--port", pty.slavePath()});
        EXPECT_EQ(r.exitCode, 1) << row.command << " " << row.file.toStdString();
        EXPECT_EQ(r.out, "message: " + row.message + "\n");
    }
}
