// Cutting the expression into tokens: signs, operators, numbers, names, and the
// faults found while doing so.
#include <gtest/gtest.h>

#include "drawing/evaluator_test_support.h"

TEST(EvaluatorTokenising, NumbersSignsAndBlanks) {
    EXPECT_EQ(ev("15"), " 15");
    EXPECT_EQ(ev("-6"), "-6");
    EXPECT_EQ(ev("+4"), " 4");
    EXPECT_EQ(ev(".5"), " .5");
    EXPECT_EQ(ev("-.25"), "-.25");
    EXPECT_EQ(ev("300+5."), " 305");
    EXPECT_EQ(ev(" 1 + 2 "), " 3");
    EXPECT_EQ(ev("1,000+1"), " 1001");  // commas are skipped like blanks
    EXPECT_EQ(ev("1 2"), " 12");        // digits join the token they follow
    EXPECT_EQ(ev(""), " 0");
}

TEST(EvaluatorTokenising, NumberTextWithAnExponentReadsBack) {
    // Values below .0001 come back from a variable in exponent form.
    EXPECT_EQ(ev("[-1E-05]*10"), "-.0001");
    EXPECT_EQ(ev(" 1E-05+1"), " 1.00001");
    EXPECT_EQ(ev("2*1.5E-05"), " 3E-05");
    EXPECT_EQ(ev("1E+15/1E+10"), " 100000");
    EXPECT_EQ(ev("1E3"), " 1000");
    EXPECT_EQ(ev("4/2E1"), " .2");
    // An "E" without exponent digits is no number.
    EXPECT_EQ(evaluate("1E+X").messages.at(0), "1E+X判別不能文字があります   \nE\n");
    EXPECT_EQ(ev("1E"), "<empty>");
}

TEST(EvaluatorTokenising, EnclosingBracketsChangeNothing) {
    for (const char* e : {"1+2", "2*3+4*5", "-1/3", "SIN[30]", "7 MOD 3", "-2.5"}) {
        const QString plain = QString::fromLatin1(e);
        EXPECT_EQ(ev("[" + plain + "]"), ev(plain)) << e;
    }
}

TEST(EvaluatorTokenising, OperatorAfterOperatorIsAGrammarFault) {
    for (const char* e : {"3*-2", "3--2", "1++2", "1+-2", "2*/3", "2/*3", "4-*2", "2*+3"}) {
        const EvalOutcome r = evaluate(QString::fromLatin1(e));
        EXPECT_EQ(r.value, "<empty>") << e;
        ASSERT_EQ(r.messages.size(), 1u) << e;
        EXPECT_EQ(r.messages[0], "文法エラーです" + std::string(e));
    }
}

TEST(EvaluatorTokenising, SecondPointAtTheEndOfANumberIsAGrammarFault) {
    const EvalOutcome r = evaluate("1..2");
    EXPECT_EQ(r.value, "<empty>");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], "文法エラーです1..2");
    EXPECT_EQ(ev("2+3.."), "<empty>");
    // A point that does not follow another one is appended; the number ends at
    // the second point when read.
    EXPECT_EQ(ev("1.2.3"), " 1.2");
}

TEST(EvaluatorTokenising, UnknownCharacterShowsExpressionAndCharacter) {
    const EvalOutcome lower = evaluate("sin[30]");
    EXPECT_EQ(lower.value, "<empty>");
    ASSERT_EQ(lower.messages.size(), 1u);
    EXPECT_EQ(lower.messages[0], "sin[30]判別不能文字があります   \ns\n");

    const EvalOutcome hash = evaluate("#1+2");
    EXPECT_EQ(hash.value, "<empty>");
    ASSERT_EQ(hash.messages.size(), 1u);
    EXPECT_EQ(hash.messages[0], "#1+2判別不能文字があります   \n#\n");

    // Address letters and round brackets are not part of an expression either.
    EXPECT_EQ(evaluate("X10").messages.at(0), "X10判別不能文字があります   \nX\n");
    EXPECT_EQ(evaluate("(1+2)").messages.at(0), "(1+2)判別不能文字があります   \n(\n");
    EXPECT_EQ(evaluate("SINX").messages.at(0), "SINX判別不能文字があります   \nX\n");
    EXPECT_EQ(evaluate("1+２").messages.at(0), "1+２判別不能文字があります   \n２\n");
}

TEST(EvaluatorTokenising, FunctionNamesAreUpperCaseOnly) {
    EXPECT_EQ(ev("SIN[30]"), " .49999");
    EXPECT_EQ(ev("Sin[30]"), "<empty>");
    EXPECT_EQ(ev("7 mod 3"), "<empty>");
}

TEST(EvaluatorTokenising, SqrIsSqrt) {
    EXPECT_EQ(ev("SQR[9]"), " 3");
    EXPECT_EQ(ev("SQRT[9]"), " 3");
    EXPECT_EQ(ev("10/SQR[4]"), " 5");
}

TEST(EvaluatorTokenising, FunctionTakesThePrefixOfTheOperatorBeforeIt) {
    EXPECT_EQ(ev("2*SIN[30]"), " .99999");
    EXPECT_EQ(ev("-SIN[30]"), "-.5");
    EXPECT_EQ(ev("1-SIN[30]"), " .5");
    EXPECT_EQ(ev("10/SQRT[4]"), " 5");
    EXPECT_EQ(ev("1+SQRT[4]"), " 3");
    // Blanks between the operator and the name do not lose the operator.
    EXPECT_EQ(ev("2 * SIN[30]"), " .99999");
    EXPECT_EQ(ev("10 / SQRT[4]"), " 5");
    EXPECT_EQ(ev("1 - ABS[2]"), "-1");
}

TEST(EvaluatorTokenising, HundredTokensAreTheLimit) {
    // 1+1+...: one token per term.
    QString hundred = "1";
    for (int i = 1; i < 100; ++i) hundred += "+1";
    EXPECT_EQ(ev(hundred), " 100");

    const EvalOutcome r = evaluate(hundred + "+1");
    EXPECT_EQ(r.value, "<fault>");
    EXPECT_FALSE(r.fault.empty());
    EXPECT_TRUE(r.messages.empty());  // raised to the caller, no box of its own

    // A long expression of brackets stops at the limit as well, never writing past it.
    QString deep;
    for (int i = 0; i < 60; ++i) deep += "[";
    deep += "1";
    for (int i = 0; i < 60; ++i) deep += "]";
    EXPECT_EQ(ev(deep), "<fault>");
}

TEST(EvaluatorTokenising, TheExpressionIsLeftUnchanged) {
    const QString e = "[1+2]*3";
    const QString copy = e;
    ScriptedDialogs d;
    EXPECT_EQ(myshiki(e, d).value_or("?"), " 9");
    EXPECT_EQ(e, copy);
}

TEST(EvaluatorTokenising, FunctionAfterANumberDoesNotOverwriteIt) {
    // No operator between them: both stay as separate terms.
    EXPECT_EQ(ev("2SQRT[9]"), " 5");
    EXPECT_EQ(ev("7 MOD SQRT[9]"), " 1");
}
