// The macro program flow: jumps, loops and calls, followed through the
// variables the blocks set.
#include <gtest/gtest.h>

#include "drawing/interpreter_texts.h"
#include "drawing/macro_flow.h"
#include "drawing/macro_texts.h"
#include "interpreter_rig.h"

using namespace drawing;

TEST(JumpSearch, SequenceNumbersAreWholeNumbers) {
    const QStringList lines{"N1000 X1.", "N110", "N100G01X10.", "N 100", "G01 N100", "N100", "%"};
    struct Case {
        int from;
        const char* number;
        int found;
    } cases[] = {
        {0, "100", 2},     // not N1000, not N110
        {3, "100", 3},     // blanks after N are allowed
        {4, "100", 5},     // a line must begin with N
        {6, "100", 2},     // from the start again
        {0, "1000", 0},
        {0, "10", -1},
        {0, "11", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(flow::findSequence(lines, c.from, c.number), c.found) << c.from << " " << c.number;
}

TEST(IfGoto, JumpsOnlyWhenTheConditionHolds) {
    for (const char* value : {"11", "10"}) {
        Drawing d("t", {QStringLiteral("#1=") + value, "IF [#1 GT 10] GOTO 100", "#101=1",
                        "N100 #102=2"});
        EXPECT_EQ(d.result, RunResult::Normal);
        EXPECT_EQ(d.common(101).has_value(), QString(value) == "10") << value;
        EXPECT_EQ(d.common(102), 2.0) << value;
    }
}

TEST(IfGoto, ABackwardTargetIsFoundFromTheTop) {
    Drawing d("t", {"#101=0", "N5 #101=#101+1", "IF [#101 LT 3] GOTO 5", "#102=#101"});
    EXPECT_EQ(d.result, RunResult::Normal);
    EXPECT_EQ(d.common(102), 3.0);
}

TEST(IfGoto, TargetsAndTheirFaults) {
    Drawing sequence("m", {"GOTO 100", "N1000 #101=1", "N110 #102=1", "N100G01X10."});
    EXPECT_FALSE(sequence.common(101));
    EXPECT_FALSE(sequence.common(102));
    EXPECT_EQ(sequence.linesIn("FFFF00"), 1);

    Drawing plain("t", {"GOTO 7"});
    EXPECT_EQ(plain.result, RunResult::EngineError);
    EXPECT_EQ(plain.messages(), QStringList{"GOTO 7" + text::kNoGotoTarget});

    Drawing conditional("t", {"IF [1 EQ 1] GOTO 7"});
    EXPECT_EQ(conditional.result, RunResult::EngineError);
    EXPECT_EQ(conditional.messages(), QStringList{"IF [1 EQ 1] GOTO 7" + text::kNoIfGotoTarget});

    // Grammar faults are told and the statement goes on.
    Drawing noWord("t", {"IF [1 1] GOTO 7", "#101=1"});
    EXPECT_EQ(noWord.messages(), QStringList{text::kNoComparison});
    EXPECT_EQ(noWord.common(101), 1.0);
}

TEST(IfGoto, KeywordsInAnyCommentAreNoStatements) {
    // Each block is a rapid move to X50.; the words in its comments are remarks.
    for (const char* block : {"G00 X50. (IF)", "G00 X50. (A) (SHIFT)", "G00 X50. (T1) (GOTO 7)",
                              "G00 X50. (B) (LIFT) (C)", "G00 X50. (OPEN (IF))"}) {
        Drawing d("m", {block});
        EXPECT_EQ(d.result, RunResult::Normal) << block;
        EXPECT_TRUE(d.messages().isEmpty()) << block << d.messages().join('|').toStdString();
        EXPECT_EQ(d.linesText(), "line 17100 10710 17100 12735 FF0000") << block;
    }
    // Outside the comments the keyword is a statement.
    Drawing after("m", {"(NOTE) GOTO 7"});
    EXPECT_EQ(after.messages(), QStringList{"(NOTE) GOTO 7" + text::kNoGotoTarget});
}

TEST(IfThen, AnAssignmentOrTheRestOfTheBlock) {
    Drawing d("m", {"IF [1 EQ 1] THEN #101=5", "IF [1 EQ 2] THEN #102=5",
                    "IF [1 EQ 1] THEN G01 Z100."});
    EXPECT_EQ(d.common(101), 5.0);
    EXPECT_FALSE(d.common(102));
    // A THEN without "=" is left to the block: here a feed move.
    EXPECT_EQ(d.linesIn("FFFF00"), 1);
}

TEST(WhileLoop, LoopsUntilTheConditionFails) {
    Drawing d("t", {"#101=0", "WHILE [#101 LT 3] DO1", "#101=#101+1", "END1", "#102=#101"});
    EXPECT_EQ(d.result, RunResult::Normal);
    EXPECT_EQ(d.common(102), 3.0);

    Drawing never("t", {"WHILE [1 GT 3] DO2", "#101=1", "END2", "#102=2"});
    EXPECT_FALSE(never.common(101));
    EXPECT_EQ(never.common(102), 2.0);
}

TEST(WhileLoop, FaultsEndTheRun) {
    struct Case {
        QStringList blocks;
        QString message;
    } cases[] = {
        {{"WHILE [1 LT 3] DO1", "#101=1"}, text::missingEnd("1")},
        {{"WHILE [1 NE 3] DO1", "END1"}, text::whileWithNe("WHILE [1 NE 3] DO1")},
        {{"WHILE [1 LT 3] DO7", "END7"}, text::loopNumberOutOfRange("WHILE [1 LT 3] DO7")},
        {{"END"}, text::kEndWithoutNumber},
        {{"END3"}, text::endWithoutWhile("END3")},
    };
    for (const Case& c : cases) {
        Drawing d("t", c.blocks);
        EXPECT_EQ(d.result, RunResult::EngineError) << c.blocks.join("|").toStdString();
        EXPECT_EQ(d.messages(), QStringList{c.message}) << c.blocks.join("|").toStdString();
    }
}

TEST(MacroCall, ArgumentsOnTheNewLevelAndTheReturn) {
    Drawing d("t", {"G65 P12 A1. B2. I4. H8.", "#103=3"},
              {{"O0012", "O0012(SUB)\r\n#101=#1\r\n#102=#2\r\n%"}});
    EXPECT_EQ(d.result, RunResult::Normal);
    EXPECT_EQ(d.common(101), 1.0);
    EXPECT_EQ(d.common(102), 2.0);
    EXPECT_EQ(d.common(103), 3.0);
    EXPECT_EQ(d.st.variables.localText(1, 1), "1.");
    EXPECT_EQ(d.st.variables.localText(2, 1), "2.");
    EXPECT_EQ(d.st.variables.localText(4, 1), "4.");
    EXPECT_EQ(d.st.variables.localText(11, 1), "8.");
    EXPECT_TRUE(d.st.variables.localText(1, 0).isEmpty());
    EXPECT_TRUE(d.host.log.contains("7200 O0012"));
    // Label1 shows the called program while it runs.
    EXPECT_TRUE(d.host.log.contains("name O0012"));

    // Each call starts with the locals of its level empty: an argument left
    // out is undefined, not the value of the call before.
    Drawing again("t", {"G65 P12 A1. B2.", "G65 P12 A5."},
                  {{"O0012", "O0012(SUB)\r\n#101=#1\r\n#102=#2\r\n%"}});
    EXPECT_EQ(again.result, RunResult::Normal);
    EXPECT_EQ(again.common(101), 5.0);
    EXPECT_TRUE(again.st.variables.localText(2, 1).isEmpty());
    EXPECT_EQ(again.messages(), QStringList{text::undefinedVariable(2)});
}

TEST(MacroCall, AMissingProgramReturnsAtOnce) {
    Drawing d("t", {"G65 P77", "#103=3"});
    EXPECT_EQ(d.result, RunResult::Normal);
    EXPECT_TRUE(d.host.log.contains("7200 O0077"));
    EXPECT_EQ(d.common(103), 3.0);
    EXPECT_TRUE(d.messages().isEmpty());
}

TEST(MacroCall, ACallBeyondTheLastLevelIsRefused) {
    Drawing d("t", {"G65 P12"}, {{"O0012", "O0012\r\nG65 P12\r\n%"}});
    EXPECT_EQ(d.result, RunResult::EngineError);
    EXPECT_EQ(d.messages(), QStringList{text::callTooDeep("G65 P12")});
    EXPECT_EQ(d.host.log.count("7200 O0012"), kMaxMacroLevel);
}

TEST(MacroCall, AModalCallFollowsEachMoveUntilG67) {
    Drawing d("t", {"G66 P12 A1.", "G01 X10.", "G01 X10.", "M05", "G01 X20.", "G67", "G01 X30."},
              {{"O0012", "O0012\r\n#101=#1\r\n%"}});
    EXPECT_EQ(d.result, RunResult::Normal);
    // Called after X10. and X20.; not at G66 itself, not after the blocks
    // that did not move, nor after G67.
    EXPECT_EQ(d.host.log.count("7200 O0012"), 2);
}

TEST(MacroCall, ARestartInsideACallReplaysFromTheTopProgram) {
    RunRig rig({"O0001", "G65 P12", "G65 P12", "%"});
    rig.host.programs = {{"O0012", "O0012\r\n(STOP)\r\n%"}};
    // "i" at the stop inside the first call: the redraw comes back to it.
    EXPECT_EQ(rig.draw("t", {"i", "y", "y", "y", "y", "N"}), RunResult::Normal);
    // In step mode the second G65 block has its menu too (at 3: calls are not counted).
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{3, 3, 3, 4, 5}));
    QStringList names;
    for (const QString& l : rig.host.log)
        if (l.startsWith(u"name ")) names << l.mid(5);
    EXPECT_EQ(names, (QStringList{"O0012", "O0012",            // first call
                                  "O0001",                     // restart
                                  "O0012", "O0012", "O0001",   // first call again
                                  "O0012", "O0012", "O0001",   // second call
                                  "O0001"}));                  // end of the run
}

TEST(MacroCall, ClosingTheWindowInsideACallGivesTheCaptionBack) {
    RunRig rig({"O0001", "G65 P12", "%"});
    rig.host.programs = {{"O0012", "O0012\r\n(B1)\r\n(B2)\r\n%"}};
    rig.atYield(4, [&] { requestAbort(rig.st); });  // before (B1) of O0012
    EXPECT_EQ(rig.draw("t", {}), RunResult::Aborted);
    EXPECT_EQ(rig.host.name, "O0001");
}

TEST(WhileLoop, ACalledProgramHasItsOwnLoopNumbers) {
    // Both programs use DO1: the caller's loop must come back to its own WHILE.
    Drawing d("t", {"#101=0", "#102=0", "WHILE [#101 LT 2] DO1", "G65 P12", "#101=#101+1", "END1"},
              {{"O0012", "O0012\r\n#1=0\r\nWHILE [#1 LT 3] DO1\r\n#102=#102+1\r\n#1=#1+1\r\nEND1\r\n%"}});
    EXPECT_EQ(d.result, RunResult::Normal) << d.messages().join("|").toStdString();
    EXPECT_EQ(d.common(101), 2.0);
    EXPECT_EQ(d.common(102), 6.0);
}
