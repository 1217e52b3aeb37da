// Text files: UTF-8 or Shift_JIS, written back as read; line ends of every kind.
#include <gtest/gtest.h>

#include "common/temp_home.h"
#include "platform/text_encoding.h"

using namespace textenc;

TEST(TextEncoding, EncodingIsDetectedAndRoundTrips) {
    const QByteArray sjis = readFileBytes(sourcePath(QStringLiteral("tests/data/sjis_comments.nc")));
    ASSERT_FALSE(sjis.isEmpty());
    Decoded d = decode(sjis);
    EXPECT_EQ(d.encoding, Encoding::ShiftJis);
    EXPECT_TRUE(d.text.contains(QStringLiteral("(端面削り　ＳＳ４００)")));
    EXPECT_EQ(encode(d.text, d.encoding), sjis);

    const QByteArray utf8 = QStringLiteral("O1(外径)\r\nM30\r\n").toUtf8();
    d = decode(utf8);
    EXPECT_EQ(d.encoding, Encoding::Utf8);
    EXPECT_EQ(encode(d.text, d.encoding), utf8);

    d = decode(QByteArray("O1\r\n"));  // plain ASCII reads as UTF-8
    EXPECT_EQ(d.encoding, Encoding::Utf8);

    const QByteArray bom = QByteArray("\xEF\xBB\xBF") + utf8;
    d = decode(bom);
    EXPECT_TRUE(d.bom);
    EXPECT_EQ(d.text, QStringLiteral("O1(外径)\r\nM30\r\n"));
    EXPECT_EQ(encode(d.text, d.encoding, d.bom), bom);

    bool lossy = false;
    encode(QStringLiteral("O1(\U0001F600)"), Encoding::ShiftJis, false, &lossy);
    EXPECT_TRUE(lossy);
}

TEST(TextEncoding, LineEnds) {
    EXPECT_EQ(splitLines(QStringLiteral("A\r\nB\nC\rD")), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(splitLines(QStringLiteral("A\r\n\r\nB\r\n")), (QStringList{"A", "", "B"}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
    EXPECT_EQ(toCrLf(QStringLiteral("A\nB\r\nC\r")), QStringLiteral("A\r\nB\r\nC\r\n"));
    EXPECT_EQ(joinCrLf({"A", ""}), QStringLiteral("A\r\n\r\n"));
    EXPECT_EQ(splitLines("a\nb\rc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines("\r\n"), (QStringList{""}));
    EXPECT_TRUE(splitLines("").isEmpty());
}
