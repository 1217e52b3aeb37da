// NC files: Shift_JIS files written back as read; safe writes.
#include <gtest/gtest.h>

#include <QDir>
#include <csignal>
#include <sys/resource.h>

#include "common/temp_home.h"
#include "editor/nc_text_file.h"
#include "editor/program_store.h"

using namespace nctext;
using textenc::encode;
using textenc::Encoding;

TEST(NcTextFile, ShiftJisFileRoundTripsThroughReadAndExtract) {
    store::ProgramStore st;
    ASSERT_EQ(st.read(sourcePath(QStringLiteral("tests/data/sjis_comments.nc"))).status,
              store::ProgramStore::ReadStatus::Read);
    EXPECT_EQ(st.encoding(), Encoding::ShiftJis);
    EXPECT_EQ(st.entryName(1), QStringLiteral("O0100(外径荒加工)"));
    const QString text = st.entryText(1);
    EXPECT_EQ(text, QStringLiteral("O0100(外径荒加工)\r\n(端面削り　ＳＳ４００)\r\nG00 X50. Z2.\r\nM30\r\n\r\n"));
    // Written back in the encoding read, the bytes are those of the file.
    const QByteArray file = readFileBytes(sourcePath(QStringLiteral("tests/data/sjis_comments.nc")));
    EXPECT_TRUE(file.contains(encode(text, st.encoding())));
}

TEST(NcTextFile, WritesReplaceWholeOrNotAtAll) {
    TempHome home;
    const QString p = home.write(QStringLiteral("a.nc"), "OLD\r\n");
    QString err;
    ASSERT_TRUE(writeBytes(p, "NEW\r\n", &err));
    EXPECT_EQ(readFileBytes(p), QByteArray("NEW\r\n"));
    // A target that is a folder cannot be written: reported, nothing changed.
    QDir(home.path()).mkdir(QStringLiteral("folder.nc"));
    EXPECT_FALSE(writeBytes(home.file(QStringLiteral("folder.nc")), "X", &err));
    EXPECT_FALSE(err.isEmpty());
    EXPECT_TRUE(QFileInfo(home.file(QStringLiteral("folder.nc"))).isDir());
    // Writing into a folder that does not exist fails without leaving files.
    EXPECT_FALSE(writeBytes(home.file(QStringLiteral("missing/b.nc")), "X", &err));
    const ReadResult r = readLines(home.file(QStringLiteral("folder.nc")));
    EXPECT_FALSE(r.ok);
}

TEST(NcTextFile, AWriteCutShortLeavesTheOldFileWhole) {
    // The file-size limit stops the write half way (root is bound by it too).
    TempHome home;
    const QString p = home.write(QStringLiteral("sp2/a.sp2"), "OLD FILE\r\n");
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteResult r = writeFile(p, QByteArray(4096, 'X'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(r.fault, WriteFault::WriteFailed);
    EXPECT_EQ(r.message, QStringLiteral("ファイルに書き込めませんでした\n") + p);
    EXPECT_EQ(readFileBytes(p), QByteArray("OLD FILE\r\n"));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(home.file(QStringLiteral("sp2"))).entryList(QDir::Files),
              QStringList{QStringLiteral("a.sp2")});
    // Faults named for the message numbers of the explicit save.
    QDir(home.path()).mkdir(QStringLiteral("dir.sp2"));
    EXPECT_EQ(writeFile(home.file(QStringLiteral("dir.sp2")), "X").fault, WriteFault::IsFolder);
    EXPECT_EQ(writeFile(home.file(QStringLiteral("none/b.sp2")), "X").fault, WriteFault::NoFolder);
}
