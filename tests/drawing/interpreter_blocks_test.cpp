// The block interpreter: the checks of a block in their order, the words of
// the move and the moves drawn.
#include <gtest/gtest.h>
#include <algorithm>


#include "drawing/interpreter_texts.h"
#include "interpreter_rig.h"
#include "platform/key_codes.h"

using namespace drawing;

// The default views of the fake window: "m" has program zero at (14400,
// 12960), "t" at (10285.714..., 4165.714...); 9 twips a program unit; a point
// (h, v) is drawn at (originX + 9h, originY - 9v/2).

TEST(BlockWords, EndPointTextsOnBothAxes) {
    struct Case {
        const char* o;
        const char* block;
        const char* endH;
        const char* endV;
    } cases[] = {
        {"m", "N10 X100.Z-20.", "-20.", "100."},
        {"t", "N10 X100.Z-20.", "[100.]/2", "[-20.]*2"},
        // Increments join the previous text (300 and 500 in "m", 800 in "t").
        {"m", "W-5.", "300-5.", "500"},
        {"m", "W5.", "300+5.", "500"},
        {"m", "U-5.", "300", "500-5."},
        {"t", "U5.", "800+[5.]/2", "800"},
        {"t", "W-5.", "800", "800+[-5.]*2"},
        // The reference point.
        {"m", "G28U0", "300", "2000"},
        {"m", "G28W0", "1000", "500"},
        {"t", "G28U0", "1000", "800"},
        {"t", "G28W0", "800", "1000"},
        // A word inside the comment is no word.
        {"m", "G00 (X5.) Z7.", "7.", "500"},
    };
    for (const Case& c : cases) {
        Drawing d(c.o, {QString::fromLatin1(c.block)});
        EXPECT_EQ(d.result, RunResult::Normal) << c.block;
        EXPECT_EQ(d.st.run.points.endH, c.endH) << c.o << " " << c.block;
        EXPECT_EQ(d.st.run.points.endV, c.endV) << c.o << " " << c.block;
    }
}

TEST(BlockMoves, ColourByGCodeAndTheReferenceReturn) {
    // From the start point (300, 500) of "m": screen (17100, 10710).
    struct Case {
        const char* block;
        const char* line;
    } cases[] = {
        {"G00 X100.", "line 17100 10710 17100 12510 FF0000"},
        {"G01 Z100.", "line 17100 10710 15300 10710 FFFF00"},
        // G41 in "m": the grey parallel 30 twips above a move to the left.
        {"G41G01 Z100.", "line 17100 10710 15300 10710 FFFF00\nline 17100 10680 15300 10680 808080"},
        // G42: the same parallel on the other side, 30 twips below.
        {"G42G01 Z100.", "line 17100 10710 15300 10710 FFFF00\nline 17100 10740 15300 10740 808080"},
        {"G32 Z100.", "line 17100 10710 15300 10710 FFFFFF"},
        {"G97 Z100.", "line 17100 10710 15300 10710 FF0000"},
        // X at 2000 is screen y 12960 - 9000.
        {"G28U0", "line 17100 10710 17100 3960 8080FF"},
        // G02 after the coordinates: a straight move in the arc's colour.
        {"X100. G02 R5.", "line 17100 10710 17100 12510 00FFFF"},
    };
    for (const Case& c : cases) {
        Drawing d("m", {QString::fromLatin1(c.block)});
        EXPECT_EQ(d.linesText(), c.line) << c.block;
    }
}

TEST(BlockMoves, AnArcOnlyWhenTheBlockBeginsWithIt) {
    Drawing arc("m", {"G00 X0 Z0", "G2 X10. Z-5. R5."});
    // Start marker blue at (0, 0), end marker red at (-5, 10): screen (14355, 12915).
    const QStringList& ops = arc.host.surf.ops();
    EXPECT_TRUE(ops.contains("circle 14400 12960 10 0000FF"));
    EXPECT_TRUE(ops.contains("circle 14355 12915 10 FF0000"));
    EXPECT_EQ(arc.linesIn("00FFFF"), 0);

    // The G word must open the block, or follow its sequence number.
    const struct {
        const char* block;
        bool arc;
    } cases[] = {
        {"N30 G2 X10. Z-5. R5.", true}, {"N30G02X10.Z-5.R5.", true},
        {"X10. Z-5. G02 R5.", false},   {"N G02 X10. Z-5. R5.", false},
        {"N30 X10. Z-5. G02 R5.", false},
    };
    for (const auto& c : cases) {
        Drawing d("m", {"G00 X0 Z0", c.block});
        EXPECT_EQ(d.host.surf.ops().contains("circle 14400 12960 10 0000FF"), c.arc) << c.block;
        EXPECT_EQ(d.linesIn("00FFFF"), c.arc ? 0 : 1) << c.block;
    }
}

