// Reading NC files into the program store: entries, the read-out text with its
// separator lines, the edit text with its end trims, bookmark buttons, bounds.
#include <gtest/gtest.h>

#include <QDir>

#include "common/temp_home.h"
#include "editor/program_store.h"

using store::ProgramStore;
using S = ProgramStore::ReadStatus;

namespace {

QString sep(int n) { return store::separatorLine(n); }

// A program of `lines` lines: its O line and filler blocks.
QStringList program(int number, int lines) {
    QStringList out{QStringLiteral("O%1").arg(number, 4, 10, QLatin1Char('0'))};
    for (int i = 1; i < lines; ++i) out << QStringLiteral("G01 X%1.").arg(i);
    return out;
}

}  // namespace

TEST(ProgramStoreRead, ThreeProgramsGiveFourEntriesAndTheReadOutText) {
    ProgramStore st;
    const auto r = st.read(sourcePath(QStringLiteral("tests/data/three_programs.nc")));
    ASSERT_EQ(r.status, S::Read);
    EXPECT_TRUE(r.message.isEmpty());
    ASSERT_EQ(st.programCount(), 4);
    EXPECT_EQ(st.entryName(1), QStringLiteral("O0001(FIRST)"));
    EXPECT_EQ(st.entryName(2), QStringLiteral("O0002(SECOND)"));  // one leading blank dropped
    EXPECT_EQ(st.entryName(3), QStringLiteral("O0003(THIRD)"));
    EXPECT_EQ(st.entryName(4), QStringLiteral("自由書き込み領域"));
    EXPECT_TRUE(st.isFreeArea(4));
    // The free area shows its default text on first display: LF only.
    EXPECT_EQ(st.entryText(4), QStringLiteral("O0999\n(自由書き込み領域)\nM30\n"));

    EXPECT_EQ(st.headerText(), QStringLiteral("%\n(HEADER LINE)\n"));
    EXPECT_EQ(st.buttonCaption(0), QStringLiteral(" 1"));
    EXPECT_EQ(st.visibleButtonCount(), 1);
    const QString expected =
        QStringLiteral("%\n(HEADER LINE)\n") + u'\n' + sep(1) + u'\n' +
        QStringLiteral("O0001(FIRST)\nG00 X100. Z50.\nM30\n\n\n(TITLE OF 2)\n") +
        // No separator: the line before program 2 is a comment.
        QStringLiteral("O0002(SECOND)\nG01 X50. F.2\n  O0009 IS NOT A PROGRAM\nM30\n\n") +
        QStringLiteral("\n\n\n\n") + sep(3) + u'\n' + QStringLiteral("O0003(THIRD)\nG00 X10.\nM30\n%\n");
    EXPECT_EQ(st.readoutText(), expected);
    EXPECT_EQ(sep(12), QStringLiteral("((****************  12 ****************))"));
}

TEST(ProgramStoreRead, EntryTextDropsTheBlankLinesAndCommentBeforeTheNextProgram) {
    ProgramStore st;
    st.read(sourcePath(QStringLiteral("tests/data/three_programs.nc")));
    EXPECT_EQ(st.entryText(1), QStringLiteral("O0001(FIRST)\r\nG00 X100. Z50.\r\nM30\r\n"));
    // Blank lines without a closing comment stay; two leading blanks make an
    // ordinary line.
    EXPECT_EQ(st.entryText(2),
              QStringLiteral("O0002(SECOND)\r\nG01 X50. F.2\r\n  O0009 IS NOT A PROGRAM\r\nM30\r\n\r\n"));
    // The tape end "%" closes the file, it is not part of the last program.
    EXPECT_EQ(st.entryText(3), QStringLiteral("O0003(THIRD)\r\nG00 X10.\r\nM30\r\n"));
    // The raw lines (work file, combining) are not trimmed.
    EXPECT_EQ(st.entryLines(1).size(), 6);
}

