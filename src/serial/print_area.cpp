#include "serial/print_area.h"

namespace transfer {

void PrintArea::clear() {
    s_.fill(kPrintLeft, kPrintTop, kPrintLeft + kPrintWidth, s_.height(), colour::kWhite);
    line_.clear();
    row_ = 0;
}

void PrintArea::newLine() {
    line_.clear();
    ++row_;
    // Past the bottom of the window: start over at the top.
    if (kPrintTop + (row_ + 1) * kPrintLineHeight > s_.height()) clear();
}

void PrintArea::drawLine() {
    const double y = kPrintTop + row_ * kPrintLineHeight;
    s_.fill(kPrintLeft, y, kPrintLeft + kPrintWidth, y + kPrintLineHeight, colour::kWhite);
    s_.text(kPrintLeft, y, kPrintFontSize, colour::kBlack, line_);
}

void PrintArea::print(const QString& text, bool lineEnd) {
    QString rest = text;
    while (!rest.isEmpty()) {
        if (line_.size() >= kPrintColumns) {
            drawLine();
            newLine();
        }
        const qsizetype room = kPrintColumns - line_.size();
        line_ += rest.left(room);
        rest.remove(0, room);
    }
    drawLine();
    if (lineEnd) newLine();
}

}  // namespace transfer
