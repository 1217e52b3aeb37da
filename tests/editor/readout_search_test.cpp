// Find in the read-out screen: stepping down and back up, separator lines
// passed over, the bounded history, the end messages.
#include <gtest/gtest.h>

#include "editor/program_store.h"
#include "editor/readout_search.h"
#include "search_test_pane.h"

using search::ReadoutSearch;

namespace {

const QString kUpDone = QStringLiteral("上方向文字列の検索は完了しました");
const QString kDownDone = QStringLiteral("下方向文字列の検索は完了しました");

// Two programs as the read-out shows them, with their separator lines.
QString readout() {
    return QStringLiteral("%\r\n\r\n") + store::separatorLine(1) +
           QStringLiteral("\r\nO0001\r\nG00 X1.\r\nG01 X2.\r\nM30\r\n\r\n\r\n\r\n\r\n") +
           store::separatorLine(2) + QStringLiteral("\r\nO0002\r\nG00 X1.\r\nM30\r\n%\r\n");
}

// One step: the selected position, or the message shown.
QString step(ReadoutSearch& s, TestPane& p, const QString& what, bool down) {
    const auto out = s.findNext(p, what, down);
    return out.found ? QString::number(p.selStart()) : out.message;
}

}  // namespace

TEST(ReadoutSearch, StepsDownAndBackUpThroughTheMatches) {
    const QString text = readout();
    const QString m1 = QString::number(text.indexOf(QStringLiteral("X1.")));
    const QString m2 = QString::number(text.indexOf(QStringLiteral("X1."), m1.toInt() + 1));
    TestPane pane(text);
    ReadoutSearch s;
    const QString x = QStringLiteral("x1.");
    EXPECT_EQ(step(s, pane, x, false), kUpDone);  // nothing found yet
    EXPECT_EQ(step(s, pane, x, true), m1);
    EXPECT_EQ(step(s, pane, x, true), m2);
    EXPECT_EQ(step(s, pane, x, true), kDownDone);
    EXPECT_EQ(pane.selStart(), m2.toInt());  // the match stays selected
    EXPECT_EQ(step(s, pane, x, false), m1);
    EXPECT_EQ(step(s, pane, x, true), m2);  // turning down goes to the next one, none skipped
    EXPECT_EQ(step(s, pane, x, false), m1);
    EXPECT_EQ(step(s, pane, x, false), kUpDone);
    EXPECT_EQ(step(s, pane, x, true), m2);
    // Every match found is coloured yellow.
    ASSERT_FALSE(pane.colours.isEmpty());
    EXPECT_EQ(pane.colours.last(), qMakePair(m2.toInt(), colour::rgb(255, 255, 0)));
}

TEST(ReadoutSearch, SeparatorLinesArePassedOver) {
    const QString text = readout();
    struct Case {
        QString what;
        QString first;  // position of the first downward match, or the message
    } cases[] = {
        // " 1 " of the first separator is passed over; "O0001" holds the first 1.
        {QStringLiteral("1"), QString::number(text.indexOf(QStringLiteral("O0001")) + 4)},
        {QStringLiteral("*"), kDownDone},   // only in separators
        {QStringLiteral(" 2 "), kDownDone},
        {QStringLiteral("%"), QString::number(text.lastIndexOf(QLatin1Char('%')))},  // 0 never counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what.toStdString());
        TestPane pane(text);
        ReadoutSearch s;
        EXPECT_EQ(step(s, pane, c.what, true), c.first);
    }
}

TEST(ReadoutSearch, HistoryHoldsAtMost301Positions) {
    QString text = QStringLiteral("%\r\n");
    for (int i = 0; i < 400; ++i) text += QStringLiteral("G01 X1.\r\n");
    TestPane pane(text);
    ReadoutSearch s;
    const QString x = QStringLiteral("X1.");
    int most = 0;
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(s.findNext(pane, x, true).found) << i;
        most = std::max(most, s.historyCount());
    }
    EXPECT_EQ(most, search::kReadoutHistorySize);
    EXPECT_EQ(search::kReadoutHistorySize, 301);
    EXPECT_EQ(step(s, pane, x, true), kDownDone);
    // Back up through the 300 matches before the last; then the bound is said.
    for (int i = 0; i < 300; ++i) ASSERT_TRUE(s.findNext(pane, x, false).found) << i;
    EXPECT_EQ(pane.selStart(), 3 + 99 * 9 + 4);  // the 100th match
    EXPECT_EQ(step(s, pane, x, false), search::kReadoutHistoryFull);
    EXPECT_EQ(s.historyCount(), 301);
}

TEST(ReadoutSearch, ANewSearchTextStartsAgainFromTheTop) {
    const QString text = readout();
    TestPane pane(text);
    ReadoutSearch s;
    step(s, pane, QStringLiteral("X1."), true);
    step(s, pane, QStringLiteral("X1."), true);
    EXPECT_EQ(step(s, pane, QStringLiteral("M30"), true),
              QString::number(text.indexOf(QStringLiteral("M30"))));
    EXPECT_EQ(s.historyCount(), 1);
}

TEST(ReadoutSearch, AnEditedTextIsSearchedAgainGoingUp) {
    // The remembered match above was typed away: the one before the current
    // match is searched for instead of selecting stale text.
    QString text = QStringLiteral("%\r\nA X1.\r\nB X1.\r\nC X1.\r\n");
    TestPane pane(text);
    ReadoutSearch s;
    const QString x = QStringLiteral("X1.");
    for (int i = 0; i < 3; ++i) step(s, pane, x, true);  // on C's match (19)
    TestPane edited(QStringLiteral("%\r\nA X1.\r\nB Y1.\r\nC X1.\r\n"));
    edited.select(19, 3);
    EXPECT_EQ(step(s, edited, x, false), QStringLiteral("5"));
}

TEST(ReadoutSearch, OnlyLinesEndingInTwoBracketsAreSteppedOver) {
    // A comment closes with one bracket: its line is searched like any other.
    const QString text = QStringLiteral("%\r\nO0001\r\nG00 X1.(TOOL 1)\r\nM30\r\n%\r\n");
    TestPane pane(text);
    ReadoutSearch s;
    EXPECT_EQ(step(s, pane, QStringLiteral("X1."), true), QString::number(14));
}
