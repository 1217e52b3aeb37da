// MOD, AND, OR, XOR: 32-bit operands rounded half to even.
#include <gtest/gtest.h>

#include "drawing/evaluator_test_support.h"

TEST(EvaluatorWordOperators, BasicResults) {
    EXPECT_EQ(ev("7 MOD 3"), " 1");
    EXPECT_EQ(ev("-7 MOD 3"), "-1");
    EXPECT_EQ(ev("7MOD3"), " 1");
    EXPECT_EQ(ev("5 AND 3"), " 1");
    EXPECT_EQ(ev("5 OR 3"), " 7");
    EXPECT_EQ(ev("5 XOR 3"), " 6");
    EXPECT_EQ(ev("-1 AND 255"), " 255");  // two's complement
    EXPECT_EQ(ev("-8 OR 3"), "-5");
}

TEST(EvaluatorWordOperators, OperandsRoundHalfToEven) {
    EXPECT_EQ(ev("7.5 MOD 2"), " 0");   // 7.5 becomes 8
    EXPECT_EQ(ev("6.5 MOD 4"), " 2");   // 6.5 becomes 6
    EXPECT_EQ(ev("2.5 AND 3"), " 2");   // 2.5 becomes 2
    EXPECT_EQ(ev("3.5 AND 7"), " 4");   // 3.5 becomes 4
    EXPECT_EQ(ev("7 MOD 2.5"), " 1");   // 2.5 becomes 2
    EXPECT_EQ(ev("7.4 OR 0"), " 7");
    EXPECT_EQ(ev("-2.5 OR 0"), "-2");
}

TEST(EvaluatorWordOperators, PassOrderAtTheOuterLevel) {
    // Outside brackets AND goes before OR; inside a bracket it is left to right.
    EXPECT_EQ(ev("6 OR 1 AND 3"), " 7");
    EXPECT_EQ(ev("[6 OR 1 AND 3]"), " 3");
    EXPECT_EQ(ev("2 XOR 3 MOD 2"), " 3");
}

TEST(EvaluatorWordOperators, BeforeMultiplyAndAdd) {
    EXPECT_EQ(ev("2+7 MOD 3*2"), " 4");
    EXPECT_EQ(ev("3 AND 1*2"), " 2");
    EXPECT_EQ(ev("[7 MOD 3]*10"), " 10");
    EXPECT_EQ(ev("7 MOD [1+2]"), " 1");
}

TEST(EvaluatorWordOperators, ChainedAndSignedRightOperands) {
    EXPECT_EQ(ev("7 MOD 4 MOD 2"), " 1");
    EXPECT_EQ(ev("5 AND 3 AND 1"), " 1");
    EXPECT_EQ(ev("7 MOD -3"), " 1");
    EXPECT_EQ(ev("12 AND -SQRT[16]"), " 12");
}

TEST(EvaluatorWordOperators, LeftOperandThatIsNotAPlainNumber) {
    // "*3" is not a plain number: MOD stays, reads 0, and its right operand is added.
    EXPECT_EQ(ev("2*3 MOD 2"), " 8");
    EXPECT_EQ(ev("MOD 3"), " 3");
}

TEST(EvaluatorWordOperators, FaultsAreRaisedToTheCaller) {
    for (const char* e : {"7 MOD 0", "7 MOD .4", "7 MOD", "[7 MOD 0]", "3000000000 AND 1",
                          "1 OR -2147483649"}) {
        const EvalOutcome r = evaluate(QString::fromLatin1(e));
        EXPECT_EQ(r.value, "<fault>") << e;
        EXPECT_TRUE(r.messages.empty()) << e;
    }
    EXPECT_EQ(ev("2147483647 OR 0"), " 2147483647");
    EXPECT_EQ(ev("-2147483648 OR 0"), "-2147483648");
}
