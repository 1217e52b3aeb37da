#include "platform/file_filter.h"

QStringList qtNameFilters(const QString& pairs) {
    QStringList parts = pairs.split(QLatin1Char('|'));
    // The trailing "|" leaves one empty piece.
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString desc = parts[i];
        QString pat = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (pat.isEmpty()) pat = QStringLiteral("*");
        QStringList pats = pat.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : pats) p = p.trimmed();
        QString joined = pats.join(QLatin1Char(' '));
        QString d = desc.trimmed();
        if (d.endsWith(QLatin1Char('(') + joined + QLatin1Char(')')) ||
            d.endsWith(QLatin1Char('(') + pat + QLatin1Char(')'))) {
            // Qt reads the patterns from the last parentheses; give them in its spelling.
            qsizetype open = d.lastIndexOf(QLatin1Char('('));
            out << d.left(open) + QLatin1Char('(') + joined + QLatin1Char(')');
        } else {
            out << (d.isEmpty() ? joined : d + QStringLiteral(" (") + joined + QLatin1Char(')'));
        }
    }
    return out;
}
