#include "editor/nc_text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace nctext {

ReadResult readLines(const QString& path) {
    ReadResult r;
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("ファイルを開けませんでした\n") + path;
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.error = QStringLiteral("ファイルを読み込めませんでした\n") + path;
        return r;
    }
    const textenc::Decoded d = textenc::decode(bytes);
    r.ok = true;
    r.lines = textenc::splitLines(d.text);
    r.encoding = d.encoding;
    r.bom = d.bom;
    return r;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("ファイルに書き込めませんでした\n") + path;
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        f.cancelWriting();
        if (error) *error = QStringLiteral("ファイルに書き込めませんでした\n") + path;
        return false;
    }
    return true;
}

}  // namespace nctext
