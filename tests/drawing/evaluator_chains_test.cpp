// Multiplicative chains, the final sum and the cut at the fifth decimal.
#include <gtest/gtest.h>

#include "drawing/evaluator_math.h"
#include "drawing/evaluator_test_support.h"

TEST(EvaluatorChains, MultiplyBeforeAdd) {
    EXPECT_EQ(ev("1+2*3"), " 7");
    EXPECT_EQ(ev("2*3+4*5"), " 26");
    EXPECT_EQ(ev("-2*3"), "-6");
    EXPECT_EQ(ev("1-6/3"), "-1");
    EXPECT_EQ(ev("2*3/4*5"), " 7.5");
    EXPECT_EQ(ev("8/2/2"), " 2");
    EXPECT_EQ(ev("1+2*3*4+5"), " 30");
}

TEST(EvaluatorChains, DivisionAndTheFloorAtTheFifthDecimal) {
    EXPECT_EQ(ev("10/4"), " 2.5");
    EXPECT_EQ(ev("1/3"), " .33333");
    EXPECT_EQ(ev("-1/3"), "-.33334");
    EXPECT_EQ(ev("2/3"), " .66666");
    EXPECT_EQ(ev("-.000001"), "-1E-05");  // -0.00001 in exponent form
    EXPECT_EQ(ev(".000001"), " 0");
    EXPECT_EQ(ev("1.234567"), " 1.23456");
    EXPECT_EQ(ev("-1.234561"), "-1.23457");
    EXPECT_EQ(ev(".00007"), " 7E-05");
}

TEST(EvaluatorChains, DecimalValuesAreNotPulledDownByBinaryNoise) {
    // floor(2.3 * 100000) in binary is 229999; the cut works on the decimal value.
    EXPECT_EQ(ev("2.3"), " 2.3");
    EXPECT_EQ(ev("4.1"), " 4.1");
    EXPECT_EQ(ev("1.15"), " 1.15");
    EXPECT_EQ(ev("0.29"), " .29");
    EXPECT_EQ(ev("-2.3"), "-2.3");
    EXPECT_EQ(ev("12.345+.005"), " 12.35");
    for (int k = 0; k < 3000; ++k) {
        const double v = k * 0.00713;  // many values with five decimals or fewer
        const QString text = QString::number(k * 713).rightJustified(6, '0');
        const QString decimal = text.left(text.size() - 5) + "." + text.right(5);
        EXPECT_EQ(evalmath::floorAtFifthDecimal(v), decimal.toDouble()) << decimal.toStdString();
    }
}

TEST(EvaluatorChains, FloorKeepsTheDocumentedPullDown) {
    // Values that are truly below the next step stay below it.
    EXPECT_EQ(evalmath::floorAtFifthDecimal(0.99999999999991), 0.99999);
    EXPECT_EQ(evalmath::floorAtFifthDecimal(-0.000001), -0.00001);
    EXPECT_EQ(evalmath::floorAtFifthDecimal(-1e-300), -0.00001);
    EXPECT_EQ(evalmath::floorAtFifthDecimal(1e-300), 0);
    EXPECT_EQ(evalmath::floorAtFifthDecimal(123456789.123456), 123456789.12345);
    EXPECT_EQ(evalmath::floorAtFifthDecimal(1e20), 1e20);
}

TEST(EvaluatorChains, DivisionByZeroInAChainIsRaised) {
    for (const char* e : {"5/0", "0/0", "1+2/0*3", "5/", "4/.0"}) {
        const EvalOutcome r = evaluate(QString::fromLatin1(e));
        EXPECT_EQ(r.value, "<fault>") << e;
        EXPECT_TRUE(r.messages.empty()) << e;
    }
}

TEST(EvaluatorChains, LargeValuesUseExponentFormAndOverflowIsRaised) {
    EXPECT_EQ(ev("99999999999*99999999999"), " 9.9999999998E+21");
    QString huge = "1";
    for (int i = 0; i < 400; ++i) huge += "0";
    EXPECT_EQ(ev(huge), "<fault>");
    EXPECT_EQ(ev(huge + "*0"), "<fault>");
}
