#include "drawing/cycle_groove.h"

#include <algorithm>
#include <cmath>

#include "drawing/cycle_block_texts.h"
#include "drawing/cycle_words.h"
#include "drawing/line_drawing.h"

using namespace drawing;

namespace {

// Slack of the last step's clipping, in mm.
constexpr double kStepSlack = 1e-9;

int sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// A point by its values on the pecking and the shifting axis.
struct Axes {
    bool alongZ;  // G74: pecks along Z, shifts along X
    CyclePoint at(double peck, double shift) const {
        return alongZ ? CyclePoint{shift, peck} : CyclePoint{peck, shift};
    }
    double peck(CyclePoint p) const { return alongZ ? p.z : p.x; }
    double shift(CyclePoint p) const { return alongZ ? p.x : p.z; }
    // X is a diameter: a radius amount on it counts twice.
    double peckScale() const { return alongZ ? 1 : 2; }
    double shiftScale() const { return alongZ ? 2 : 1; }
};

}  // namespace

void grooveCycle(CycleWords& w, GrooveSettings& settings, bool alongZ) {
    const std::optional<double> endX = w.endX(), endZ = w.endZ();
    if (!endX && !endZ) {
        settings.backOff = std::fabs(w.number("R"));
        return;
    }
    const Axes ax{alongZ};
    const CyclePoint s = w.start();
    const std::optional<double> peckEnd = alongZ ? endZ : endX;
    const std::optional<double> shiftEnd = alongZ ? endX : endZ;
    const char* peckKey = alongZ ? "Q" : "P";
    const char* shiftKey = alongZ ? "P" : "Q";
    const QString& peckName = alongZ ? text::kWordPeckZ : text::kWordPeckX;
    const QString& shiftName = alongZ ? text::kWordShiftX : text::kWordShiftZ;

    if (!peckEnd) return w.missing(alongZ ? text::kWordZ : text::kWordX);
    if (!w.has(peckKey)) return w.missing(peckName);
    const double peck = std::fabs(w.thousandths(peckKey)) * ax.peckScale();
    if (peck == 0) return w.zero(peckName);
    const double p0 = ax.peck(s), p1 = *peckEnd;
    const double s0 = ax.shift(s), s1 = shiftEnd.value_or(s0);
    const int pDir = sign(p1 - p0), sDir = sign(s1 - s0);
    double shift = 0;
    if (sDir != 0) {
        if (!w.has(shiftKey)) return w.missing(shiftName);
        shift = std::fabs(w.thousandths(shiftKey)) * ax.shiftScale();
        if (shift == 0) return w.zero(shiftName);
    }
    const double backOff = settings.backOff * ax.peckScale();
    const double relief = sDir != 0 ? -sDir * std::fabs(w.number("R")) * ax.shiftScale()
                                    : w.number("R") * ax.shiftScale();

    int pecks = 0;
    CyclePoint tool = s;
    auto to = [&](CyclePoint p, colour::Rgb c) {
        w.move(tool, p, c);
        tool = p;
    };
    // Counted in whole steps, the last one clipped to the end: a sum of steps
    // would miss the end by a hair and add a sliver of a groove.
    auto stepped = [](qint64 n, double from, int dir, double step, double to) {
        const double v = double(n) * step;
        return v >= std::fabs(to - from) - kStepSlack ? to : from + dir * v;
    };
    for (qint64 groove = 0;; ++groove) {
        const double at = stepped(groove, s0, sDir, shift, s1);
        // Down in pecks, backing off after each one that is not the last.
        for (qint64 n = 1;; ++n) {
            if (pecks > 0 && !w.goOn()) return;
            if (pecks++ == kMaxCyclePasses) {
                w.tooManyPasses();
                to(ax.at(p0, ax.shift(tool)), geometry_colour::kRapid);
                to(s, geometry_colour::kRapid);
                return;
            }
            const double reached = stepped(n, p0, pDir, peck, p1);
            to(ax.at(reached, at), geometry_colour::kFeed);
            if (reached == p1) break;
            const double back = reached - pDir * backOff;
            to(ax.at(pDir * (back - p0) > 0 ? back : p0, at), geometry_colour::kRapid);
        }
        to(ax.at(p1, at + relief), geometry_colour::kFeed);
        to(ax.at(p0, at + relief), geometry_colour::kRapid);
        if (at == s1) break;
        to(ax.at(p0, stepped(groove + 1, s0, sDir, shift, s1)), geometry_colour::kRapid);
    }
    to(s, geometry_colour::kRapid);
}
