#include "editor/nc_text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include "platform/plain_file.h"

namespace nctext {

ReadResult readLines(const QString& path) {
    ReadResult r;
    QByteArray bytes;
    switch (readPlainFile(path, &bytes)) {
    case PlainRead::Ok: break;
    case PlainRead::NotPlain:
        r.error = QStringLiteral("ファイルを開けませんでした\n") + path;
        return r;
    case PlainRead::TooLarge:
        r.error = QStringLiteral("ファイルが大きすぎます（最大%1MB）\n").arg(kMaxReadBytes >> 20) + path;
        return r;
    case PlainRead::ReadFailed:
        r.error = QStringLiteral("ファイルを読み込めませんでした\n") + path;
        return r;
    }
    if (bytes.contains('\0')) {
        r.error = QStringLiteral("テキストファイルではないため読み込めません\n") + path;
        return r;
    }
    const textenc::Decoded d = textenc::decode(bytes);
    if (d.brokenAt >= 0) {
        // Read on, the bytes would be changed without a word at the next save.
        const qsizetype line = bytes.left(d.brokenAt).count('\n') + 1;
        r.error = QStringLiteral("%1行目の文字が壊れているため読み込めません（Shift_JIS）\n").arg(line) + path;
        return r;
    }
    r.ok = true;
    r.lines = textenc::splitLines(d.text);
    r.encoding = d.encoding;
    r.bom = d.bom;
    return r;
}

WriteResult writeFile(const QString& path, const QByteArray& bytes) {
    WriteResult r;
    auto fail = [&](WriteFault f) {
        r.fault = f;
        r.message = QStringLiteral("ファイルに書き込めませんでした\n") + path;
        return r;
    };
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir()) return fail(WriteFault::IsFolder);
    if (!info.absoluteDir().exists()) return fail(WriteFault::NoFolder);
    QSaveFile f(path);
    // Unbuffered: a write the disk cuts short is seen here.  A buffered one is
    // flushed by commit(), which takes a short write for a whole one and
    // would put a truncated file in place of the old.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(WriteFault::CannotCreate);
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        f.cancelWriting();
        return fail(WriteFault::WriteFailed);
    }
    return r;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    const WriteResult r = writeFile(path, bytes);
    if (!r.ok() && error) *error = r.message;
    return r.ok();
}

}  // namespace nctext
