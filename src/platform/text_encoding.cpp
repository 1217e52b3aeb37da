#include "platform/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace textenc {

namespace {
const char* codecName(Encoding enc) { return enc == Encoding::ShiftJis ? "Shift_JIS" : "UTF-8"; }
}  // namespace

// A lead byte of a two-byte Shift_JIS character must be followed by a trail
// byte.
static qsizetype brokenShiftJisAt(const QByteArray& bytes) {
    auto lead = [](quint8 b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    auto trail = [](quint8 b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!lead(quint8(bytes[i]))) continue;
        if (i + 1 >= bytes.size() || !trail(quint8(bytes[i + 1]))) return i;
        ++i;
    }
    return -1;
}

Decoded decode(const QByteArray& bytes) {
    Decoded d;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        d.bom = true;
        body = body.mid(3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        d.text = text;
        d.encoding = Encoding::Utf8;
        return d;
    }
    d.bom = false;
    d.brokenAt = brokenShiftJisAt(bytes);
    QStringDecoder sjis("Shift_JIS");
    if (sjis.isValid()) {
        d.text = sjis.decode(bytes);
        d.encoding = Encoding::ShiftJis;
        return d;
    }
    // No Shift_JIS codec on this platform: keep what UTF-8 could make of it.
    d.text = text;
    d.encoding = Encoding::Utf8;
    return d;
}

QByteArray encode(const QString& text, Encoding enc, bool bom, bool* lossy) {
    QStringEncoder e(codecName(enc));
    QByteArray out = e.encode(text);
    if (lossy) *lossy = e.hasError();
    if (bom && enc == Encoding::Utf8) out.prepend("\xEF\xBB\xBF");
    return out;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    const int n = int(text.size());
    int start = 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

QString joinCrLf(const QStringList& lines) {
    QString out;
    for (const QString& l : lines) {
        out += l;
        out += QStringLiteral("\r\n");
    }
    return out;
}

QString toCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < n && text.at(i + 1) == u'\n') ++i;
            out += QStringLiteral("\r\n");
        } else if (c == u'\n') {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace textenc
