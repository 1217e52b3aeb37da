// Golden traces of the demo programs: every program of samples/ drawn by
// tssnc-cli in both orientations, kept as its move lines (the trace's line and
// circle operations) and its messages, compared with tests/data/golden/.
// TSSNC_UPDATE_GOLDEN=1 writes the files anew; look at the change before
// committing it.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "common/cli_run.h"

namespace {

const QString kSamples = QStringLiteral(TSSNC_SOURCE_DIR "/samples");
const QString kGoldens = QStringLiteral(TSSNC_SOURCE_DIR "/tests/data/golden");

QStringList sampleFiles() {
    QStringList files;
    QDirIterator it(kSamples, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (!f.endsWith(QLatin1String(".ini"))) files << f;
    }
    files.sort();
    return files;
}

// Program names of a file as the listing shows them ("1: O1001(SHAFT OD)"),
// without the free writing area at the end.
QStringList programs(const QString& file) {
    QStringList names;
    QStringList rows = runCli({"list", file}).outLines();
    if (!rows.isEmpty()) rows.removeLast();
    for (const QString& row : rows) names << row.section(QStringLiteral(": "), 1).section(u'(', 0, 0);
    return names;
}

QString moves(const QString& file, const QString& program, const QString& lathe) {
    const CliResult r =
        runCli({"draw", file, "--program", program, "--lathe", lathe, "--trace", "-"});
    QString out = QStringLiteral("# %1 %2 exit %3\n").arg(program, lathe).arg(r.exitCode);
    for (const QString& l : r.outLines())
        if (l.startsWith(u"line ") || l.startsWith(u"circle ") || l.startsWith(u"message "))
            out += l + u'\n';
    return out;
}

}  // namespace

TEST(GoldenTraces, DemoProgramsDrawAsBefore) {
    const bool update = qEnvironmentVariableIsSet("TSSNC_UPDATE_GOLDEN");
    const QStringList files = sampleFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QStringList names = programs(file);
        ASSERT_FALSE(names.isEmpty()) << file.toStdString();
        for (const char* lathe : {"t", "m"}) {
            QString text;
            for (const QString& p : names) text += moves(file, p, QString::fromLatin1(lathe));
            const QString golden = kGoldens + u'/' + QFileInfo(file).fileName() + u'.' +
                                   QLatin1String(lathe) + QStringLiteral(".trace");
            QFile f(golden);
            if (update) {
                QDir().mkpath(kGoldens);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(text.toUtf8());
                continue;
            }
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << golden.toStdString();
            const QStringList want = QString::fromUtf8(f.readAll()).split(u'\n');
            const QStringList got = text.split(u'\n');
            for (int i = 0; i < qMax(want.size(), got.size()); ++i)
                ASSERT_EQ(got.value(i), want.value(i))
                    << golden.toStdString() << " line " << i + 1;
        }
    }
}
