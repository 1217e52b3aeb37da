// Functions applied to a bracket value, with pi = 3.141592.
#include <gtest/gtest.h>

#include "drawing/evaluator_test_support.h"

TEST(EvaluatorFunctions, TrigonometryInDegreesWithTheShortPi) {
    EXPECT_EQ(ev("SIN[30]"), " .49999");
    EXPECT_EQ(ev("SIN[90]"), " .99999");
    EXPECT_EQ(ev("COS[60]"), " .5");
    EXPECT_EQ(ev("COS[0]"), " 1");
    EXPECT_EQ(ev("TAN[45]"), " .99999");
    EXPECT_EQ(ev("ATAN[1]"), " 45");
    EXPECT_EQ(ev("ASIN[.5]"), " 30");
    EXPECT_EQ(ev("ASIN[-.5]"), "-30.00001");
    EXPECT_EQ(ev("ACOS[.5]"), " 60.00001");
    EXPECT_EQ(ev("ACOS[1]"), " 0");
    EXPECT_EQ(ev("SIN[-30]"), "-.5");
}

TEST(EvaluatorFunctions, PrefixAppliesToTheFunctionValue) {
    EXPECT_EQ(ev("2*SIN[30]"), " .99999");
    EXPECT_EQ(ev("-SIN[30]"), "-.5");
    EXPECT_EQ(ev("10/SQRT[4]"), " 5");
    // Negative function values with each prefix.
    EXPECT_EQ(ev("SIN[-30]+1"), " .5");
    EXPECT_EQ(ev("1-SIN[-30]"), " 1.49999");
    EXPECT_EQ(ev("2*SIN[-30]"), "-1");
    EXPECT_EQ(ev("1/SIN[-30]"), "-2.00001");
    EXPECT_EQ(ev("5-ABS[0-3]"), " 2");
}

TEST(EvaluatorFunctions, WholeNumberFunctions) {
    EXPECT_EQ(ev("FUP[2.3]"), " 3");
    EXPECT_EQ(ev("FUP[-2.3]"), "-3");
    EXPECT_EQ(ev("FUP[2]"), " 2");
    EXPECT_EQ(ev("FIX[-2.7]"), "-2");
    EXPECT_EQ(ev("FIX[2.7]"), " 2");
    EXPECT_EQ(ev("ROUND[2.5]"), " 3");
    EXPECT_EQ(ev("ROUND[2.4]"), " 2");
    EXPECT_EQ(ev("ABS[-2.5]"), " 2.5");
    EXPECT_EQ(ev("-ABS[-2]"), "-2");
}

TEST(EvaluatorFunctions, RoundOfANegativeArgumentGoesHalfAwayFromZero) {
    EXPECT_EQ(ev("ROUND[-2.5]"), "-3");
    EXPECT_EQ(ev("ROUND[-2.2]"), "-2");
    EXPECT_EQ(ev("ROUND[-2.7]"), "-3");
    EXPECT_EQ(ev("ROUND[-.4]"), " 0");
}

TEST(EvaluatorFunctions, AcosOfANegativeArgumentLiesBetween90And180) {
    // Half a turn is added in radians; the degree conversion uses 3.141592 as
    // everywhere, so the result carries the same small excess as ACOS[.5].
    EXPECT_EQ(ev("ACOS[-.5]"), " 120.00002");
    EXPECT_EQ(ev("ACOS[-1]"), " 180.00003");
    EXPECT_EQ(ev("ACOS[-.8660254]"), " 150.00003");
    // COS undoes it.
    EXPECT_EQ(ev("COS[ACOS[-.5]]"), "-.5");
}

TEST(EvaluatorFunctions, DomainFaultsAreRaisedToTheCaller) {
    for (const char* e : {"SQRT[-1]", "SQR[0-4]", "ASIN[1]", "ASIN[-1]", "ASIN[1.5]",
                          "ACOS[0]", "ACOS[-2]", "ACOS[1.0001]", "10/SQRT[0]"}) {
        const EvalOutcome r = evaluate(QString::fromLatin1(e));
        EXPECT_EQ(r.value, "<fault>") << e;
        EXPECT_FALSE(r.fault.empty()) << e;
        EXPECT_TRUE(r.messages.empty()) << e;
    }
}

TEST(EvaluatorFunctions, FunctionWithoutABracketReadsZero) {
    EXPECT_EQ(ev("1+SIN"), " 1");
    EXPECT_EQ(ev("SIN30"), " 0");
}
