#include "drawing/number_text.h"

#include <cmath>
#include <cstdio>

namespace nt {

QString str(double v) {
    if (std::isnan(v)) return QStringLiteral(" 0");
    if (v == 0) return QStringLiteral(" 0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(v));
    QString t = QString::fromLatin1(buf);
    int e = t.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // mantissa e[+-]dd  -> mantissaE+dd, at least two exponent digits
        QString mant = t.left(e);
        QChar sign = t[e + 1];
        QString digits = t.mid(e + 2);
        while (digits.size() > 2 && digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
        if (digits.size() < 2) digits.prepend(QLatin1Char('0'));
        t = mant + QLatin1Char('E') + sign + digits;
    } else if (t.startsWith(QLatin1String("0."))) {
        t.remove(0, 1);
    }
    return (v < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + t;
}

double val(const QString& s) {
    QByteArray b;
    int i = 0;
    const int n = s.size();
    auto skipBlanks = [&] {
        while (i < n && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r')) ++i;
    };
    skipBlanks();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        b += char(s[i].unicode());
        ++i;
    }
    bool digits = false, point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n) break;
        QChar c = s[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            b += char(c.unicode());
            digits = true;
        } else if (c == u'.' && !point) {
            b += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    skipBlanks();
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        int j = i + 1;
        QByteArray ex = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ex += char(s[j++].unicode());
        bool expDigits = false;
        while (j < n && s[j].unicode() >= '0' && s[j].unicode() <= '9') {
            ex += char(s[j++].unicode());
            expDigits = true;
        }
        if (expDigits) b += ex;
    }
    return std::strtod(b.constData(), nullptr);
}

bool isPlainNumber(const QString& s) {
    QString t = s.trimmed();
    if (t.startsWith(u'+') || t.startsWith(u'-')) t = t.mid(1).trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    t.toDouble(&ok);
    if (!ok) return false;
    // toDouble accepts "inf"/"nan"; the system's numbers are digits only
    for (QChar c : t)
        if (!(c.isDigit() || c == u'.' || c == u'E' || c == u'e' || c == u'+' || c == u'-'))
            return false;
    return true;
}

QString mid(const QString& s, int start1, int len) {
    if (start1 < 1) start1 = 1;
    return len < 0 ? s.mid(start1 - 1) : s.mid(start1 - 1, len);
}

int inStr(const QString& s, const QString& what, int start1) {
    if (start1 < 1) start1 = 1;
    int p = s.indexOf(what, start1 - 1);
    return p < 0 ? 0 : p + 1;
}

}  // namespace nt
