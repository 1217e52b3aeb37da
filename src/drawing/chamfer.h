#pragma once
// Chamfer (",C") between two straight moves, in program values (h, v):
// P1 -> corner P2 -> P3.  C is measured along each leg from the corner, in true
// lengths (the h axis as it stands, the v axis halved, as the screen shows
// them): the chamfer joins the point C before the corner on the first leg to
// the point C after it on the second.
#include "drawing/geometry_context.h"
#include "platform/colour.h"

// True length of a step (dh, dv): sqrt(dh^2 + (dv/2)^2).
double legLength(double dh, double dv);

// True when C is a number no larger than either leg.
bool chamferFits(ProgramPoint p1, ProgramPoint p2, ProgramPoint p3, double c);

// The two ends of the chamfer: the point C before the corner on the first leg
// and the point C after it on the second (the corner itself for a leg of no
// length).  C is not checked here.
struct ChamferEnds {
    ProgramPoint a, b;
};
ChamferEnds chamferEnds(ProgramPoint p1, ProgramPoint p2, ProgramPoint p3, double c);

struct ChamferResult {
    bool fitted = false;  // false: the message was shown and the corner drawn sharp
    ProgramPoint next;    // where the second move now starts
};

// Draws P1 -> A and the chamfer A -> B as moves of the given colour and
// returns B.  When C does not fit, "コーナーCエラー 前後の線分に対しCが大きすぎます"
// is shown, P1 -> P2 is drawn and P2 returned.
ChamferResult chamferCorner(const GeometryContext& g, ProgramPoint p1, ProgramPoint p2,
                            ProgramPoint p3, double c, colour::Rgb colour);
