#include "platform/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kIniName = QStringLiteral("tssnc.ini");

QString userDataDir() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString exeDir() { return QCoreApplication::applicationDirPath(); }

}  // namespace

QString installedDemoDir(const QString& dir) {
    if (dir.isEmpty()) return QString();
    const QString demo = QDir::cleanPath(QDir(dir).filePath(QString::fromLatin1(kInstalledDemoPath)));
    return QFileInfo(QDir(demo).filePath(kIniName)).isFile() ? demo : QString();
}

QString programDir() {
    const QByteArray home = qgetenv("TSSNC_HOME");
    if (!home.isEmpty()) return QDir(QString::fromLocal8Bit(home)).absolutePath();
    const QString dir = exeDir();
    // An installed copy never writes beside its executable, even where it
    // could (an install run as root): each user works in a folder of their own.
    if (!installedDemoDir(dir).isEmpty()) return userDataDir();
    QFileInfo fi(dir);
    if (!dir.isEmpty() && fi.isDir() && fi.isWritable()) return dir;
    return userDataDir();
}

QString programPath(const QString& name) { return QDir(programDir()).filePath(name); }

bool fillWorkspace(const QString& demo, const QString& workspace) {
    QDir target(workspace);
    if (QFileInfo(target.filePath(kIniName)).exists()) return true;
    if (!QDir().mkpath(workspace)) return false;
    bool ok = true;
    const QDir source(demo);
    QDirIterator it(demo, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    // tssnc.ini last: a copy cut short is taken up again at the next start.
    QString ini;
    while (it.hasNext()) {
        const QString from = it.next();
        const QString rel = source.relativeFilePath(from);
        const QString to = target.filePath(rel);
        if (it.fileInfo().isDir()) {
            ok = QDir().mkpath(to) && ok;
        } else if (rel == kIniName) {
            ini = from;
        } else if (!QFileInfo::exists(to)) {
            QDir().mkpath(QFileInfo(to).absolutePath());
            ok = QFile::copy(from, to) && ok;
        }
    }
    if (!ini.isEmpty()) ok = QFile::copy(ini, target.filePath(kIniName)) && ok;
    // Installed files are read-only; the operator's copies must not be.
    QDirIterator fix(workspace, QDir::Files, QDirIterator::Subdirectories);
    while (fix.hasNext()) {
        const QString f = fix.next();
        QFile::setPermissions(f, QFile::permissions(f) | QFileDevice::WriteOwner);
    }
    return ok;
}

void prepareWorkspace() {
    if (!qgetenv("TSSNC_HOME").isEmpty()) return;
    const QString demo = installedDemoDir(exeDir());
    if (demo.isEmpty()) return;
    fillWorkspace(demo, programDir());
}