TEST(ProgramStoreRead, EndTrimLooksOnlyAtTheLastFourLines) {
    ProgramStore st;
    st.readLines({"O1", "A", "", "", "", "", "(T)", "O2", "B"});
    // Lines 2..7: the last four are "", "", "", "(T)" -> dropped; the fifth-last
    // blank stays.
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nA\r\n\r\n"));
    st.readLines({"O1", "A", "(NOTE)", "O2", "B"});
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nA\r\n"));
    st.readLines({"O1", "A", "(NOTE)", "", "O2", "B"});
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nA\r\n(NOTE)\r\n\r\n"));
}

TEST(ProgramStoreRead, LeadingBlankRuleForProgramLines) {
    ProgramStore st;
    st.readLines({" O0001", "G00", " $TOOL", "  O0003", "M30"});
    ASSERT_EQ(st.programCount(), 3);
    EXPECT_EQ(st.line(1), QStringLiteral("O0001"));
    EXPECT_EQ(st.line(3), QStringLiteral("$TOOL"));
    EXPECT_EQ(st.line(4), QStringLiteral("  O0003"));
    EXPECT_EQ(st.startLine(2), 3);
    // A header line with one blank before O ends the header as well.
    st.readLines({"%", " O5", "X1"});
    EXPECT_EQ(st.headerText(), QStringLiteral("%\n"));
    EXPECT_EQ(st.entryName(1), QStringLiteral("O5"));
}

TEST(ProgramStoreRead, FileWithoutProgramsShowsHeaderAndMessage) {
    ProgramStore st;
    const auto r = st.read(sourcePath(QStringLiteral("tests/data/no_program.nc")));
    EXPECT_EQ(r.status, S::NoProgram);
    EXPECT_EQ(r.message, QStringLiteral("Oを頭にしたファイル名がありませんでした"));
    EXPECT_EQ(st.programCount(), 0);
    EXPECT_TRUE(st.isRead());
    EXPECT_EQ(st.readoutText(), QStringLiteral("%\n(ONLY A HEADER)\nG00 X10.\n"));
    EXPECT_TRUE(st.entryText(1).isEmpty());
}

TEST(ProgramStoreRead, LastLineIsKeptWhenTheFileHasNoTapeEnd) {
    ProgramStore st;
    st.readLines({"O1", "G00 X1.", "M30"});
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nG00 X1.\r\nM30\r\n"));
    st.readLines({"O1"});
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\n"));
    st.readLines({"O1", "M30", "%"});
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nM30\r\n"));
    st.readLines({"O1", "M30", "%END"});  // any tape-end line that begins with "%"
    EXPECT_EQ(st.entryText(1), QStringLiteral("O1\r\nM30\r\n"));
}

TEST(ProgramStoreRead, SectionEndTrimAndButtonsEvery1000Lines) {
    // 2500 stored lines: programs of 300 lines; line 999 lies in program 4,
    // line 1999 in program 7.
    QStringList file{QStringLiteral("%")};
    for (int p = 1; p <= 8; ++p) file << program(p, 300);
    file << program(9, 99) << QStringLiteral("%");
    ProgramStore st;
    ASSERT_EQ(st.readLines(file).status, S::Read);
    EXPECT_EQ(st.storedLineCount(), 2500);
    EXPECT_EQ(st.programCount(), 10);
    EXPECT_EQ(st.visibleButtonCount(), 3);
    EXPECT_EQ(st.buttonCaption(0), QStringLiteral(" 1"));
    EXPECT_EQ(st.buttonCaption(1), QStringLiteral(" 4"));
    EXPECT_EQ(st.buttonCaption(2), QStringLiteral(" 7"));
    EXPECT_TRUE(st.buttonCaption(3).isEmpty());
    // Section 1 runs from program 4 to the line before program 7.
    EXPECT_TRUE(st.sectionText(1).startsWith(u'\n' + sep(4) + QStringLiteral("\nO0004\n")));
    EXPECT_TRUE(st.sectionText(1).endsWith(QStringLiteral("G01 X299.\n")));
    EXPECT_TRUE(st.sectionText(2).startsWith(u'\n' + sep(7) + QStringLiteral("\nO0007\n")));
    EXPECT_TRUE(st.sectionText(2).endsWith(QStringLiteral("G01 X98.\n%\n")));
    // Every stored line appears once in the read-out.
    EXPECT_EQ(st.readoutText().count(QStringLiteral("G01 X1.\n")), 9);
}

