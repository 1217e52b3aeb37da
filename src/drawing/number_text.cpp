#include "drawing/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace nt {

namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

}  // namespace

QString str(double v) {
    if (std::isnan(v) || v == 0) return QStringLiteral(" 0");
    if (std::isinf(v)) return v < 0 ? QStringLiteral("-1E+309") : QStringLiteral(" 1E+309");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(v));
    QString t = QString::fromLatin1(buf);
    const int e = t.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // mantissa e[+-]dd -> mantissaE+dd, at least two exponent digits
        const QString mant = t.left(e);
        const QChar sign = t[e + 1];
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
        while (i < n && isBlank(s[i])) ++i;
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
        const QChar c = s[i];
        if (isDigit(c)) {
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
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        int j = i + 1;
        QByteArray ex = "e";
        while (j < n && isBlank(s[j])) ++j;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ex += char(s[j++].unicode());
        bool expDigits = false;
        for (; j < n; ++j) {
            if (isBlank(s[j])) continue;
            if (!isDigit(s[j])) break;
            ex += char(s[j].unicode());
            expDigits = true;
        }
        if (expDigits) b += ex;
    }
    return std::strtod(b.constData(), nullptr);
}

bool isPlainNumber(const QString& s) {
    int i = 0;
    const int n = s.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(s[i])) ++i;
    };
    skipBlanks();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        ++i;
        skipBlanks();
    }
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) digits = true;
        else if (s[i] == u'.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
        bool expDigits = false;
        for (; i < n && isDigit(s[i]); ++i) expDigits = true;
        if (!expDigits) return false;
    }
    skipBlanks();
    return i == n;
}

QString mid(const QString& s, int start1, int len) {
    if (start1 < 1) start1 = 1;
    return len < 0 ? s.mid(start1 - 1) : s.mid(start1 - 1, len);
}

int inStr(const QString& s, const QString& what, int start1) {
    if (start1 < 1) start1 = 1;
    const int p = s.indexOf(what, start1 - 1);
    return p < 0 ? 0 : p + 1;
}

}  // namespace nt
