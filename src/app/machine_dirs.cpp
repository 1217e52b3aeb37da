#include "app/machine_dirs.h"

#include <QDir>
#include <cmath>
#include <QFile>
#include <QFileInfo>
#include "platform/text_encoding.h"

namespace {

// Text after the first "=", or the whole line when it has none.
QString afterEquals(const QString& line) {
    qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line : line.mid(eq + 1);
}

}  // namespace

QString defaultMachineDir(int slot) {
    static const char* const kDefaults[kMachineSlots] = {"sp2", "spg", "77q", "77r"};
    return slot >= 0 && slot < kMachineSlots ? QString::fromLatin1(kDefaults[slot]) : QString();
}

QByteArray defaultIniBytes() {
    return QByteArrayLiteral("Dir0 =sp2\r\nDir1 =spg\r\nDir2 =77q\r\nDir3 =77r\r\n"
                             "tate/yoko =tate\r\n");
}

MachineConfig parseMachineConfig(const QByteArray& iniBytes) {
    MachineConfig cfg;
    // A file edited on another system may end its lines with LF or CR alone.
    const QStringList lines = textenc::splitLines(textenc::decode(iniBytes).text);

    int counter = 0;
    for (const QString& line : lines) {
        if ((line.startsWith(QLatin1String("Dir")) || line.startsWith(QLatin1String("dir"))) &&
            counter < kMachineSlots) {
            QString v = afterEquals(line);
            qsizetype i = 0;
            while (i < v.size() && v[i] == QLatin1Char(' ')) ++i;  // trailing blanks stay
            cfg.dirs[counter++] = v.mid(i);
        }
        if (line.startsWith(QLatin1String("RapidRate"))) {
            bool ok = false;
            const double v = afterEquals(line).trimmed().toDouble(&ok);
            if (ok && v > 0 && std::isfinite(v)) cfg.rapidRate = v;
        }
        if (line.startsWith(QLatin1String("tate/yoko"))) {
            // Without "=", the line's own first two characters are examined ("ta").
            const QString two = afterEquals(line).left(2);
            cfg.orientation = two.contains(QLatin1Char('t')) ? QStringLiteral("t")
                                                             : QStringLiteral("m");
        }
    }
    for (int i = 0; i < kMachineSlots; ++i)
        if (cfg.dirs[i].isEmpty()) cfg.dirs[i] = defaultMachineDir(i);
    return cfg;
}

MachineConfig loadMachineConfig(const QString& programDirectory) {
    const QString path = QDir(programDirectory).filePath(QStringLiteral("tssnc.ini"));
    if (!QFileInfo::exists(path)) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            out.write(defaultIniBytes());
            out.close();
        }
    }
    QFile in(path);
    // An unreadable file reads as an empty one: every slot its default, "m".
    if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly)) return parseMachineConfig({});
    return parseMachineConfig(in.readAll());
}
