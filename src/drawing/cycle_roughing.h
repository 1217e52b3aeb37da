#pragma once
// The roughing passes of a turning cycle.  Which way the levels step and which
// way the passes run is read from where the shape lies against the start
// point, not from the signs of the words, so that outer shapes and bores,
// shapes running towards -Z and towards +Z (G72: -X and +X) are all roughed
// the same way: the levels step from the start towards the shape's point
// farthest from it, the last one on the start's side of that point, and every
// pass runs from the start along the cutting axis until it meets the shape.
#include <vector>

#include "drawing/cycle_profile.h"
#include "platform/colour.h"

// Where the roughing goes, in program values.
struct RoughingPlan {
    int levelsGo = 0;    // +1 or -1 on the held axis; 0: nothing to rough
    int passesGo = 0;    // +1 or -1 on the cutting axis
    double extreme = 0;  // the held value of the farthest shape point
    double farCut = 0;   // the cutting-axis value of the shape's far end
    // The start lies within the shape: the passes would run through the part.
    bool startInside = false;
};

// The plan for the shifted shape's points `shape` roughed from `start` (the
// start point shifted by the allowances).  `monotone`: the shape keeps its
// direction on both axes (a shape that does not has had its message and is
// not judged further).
RoughingPlan planRoughing(PassAxis axis, CyclePoint start, const std::vector<CyclePoint>& shape,
                          bool monotone);

struct RoughingPasses {
    double depth = 0;     // per side, positive
    double retractX = 0;  // the lifts, positive: X by twice this (a diameter)
    double retractZ = 0;
    colour::Rgb approach = colour::kRed;  // the plunge to each level
};

// Draws the passes from `start`: the plunge to each level, the cut to the
// shape, the 45-degree lift away from the part and the rapid return along
// the cutting axis.  Returns false when the passes were cut short at their
// limit (after its message).
bool roughPasses(const CycleFrame& frame, const CycleProfile& profile, PassAxis axis,
                 const RoughingPlan& plan, CyclePoint start, const RoughingPasses& passes);
