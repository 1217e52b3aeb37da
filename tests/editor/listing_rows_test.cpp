// The painted listing (rows, marks, colours) and the keys and mouse of the
// listing as pure functions.
#include <gtest/gtest.h>

#include "editor/listing_rows.h"
#include "editor/program_store.h"

using namespace listing;

namespace {
store::ProgramStore storeWith(int programs) {
    QStringList file;
    for (int p = 1; p <= programs; ++p)
        file << QStringLiteral("O%1(PART NUMBER %1 WITH A LONG NAME)").arg(p, 4, 10, QLatin1Char('0'))
             << QStringLiteral("M30");
    store::ProgramStore st;
    st.readLines(file);
    return st;
}
}  // namespace

TEST(ListingRows, PositionsTextsAndColours) {
    auto st = storeWith(59);  // 60 entries
    st.setMarked(2, true);
    const auto rs = rows(st, 1, false, kRoomyRows);
    ASSERT_EQ(rs.size(), 60);
    EXPECT_EQ(rs[0].x, 5300);
    EXPECT_EQ(rs[0].y, 218 * 1 + 259);
    EXPECT_EQ(rs[55].x, 5300);
    EXPECT_EQ(rs[55].y, 218 * 56 + 259);
    EXPECT_EQ(rs[56].x, 8000);  // entry 57 heads the second column
    EXPECT_EQ(rs[56].y, 218 * 1 + 259);
    // Name: the first 20 characters of the first line.
    EXPECT_EQ(rs[0].text, QStringLiteral(" 1● : O0001(PART NUMBER 00"));
    EXPECT_EQ(rs[0].colour, colour::kBlue);
    EXPECT_EQ(rs[1].text, QStringLiteral(" 2◎ : O0002(PART NUMBER 00"));
    EXPECT_EQ(rs[1].colour, colour::kRed);
    EXPECT_EQ(rs[2].mark, QStringLiteral("○"));
    EXPECT_EQ(rs[59].text, QStringLiteral(" 60○ : 自由書き込み領域"));
}

TEST(ListingRows, CurrentEntryInAMarkToggle) {
    auto st = storeWith(3);
    st.setMarked(2, true);
    EXPECT_EQ(rows(st, 2, false, kRoomyRows)[1].mark, QStringLiteral("●"));
    EXPECT_EQ(rows(st, 2, false, kRoomyRows)[1].colour, colour::kRed);
    EXPECT_EQ(rows(st, 2, true, kRoomyRows)[1].mark, QStringLiteral("◎"));
    st.setMarked(2, false);
    EXPECT_EQ(rows(st, 2, true, kRoomyRows)[1].mark, QStringLiteral("●"));
    EXPECT_EQ(rows(st, 2, true, kRoomyRows)[1].colour, colour::kBlue);
}

TEST(ListingKeys, DownAndUpWrapAround) {
    EXPECT_EQ(keyAction(4, vbkey::kDown, 4).entry, 1);
    EXPECT_EQ(keyAction(2, vbkey::kDown, 4).entry, 3);
    EXPECT_EQ(keyAction(4, vbkey::kEnter, 4).entry, 1);
    EXPECT_EQ(keyAction(1, vbkey::kUp, 4).entry, 4);
    EXPECT_EQ(keyAction(3, vbkey::kUp, 4).entry, 2);
    EXPECT_EQ(keyAction(3, vbkey::kUp, 4).action, KeyAction::Move);
    EXPECT_EQ(keyAction(1, vbkey::kDown, 0).action, KeyAction::None);
}

TEST(ListingKeys, RightAndLeftBetweenTheColumns) {
    EXPECT_EQ(keyAction(3, vbkey::kRight, 60).entry, 59);
    EXPECT_EQ(keyAction(4, vbkey::kRight, 60).entry, 60);
    EXPECT_EQ(keyAction(5, vbkey::kRight, 60).action, KeyAction::None);  // 61 is beyond
    EXPECT_EQ(keyAction(59, vbkey::kLeft, 60).entry, 3);
    EXPECT_EQ(keyAction(56, vbkey::kLeft, 60).action, KeyAction::None);
    EXPECT_EQ(keyAction(57, vbkey::kRight, 200).action, KeyAction::None);  // already right
    EXPECT_EQ(keyAction(56, vbkey::kRight, 200).entry, 112);
}