TEST(BlockChecks, AProgramNumberPastTheSecondLineEndsTheRun) {
    Drawing o("t", {"G00 X10.", "O0002"});
    EXPECT_EQ(o.result, RunResult::EngineError);
    EXPECT_EQ(o.messages(), QStringList{"O 文字エラーO0002"});

    // An O of GOTO, COS, in a comment or before one is no program number.
    Drawing words("t", {"#101=COS[0]", "IF [1 EQ 2] GOTO 5", "(GO ON)", "O0009(SECOND NUMBER)"});
    EXPECT_EQ(words.result, RunResult::Normal);
    EXPECT_TRUE(words.messages().isEmpty()) << words.messages().join("|").toStdString();

    Drawing braces("t", {"G01 X{1}"});
    EXPECT_EQ(braces.result, RunResult::EngineError);
    EXPECT_EQ(braces.messages(), QStringList{"{} 文字エラーG01 X{1}"});
}

TEST(BlockChecks, DwellCompensationSkipAndBrackets) {
    // The dwell draws nothing (not even a dot); G41 puts the grey parallel
    // beside the following moves, G40 takes it away.
    Drawing d("t", {"G04 P1000", "G4 P1000", "G01 G41 X10.", "G01 X20.", "G01 G40 X30."});
    EXPECT_EQ(d.linesIn("FF0000"), 0);
    EXPECT_EQ(d.linesIn("FFFF00"), 3);
    EXPECT_EQ(d.linesIn("808080"), 2);

    // Block skip ON (the first run's setting) passes over "/" blocks.
    Drawing skip("t", {"/G01 X10."});
    EXPECT_TRUE(skip.lines().isEmpty());

    Drawing open("t", {"G01 X10. (OPEN"});
    EXPECT_EQ(open.messages(), QStringList{text::kBracketCount});
    EXPECT_TRUE(open.lines().isEmpty());
}

TEST(BlockChecks, ACornerRInsideACommentIsNoCorner) {
    Drawing comment("m", {"G01 X10. (,R5)"});
    EXPECT_EQ(comment.linesIn("FFFF00"), 1);
    // A real corner waits for the next block; the program ends before it.
    Drawing corner("m", {"G01 X10.,R5"});
    EXPECT_EQ(corner.linesIn("FFFF00"), 0);

    Drawing negative("m", {"G01 X10.,R-5", "Z10."});
    EXPECT_EQ(negative.messages(), QStringList{text::kCornerRNegative});
    EXPECT_EQ(negative.linesIn("FFFF00"), 2);
}

TEST(BlockChecks, AnArithmeticFaultEndsTheRunNamingTheBlock) {
    for (const char* block : {"G01 X[1/0]", "G01 Z[SQRT[-1]]", "G01 X[7 MOD 0]", "G02 X1. R[1/0]"}) {
        Drawing d("t", {QString::fromLatin1(block)});
        EXPECT_EQ(d.result, RunResult::EngineError) << block;
        ASSERT_FALSE(d.messages().isEmpty()) << block;
        EXPECT_TRUE(d.messages().last().startsWith(text::kArithmeticFault)) << block;
    }
    Drawing d("t", {"G01 X[1/0]"});
    EXPECT_EQ(d.messages(), QStringList{text::kArithmeticFault + "\nG01 X[1/0]"});
    // A variable whose value cannot be computed, read by a word of the block.
    Drawing stored("t", {"#101=[7 MOD 0]+1", "G01 X#101"});
    EXPECT_EQ(stored.messages(), QStringList{text::kArithmeticFault + "\nG01 X#101"});
}

