#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "drawing/work_file.h"

using namespace drawing;

TEST(WorkFile, TextGoesThroughTheFileAndTheFileIsDeleted) {
    QTemporaryDir dir;
    ASSERT_TRUE(writeWorkFile(dir.path(), "O0001\r\nG00X10.\r\n%"));
    QFile f(workFilePath(dir.path()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("O0001\r\nG00X10.\r\n%\r\n"));
    f.close();
    auto lines = takeWorkFile(dir.path());
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (QStringList{"O0001", "G00X10.", "%"}));
    EXPECT_FALSE(QFile::exists(workFilePath(dir.path())));
    EXPECT_FALSE(takeWorkFile(dir.path()));
}

TEST(WorkFile, ShiftJisFromTheListingIsRead) {
    QTemporaryDir dir;
    QStringEncoder sjis("Shift_JIS");
    QFile f(workFilePath(dir.path()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(sjis.encode(QStringLiteral("O0012(外径)\r\nM99\r\n"))));
    f.close();
    auto lines = takeWorkFile(dir.path());
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->value(0), QStringLiteral("O0012(外径)"));
}

TEST(WorkFile, AnUnwritableFolderIsReported) {
    QTemporaryDir dir;
    // The work file's name taken by a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(kWorkFileName));
    EXPECT_FALSE(writeWorkFile(dir.path(), "O0001"));
}
