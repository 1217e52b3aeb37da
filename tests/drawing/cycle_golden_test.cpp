// Golden traces of the turning cycles of the demo programs: both cycle blocks
// of each demo G71/G72 program drawn from the tool position the program
// reaches before them, in both orientations, kept as the surface's trace and
// the messages, compared with tests/data/golden/cycles/.
// TSSNC_UPDATE_GOLDEN=1 writes the files anew; look at the change before
// committing it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cycle_rig.h"
#include "platform/text_encoding.h"

namespace {

const QString kSamples = QStringLiteral(TSSNC_SOURCE_DIR "/samples");
const QString kGoldens = QStringLiteral(TSSNC_SOURCE_DIR "/tests/data/golden/cycles");

struct Demo {
    const char* file;     // below samples/
    const char* program;  // its first line begins with this
    double x, z;          // the tool before the first cycle block (read off the program)
};
const Demo kDemos[] = {
    {"sp2/shaft.sp2", "O1001", 62, 2},
    {"77q/bush.77q", "O4001", 52, 2},
    {"77r/cover.77r", "O5001", 164, 2},
    {"spg/flange.spg", "O3001", 122, 3},
};

QStringList programLines(const Demo& d) {
    QFile f(kSamples + u'/' + QLatin1String(d.file));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QStringList all = textenc::splitLines(textenc::decode(f.readAll()).text);
    QStringList out;
    for (const QString& l : all) {
        if (out.isEmpty() && !l.startsWith(QLatin1String(d.program))) continue;
        if (!out.isEmpty() && (l.startsWith(u'O') || l == u"%")) break;
        out << l;
    }
    return out;
}

QString cycleTrace(const Demo& d, bool horizontal) {
    const QStringList lines = programLines(d);
    CycleRig rig;
    rig.orientation(horizontal);
    QString out = QStringLiteral("# %1 %2\n").arg(QLatin1String(d.program), horizontal ? "m" : "t");
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("G71")) && !lines[i].startsWith(QLatin1String("G72")))
            continue;
        rig.cycle(lines, i, d.x, d.z);
        i = rig.out.lineIndex;
    }
    for (const QString& op : rig.surf.ops()) out += op + u'\n';
    for (const QString& m : rig.dlg.messages()) out += QStringLiteral("message ") + m + u'\n';
    return out;
}

}  // namespace

TEST(CycleGolden, DemoCyclesDrawAsBefore) {
    const bool update = qEnvironmentVariableIsSet("TSSNC_UPDATE_GOLDEN");
    for (const Demo& d : kDemos) {
        ASSERT_FALSE(programLines(d).isEmpty()) << d.file;
        for (bool horizontal : {false, true}) {
            const QString text = cycleTrace(d, horizontal);
            const QString golden = kGoldens + u'/' + QLatin1String(d.program) +
                                   QLatin1String(horizontal ? ".m.trace" : ".t.trace");
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
                ASSERT_EQ(got.value(i), want.value(i)) << golden.toStdString() << " line " << i + 1;
        }
    }
}