TEST(ProgramStoreRead, SectionEndsBeforeCommentThatIntroducesTheNextSection) {
    QStringList file = program(1, 995);
    file << QString() << QString() << QStringLiteral("(PART 2)");
    file << program(2, 1200) << QStringLiteral("%");
    ProgramStore st;
    st.readLines(file);
    ASSERT_EQ(st.buttonCaption(1), QStringLiteral(" 2"));
    EXPECT_TRUE(st.sectionText(0).endsWith(QStringLiteral("G01 X994.\n")));
    // A program longer than 1000 lines carries two buttons; each section keeps
    // its own part and nothing is lost.
    ASSERT_EQ(st.buttonCaption(2), QStringLiteral(" 2"));
    EXPECT_FALSE(st.sectionText(1).isEmpty());
    EXPECT_TRUE(st.sectionText(2).startsWith(QStringLiteral("G01 X")));
    EXPECT_EQ(st.readoutText().count(QStringLiteral("G01 X1001.\n")), 1);
    EXPECT_EQ(st.readoutText().count(QStringLiteral("G01 X1199.\n")), 1);
}

TEST(ProgramStoreRead, SectionEndTrimReachesBackOverTheLastFiveLines) {
    // Blank lines, then the comment introducing the next section's program:
    // up to four blanks go with the comment, a fifth stays.
    const struct {
        int blanks;
        const char* end;
    } cases[] = {{4, "G01 X991.\n"}, {5, "G01 X990.\n\n"}};
    for (const auto& c : cases) {
        QStringList file = program(1, 996 - c.blanks);
        for (int i = 0; i < c.blanks; ++i) file << QString();
        file << QStringLiteral("(PART 2)") << program(2, 20) << QStringLiteral("%");
        ProgramStore st;
        st.readLines(file);
        ASSERT_EQ(st.buttonCaption(1), QStringLiteral(" 2")) << c.blanks;
        EXPECT_TRUE(st.sectionText(0).endsWith(QString::fromUtf8(c.end)))
            << c.blanks << " " << st.sectionText(0).right(30).toStdString();
    }
}

TEST(ProgramStoreBounds, ProgramAndLineBoundsAreRefusedCleanly) {
    ProgramStore st;
    QStringList file;
    for (int p = 1; p <= store::kMaxPrograms; ++p) file << program(p, 2);
    ASSERT_EQ(st.readLines(file).status, S::Read);
    EXPECT_EQ(st.programCount(), 200);
    EXPECT_EQ(st.entryName(200), QStringLiteral("自由書き込み領域"));

    file << program(200, 2);
    const auto r = st.readLines(file);
    EXPECT_EQ(r.status, S::Refused);
    EXPECT_TRUE(r.message.contains(QStringLiteral("プログラムの数が多すぎます")));
    EXPECT_EQ(st.programCount(), 0);
    EXPECT_TRUE(st.readoutText().isEmpty());
    EXPECT_TRUE(st.isRead());

    // 18,998 stored lines fit in 19 buttons; the 18,999th needs a twentieth.
    QStringList big = program(1, store::kMaxStoredLines);
    ASSERT_EQ(st.readLines(big).status, S::Read);
    EXPECT_EQ(st.visibleButtonCount(), 19);
    EXPECT_EQ(st.buttonCaption(18), QStringLiteral(" 1"));
    big << QStringLiteral("M30");
    const auto r2 = st.readLines(big);
    EXPECT_EQ(r2.status, S::Refused);
    EXPECT_TRUE(r2.message.contains(QStringLiteral("行数が多すぎます")));
    EXPECT_EQ(st.programCount(), 0);
    EXPECT_EQ(st.visibleButtonCount(), 0);
}

