#include "drawing/cycle_thread.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/cycle_block_texts.h"
#include "drawing/cycle_words.h"
#include "drawing/line_drawing.h"

using namespace drawing;

namespace {

// A first block's P of more digits than mm rr aa is read for its last six.
constexpr qint64 kPCodeDigits = 1000000;

int sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

void firstBlock(CycleWords& w, ThreadSettings& t) {
    if (w.has("P")) {
        const qint64 p = qint64(std::fabs(std::trunc(std::fmod(w.number("P"), kPCodeDigits))));
        t.finishingPasses = int(p / 10000);
        t.angle = int(p % 100);
    }
    if (w.has("Q")) t.minStep = std::fabs(w.thousandths("Q"));
    if (w.has("R")) t.allowance = std::fabs(w.thousandths("R"));
}

}  // namespace

void threadCycle(CycleWords& w, ThreadSettings& t) {
    const std::optional<double> endX = w.endX(), endZ = w.endZ();
    if (!endX && !endZ) return firstBlock(w, t);
    if (!endX) return w.missing(text::kWordX);
    if (!endZ) return w.missing(text::kWordZ);
    if (!w.has("P")) return w.missing(text::kWordThreadHeight);
    const double k = std::fabs(w.thousandths("P"));
    if (k == 0) return w.zero(text::kWordThreadHeight);
    if (!w.has("Q")) return w.missing(text::kWordFirstDepth);
    const double first = std::fabs(w.thousandths("Q"));
    if (first == 0) return w.zero(text::kWordFirstDepth);
    if (!w.has("F")) return w.missing(text::kWordLead);
    if (w.number("F") == 0) return w.zero(text::kWordLead);
    const double taper = w.number("R");

    // Depths below the crest: Δd·√n, at least Δdmin a pass, down to k - d;
    // then k, mm times (once at least: the thread must reach its height).
    std::vector<double> depths;
    const double rough = k - t.allowance;
    bool cutShort = false;
    for (double last = 0; last < rough;) {
        if (int(depths.size()) == kMaxCyclePasses) {
            cutShort = true;
            break;
        }
        const double n = double(depths.size() + 1);
        last = std::min(std::max(first * std::sqrt(n), last + t.minStep), rough);
        depths.push_back(last);
    }
    if (!cutShort)
        for (int i = 0; i < std::max(t.finishingPasses, 1); ++i) depths.push_back(k);

    const CyclePoint s = w.start();
    const double x = *endX, z = *endZ;
    // The passes go from the crest towards X; an X equal to the start is
    // taken as an outside thread.
    const int in = x > s.x ? 1 : -1;
    const double crest = x - in * 2 * k;
    const double back = -sign(z - s.z) * std::tan(t.angle / 2.0 * std::numbers::pi / 180);
    for (size_t i = 0; i < depths.size(); ++i) {
        if (i > 0 && !w.goOn()) return;
        const double d = depths[i];
        const double root = crest + in * 2 * d;
        const CyclePoint a{root + 2 * taper, s.z + back * d}, b{root, z}, c{s.x, z};
        w.move(s, a, geometry_colour::kRapid);
        w.move(a, b, geometry_colour::kThread);
        w.move(b, c, geometry_colour::kRapid);
        w.move(c, s, geometry_colour::kRapid);
    }
    if (cutShort) w.tooManyPasses();
}
