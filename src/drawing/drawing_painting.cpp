// What the drawing run paints over the drawing: the status lines, the help
// line, the position read-out and the program text display.
#include "drawing/drawing_host.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "drawing/point_values.h"
#include "drawing/view_math.h"
#include "platform/surface.h"

#include <algorithm>

using namespace drawing;

namespace {
// Band of the help line and of the step prompt's place.
constexpr double kHelpBandLeft = 50, kHelpBandRight = 13950;
// Program text display: rows of 200 twips from y 2200; 40 characters a row.
constexpr int kDisplayRows = 30;
constexpr double kDisplayTop = place::kProgramDisplayTop, kDisplayRowHeight = 200;
constexpr int kDisplayChars = 40;
}  // namespace

Surface& DrawingRun::surface() { return host_.surface(); }
Dialogs& DrawingRun::dialogs() { return host_.dialogs(); }
double DrawingRun::w() const { return host_.surface().width(); }
double DrawingRun::h() const { return host_.surface().height(); }
// The status lines, read-outs and help line are laid out in twips for letters
// of their set size; larger letters (a window laid out larger) take their
// places and bands larger by the same factor, so that lines never run into
// each other.
double DrawingRun::k() const { return std::max(1.0, host_.textScale()); }

void DrawingRun::drawStatusLines() {
    const double k = this->k();
    const double x = w() - 13000 * k;
    surface().fill(x, 100 * k, w() - 3000 * k, 800 * k, rgb::kBackground);
    const bool m = state_.orientation == u"m";
    QString speed = state_.speedDelay < 41    ? text::kSpeedHigh
                    : state_.speedDelay < 101 ? text::kSpeedMiddle
                                              : text::kSpeedLow;
    surface().text(x, 100 * k, rgb::kStatusSize * k, rgb::kStatus,
                   (m ? text::kCaptionM : text::kCaptionT) +
                       (state_.blockSkip ? text::kSkipOn : text::kSkipOff) + speed);
    surface().text(x, 400 * k, rgb::kStatusSize * k, rgb::kStatus,
                   topLines_.value(0) + text::kScale + nt::str(shownRatio(state_.scale)) +
                       (state_.programDisplay ? text::kDisplayOn : text::kDisplayOff));
}

void DrawingRun::helpLine() {
    // The band is cleared first: text printed over itself block after block turns
    // bold and smeared.
    clearHelpBand();
    surface().text(150, h() - 650 * k(), rgb::kTextSize * k(), rgb::kText, text::kHelpLine);
}

void DrawingRun::clearHelpBand() {
    const double k = this->k();
    surface().fill(kHelpBandLeft, h() - 700 * k, kHelpBandLeft + (kHelpBandRight - kHelpBandLeft) * k,
                   h() - 300 * k, rgb::kBackground);
}

void DrawingRun::positionReadout() {
    const double k = this->k();
    const double x = w() - 13000 * k;
    surface().fill(x, 800 * k, w() - 2000 * k, 1000 * k, rgb::kBackground);
    const PointValues p = endPointValues(state_);
    surface().text(x, 800 * k, rgb::kTextSize * k, rgb::kText, QStringLiteral("x ") + p.x);
    surface().text(w() - 11800 * k, 800 * k, rgb::kTextSize * k, rgb::kText,
                   QStringLiteral("  z ") + p.z);
}

// Under the position read-out, what the window wants said when a pass
// reaches M30 or the end of the text (the machining time).
void DrawingRun::programEndLine() {
    if (!options_.programEndText) return;
    const double x = w() - 13000;
    surface().fill(x, place::kProgramEndTop, w() - 2000, place::kProgramEndBottom,
                   rgb::kBackground);
    surface().text(x, place::kProgramEndTop, rgb::kTextSize, rgb::kText, options_.programEndText());
}

// The block's text at the left, on the next row of the display.
void DrawingRun::programDisplayRow(const QString& line) {
    DrawingRunFields& f = state_.run;
    const double right = w() / 4 + 500;
    f.displayRow += 1;
    if (f.displayRow >= kDisplayRows) {
        f.displayRow = 1;
        surface().fill(0, kDisplayTop, right, 3600, rgb::kBackground);
    }
    const double y = kDisplayTop + kDisplayRowHeight * (f.displayRow % kDisplayRows);
    f.displayY = y;
    surface().fill(0, y, right, y + 1200, rgb::kBackground);
    for (int i = 0; i < line.size(); i += kDisplayChars)
        surface().text(100, y + kDisplayRowHeight * (i / kDisplayChars), rgb::kTextSize,
                       rgb::kText, line.mid(i, kDisplayChars));
}

void DrawingRun::showEndPointInProgramDisplay() {
    if (!state_.programDisplay) return;
    const PointValues p = endPointValues(state_);
    const double y = state_.run.displayY;
    surface().text(1500, y, rgb::kTextSize, rgb::kText, QStringLiteral("x ") + p.x);
    surface().text(2700, y, rgb::kTextSize, rgb::kText, QStringLiteral("z ") + p.z);
}
