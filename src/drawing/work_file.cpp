#include "drawing/work_file.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>


namespace drawing {

QString workFilePath(const QString& dir) { return QDir(dir).filePath(kWorkFileName); }

bool writeWorkFile(const QString& dir, const QString& text) {
    QFile f(workFilePath(dir));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bytes = text.toUtf8();
    bytes += "\r\n";
    bool ok = f.write(bytes) == bytes.size();
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

static QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError()) return s;
    QStringDecoder sjis("Shift_JIS");
    if (sjis.isValid()) return sjis.decode(bytes);
    return QString::fromLatin1(bytes);
}

QStringList splitFileLines(const QString& text) {
    QStringList out;
    QString cur;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out << cur;
            cur.clear();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        } else {
            cur += c;
        }
        ++i;
    }
    if (!cur.isEmpty()) out << cur;
    return out;
}

std::optional<QStringList> takeWorkFile(const QString& dir) {
    QFile f(workFilePath(dir));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    f.close();
    f.remove();
    return splitFileLines(decode(bytes));
}

}  // namespace drawing
