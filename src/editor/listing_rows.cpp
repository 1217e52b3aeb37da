#include "editor/listing_rows.h"

#include "drawing/number_text.h"
#include "editor/program_store.h"

#include <algorithm>
#include <cmath>

namespace listing {

QString programLabel(int entry, const QString& name) {
    return nt::str(entry) + QLatin1Char(':') + name;
}

Geometry geometryFor(double surfaceHeight) {
    // Room below the 56th row's top for its letters (about 1.2 lines of 12 points).
    constexpr double kLastRowLetters = 290;
    const double fit = std::floor((surfaceHeight - kFirstRowY - kLastRowLetters) / (kRowsPerColumn - 1));
    if (fit >= kRoomyRows.rowHeight) return kRoomyRows;
    if (fit <= kTightRows.rowHeight) return kTightRows;
    // In between, the letters shrink with the rows, in half points.
    const double size = std::floor(2 * kRoomyRows.textSize * fit / kRoomyRows.rowHeight) / 2;
    return {fit, std::max(size, kTightRows.textSize)};
}

double rowX(int entry) { return entry <= kRowsPerColumn ? kFirstColumnX : kSecondColumnX; }

double rowY(int entry, const Geometry& g) {
    const int r = entry <= kRowsPerColumn ? entry : entry - kRowsPerColumn;
    return kFirstRowY + g.rowHeight * (r - 1);
}

QList<Row> rows(const store::ProgramStore& st, int current, bool markToggle, const Geometry& g) {
    QList<Row> out;
    const int count = st.programCount();
    for (int i = 1; i <= count; ++i) {
        Row r;
        r.entry = i;
        r.x = rowX(i);
        r.y = rowY(i, g);
        r.maxWidth = i <= kRowsPerColumn ? kFirstColumnWidth : kSecondColumnWidth;
        const bool marked = st.isMarked(i);
        if (i == current)
            r.mark = (markToggle && marked) ? kMarked : kCurrent;
        else
            r.mark = marked ? kMarked : kUnmarked;
        r.colour = marked ? colour::kRed : colour::kBlue;
        r.text = nt::str(i) + r.mark + QStringLiteral(" : ") + st.entryName(i);
        out.append(r);
    }
    return out;
}

bool isListingPress(double x, double y) { return x >= 5280 && x <= 11280 && y >= 300; }

int entryAt(double x, double y, int count, const Geometry& g) {
    if (!isListingPress(x, y)) return 0;
    const int r = int(std::floor((y - kPressTop) / g.rowHeight));
    if (r < 0 || r >= kRowsPerColumn) return 0;
    if (x < 7500) {
        if (r + 1 <= count) return r + 1;
    }
    if (r + 1 + kRowsPerColumn <= count) return r + 1 + kRowsPerColumn;
    return 0;
}

KeyResult keyAction(int current, int keyCode, int count) {
    switch (keyCode) {
    case vbkey::kSpace: return {KeyAction::ToggleCombine, 0};
    case vbkey::kMultiply:
    case vbkey::kColon: return {KeyAction::MarkAll, 1};
    case vbkey::kDivide:
    case vbkey::kSlash: return {KeyAction::UnmarkAll, 1};
    case vbkey::kQ:
    case vbkey::kEscape: return {KeyAction::HideWindow, 0};
    default: break;
    }
    if (count < 1) return {};
    switch (keyCode) {
    case vbkey::kEnter:
    case vbkey::kDown: return {KeyAction::Move, current >= count || current < 1 ? 1 : current + 1};
    case vbkey::kUp: return {KeyAction::Move, current <= 1 || current > count ? count : current - 1};
    case vbkey::kRight:
        if (current < kRowsPerColumn + 1 && current + kRowsPerColumn <= count)
            return {KeyAction::Move, current + kRowsPerColumn};
        return {};
    case vbkey::kLeft:
        if (current > kRowsPerColumn && current - kRowsPerColumn >= 1)
            return {KeyAction::Move, current - kRowsPerColumn};
        return {};
    default: return {};
    }
}

KeyAction text2PressAction(double x) {
    if (x > 4400) return KeyAction::UnmarkAll;
    if (x >= 3700) return KeyAction::MarkAll;
    return KeyAction::None;
}

}  // namespace listing
