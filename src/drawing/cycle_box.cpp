#include "drawing/cycle_box.h"

#include "drawing/cycle_block_texts.h"
#include "drawing/cycle_words.h"
#include "drawing/line_drawing.h"

using namespace drawing;

namespace {

constexpr int kThreading = 92;
constexpr int kFacing = 94;

}  // namespace

void drawBoxCycle(CycleWords& w, BoxCycle& modal, int code) {
    // Naming the cycle that is already modal is a repeat too; naming another
    // one starts afresh.
    if (code != 0 && code != modal.code) {
        modal = BoxCycle{};
        modal.code = code;
    }
    if (const std::optional<double> x = w.endX()) modal.x = x;
    if (const std::optional<double> z = w.endZ()) modal.z = z;
    if (w.has("R")) modal.r = w.number("R");
    if (w.has("F")) modal.lead = w.number("F");

    if (!modal.x) return w.missing(text::kWordX);
    if (!modal.z) return w.missing(text::kWordZ);
    if (modal.code == kThreading && modal.lead == 0)
        return w.has("F") ? w.zero(text::kWordLead) : w.missing(text::kWordLead);

    const CyclePoint s = w.start();
    const double x = *modal.x, z = *modal.z, r = modal.r;
    if (modal.code == kFacing) {
        const CyclePoint a{s.x, z + r}, b{x, z}, c{x, s.z};
        w.move(s, a, geometry_colour::kRapid);
        w.move(a, b, geometry_colour::kFeed);
        w.move(b, c, geometry_colour::kFeed);
        w.move(c, s, geometry_colour::kRapid);
        return;
    }
    const bool thread = modal.code == kThreading;
    const CyclePoint a{x + 2 * r, s.z}, b{x, z}, c{s.x, z};
    w.move(s, a, geometry_colour::kRapid);
    w.move(a, b, thread ? geometry_colour::kThread : geometry_colour::kFeed);
    w.move(b, c, thread ? geometry_colour::kRapid : geometry_colour::kFeed);
    w.move(c, s, geometry_colour::kRapid);
}
