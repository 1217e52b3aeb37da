#include "editor/readout_cleaning.h"

namespace readout {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
bool isSeparator(const QString& line) { return line.startsWith(QStringLiteral("((")); }
}  // namespace

QString cleanLines(const QStringList& lines) {
    QString out;
    auto handle = [&out](const QString& line) {
        if (!isSeparator(line)) out += kCrLf + line;
    };
    const qsizetype n = lines.size();
    qsizetype i = 0;
    while (i < n) {
        const QString& a = lines.at(i++);
        if (!a.isEmpty()) {
            handle(a);
            continue;
        }
        // Reading past the end would take a stale line: the text ends here.
        if (i >= n) break;
        const QString& b = lines.at(i++);
        if (isSeparator(b)) continue;  // the empty line goes with the separator
        out += b.isEmpty() ? QStringLiteral(" \r\n \r\n") : QStringLiteral(" \r\n");
        handle(b);
    }
    return out;
}

}  // namespace readout
