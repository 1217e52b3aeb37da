#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/number_text.h"

namespace {
std::string S(double v) { return nt::str(v).toStdString(); }
}  // namespace

TEST(NumberText, SignColumnAndNoZeroBeforeThePoint) {
    EXPECT_EQ(S(0.5), " .5");
    EXPECT_EQ(S(-0.25), "-.25");
    EXPECT_EQ(S(15), " 15");
    EXPECT_EQ(S(-6), "-6");
    EXPECT_EQ(S(0), " 0");
    EXPECT_EQ(S(-0.0), " 0");
    EXPECT_EQ(S(300.5), " 300.5");
    EXPECT_EQ(S(-1.25), "-1.25");
    EXPECT_EQ(S(0.0001), " .0001");
}

TEST(NumberText, FifteenSignificantDigits) {
    EXPECT_EQ(S(1.0 / 3), " .333333333333333");
    EXPECT_EQ(S(-2.0 / 3), "-.666666666666667");
    EXPECT_EQ(S(123456789012345), " 123456789012345");
    EXPECT_EQ(S(0.1 + 0.2), " .3");  // binary noise beyond 15 digits is not shown
}

TEST(NumberText, ExponentFormForVerySmallAndVeryLarge) {
    EXPECT_EQ(S(0.00001), " 1E-05");
    EXPECT_EQ(S(-0.00001), "-1E-05");
    EXPECT_EQ(S(1.5e-7), " 1.5E-07");
    EXPECT_EQ(S(1e15), " 1E+15");
    EXPECT_EQ(S(1234567890123456.0), " 1.23456789012346E+15");
    EXPECT_EQ(S(1e100), " 1E+100");
    EXPECT_EQ(S(2.5e-300), " 2.5E-300");
}

TEST(NumberText, EveryWrittenTextReadsBackToTheSameValue) {
    const double values[] = {0.5,     -0.25,  15,     0.00001, -0.000012345, 1e15,
                             -1e22,   1e-300, 2.3,    -1234.56789,  1.0 / 3, 987654321.123,
                             1e308,   -7e-5,  100000, 0.1};
    for (double v : values) {
        const QString t = nt::str(v);
        const double back = nt::val(t);
        // 15 significant digits: equal within the last written digit
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << t.toStdString();
        EXPECT_EQ(nt::str(back), t);
    }
    EXPECT_TRUE(std::isinf(nt::val(nt::str(std::numeric_limits<double>::infinity()))));
}

TEST(NumberText, LenientReading) {
    EXPECT_EQ(nt::val(" .5"), 0.5);
    EXPECT_EQ(nt::val("-.25"), -0.25);
    EXPECT_EQ(nt::val(" 1E-05"), 0.00001);
    EXPECT_EQ(nt::val("1.5E+15"), 1.5e15);
    EXPECT_EQ(nt::val("1D2"), 100);
    EXPECT_EQ(nt::val("   42"), 42);
    EXPECT_EQ(nt::val("+ 3"), 3);       // blanks after the sign are skipped
    EXPECT_EQ(nt::val("- .5"), -0.5);
    EXPECT_EQ(nt::val("1 2"), 12);      // and between digits
    EXPECT_EQ(nt::val("12.5abc"), 12.5);  // stops at what cannot continue a number
    EXPECT_EQ(nt::val("1.2.3"), 1.2);
    EXPECT_EQ(nt::val("5."), 5);
    EXPECT_EQ(nt::val("7MOD3"), 7);
    EXPECT_EQ(nt::val("1E"), 1);        // an exponent without digits is not read
    EXPECT_EQ(nt::val("2E+"), 2);
}

TEST(NumberText, EmptyOrNonNumericReadsZero) {
    EXPECT_EQ(nt::val(""), 0);
    EXPECT_EQ(nt::val("   "), 0);
    EXPECT_EQ(nt::val("abc"), 0);
    EXPECT_EQ(nt::val("-"), 0);
    EXPECT_EQ(nt::val("."), 0);
    EXPECT_EQ(nt::val("*3"), 0);
    EXPECT_EQ(nt::val("--5"), 0);
    EXPECT_EQ(nt::val("["), 0);
    EXPECT_EQ(nt::val("+SIN"), 0);
}

TEST(NumberText, PlainNumberIsANumberAsAWhole) {
    for (const char* yes : {" 5", "+5", "-5", "-.25", " 1E-05", "+ .5", "5.", ".5", "12 ",
                            "1.5E+15"})
        EXPECT_TRUE(nt::isPlainNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"*3", "/2", "", " ", "-", "+", ".", "1E", "[", "5a", "MOD", "inf",
                           "nan", "+-5", "1.2.3", "+SIN", "- "})
        EXPECT_FALSE(nt::isPlainNumber(QString::fromLatin1(no))) << no;
}

TEST(NumberText, OneBasedMidAndInStr) {
    EXPECT_EQ(nt::mid("abcdef", 2, 3).toStdString(), "bcd");
    EXPECT_EQ(nt::mid("abcdef", 4).toStdString(), "def");
    EXPECT_EQ(nt::mid("abc", 5).toStdString(), "");
    EXPECT_EQ(nt::mid("abc", 0, 2).toStdString(), "ab");
    EXPECT_EQ(nt::inStr("abcabc", "c"), 3);
    EXPECT_EQ(nt::inStr("abcabc", "c", 4), 6);
    EXPECT_EQ(nt::inStr("abc", "x"), 0);
    EXPECT_EQ(nt::inStr("G01X100.", "X"), 4);
}
