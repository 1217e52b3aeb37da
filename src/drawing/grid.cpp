#include "drawing/grid.h"

#include <cmath>

#include "drawing/drawing_texts.h"
#include "platform/surface.h"

namespace {

// Integer division of the kind the grid was laid out with: both sides rounded
// to whole numbers first, the quotient cut toward zero.
qint64 wholeQuotient(double a, double b) {
    const double rb = std::nearbyint(b);
    if (rb == 0) return qint64(std::trunc(a / b));
    return qint64(std::trunc(std::nearbyint(a) / rb));
}

bool onTenth(qint64 n) { return n % 10 == 0; }

// Nodes one grid may hold.  The view keeps scale and origin far inside this
// (1.5 million nodes at the smallest scale on a 3840 x 2160 screen); the
// bound only keeps a call with other values from running without end.
constexpr double kMaxNodes = 1e7;
// Program zero farther than this many columns or rows from the screen cannot
// be counted in whole columns.
constexpr double kMaxSteps = 1e15;

}  // namespace

void mygrid(Surface& s, double originX, double originY, double k, int axisSign) {
    const bool m = axisSign > 0;
    const double colStep = (m ? 50 : 25) * k;
    const double rowStep = (m ? 25 : 50) * k;
    const double w = s.width(), h = s.height();
    const bool countable = colStep > 0 && rowStep > 0 && std::isfinite(colStep) &&
                           std::isfinite(rowStep) && std::fabs(originX / colStep) < kMaxSteps &&
                           std::fabs(originY / rowStep) < kMaxSteps &&
                           (w / colStep + 2) * (h / rowStep + 2) <= kMaxNodes;
    if (countable) {
        // Columns and rows are counted from program zero, so that red lines fall
        // exactly on every tenth of them without rounding drift.
        const qint64 firstCol = -wholeQuotient(originX, colStep);
        const qint64 firstRow = -wholeQuotient(originY, rowStep);
        // Ruler along the horizontal axis: 10, 20, 30, 40 units of Z ("m") or
        // of X as a diameter ("t").
        const double rulerUnit = m ? k : k / 2;
        for (qint64 c = firstCol;; ++c) {
            const double x = originX + double(c) * colStep;
            if (x > w) break;
            for (qint64 r = firstRow;; ++r) {
                const double y = originY + double(r) * rowStep;
                if (y > h) break;
                const bool redRow = onTenth(r);
                const bool red = redRow || onTenth(c);
                const colour::Rgb col = red ? colour::kRed : colour::kWhite;
                s.point(x, y - 10, col);
                s.point(x, y + 10, col);
                s.point(x - 10, y, col);
                s.point(x + 10, y, col);
                if (redRow) {
                    for (int i = 1; i <= 4; ++i) {
                        const double rx = x + i * 10 * rulerUnit;
                        s.point(rx, y, col);
                        s.point(rx, y - 10, col);
                        s.point(rx, y + 10, col);
                    }
                }
            }
        }
    }
    s.circle(originX, originY, 100, colour::kRed);
}
