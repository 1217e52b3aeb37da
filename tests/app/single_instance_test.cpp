// One running copy per program directory, seen from another process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include "app/single_instance.h"
#include "common/temp_home.h"
#include "platform/program_dir.h"

// Child side: run by the tests below as a separate process of this program.  It
// takes the lock of its TSSNC_HOME, says so, and holds it until its input closes.
TEST(SingleInstanceChild, HoldLock) {
    if (qgetenv("TSSNC_TEST_HOLD_LOCK") != "1") GTEST_SKIP() << "helper process only";
    ASSERT_TRUE(acquireSingleInstance());
    QFile out;
    ASSERT_TRUE(out.open(stdout, QIODevice::WriteOnly));
    out.write("locked\n");
    out.flush();
    QFile in;
    ASSERT_TRUE(in.open(stdin, QIODevice::ReadOnly));
    in.readAll();  // until the parent closes our input
    releaseSingleInstance();
}

namespace {

class LockHolder {
public:
    explicit LockHolder(const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TSSNC_HOME", home);
        env.insert("TSSNC_TEST_HOLD_LOCK", "1");
        env.insert("TSSNC_TEST_CHILD", "1");
        p_.setProcessEnvironment(env);
        p_.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=SingleInstanceChild.HoldLock"});
    }
    ~LockHolder() {
        if (p_.state() != QProcess::NotRunning) {
            p_.kill();
            p_.waitForFinished(5000);
        }
    }
    bool waitLocked() {
        QByteArray seen;
        while (!seen.contains("locked\n") && p_.waitForReadyRead(10000)) seen += p_.readAll();
        return seen.contains("locked\n");
    }
    void finish() {
        p_.closeWriteChannel();
        p_.waitForFinished(10000);
    }
    void crash() {
        p_.kill();
        p_.waitForFinished(10000);
    }

private:
    QProcess p_;
};

}  // namespace

TEST(SingleInstance, OwnLockIsNeverTakenForASecondCopy) {
    TempHome home;
    EXPECT_FALSE(anotherCopyRunning());
    ASSERT_TRUE(acquireSingleInstance());
    EXPECT_TRUE(QFile::exists(singleInstanceLockPath(programDir())));
    EXPECT_FALSE(anotherCopyRunning());  // the transfer window's check at its load
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
    EXPECT_FALSE(QFile::exists(singleInstanceLockPath(programDir())));
}

TEST(SingleInstance, CopyOnTheSameDirectoryIsRefusedUntilTheFirstEnds) {
    TempHome home;
    LockHolder first(home.path());
    ASSERT_TRUE(first.waitLocked());
    EXPECT_TRUE(anotherCopyRunning());
    EXPECT_FALSE(acquireSingleInstance());
    first.finish();
    EXPECT_FALSE(anotherCopyRunning());
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
}

TEST(SingleInstance, CopiesOnOtherDirectoriesDoNotSeeEachOther) {
    TempHome other;
    const QString otherPath = other.path();
    LockHolder first(otherPath);
    ASSERT_TRUE(first.waitLocked());
    TempHome mine;
    EXPECT_FALSE(anotherCopyRunning());
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
}

TEST(SingleInstance, LockLeftByACrashedCopyDoesNotBlockTheNextStart) {
    TempHome home;
    LockHolder first(home.path());
    ASSERT_TRUE(first.waitLocked());
    first.crash();
    ASSERT_TRUE(QFile::exists(singleInstanceLockPath(programDir())));  // left behind
    EXPECT_FALSE(anotherCopyRunning());
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
}

TEST(SingleInstance, DirectoryWithoutRoomForALockStillStarts) {
    // A folder in the lock file's place: no lock can be written (root ignores
    // permissions, so a read-only folder would not do).  No other copy holds
    // one, so the program must start rather than end without a word.
    TempHome home;
    ASSERT_TRUE(QDir(home.path()).mkdir("tssnc.lock"));
    EXPECT_FALSE(anotherCopyRunning());
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
    // The same for a program directory that does not exist.
    qputenv("TSSNC_HOME", QByteArray("/nonexistent/tssnc-home"));
    EXPECT_FALSE(anotherCopyRunning());
    EXPECT_TRUE(acquireSingleInstance());
    releaseSingleInstance();
}
