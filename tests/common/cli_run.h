#pragma once
// Runs the built tssnc-cli as a separate process, as a shell script would.
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliResult {
    int exitCode = -1;
    QByteArray outBytes;  // standard output as written
    QString out;          // the same read as UTF-8
    QString err;
    QStringList outLines() const {
        QStringList l = out.split(u'\n');
        if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
        return l;
    }
};

// keepHome: pass TSSNC_HOME on (the tool must still leave it alone).
// stdoutFile: standard output goes there instead of being read.
inline CliResult runCli(const QStringList& args, bool keepHome = false,
                        const QString& stdoutFile = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The tool must not need a program directory.
    if (!keepHome) env.remove(QStringLiteral("TSSNC_HOME"));
    p.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty()) p.setStandardOutputFile(stdoutFile);
    p.start(QStringLiteral(TSSNC_CLI_PATH), args);
    CliResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("tssnc-cli did not finish");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.outBytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.outBytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
