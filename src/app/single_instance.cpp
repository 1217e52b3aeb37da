#include "app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
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
    if (!lock->tryLock(0)) return false;
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
