// Names that saving proposes, and the cleaning of a saved read-out copy.
#include <gtest/gtest.h>

#include "editor/file_names.h"
#include "editor/readout_cleaning.h"

using namespace filenames;

TEST(SaveNames, ProposedFromTheFirstLine) {
    const QString long200 = QString(200, QLatin1Char('A'));
    struct Case {
        QString text;
        int length;
        QString name;
    } cases[] = {
        {QStringLiteral("O1234\r\nG00 X1.\r\n"), 5, QStringLiteral("O1234.sp2")},
        {QStringLiteral("O1234\nM30"), 5, QStringLiteral("O1234.sp2")},
        {QStringLiteral(" O1234(BLANK KEPT)\r\n"), 18, QStringLiteral(" O1234(BLANK KEPT).sp2")},
        {long200, 150, QString(150, QLatin1Char('A')) + QStringLiteral(".sp2")},
        {QString(149, QLatin1Char('B')) + QStringLiteral("\r\n"), 149,
         QString(149, QLatin1Char('B')) + QStringLiteral(".sp2")},
        {QStringLiteral("\r\nO1234\r\n"), 0, QStringLiteral(".sp2")},
        {QStringLiteral("O1"), 2, QStringLiteral("O1.sp2")},  // no line end: the text, up to 150
        {QString(), 0, QStringLiteral(".sp2")},  // empty: no name (refused, or a date name)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(firstLineLength(c.text), c.length) << c.text.toStdString();
        EXPECT_EQ(proposedName(c.text, QStringLiteral("sp2")), c.name) << c.text.toStdString();
    }
    EXPECT_EQ(machineExtension(QStringLiteral("lathe77r")), QStringLiteral("77r"));
    // Year without century, month, day, minutes.
    EXPECT_EQ(dateTimeName(QDateTime(QDate(2026, 12, 8), QTime(22, 16, 18)), QStringLiteral("sp2")),
              QStringLiteral("26120816.sp2"));
    EXPECT_EQ(dateTimeName(QDateTime(QDate(2007, 1, 30), QTime(9, 5, 59)), QStringLiteral("lt1")),
              QStringLiteral("07013005.lt1"));
    EXPECT_EQ(copyName(QStringLiteral("/w/sp2/PARTS.sp2"), QStringLiteral("/w/sp2")),
              QStringLiteral("/w/sp2/PARTS-Copy.sp2"));
    // Other extensions go whole, not four characters of the name with them.
    EXPECT_EQ(copyName(QStringLiteral("/w/sp2/A.NC"), QStringLiteral("/w/sp2")),
              QStringLiteral("/w/sp2/A-Copy.sp2"));
    EXPECT_EQ(copyName(QStringLiteral("/w/sp2.d/PLAIN"), QStringLiteral("/w/sp2")),
              QStringLiteral("/w/sp2.d/PLAIN-Copy.sp2"));
}

TEST(ReadoutCleaning, SeparatorsAndEmptyLines) {
    struct Case {
        QStringList lines;
        QString cleaned;
    } cases[] = {
        // Header, an empty line and a separator before each program: both go.
        {{"%", "", "((****************  1 ****************))", "O0001", "M30", "", "",
          "", "", "((****************  2 ****************))", "O0002", "M30", ""},
         // The four empty lines are read in pairs, each pair giving a blank at
         // the end of the line before, a line " " and an empty line.
         "\r\n%\r\nO0001\r\nM30 \r\n \r\n\r\n \r\n \r\n\r\n\r\nO0002\r\nM30"},
        // One empty line between two ordinary lines: a blank and a line end.
        {{"A", "", "B"}, "\r\nA \r\n\r\nB"},
        // A separator without an empty line before it goes alone.
        {{"A", "((x))", "B"}, "\r\nA\r\nB"},
        // An empty last line adds nothing.
        {{"A", ""}, "\r\nA"},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readout::cleanLines(c.lines), c.cleaned) << c.lines.join('|').toStdString();
}
