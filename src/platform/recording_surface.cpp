#include "platform/recording_surface.h"

#include <charconv>
#include <cmath>

namespace trace {

QString num(double v) {
    if (v == 0) v = 0;  // no "-0"
    // Plain decimal digits over the whole range a drawing can reach, so that
    // 100000 stays 100000 (the shortest form alone would give 1e+05); only
    // magnitudes no twip position has use the exponent form.
    char buf[400];
    const double a = std::fabs(v);
    const auto res = a >= 1e-6 && a < 1e21
                         ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed)
                         : std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

QString rgbHex(colour::Rgb c) {
    return QStringLiteral("%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

static QString escapeImpl(const QString& s, bool escapeQuotes) {
    QString out;
    out.reserve(s.size() + 2);
    for (int i = 0; i < s.size(); ++i) {
        QChar ch = s[i];
        if (ch == u'\r') {
            if (i + 1 < s.size() && s[i + 1] == u'\n') ++i;
            out += QStringLiteral("\\n");
        } else if (ch == u'\n') {
            out += QStringLiteral("\\n");
        } else if (ch == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (escapeQuotes && ch == u'"') {
            out += QStringLiteral("\\\"");
        } else {
            out += ch;
        }
    }
    return out;
}

QString quoted(const QString& s) { return QLatin1Char('"') + escapeImpl(s, true) + QLatin1Char('"'); }
QString escaped(const QString& s) { return escapeImpl(s, false); }
QString quotedInner(const QString& s) { return escapeImpl(s, true); }

}  // namespace trace

RecordingSurface::RecordingSurface(double width, double height, double screenWidth,
                                   double screenHeight)
    : w_(width), h_(height), sw_(screenWidth), sh_(screenHeight) {}

void RecordingSurface::add(const QString& op) {
    if (keep_) ops_.append(op);
    if (sink_) sink_(op);
}

using trace::num;
using trace::rgbHex;

void RecordingSurface::fill(double x1, double y1, double x2, double y2, colour::Rgb c) {
    add(QStringLiteral("fill %1 %2 %3 %4 %5").arg(num(x1), num(y1), num(x2), num(y2), rgbHex(c)));
    if (forward_) forward_->fill(x1, y1, x2, y2, c);
}
void RecordingSurface::line(double x1, double y1, double x2, double y2, colour::Rgb c) {
    add(QStringLiteral("line %1 %2 %3 %4 %5").arg(num(x1), num(y1), num(x2), num(y2), rgbHex(c)));
    if (forward_) forward_->line(x1, y1, x2, y2, c);
}
void RecordingSurface::point(double x, double y, colour::Rgb c) {
    add(QStringLiteral("point %1 %2 %3").arg(num(x), num(y), rgbHex(c)));
    if (forward_) forward_->point(x, y, c);
}
void RecordingSurface::circle(double cx, double cy, double r, colour::Rgb c) {
    add(QStringLiteral("circle %1 %2 %3 %4").arg(num(cx), num(cy), num(r), rgbHex(c)));
    if (forward_) forward_->circle(cx, cy, r, c);
}
void RecordingSurface::text(double x, double y, double size, colour::Rgb c, const QString& str) {
    add(QStringLiteral("text %1 %2 %3 %4 %5")
            .arg(num(x), num(y), num(size), rgbHex(c), trace::quoted(str)));
    if (forward_) forward_->text(x, y, size, c, str);
}
void RecordingSurface::fittedText(double x, double y, double size, colour::Rgb c,
                                  const QString& str, double maxWidth) {
    add(QStringLiteral("text %1 %2 %3 %4 %5")
            .arg(num(x), num(y), num(size), rgbHex(c), trace::quoted(str)));
    if (forward_) forward_->fittedText(x, y, size, c, str, maxWidth);
}