TEST(ListingKeys, CombineKeysAndLeaving) {
    EXPECT_EQ(keyAction(3, vbkey::kSpace, 5).action, KeyAction::ToggleCombine);
    for (int k : {vbkey::kMultiply, vbkey::kColon}) {
        EXPECT_EQ(keyAction(3, k, 5).action, KeyAction::MarkAll);
        EXPECT_EQ(keyAction(3, k, 5).entry, 1);
    }
    for (int k : {vbkey::kDivide, vbkey::kSlash}) EXPECT_EQ(keyAction(3, k, 5).action, KeyAction::UnmarkAll);
    EXPECT_EQ(keyAction(3, vbkey::kQ, 5).action, KeyAction::HideWindow);
    EXPECT_EQ(keyAction(3, vbkey::kEscape, 5).action, KeyAction::HideWindow);
    EXPECT_EQ(keyAction(3, 65, 5).action, KeyAction::None);
    EXPECT_EQ(text2PressAction(3800), KeyAction::MarkAll);
    EXPECT_EQ(text2PressAction(4401), KeyAction::UnmarkAll);
    EXPECT_EQ(text2PressAction(100), KeyAction::None);
}

TEST(ListingMouse, PressesPickRowsOfBothColumns) {
    EXPECT_EQ(entryAt(5290, 560, 4, kRoomyRows), 1);            // the press after reading a file
    EXPECT_EQ(entryAt(5300, 450 + 218 * 2 + 5, 4, kRoomyRows), 3);
    EXPECT_EQ(entryAt(5300, 450 + 218 * 4 + 5, 4, kRoomyRows), 0);   // row 5 is beyond the 4 entries
    EXPECT_EQ(entryAt(7600, 560, 60, kRoomyRows), 57);
    EXPECT_EQ(entryAt(7600, 450 + 218 * 4 + 5, 60, kRoomyRows), 0);  // 61 is beyond
    EXPECT_EQ(entryAt(7600, 560, 56, kRoomyRows), 0);
    EXPECT_EQ(entryAt(5000, 560, 60, kRoomyRows), 0);                 // left of the listing
    EXPECT_EQ(entryAt(11300, 560, 60, kRoomyRows), 0);
    EXPECT_EQ(entryAt(5300, 299, 60, kRoomyRows), 0);
    EXPECT_EQ(entryAt(5300, 440, 60, kRoomyRows), 0);                 // row -1
    EXPECT_EQ(entryAt(5300, 450 + 218 * 56, 200, kRoomyRows), 0);     // row 56 is not painted
}

TEST(ListingRows, RowsCloseUpOnLowWindowsToKeepFiftySixOnTheScreen) {
    // Surface heights in twips: a 1920x1080 screen (1058 pixels below the menu
    // bar), 1366x768 (748), the 800x600 of the offscreen tests (578).
    EXPECT_EQ(geometryFor(15870).rowHeight, 218);
    EXPECT_EQ(geometryFor(15870).textSize, 12);
    EXPECT_EQ(geometryFor(11220).rowHeight, 190);
    EXPECT_EQ(geometryFor(11220).textSize, 10);
    EXPECT_EQ(geometryFor(8670).rowHeight, 179);
    EXPECT_EQ(geometryFor(8670).textSize, 9.5);
    // The 56th row of a 768 window starts at 477 + 55 * 190 = 10927 twips (728 pixels).
    EXPECT_EQ(rowY(56, geometryFor(11220)), 10927);
    EXPECT_EQ(rowY(57, geometryFor(11220)), 477);
    // A press on its lower part picks it.
    EXPECT_EQ(entryAt(5300, 10927 + 150, 60, geometryFor(11220)), 56);
    EXPECT_EQ(rows(storeWith(3), 1, false, kRoomyRows)[0].maxWidth, 2610);
    EXPECT_EQ(rows(storeWith(59), 1, false, kRoomyRows)[57].maxWidth, 2230);
}
