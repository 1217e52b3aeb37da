// Files that are not NC text reach the operator as one Japanese message and
// leave the store empty; a very long line is kept whole.
#include <gtest/gtest.h>

#include <QDir>

#include "common/temp_home.h"
#include "editor/program_store.h"

using S = store::ProgramStore::ReadStatus;

TEST(BadInputFiles, EachUnreadableFileGivesItsMessage) {
    TempHome home;
    QDir(home.path()).mkdir(QStringLiteral("folder.nc"));
    const QString binary = home.write(QStringLiteral("image.nc"),
                                      QByteArray("O0001\r\n\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 22));
    const QString utf16 = home.write(QStringLiteral("utf16.nc"), QByteArray("O\0001\0\r\0\n\0", 8));
    // Shift_JIS ("あ" is 82 A0) with a lead byte cut off before CR, or at the end.
    const QString cut = home.write(QStringLiteral("cut.nc"), "O0001(\x82\xA0)\r\nX1.(\x83\r\nM30\r\n");
    const QString cutAtEnd = home.write(QStringLiteral("end.nc"), "O0001(\x82\xA0)\r\nM30\x82");
    const struct {
        QString path;
        const char* message;
    } cases[] = {
        // Root ignores permissions: a folder stands in for a file that cannot be opened.
        {home.file(QStringLiteral("folder.nc")), "ファイルを開けませんでした\n"},
        // A device would never end (or block): only plain files are read.
        {QStringLiteral("/dev/zero"), "ファイルを開けませんでした\n"},
        // A plain file whose reading fails.
        {QStringLiteral("/proc/self/mem"), "ファイルを読み込めませんでした\n"},
        {binary, "テキストファイルではないため読み込めません\n"},
        {utf16, "テキストファイルではないため読み込めません\n"},
        {cut, "2行目の文字が壊れているため読み込めません（Shift_JIS）\n"},
        {cutAtEnd, "2行目の文字が壊れているため読み込めません（Shift_JIS）\n"},
    };
    for (const auto& c : cases) {
        store::ProgramStore st;
        const auto r = st.read(c.path);
        EXPECT_EQ(r.status, S::CannotOpen) << c.path.toStdString();
        EXPECT_EQ(r.message, QString::fromUtf8(c.message) + c.path);
        EXPECT_EQ(st.programCount(), 0);
        EXPECT_TRUE(st.isRead());
    }
}

TEST(BadInputFiles, ALineOfAHundredThousandCharactersIsKeptWhole) {
    TempHome home;
    const QByteArray longLine = "G01X1." + QByteArray(100000 - 6, '0');
    const QString p = home.write(QStringLiteral("long.nc"), "O0001\r\n" + longLine + "\r\nM30\r\n");
    store::ProgramStore st;
    ASSERT_EQ(st.read(p).status, S::Read);
    EXPECT_EQ(st.programCount(), 2);
    EXPECT_EQ(st.line(2).size(), 100000);
    EXPECT_EQ(st.entryText(1), "O0001\r\n" + QString::fromLatin1(longLine) + "\r\nM30\r\n");
}
