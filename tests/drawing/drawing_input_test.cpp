#include <gtest/gtest.h>

#include "drawing/drawing_input.h"
#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "fake_host.h"

using namespace drawing;

TEST(DrawingKeys, KeyTableGivesCodeThenWord) {
    FakeHost host;
    DrawingState st;
    struct Row {
        int code;
        const char* word;
    } rows[] = {{vbkey::kEnter, "esc"}, {vbkey::kEscape, "esc"}, {vbkey::kV, "v"},   {vbkey::kI, "i"},
                {vbkey::kP, "P"},       {vbkey::kSpace, "P"},    {vbkey::kS, "S"},   {vbkey::kB, "B"},
                {vbkey::kD, "D"},       {vbkey::kDown, "D"},     {vbkey::kU, "U"},   {vbkey::kUp, "U"},
                {vbkey::kR, "R"},       {vbkey::kRight, "R"},    {vbkey::kL, "L"},   {vbkey::kLeft, "L"},
                {vbkey::kQ, "Q"}};
    for (const Row& r : rows) {
        formKeyDown(st, host, r.code);
        EXPECT_EQ(st.keyMailbox, QString::fromLatin1(r.word)) << r.code;
    }
    // Keys without a word leave their code.
    formKeyDown(st, host, vbkey::kA);
    EXPECT_EQ(st.keyMailbox, "65");
    EXPECT_FALSE(host.log.contains("focus listing"));
    formKeyDown(st, host, vbkey::kF9);
    EXPECT_EQ(st.keyMailbox, "120");
    EXPECT_TRUE(host.log.contains("focus listing"));
}

TEST(DrawingKeys, IgnoredWhileAnAreaIsBeingSelected) {
    FakeHost host;
    DrawingState st;
    st.keyMailbox = "";
    for (int state : {kAreaWantUpperLeft, kAreaWantLowerRight, kAreaChosen}) {
        st.areaSelectState = state;
        formKeyDown(st, host, vbkey::kEscape);
        formKeyDown(st, host, vbkey::kF9);
        EXPECT_EQ(st.keyMailbox, "");
    }
    EXPECT_FALSE(host.log.contains("focus listing"));
}

TEST(DrawingMouse, TwoClicksChooseTheAreaWithMarks) {
    FakeHost host;
    DrawingState st;
    st.areaSelectState = kAreaWantUpperLeft;
    formMouseDown(st, host, 1, 1000, 2000);
    EXPECT_EQ(st.areaSelectState, kAreaWantLowerRight);
    EXPECT_EQ(nt::val(st.areaX1), 1000);
    EXPECT_EQ(nt::val(st.areaY1), 2000);
    EXPECT_EQ(host.dlg.messages(), QStringList{text::kLowerRight});
    EXPECT_EQ(host.surf.ops(), (QStringList{"circle 1000 2000 100 FF0000",
                                            "line 1000 2000 3000 2000 0000FF",
                                            "line 1000 2000 1000 3000 0000FF"}));
    host.surf.clear();
    formMouseDown(st, host, 2, 5000, 4500);
    EXPECT_EQ(st.areaSelectState, kAreaChosen);
    EXPECT_EQ(nt::val(st.areaX2), 5000);
    EXPECT_EQ(nt::val(st.areaY2), 4500);
    EXPECT_EQ(host.surf.ops(), (QStringList{"circle 5000 4500 100 FF0000",
                                            "line 5000 4500 5000 3500 0000FF",
                                            "line 5000 4500 3000 4500 0000FF"}));
    EXPECT_EQ(st.keyMailbox, "");
}

TEST(DrawingMouse, AClickOutsideAreaSelectionIsEsc) {
    FakeHost host;
    DrawingState st;
    formMouseDown(st, host, 2, 100, 100);
    EXPECT_EQ(st.keyMailbox, "esc");
    EXPECT_TRUE(host.surf.ops().isEmpty());
    st.keyMailbox.clear();
    st.areaSelectState = kAreaChosen;  // chosen, not yet taken by the run
    formMouseDown(st, host, 1, 100, 100);
    EXPECT_EQ(st.keyMailbox, "esc");
}
