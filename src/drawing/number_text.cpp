#include "drawing/number_text.h"

#include <QVarLengthArray>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace nt {

namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

}  // namespace

// Most number texts are decimals of 15 digits or fewer (literals, values cut
// at the 5th decimal), and for those the rounding is found without a general
// conversion: a * 10^k rounded to a whole number M of 15 digits, accepted when
// M / 10^k reads back as a (M and 10^k are exact, so that reading is correctly
// rounded).  An accepted M is the rounding wanted: for a normal double two
// 15-digit decimals lie more than four units of its last place apart, so the
// one 15-digit decimal that reads back as a is also the nearest to it.  Other
// values are rounded by to_chars at precision 14, which writes exactly what
// printf writes.
int significantDigits(double a, char* digits, int& exponent, bool* readsBack) {
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    int n = 0;
    const int x = int(std::floor(std::log10(a)));
    const int k = 14 - x;
    if (k >= -22 && k <= 22) {
        const double m = std::nearbyint(k >= 0 ? a * kPow10[k] : a / kPow10[-k]);
        if (m >= 1e14 && m < 1e15 && (k >= 0 ? m / kPow10[k] : m * kPow10[-k]) == a) {
            auto whole = static_cast<unsigned long long>(m);
            for (int i = 14; i >= 0; --i) {
                digits[i] = char('0' + whole % 10);
                whole /= 10;
            }
            n = 15;
            exponent = x;
        }
    }
    if (readsBack) *readsBack = n != 0;
    if (n == 0) {
        char buf[40];
        const std::to_chars_result r =
            std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
        const char* p = buf;
        for (; p < r.ptr && *p != 'e'; ++p)
            if (*p != '.') digits[n++] = *p;
        exponent = 0;
        std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, exponent);
    }
    while (n > 1 && digits[n - 1] == '0') --n;
    return n;
}

// Number text as printf("%.15g") writes it, then the exponent written "E+dd"
// (at least two digits), "0." shortened to "." and the sign column in front.
// Built in a char buffer: number text is made for every intermediate value of
// every expression.
QString str(double v) { return str(v, nullptr); }

QString str(double v, double* readBack) {
    if (std::isnan(v) || v == 0 || std::isinf(v)) {
        const QString t = std::isinf(v) ? (v < 0 ? QStringLiteral("-1E+309") : QStringLiteral(" 1E+309"))
                                        : QStringLiteral(" 0");
        if (readBack) *readBack = val(t);
        return t;
    }
    char d[20];
    int x = 0;
    bool exact = false;
    const int n = significantDigits(std::fabs(v), d, x, &exact);
    char out[48];
    int len = 0;
    out[len++] = v < 0 ? '-' : ' ';
    if (x < -4 || x >= 15) {
        // d.ddd E+xx
        out[len++] = d[0];
        if (n > 1) {
            out[len++] = '.';
            for (int i = 1; i < n; ++i) out[len++] = d[i];
        }
        out[len++] = 'E';
        out[len++] = x < 0 ? '-' : '+';
        const int ax = x < 0 ? -x : x;
        if (ax < 10) out[len++] = '0';
        len = int(std::to_chars(out + len, out + sizeof out, ax).ptr - out);
    } else if (x >= 0) {
        for (int i = 0; i <= x; ++i) out[len++] = i < n ? d[i] : '0';
        if (n > x + 1) {
            out[len++] = '.';
            for (int i = x + 1; i < n; ++i) out[len++] = d[i];
        }
    } else {
        out[len++] = '.';
        for (int i = -1; i > x; --i) out[len++] = '0';
        for (int i = 0; i < n; ++i) out[len++] = d[i];
    }
    QString t = QString::fromLatin1(out, len);
    if (readBack) *readBack = exact ? v : val(t);
    return t;
}

// Reads the normalised number text `s` (optional "-", digits, ".", "e...")
// exactly as strtod does; from_chars is strtod's correctly rounded reading
// without its locale and allocation, and strtod stays for what from_chars
// leaves (a magnitude beyond the double range, which strtod turns into an
// infinity or 0).
static double readNormalised(const char* s, int len) {
    double d = 0;
    const std::from_chars_result r = std::from_chars(s, s + len, d);
    if (r.ec == std::errc() && r.ptr == s + len) return d;
    return std::strtod(std::string(s, size_t(len)).c_str(), nullptr);
}

double val(QStringView s) {
    // Digits of number texts are few; a longer text goes to the heap.
    QVarLengthArray<char, 64> b;
    int i = 0;
    const int n = int(s.size());
    const QChar* c = s.constData();
    auto skipBlanks = [&] {
        while (i < n && isBlank(c[i])) ++i;
    };
    skipBlanks();
    if (i < n && (c[i] == u'+' || c[i] == u'-')) {
        if (c[i] == u'-') b.append('-');  // from_chars takes no "+"
        ++i;
    }
    bool digits = false, point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n) break;
        const QChar ch = c[i];
        if (isDigit(ch)) {
            b.append(char(ch.unicode()));
            digits = true;
        } else if (ch == u'.' && !point) {
            b.append('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < n && (c[i] == u'E' || c[i] == u'e' || c[i] == u'D' || c[i] == u'd')) {
        int j = i + 1;
        QVarLengthArray<char, 16> ex;
        ex.append('e');
        while (j < n && isBlank(c[j])) ++j;
        if (j < n && (c[j] == u'+' || c[j] == u'-')) ex.append(char(c[j++].unicode()));
        bool expDigits = false;
        for (; j < n; ++j) {
            if (isBlank(c[j])) continue;
            if (!isDigit(c[j])) break;
            ex.append(char(c[j].unicode()));
            expDigits = true;
        }
        if (expDigits) b.append(ex.constData(), ex.size());
    }
    return readNormalised(b.constData(), int(b.size()));
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
