#include "drawing/cycle_roughing.h"

#include <algorithm>
#include <cmath>

#include "drawing/cycle_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/word_units.h"
#include "platform/dialogs.h"

namespace {

// Slack of the comparisons on the shape's points, in program units.
constexpr double kSlack = 1e-6;

int signOf(double v) { return v > kSlack ? 1 : v < -kSlack ? -1 : 0; }

// The start lies within the shape when the shape, followed along the passes,
// moves away from the start's level (a pass would have to cross it to meet
// it), or when part of the shape lies behind the passes' start other than on
// the level of its extreme.
bool startWithin(PassAxis axis, CyclePoint start, const std::vector<CyclePoint>& shape,
                 const RoughingPlan& plan, bool monotone) {
    const int d = plan.levelsGo, e = plan.passesGo;
    auto along = [&](CyclePoint p) { return e * (cutValue(axis, p) - cutValue(axis, start)); };
    auto deep = [&](CyclePoint p) { return d * heldValue(axis, p); };
    auto onExtreme = [&](CyclePoint p) {
        return std::fabs(heldValue(axis, p) - plan.extreme) < kSlack;
    };
    // Each move of the shape that reaches behind the start must lie on the extreme.
    for (size_t i = 0; i < shape.size(); ++i) {
        const size_t j = std::min(i + 1, shape.size() - 1);
        const bool behind = along(shape[i]) < -kSlack || along(shape[j]) < -kSlack;
        if (behind && !(onExtreme(shape[i]) && onExtreme(shape[j]))) return true;
    }
    if (!monotone) return false;
    // The shape's nearest end along the passes (the deepest of the points
    // there) and its far end (the shallowest there).
    CyclePoint nearEnd = shape.front(), farEnd = shape.front();
    for (CyclePoint p : shape) {
        if (along(p) < along(nearEnd) - kSlack ||
            (std::fabs(along(p) - along(nearEnd)) <= kSlack && deep(p) > deep(nearEnd)))
            nearEnd = p;
        if (along(p) > along(farEnd) + kSlack ||
            (std::fabs(along(p) - along(farEnd)) <= kSlack && deep(p) < deep(farEnd)))
            farEnd = p;
    }
    return deep(nearEnd) < deep(farEnd) - kSlack;
}

}  // namespace

RoughingPlan planRoughing(PassAxis axis, CyclePoint start, const std::vector<CyclePoint>& shape,
                          bool monotone) {
    RoughingPlan plan;
    if (shape.empty()) return plan;
    CyclePoint deepest = shape.front(), farthest = shape.front();
    for (CyclePoint p : shape) {
        if (std::fabs(heldValue(axis, p) - heldValue(axis, start)) >
            std::fabs(heldValue(axis, deepest) - heldValue(axis, start)))
            deepest = p;
        if (std::fabs(cutValue(axis, p) - cutValue(axis, start)) >
            std::fabs(cutValue(axis, farthest) - cutValue(axis, start)))
            farthest = p;
    }
    plan.levelsGo = signOf(heldValue(axis, deepest) - heldValue(axis, start));
    plan.passesGo = signOf(cutValue(axis, farthest) - cutValue(axis, start));
    plan.extreme = heldValue(axis, deepest);
    plan.farCut = cutValue(axis, farthest);
    // A shape on the start's own level or across from it leaves nothing to rough.
    if (plan.levelsGo == 0 || plan.passesGo == 0) {
        plan.levelsGo = plan.passesGo = 0;
        return plan;
    }
    plan.startInside = startWithin(axis, start, shape, plan, monotone);
    return plan;
}

bool roughPasses(const CycleFrame& frame, const CycleProfile& profile, PassAxis axis,
                 const RoughingPlan& plan, CyclePoint start, const RoughingPasses& passes) {
    const bool g71 = axis == PassAxis::AlongZ;
    const int d = plan.levelsGo, e = plan.passesGo;
    if (d == 0 || plan.startInside || !(passes.depth > 0)) return true;
    auto at = [&](double heldValue, double cutValue) {
        return g71 ? CyclePoint{heldValue, cutValue} : CyclePoint{cutValue, heldValue};
    };
    // G71 holds an X per pass, levels 2*depth apart (X is a diameter); G72
    // holds a Z, levels one depth apart.
    const double step = d * (g71 ? 2 * passes.depth : passes.depth);
    // The lift leaves the part: back towards the start's level and back along
    // the pass, X by twice the retract.
    const int liftX = g71 ? -d : -e, liftZ = g71 ? -e : -d;
    const double from = cutValue(axis, start);
    // A level the shape does not reach is cut to the shape's far end.
    const double noMeeting = plan.farCut;
    // A level on the extreme still cuts: it meets the allowance and does not
    // enter it; the next one would.
    auto hasMaterial = [&](double level) {
        return std::isfinite(level) && d * (plan.extreme - level) >= -kSlack;
    };

    CyclePoint tool = start;
    double level = heldValue(axis, start) + step;
    for (int count = 0; hasMaterial(level); ++count, level += step) {
        if (count == kMaxCyclePasses) {
            frame.g().dialogs.message(drawing::text::kTooManyPasses.arg(kMaxCyclePasses));
            return false;
        }
        const CyclePoint plunge = at(level, from);
        frame.line(tool, plunge, passes.approach);
        const std::optional<double> m = profile.meet(axis, level, from, e, -d);
        const CyclePoint end = at(level, m ? *m : noMeeting);
        frame.line(plunge, end, geometry_colour::kFeed);
        const CyclePoint lifted{end.x + liftX * 2 * passes.retractX,
                                end.z + liftZ * passes.retractZ};
        frame.line(end, lifted, geometry_colour::kFeed);
        tool = at(heldValue(axis, lifted), from);
        frame.line(lifted, tool, geometry_colour::kRapid);
    }
    return true;
}
