// Find and replace in the edit screen: wrap versus end messages, position 0,
// the old selection kept, replace all ending.
#include <gtest/gtest.h>

#include "editor/edit_search.h"
#include "search_test_pane.h"

using search::EditSearch;
using Kind = EditSearch::Kind;

namespace {
// Matches of "G01" at 5, 14 and 23 (never at 0: that one starts the text).
const QString kText = QStringLiteral("G01\r\nG01 X1.\r\nG01 Z2.\r\nG01 X3.");
}  // namespace

TEST(EditSearch, DownwardAndUpwardStepsWrapInFindButStopInReplace) {
    struct Case {
        Kind kind;
        bool down;
        qint32 startPos;   // last match (the selection is put there too)
        qint32 expected;   // -1: nothing selected anew
        QString message;
    } cases[] = {
        {Kind::Find, true, 5, 14, {}},
        {Kind::Find, true, 23, 5, {}},  // wraps to the first match from index 1
        {Kind::Replace, true, 23, -1, QStringLiteral("ファイル終端まで検索しました")},
        {Kind::Find, false, 23, 14, {}},
        {Kind::Find, false, 5, 23, {}},  // wraps to the last match
        {Kind::Replace, false, 5, -1, QStringLiteral("ファイル先頭まで検索しました")},
        {Kind::Replace, true, 5, 14, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " down " << c.down << " from " << c.startPos);
        TestPane pane(kText);
        pane.select(c.startPos, 3);
        EditSearch s(c.kind);
        s.setPosition(c.startPos);
        const auto out = s.findNext(pane, QStringLiteral("g01"), c.down);
        EXPECT_EQ(out.found, c.expected >= 0);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(s.position(), c.expected);
        EXPECT_EQ(s.tag(), std::optional<qint32>(c.expected));
        EXPECT_EQ(pane.selStart(), c.expected >= 0 ? c.expected : c.startPos);
        // The match left behind turns cyan; a replace-dialog match yellow.
        ASSERT_FALSE(pane.colours.isEmpty());
        EXPECT_EQ(pane.colours.first(), qMakePair(c.startPos, colour::rgb(0, 255, 255)));
        if (c.kind == Kind::Replace && c.expected >= 0) {
            EXPECT_EQ(pane.colours.last(), qMakePair(c.expected, colour::rgb(255, 255, 0)));
        }
    }
}

TEST(EditSearch, NothingFoundKeepsTheOldSelectionAndPositionZeroIsNoMatch) {
    // "O100" stands only at 0, which never counts.
    for (const QString& what : {QStringLiteral("M30"), QStringLiteral("O100")}) {
        TestPane pane(QStringLiteral("O100\r\nG00 X1.\r\n"));
        pane.select(6, 3);
        EditSearch s(Kind::Find);
        const auto out = s.findNext(pane, what, true);
        EXPECT_FALSE(out.found);
        EXPECT_EQ(out.message, QStringLiteral("検索文字列はありません"));
        EXPECT_EQ(pane.selStart(), 6);
        EXPECT_EQ(pane.selLength(), 3);
        EXPECT_EQ(s.position(), -1);
    }
}

TEST(EditSearch, PositionsBeyond32767Characters) {
    QString text = QString(40000, QLatin1Char('A'));
    text.replace(35000, 3, QStringLiteral("M30"));
    TestPane pane(text);
    EditSearch s(Kind::Find);
    ASSERT_TRUE(s.findNext(pane, QStringLiteral("M30"), true).found);
    EXPECT_EQ(s.position(), 35000);
    s.setPosition(39999);
    ASSERT_TRUE(s.findNext(pane, QStringLiteral("M30"), false).found);
    EXPECT_EQ(pane.selStart(), 35000);
}

