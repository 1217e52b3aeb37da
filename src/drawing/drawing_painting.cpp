// What the drawing run paints over the drawing: the status lines, the help
// line, the position read-out and the program text display.
#include "drawing/drawing_host.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "drawing/point_values.h"
#include "drawing/view_math.h"
#include "platform/surface.h"

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

void DrawingRun::drawStatusLines() {
    const double x = w() - 13000;
    surface().fill(x, 100, w() - 3000, 800, rgb::kBackground);
    const bool m = state_.orientation == u"m";
    QString speed = state_.speedDelay < 41    ? text::kSpeedHigh
                    : state_.speedDelay < 101 ? text::kSpeedMiddle
                                              : text::kSpeedLow;
    surface().text(x, 100, rgb::kStatusSize, rgb::kStatus,
                   (m ? text::kCaptionM : text::kCaptionT) +
                       (state_.blockSkip ? text::kSkipOn : text::kSkipOff) + speed);
    surface().text(x, 400, rgb::kStatusSize, rgb::kStatus,
                   topLines_.value(0) + text::kScale + nt::str(shownRatio(state_.scale)) +
                       (state_.programDisplay ? text::kDisplayOn : text::kDisplayOff));
}

void DrawingRun::helpLine() {
    // The band is cleared first: text printed over itself block after block turns
    // bold and smeared.
    clearHelpBand();
    surface().text(150, h() - 650, rgb::kTextSize, rgb::kText, text::kHelpLine);
}

void DrawingRun::clearHelpBand() {
    surface().fill(kHelpBandLeft, h() - 700, kHelpBandRight, h() - 300, rgb::kBackground);
}

void DrawingRun::positionReadout() {
    const double x = w() - 13000;
    surface().fill(x, 800, w() - 2000, 1000, rgb::kBackground);
    const PointValues p = endPointValues(state_);
    surface().text(x, 800, rgb::kTextSize, rgb::kText, QStringLiteral("x ") + p.x);
    surface().text(w() - 11800, 800, rgb::kTextSize, rgb::kText, QStringLiteral("  z ") + p.z);
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
