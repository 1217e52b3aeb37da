#include "drawing/work_file.h"

#include <QDir>
#include <QFile>
#include "platform/text_encoding.h"

namespace drawing {

QString workFilePath(const QString& dir) { return QDir(dir).filePath(kWorkFileName); }

bool writeWorkFile(const QString& dir, const QString& text) {
    QFile f(workFilePath(dir));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bytes = textenc::encode(text, textenc::Encoding::Utf8);
    bytes += "\r\n";
    bool ok = f.write(bytes) == bytes.size();
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

std::optional<QStringList> takeWorkFile(const QString& dir) {
    QFile f(workFilePath(dir));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    f.close();
    f.remove();
    return textenc::splitLines(textenc::decode(bytes).text);
}

}  // namespace drawing
