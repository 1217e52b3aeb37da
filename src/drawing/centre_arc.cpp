#include "drawing/centre_arc.h"

#include <cmath>

#include "drawing/arc_drawing.h"
#include "drawing/cycle_block_texts.h"
#include "drawing/line_drawing.h"
#include "platform/dialogs.h"

namespace {

// The screen shows (h, v/2) at one scale in both orientations: there a circle
// of the part is a circle.  ("m": (Z, X/2); "t": (X/2, Z).)
struct Flat {
    double a, b;
};
Flat flat(ProgramPoint p) { return {p.h, p.v / 2}; }
ProgramPoint program(Flat f) { return {f.a, f.b * 2}; }

}  // namespace

void drawCentreArc(const GeometryContext& g, ProgramPoint start, ProgramPoint end, double i,
                   double k, bool horizontal, colour::Rgb colour, const QString& block) {
    const Flat s = flat(start), e = flat(end);
    const Flat c = horizontal ? Flat{s.a + k, s.b + i} : Flat{s.a + i, s.b + k};
    const double r = std::hypot(s.a - c.a, s.b - c.b);
    const double re = std::hypot(e.a - c.a, e.b - c.b);
    mycircleAbout(g, g.screenX(start.h), g.screenY(start.v), g.screenX(end.h), g.screenY(end.v),
                  g.screenX(c.a), g.screenY(c.b * 2), colour);
    const double off = std::fabs(re - r);
    if (!(off > kArcEndTolerance)) return;
    g.dialogs.message(drawing::text::arcEndOffCircle(off, block));
    // On along the end point's ray from the circle to the end point.
    const Flat onCircle = re > 0 ? Flat{c.a + (e.a - c.a) * r / re, c.b + (e.b - c.b) * r / re}
                                 : Flat{c.a + r, c.b};
    const ProgramPoint p = program(onCircle);
    myline(g, p.h, p.v, end.h, end.v, colour);
}
