#include <gtest/gtest.h>

#include "drawing/drawing_state.h"
#include "drawing/step_answer.h"

using K = ViewCommand::Kind;

TEST(StepAnswers, EveryAnswerOfTheMenuInBothCases) {
    struct Row {
        const char* answer;
        K kind;
    } rows[] = {
        {"y", K::GoOn},        {"Y", K::GoOn},         {"x", K::GoOn},
        {"yes", K::GoOn},      {"v", K::AreaZoom},     {"V", K::AreaZoom},
        {"t", K::ToVertical},  {"T", K::ToVertical},   {"m", K::ToHorizontal},
        {"M", K::ToHorizontal}, {"c", K::Clear},       {"C", K::Clear},
        {"d", K::PanDown},     {"D", K::PanDown},      {"u", K::PanUp},
        {"U", K::PanUp},       {"r", K::PanRight},     {"R", K::PanRight},
        {"l", K::PanLeft},     {"L", K::PanLeft},      {"p", K::ToggleDisplay},
        {"P", K::ToggleDisplay}, {" ", K::ToggleDisplay}, {"k", K::Fastest},
        {"K", K::Fastest},     {"a", K::Continuous},   {"A", K::Continuous},
        {"i", K::ResetView},   {"I", K::ResetView},    {"s", K::Shrink},
        {"S", K::Shrink},      {"b", K::Enlarge},      {"B", K::Enlarge},
        {"/", K::ToggleSkip},  {"q", K::Quit},         {"Q", K::Quit},
        {"", K::Quit},         {"s4", K::GoOn},        {"bx", K::GoOn},
        {"f", K::Fit},         {"F", K::Fit},
    };
    for (const Row& r : rows) EXPECT_EQ(parseStepAnswer(QString::fromUtf8(r.answer)).kind, r.kind) << r.answer;
    EXPECT_EQ(parseStepAnswer("d").amount, 500);
}

TEST(StepAnswers, SpeedsAndNumbers) {
    EXPECT_EQ(parseStepAnswer("s1").speed, drawing::kSpeedLow);
    EXPECT_EQ(parseStepAnswer("S1").speed, 150);
    EXPECT_EQ(parseStepAnswer("s2").speed, 50);
    EXPECT_EQ(parseStepAnswer("S3").speed, 0);
    EXPECT_EQ(parseStepAnswer("S3").kind, K::Speed);

    ViewCommand b = parseStepAnswer("b5");
    EXPECT_EQ(b.kind, K::SetScale);
    EXPECT_EQ(b.amount, 5);
    EXPECT_EQ(parseStepAnswer("B2.5").amount, 2.5);
    struct Row {
        const char* answer;
        K kind;
        double amount;
    } pans[] = {{"d100", K::PanDown, 100}, {"U250", K::PanUp, 250}, {"r-40", K::PanRight, -40},
                {"L1000", K::PanLeft, 1000}};
    for (const Row& r : pans) {
        ViewCommand c = parseStepAnswer(r.answer);
        EXPECT_EQ(c.kind, r.kind) << r.answer;
        EXPECT_EQ(c.amount, r.amount) << r.answer;
    }
}

TEST(StepAnswers, ContinuousWordsAreCaseExact) {
    EXPECT_EQ(parseContinuousWord("v").kind, K::AreaZoom);
    EXPECT_EQ(parseContinuousWord("i").kind, K::ResetView);
    EXPECT_EQ(parseContinuousWord("P").kind, K::ToggleDisplay);
    EXPECT_EQ(parseContinuousWord("S").kind, K::Shrink);
    EXPECT_EQ(parseContinuousWord("B").kind, K::Enlarge);
    EXPECT_EQ(parseContinuousWord("F").kind, K::Fit);
    EXPECT_EQ(parseContinuousWord("D").kind, K::PanDown);
    EXPECT_EQ(parseContinuousWord("U").kind, K::PanUp);
    EXPECT_EQ(parseContinuousWord("R").kind, K::PanRight);
    EXPECT_EQ(parseContinuousWord("L").kind, K::PanLeft);
    // Words that belong to other moments stay without effect.
    for (const char* w : {"esc", "Q", "zzz", "86", "p", "s", "V", ""})
        EXPECT_EQ(parseContinuousWord(w).kind, K::GoOn) << w;
}
