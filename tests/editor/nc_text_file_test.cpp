// NC files: Shift_JIS files written back as read; safe writes.
#include <gtest/gtest.h>

#include <QDir>

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
