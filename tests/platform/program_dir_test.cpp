// The installed copy's workspace: found beside the executables, filled once
// from the demo, never overwriting the operator's files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/temp_home.h"
#include "platform/program_dir.h"

namespace {

QString put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeFileBytes(path, bytes);
}

}  // namespace

TEST(ProgramDir, InstalledDemoIsFoundOnlyBesideAnInstalledBin) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    EXPECT_EQ(installedDemoDir(bin), QString());  // a build tree: no demo
    put(prefix.filePath(QStringLiteral("share/tssnc/demo/sp2/a.sp2")), "O1\r\n");
    EXPECT_EQ(installedDemoDir(bin), QString());  // a demo without its tssnc.ini is not one
    put(prefix.filePath(QStringLiteral("share/tssnc/demo/tssnc.ini")), "Dir0 =sp2\r\n");
    EXPECT_EQ(installedDemoDir(bin), prefix.filePath(QStringLiteral("share/tssnc/demo")));
    EXPECT_EQ(installedDemoDir(QString()), QString());
}

TEST(ProgramDir, WorkspaceIsFilledOnceAndKeepsTheOperatorsFiles) {
    QTemporaryDir demo, user;
    put(demo.filePath(QStringLiteral("tssnc.ini")), "Dir0 =sp2\r\ntate/yoko =tate\r\n");
    put(demo.filePath(QStringLiteral("sp2/shaft.sp2")), "O1001\r\nM30\r\n");
    put(demo.filePath(QStringLiteral("77q/bush.77q")), "O2001\r\nM30\r\n");
    QFile::setPermissions(demo.filePath(QStringLiteral("77q/bush.77q")), QFileDevice::ReadOwner);
    const QString ws = user.filePath(QStringLiteral("data/tssnc"));
    // A file the operator already has stays as it is.
    put(ws + QStringLiteral("/sp2/shaft.sp2"), "O1001(MINE)\r\n");

    ASSERT_TRUE(fillWorkspace(demo.path(), ws));
    EXPECT_EQ(readFileBytes(ws + QStringLiteral("/tssnc.ini")), "Dir0 =sp2\r\ntate/yoko =tate\r\n");
    EXPECT_EQ(readFileBytes(ws + QStringLiteral("/77q/bush.77q")), "O2001\r\nM30\r\n");
    EXPECT_EQ(readFileBytes(ws + QStringLiteral("/sp2/shaft.sp2")), "O1001(MINE)\r\n");
    EXPECT_TRUE(QFile::permissions(ws + QStringLiteral("/77q/bush.77q")) & QFileDevice::WriteOwner);

    // With a tssnc.ini in place nothing is copied again.
    QFile::remove(ws + QStringLiteral("/77q/bush.77q"));
    put(ws + QStringLiteral("/tssnc.ini"), "Dir0 =abc\r\n");
    ASSERT_TRUE(fillWorkspace(demo.path(), ws));
    EXPECT_FALSE(QFile::exists(ws + QStringLiteral("/77q/bush.77q")));
    EXPECT_EQ(readFileBytes(ws + QStringLiteral("/tssnc.ini")), "Dir0 =abc\r\n");
}

TEST(ProgramDir, TssncHomeComesFirst) {
    TempHome home;
    EXPECT_EQ(programDir(), QDir(home.path()).absolutePath());
    EXPECT_EQ(programPath(QStringLiteral("tssnc.ini")), QDir(home.path()).filePath(QStringLiteral("tssnc.ini")));
}
