#include "platform/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programDir() {
    const QByteArray home = qgetenv("TSSNC_HOME");
    if (!home.isEmpty()) return QDir(QString::fromLocal8Bit(home)).absolutePath();
    QString exeDir = QCoreApplication::applicationDirPath();
    QFileInfo fi(exeDir);
    if (!exeDir.isEmpty() && fi.isDir() && fi.isWritable()) return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString programPath(const QString& name) { return QDir(programDir()).filePath(name); }
