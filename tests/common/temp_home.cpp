#include "common/temp_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempHome::TempHome() : dir_(std::make_unique<QTemporaryDir>()) {
    hadPrevious_ = qEnvironmentVariableIsSet("TSSNC_HOME");
    previous_ = qgetenv("TSSNC_HOME");
    qputenv("TSSNC_HOME", dir_->path().toLocal8Bit());
    write(QStringLiteral(".keep"), {});
}

TempHome::~TempHome() {
    if (hadPrevious_)
        qputenv("TSSNC_HOME", previous_);
    else
        qunsetenv("TSSNC_HOME");
}

QString TempHome::file(const QString& name) const { return QDir(path()).filePath(name); }

QString TempHome::write(const QString& relPath, const QByteArray& bytes) const {
    QString p = file(relPath);
    QDir().mkpath(QFileInfo(p).absolutePath());
    return writeFileBytes(p, bytes);
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return path;
}

QString sourcePath(const QString& rel) { return QDir(QStringLiteral(TSSNC_SOURCE_DIR)).filePath(rel); }