TEST(ProgramStoreRead, MissingFileIsReportedNotRead) {
    ProgramStore st;
    const auto r = st.read(QStringLiteral("/nonexistent/dir/x.nc"));
    EXPECT_EQ(r.status, S::CannotOpen);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_EQ(st.programCount(), 0);
}

TEST(ProgramStoreWriters, WorkFileForTheDrawingEngine) {
    TempHome home;
    ProgramStore st;
    st.read(sourcePath(QStringLiteral("tests/data/three_programs.nc")));
    const QString work = home.file(QStringLiteral("tenmp.$$$"));
    ASSERT_TRUE(st.writeWorkFile(QStringLiteral("O0002"), work));
    EXPECT_EQ(readFileBytes(work),
              QByteArray("O0002(SECOND)\r\nG01 X50. F.2\r\n  O0009 IS NOT A PROGRAM\r\nM30\r\n\r\n"));
    // The first program whose first line begins with the name.
    ASSERT_TRUE(st.writeWorkFile(QStringLiteral("O000"), work));
    EXPECT_TRUE(readFileBytes(work).startsWith("O0001(FIRST)\r\n"));
    ASSERT_TRUE(st.writeWorkFile(QStringLiteral("O0009"), work));
    EXPECT_EQ(readFileBytes(work), QByteArray("(nofileerr)\r\nM99\r\n"));
    // The free area is not a program of the line table.
    ASSERT_TRUE(st.writeWorkFile(QStringLiteral("O0999"), work));
    EXPECT_EQ(readFileBytes(work), QByteArray("(nofileerr)\r\nM99\r\n"));
    // A target that cannot be written is reported.
    QDir(home.path()).mkdir(QStringLiteral("adir"));
    QString err;
    EXPECT_FALSE(st.writeWorkFile(QStringLiteral("O0001"), home.file(QStringLiteral("adir")), &err));
    EXPECT_FALSE(err.isEmpty());
}

TEST(ProgramStoreWriters, MarkedEntriesInListingOrderWithTheFreeArea) {
    ProgramStore st;
    st.read(sourcePath(QStringLiteral("tests/data/three_programs.nc")));
    st.setMarked(4, true);
    st.setMarked(3, true);
    st.setMarked(1, true);
    st.setFreeAreaText(QStringLiteral("O0999\n(MEMO)\nM30\n"));
    EXPECT_EQ(st.markedEntries(), (QList<int>{1, 3, 4}));
    EXPECT_EQ(st.markedText(),
              QStringLiteral("O0001(FIRST)\r\nG00 X100. Z50.\r\nM30\r\n\r\n\r\n(TITLE OF 2)\r\n"
                             "O0003(THIRD)\r\nG00 X10.\r\nM30\r\n"
                             "O0999\r\n(MEMO)\r\nM30\r\n"));
    st.toggleMark(1);
    st.toggleMark(2);
    EXPECT_EQ(st.markedEntries(), (QList<int>{2, 3, 4}));
    st.unmarkAll();
    EXPECT_FALSE(st.anyMarked());
    EXPECT_TRUE(st.markedText().isEmpty());
    st.markAll();
    EXPECT_EQ(st.markedEntries(), (QList<int>{1, 2, 3, 4}));
    // Marks outside the listing are ignored.
    st.setMarked(0, true);
    st.setMarked(5, true);
    EXPECT_EQ(st.markedEntries().size(), 4);
}

TEST(ProgramStoreRead, ClearForgetsEverything) {
    ProgramStore st;
    st.read(sourcePath(QStringLiteral("tests/data/three_programs.nc")));
    st.markAll();
    st.setFreeAreaText(QStringLiteral("X"));
    st.clear();
    EXPECT_FALSE(st.isRead());
    EXPECT_EQ(st.programCount(), 0);
    EXPECT_FALSE(st.anyMarked());
    EXPECT_TRUE(st.freeAreaText().isEmpty());
    EXPECT_TRUE(st.readoutText().isEmpty());
}