TEST(FinishingCycle, DrawsFromPToQAndGoesBack) {
    // "m": G70 given at (Z5, X50) = screen (14445, 12735).
    Drawing d("m", {"G00 X50. Z5.", "G70 P10 Q20", "M05", "N10 G01 X20.", "N20 Z-10."});
    EXPECT_EQ(d.result, RunResult::Normal);
    // N20 ends at (Z-10, X20) = (14310, 12870); the return line goes back red.
    EXPECT_TRUE(d.lines().contains("line 14310 12870 14445 12735 FF0000"))
        << d.lines().join("\n").toStdString();

    Drawing missing("m", {"G70 P99 Q20", "N10 G01 X20."});
    EXPECT_EQ(missing.result, RunResult::EngineError);
    EXPECT_EQ(missing.messages(), QStringList{text::kSequenceNotFound + "99"});
}

TEST(BlockMoves, ACornerBeforeAnArcIsDrawnSharp) {
    // The corner of Z-10.,R2 cannot round into an arc: its leg is drawn to the
    // corner (Z-10 X0 in "m": screen 14310, 12960) and the arc starts there.
    Drawing d("m", {"G00 X0 Z0", "G01 Z-10.,R2", "G02 X10. Z-15. R5."});
    EXPECT_TRUE(d.lines().contains("line 14400 12960 14310 12960 FFFF00")) << d.linesText();
    EXPECT_TRUE(d.host.surf.ops().contains("circle 14310 12960 10 0000FF"));
}

TEST(TurningCycle, QDuringRoughingAsksWhetherToEndTheRun) {
    // "m": the cycle starts at (Z2, X64) = (14418, 12672); its finishing shape
    // ends at N20 shifted by the allowances, (Z-14.9, X62.4) = (14265.9,
    // 12679.2), and returns from there; "G1 X70." after it goes to (14418, 12645).
    const QString finishReturn = "line 14265.9 12679.2 14418 12672 FF0000";
    const QString after = "line 14418 12672 14418 12645 FFFF00";
    struct Case {
        const char* name;
        bool pressQ;
        bool yes;
        bool finished, goesOn;
        qint64 blockCount;  // at the end of the text
    } cases[] = {
        {"no key", false, false, true, true, 5},  // N10..N20 are the cycle's
        {"Q, then yes", true, true, false, false, 4},
        {"Q, then no: the count starts again", true, false, false, true, 1},
    };
    for (const Case& c : cases) {
        RunRig rig({"O0001", "G0 X64. Z2.", "G71 U2. R.5", "G71 P10 Q20 U.4 W.1", "N10 G0 X20.",
                    "G1 Z-15.", "N20 X62.", "G1 X70.", "%"});
        // Yields 1..4 come before blocks 0..3; the fifth is the cycle's own.
        if (c.pressQ) rig.keyAt(5, vbkey::kQ);
        rig.host.dlg.queueYesNo(c.yes);
        EXPECT_EQ(rig.draw("m", {"N"}), RunResult::Normal) << c.name;
        const QStringList ops = rig.host.surf.ops();
        EXPECT_EQ(ops.contains(finishReturn), c.finished) << c.name;
        EXPECT_EQ(ops.contains(after), c.goesOn) << c.name;
        const bool asked = rig.host.dlg.shown().size() > 0 &&
                           std::any_of(rig.host.dlg.shown().begin(), rig.host.dlg.shown().end(),
                                       [](const auto& s) { return s.text == text::kQuitQuestion; });
        EXPECT_EQ(asked, c.pressQ) << c.name;
        EXPECT_EQ(rig.st.run.blockCount, c.blockCount) << c.name;
    }
}

TEST(BlockMoves, ACornerRIsRefusedOnlyWhereTheNextBlockDoesNotMove) {
    const QString noMove = QStringLiteral("軸移動がないところにコーナーRが指定されました エラーになります ");
    struct Case {
        const char* next;  // the block after the corner
        bool refused;
    } cases[] = {
        {"G01 X30.", false},  // X alone moves
        {"G01 Z-40.", false}, // Z alone moves
        {"G01 X10. Z-20.", true},
    };
    for (const Case& c : cases) {
        Drawing d("m", {"G00 X10. Z0", "G01 Z-20.,R2.", QString::fromLatin1(c.next)});
        EXPECT_EQ(d.messages().contains(noMove), c.refused) << c.next;
    }
}