TEST(EditSearch, ReplaceAllEndsAndReplacesEveryMatchAfterTheCaret) {
    struct Case {
        QString text, what, with;
        bool down;
        qint32 position;  // last match before the run (0: no search ran)
        qint32 caret;
        QString result, message;
        int changed;
    } cases[] = {
        // A replacement holding the search text: the search goes on after it.
        {QStringLiteral("N1 X1 X1 Z1 X1"), QStringLiteral("X1"), QStringLiteral("X10"), true, 0, 0,
         QStringLiteral("N1 X10 X10 Z1 X10"), QStringLiteral("終端まで検索しました\n3件置換しました"), 3},
        {QStringLiteral("N1 X1X1X1"), QStringLiteral("x1"), QStringLiteral("AAX1"), true, 0, 0,
         QStringLiteral("N1 AAX1AAX1AAX1"), QStringLiteral("終端まで検索しました\n3件置換しました"), 3},
        // An empty replacement changes nothing.
        {QStringLiteral("N1 X1 X1"), QStringLiteral("X1"), QString(), true, 0, 0,
         QStringLiteral("N1 X1 X1"), QStringLiteral("終端まで検索しました\n0件置換しました"), 0},
        {QStringLiteral("N1 X1 X1"), QStringLiteral("X1"), QString(), false, 6, 6,
         QStringLiteral("N1 X1 X1"), QStringLiteral("先頭まで検索しました\n0件置換しました"), 0},
        // Upward from the last match: it and every one above it.
        {QStringLiteral("N1 X1 X1 X1"), QStringLiteral("X1"), QStringLiteral("X10"), false, 9, 9,
         QStringLiteral("N1 X10 X10 X10"), QStringLiteral("先頭まで検索しました\n3件置換しました"), 3},
        // No search ran: from the caret, upward (at the end) and downward (on a match).
        {QStringLiteral("N1 X1 X1 X1"), QStringLiteral("X1"), QStringLiteral("X10"), false, 0, 11,
         QStringLiteral("N1 X10 X10 X10"), QStringLiteral("先頭まで検索しました\n3件置換しました"), 3},
        {QStringLiteral("N1 X1 X1 X1"), QStringLiteral("X1"), QStringLiteral("X10"), false, 0, 8,
         QStringLiteral("N1 X10 X10 X1"), QStringLiteral("先頭まで検索しました\n2件置換しました"), 2},
        {QStringLiteral("N1 X1 X1 X1"), QStringLiteral("X1"), QStringLiteral("X10"), true, 0, 6,
         QStringLiteral("N1 X1 X10 X10"), QStringLiteral("終端まで検索しました\n2件置換しました"), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.text + QStringLiteral(" / ") + c.with).toStdString() + " caret " +
                     std::to_string(c.caret));
        TestPane pane(c.text);
        pane.select(c.caret, 0);
        EditSearch s(Kind::Replace);
        s.setPosition(c.position);
        int changed = -1;
        EXPECT_EQ(s.replaceAll(pane, c.what, c.with, c.down, &changed), c.message);
        EXPECT_EQ(pane.text(), c.result);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(s.mode(), EditSearch::Mode::Normal);
    }
}

TEST(EditSearch, ReplaceTouchesOnlyTheMatchStillThere) {
    TestPane pane(QStringLiteral("N1 X1 X2"));
    EditSearch s(Kind::Replace);
    s.setPosition(6);  // "X2": not the search text (edited since the search)
    EXPECT_FALSE(s.replaceMatch(pane, QStringLiteral("X1"), QStringLiteral("X5")));
    s.setPosition(3);
    EXPECT_TRUE(s.replaceMatch(pane, QStringLiteral("X1"), QStringLiteral("X5")));
    EXPECT_EQ(pane.text(), QStringLiteral("N1 X5 X2"));
    EXPECT_EQ(pane.selStart(), 3);
    EXPECT_EQ(pane.selLength(), 2);
    s.setPosition(-1);  // the last search found nothing
    EXPECT_FALSE(s.replaceMatch(pane, QStringLiteral("X5"), QStringLiteral("X6")));
}

TEST(EditSearch, FindMovesFromTheCurrentMatchByItsOwnLength) {
    struct Case {
        QString text, what;
        bool down;
        qint32 current;   // the current match, selected
        qint32 expected;
    } cases[] = {
        // Upward, one character: the previous match, on line 2.
        {QStringLiteral("O100\r\nX1.\r\nX2."), QStringLiteral("X"), false, 11, 6},
        // Downward from 6 + 2: no other "00" after it, so it wraps back to 6 (the
        // overlapping one at 7 is never taken).
        {QStringLiteral("G01 X1000."), QStringLiteral("00"), true, 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TestPane pane(c.text);
        pane.select(c.current, qint32(c.what.size()));
        EditSearch s(Kind::Find);
        s.setPosition(c.current);
        EXPECT_TRUE(s.findNext(pane, c.what, c.down).found);
        EXPECT_EQ(pane.selStart(), c.expected);
    }
}
