#include "platform/port_map.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include "platform/program_dir.h"
#include "platform/text_encoding.h"

QString portMappingFromIni(const QByteArray& iniBytes, int n) {
    static const QRegularExpression lineRe(QStringLiteral("^\\s*COM(\\d+)\\s*=(.*)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = textenc::splitLines(textenc::decode(iniBytes).text);
    QString found;
    for (const QString& l : lines) {
        auto m = lineRe.match(l);
        if (!m.hasMatch()) continue;
        bool ok = false;
        int k = m.captured(1).toInt(&ok);
        if (ok && k == n) {
            QString v = m.captured(2).trimmed();
            if (!v.isEmpty()) found = v;
        }
    }
    return found;
}

QString serialDeviceName(int n, const QByteArray& iniBytes, bool noRealPorts) {
    QString mapped = portMappingFromIni(iniBytes, n);
    if (!mapped.isEmpty()) return mapped;
#ifdef Q_OS_WIN
    if (!noRealPorts) return QStringLiteral("COM%1").arg(n);
#endif
    if (noRealPorts || n < 1)
        return QStringLiteral("/nonexistent/tssnc-no-real-ports/COM%1").arg(n);
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

QString serialDeviceName(int n) {
    QByteArray ini;
    QFile f(programPath(QStringLiteral("tssnc.ini")));
    if (f.open(QIODevice::ReadOnly)) ini = f.readAll();
    return serialDeviceName(n, ini, qgetenv("TSSNC_NO_REAL_PORTS") == "1");
}
