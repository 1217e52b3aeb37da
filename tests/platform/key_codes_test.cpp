// Key codes of the window handlers from Qt's keys.
#include <gtest/gtest.h>

#include "platform/key_codes.h"

TEST(KeyCodes, QtKeysMapToTheirCodes) {
    EXPECT_EQ(vbkey::fromQt(Qt::Key_V), vbkey::kV);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Return), vbkey::kEnter);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Enter), vbkey::kEnter);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Escape), vbkey::kEscape);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Down), vbkey::kDown);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Left), vbkey::kLeft);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_F9), vbkey::kF9);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Space), vbkey::kSpace);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_5), 53);
    // The numeric keypad has codes of its own; elsewhere the Japanese keyboard's.
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Asterisk, true), vbkey::kMultiply);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Asterisk), vbkey::kColon);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Slash, true), vbkey::kDivide);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_Slash), vbkey::kSlash);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_5, true), 101);
    EXPECT_EQ(vbkey::fromQt(Qt::Key_F5), vbkey::kF5);
    EXPECT_EQ(vbkey::shiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
}
