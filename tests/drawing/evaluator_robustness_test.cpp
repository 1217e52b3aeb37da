// Any text an NC program can hold must end in a value, one reported message or
// a raised fault: never a crash, a hang or a write outside the token list.
#include <gtest/gtest.h>

#include <random>

#include "drawing/evaluator_test_support.h"
#include "drawing/number_text.h"

TEST(EvaluatorRobustness, ArbitraryPiecesEndInValueMessageOrFault) {
    const char* const pieces[] = {"1", "2.5", ".", "0", "+", "-", "*", "/", "[", "]", " ",
                                  ",", "SIN", "COS", "ASIN", "ACOS", "SQRT", "SQR", "ROUND",
                                  "FUP", "FIX", "ABS", "ATAN", "TAN", "MOD", "AND", "OR",
                                  "XOR", "7", "99999999", "#", "x"};
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int n = 0; n < 20000; ++n) {
        QString e;
        const int len = length(rng);
        for (int i = 0; i < len; ++i) e += QLatin1String(pieces[pick(rng)]);
        const EvalOutcome r = evaluate(e);
        if (r.value == "<fault>") {
            EXPECT_TRUE(r.messages.empty()) << e.toStdString();
        } else if (r.value == "<empty>") {
            EXPECT_EQ(r.messages.size(), 1u) << e.toStdString();
        } else {
            EXPECT_TRUE(r.messages.empty()) << e.toStdString();
            // A value is always number text that reads back as such.
            EXPECT_TRUE(nt::isPlainNumber(QString::fromStdString(r.value))) << e.toStdString();
        }
    }
}
