// The real program: a second copy on the same program directory ends at once,
// silently, while the first runs on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include "app/single_instance.h"
#include "common/temp_home.h"

namespace {

QProcessEnvironment appEnv(const QString& home, const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TSSNC_HOME", home);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TSSNC_NO_REAL_PORTS", "1");
    env.insert("XDG_RUNTIME_DIR", runtime);
    return env;
}

}  // namespace

TEST(ProgramStart, SecondCopyEndsAtOnceSilentlyWhileTheFirstRuns) {
    TempHome home;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    QProcess first;
    first.setProcessEnvironment(appEnv(home.path(), runtime.path()));
    first.start(TSSNC_APP_PATH, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first copy holds the lock and has written tssnc.ini once it is up.
    const QString lock = singleInstanceLockPath(home.path());
    for (int i = 0; i < 200 && !(QFile::exists(lock) && QFile::exists(home.file("tssnc.ini"))); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(lock));
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(appEnv(home.path(), runtime.path()));
    second.start(TSSNC_APP_PATH, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(second.readAllStandardError(), QByteArray());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}

TEST(ProgramStart, CopiesOnDifferentProgramDirectoriesRunSideBySide) {
    TempHome a;
    const QString aPath = a.path();
    TempHome b;
    QTemporaryDir runtime;
    QProcess first, second;
    first.setProcessEnvironment(appEnv(aPath, runtime.path()));
    second.setProcessEnvironment(appEnv(b.path(), runtime.path()));
    first.start(TSSNC_APP_PATH, {});
    second.start(TSSNC_APP_PATH, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(second.waitForStarted(10000));
    for (int i = 0; i < 200 && !(QFile::exists(singleInstanceLockPath(aPath)) &&
                                 QFile::exists(singleInstanceLockPath(b.path())));
         ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(singleInstanceLockPath(aPath)));
    EXPECT_TRUE(QFile::exists(singleInstanceLockPath(b.path())));
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(second.state(), QProcess::Running);
    for (QProcess* p : {&first, &second}) {
        p->terminate();
        if (!p->waitForFinished(10000)) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
}
