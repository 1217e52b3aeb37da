#include "app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <memory>
#include "platform/program_dir.h"

namespace {

struct Held {
    std::unique_ptr<QLockFile> lock;
    QString path;
};

Held& held() {
    static Held h;
    return h;
}

// Something else in the lock's place (a folder) is no copy's lock.
bool isLockFile(const QString& path) {
    const QFileInfo fi(path);
    return !fi.exists() || fi.isFile();
}

}  // namespace

QString singleInstanceLockPath(const QString& programDirectory) {
    return QDir(programDirectory).filePath(QStringLiteral("tssnc.lock"));
}

bool acquireSingleInstance() {
    const QString path = singleInstanceLockPath(programDir());
    Held& h = held();
    if (h.lock && h.path == path) return true;
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its process has gone, never by age: a copy may
    // run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // Only a lock held by a running copy refuses the start.  A program
        // directory where no lock can be written (read-only, a folder in the
        // lock's place) must not keep the program from starting at all, and
        // silently: it then runs without the guard.
        return lock->error() != QLockFile::LockFailedError || !isLockFile(path);
    }
    h.lock = std::move(lock);
    h.path = path;
    return true;
}

bool anotherCopyRunning() {
    const QString path = singleInstanceLockPath(programDir());
    Held& h = held();
    if (h.lock && h.path == path) return false;
    QLockFile probe(path);
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    if (!isLockFile(path)) return false;
    qint64 pid = 0;
    QString host, app;
    if (probe.getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid())
        return false;
    return probe.error() == QLockFile::LockFailedError;
}

void releaseSingleInstance() {
    Held& h = held();
    if (h.lock) h.lock->unlock();
    h.lock.reset();
    h.path.clear();
}
