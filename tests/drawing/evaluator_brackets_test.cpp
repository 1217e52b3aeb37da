// Bracket reduction and folding the bracket value into the token in front.
#include <gtest/gtest.h>

#include "drawing/evaluator_test_support.h"

TEST(EvaluatorBrackets, BracketsGoFirst) {
    EXPECT_EQ(ev("[1+2]*3"), " 9");
    EXPECT_EQ(ev("2*[3+4]"), " 14");
    EXPECT_EQ(ev("[100.]/2"), " 50");
    EXPECT_EQ(ev("[[1+2]*[3+4]]"), " 21");
    EXPECT_EQ(ev("[2]"), " 2");
    EXPECT_EQ(ev("[[[2]]]"), " 2");
    EXPECT_EQ(ev("1+[2+[3+[4]]]"), " 10");
}

TEST(EvaluatorBrackets, FunctionAfterAnInnerBracketOpensItsOwnSlot) {
    EXPECT_EQ(ev("1+[SIN[30]]"), " 1.49999");
    EXPECT_EQ(ev("[SQRT[16]]*2"), " 8");
}

TEST(EvaluatorBrackets, MinusInFrontNegatesTheValue) {
    EXPECT_EQ(ev("3-[0-2]"), " 5");
    EXPECT_EQ(ev("-[3]"), "-3");
    EXPECT_EQ(ev("-[[3]]"), "-3");
    EXPECT_EQ(ev("10-[2*3]"), " 4");
}

TEST(EvaluatorBrackets, NegativeValueAfterMultiplyMovesItsSignOntoTheOperand) {
    EXPECT_EQ(ev("2*[0-3]"), "-6");
    EXPECT_EQ(ev("1-2*[0-1]"), " 3");
    EXPECT_EQ(ev("1+2*[0-1]"), "-1");
    EXPECT_EQ(ev("2*3*[0-2]"), "-12");
    EXPECT_EQ(ev("-2*[0-3]"), " 6");
    EXPECT_EQ(ev("10/[0-4]"), "-2.5");
    EXPECT_EQ(ev("SQRT[4]*[0-1]"), "-2");
    EXPECT_EQ(ev("-SQRT[4]*[0-1]"), " 2");
    EXPECT_EQ(ev("[2]*[0-3]"), "-6");
}

TEST(EvaluatorBrackets, DivisionByABracketOfZeroIsReported) {
    const EvalOutcome r = evaluate("5/[2-2]");
    EXPECT_EQ(r.value, "<empty>");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], "0で割り算です 終了します");
    EXPECT_EQ(evaluate("1+5/[[0]]").messages.at(0), "0で割り算です 終了します");
}

TEST(EvaluatorBrackets, CloseWithoutOpenIsReported) {
    for (const char* e : {"2+]", "]", "1]+[2", "[1]]"}) {
        const EvalOutcome r = evaluate(QString::fromLatin1(e));
        EXPECT_EQ(r.value, "<empty>") << e;
        ASSERT_EQ(r.messages.size(), 1u) << e;
        EXPECT_EQ(r.messages[0], "[の数が合いません") << e;
    }
}

TEST(EvaluatorBrackets, UnmatchedOpenIsIgnored) {
    EXPECT_EQ(ev("[2+3"), " 5");
    EXPECT_EQ(ev("1+[2"), " 3");
    EXPECT_EQ(ev("[[2]+3"), " 5");
}

TEST(EvaluatorBrackets, NumberDirectlyBeforeABracketDropsTheBracket) {
    EXPECT_EQ(ev("2[3]"), " 2");
    EXPECT_EQ(ev("1+2[30]"), " 3");
    EXPECT_EQ(ev("2[3]*4"), " 8");
}

TEST(EvaluatorBrackets, InnermostPairWhoseCloseComesFirstIsTakenFirst) {
    // Both inner brackets feed the outer one; the left one is reduced first and
    // the second reduction must still see the first's value in place.
    EXPECT_EQ(ev("[[1+1]*[2+2]]-[3]"), " 5");
    EXPECT_EQ(ev("[7 MOD [3]]"), " 1");
    EXPECT_EQ(ev("2*[3]*4"), " 24");
}
