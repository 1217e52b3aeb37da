#pragma once
// The print area of the transfer window: progress lines printed one below the
// other from kPrintTop down, kPrintWidth wide, on the window's surface.  A line
// is drawn again as it grows, so characters can be printed one at a time.
#include <QString>
#include "platform/surface.h"

namespace transfer {

constexpr double kPrintTop = 1200;
constexpr double kPrintLeft = 0;
constexpr double kPrintWidth = 10000;
constexpr double kPrintLineHeight = 240;
constexpr double kPrintFontSize = 9;
// A printed line longer than this goes on in the next line.
constexpr int kPrintColumns = 120;

class PrintArea {
public:
    explicit PrintArea(Surface& s) : s_(s) {}
    void print(const QString& text, bool lineEnd);
    // White from kPrintTop to the bottom; printing starts at the top again.
    void clear();
    // The text of the line being printed (tests).
    QString currentLine() const { return line_; }
    int row() const { return row_; }

private:
    void newLine();
    void drawLine();
    Surface& s_;
    QString line_;
    int row_ = 0;
};

}  // namespace transfer
