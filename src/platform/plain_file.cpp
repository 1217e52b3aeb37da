#include "platform/plain_file.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

PlainRead readPlainFile(const QString& path, QByteArray* bytes) {
    // Checked before opening: open() itself blocks on a pipe.
    if (!QFileInfo(path).isFile()) return PlainRead::NotPlain;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return PlainRead::NotPlain;
    if (f.size() > kMaxFileReadBytes) return PlainRead::TooLarge;
    // One byte more than allowed tells a file that grew while it was read.
    QByteArray got = f.read(kMaxFileReadBytes + 1);
    if (f.error() != QFileDevice::NoError) return PlainRead::ReadFailed;
    if (got.size() > kMaxFileReadBytes) return PlainRead::TooLarge;
    *bytes = std::move(got);
    return PlainRead::Ok;
}

bool writableTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return true;
#ifdef Q_OS_UNIX
    // A character device (/dev/null, /dev/full) opens at once; a pipe does not.
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
#else
    return false;
#endif
}
