#pragma once
// The finishing shape of a turning cycle as a row of pieces (straight moves,
// arcs, rounded corners; chamfers become two straight moves), shifted by the
// finishing allowances.  The roughing asks it where a pass meets the shape;
// the finishing draws it.  Every piece is drawn and measured by the line, arc
// and corner procedures themselves.
#include <QString>
#include <optional>
#include <vector>

#include "drawing/geometry_context.h"
#include "platform/colour.h"

// A point in true program values: X a diameter, Z as written.
struct CyclePoint {
    double x = 0;
    double z = 0;
};

// The run's orientation: "m" shows (h, v) = (Z, X), "t" (h, v) = (X/2, Z*2).
class CycleFrame {
public:
    explicit CycleFrame(const GeometryContext& g) : g_(g) {}
    const GeometryContext& g() const { return g_; }
    bool horizontal() const { return g_.axisSign > 0; }
    ProgramPoint hv(CyclePoint p) const;
    CyclePoint xz(ProgramPoint q) const;
    double screenX(CyclePoint p) const { return g_.screenX(hv(p).h); }
    double screenY(CyclePoint p) const { return g_.screenY(hv(p).v); }
    CyclePoint fromScreen(double x, double y) const;
    // A straight move in program values.
    void line(CyclePoint a, CyclePoint b, colour::Rgb c) const;

private:
    const GeometryContext& g_;
};

// One block of the finishing shape, evaluated and shifted.
struct ShapePoint {
    CyclePoint at;
    double cornerR = 0;       // ",R" (0: none)
    QString cornerC;          // ",C" text (empty: none)
    double cornerCValue = 0;
    bool arc = false;         // G2/G3 block: an arc from the point before
    double arcRadius = 0;
    bool clockwise = false;   // G2
};

struct ProfilePiece {
    enum class Kind { Line, Arc, Fillet };
    Kind kind = Kind::Line;
    // Line, Arc: a -> b.  Fillet: the corner b between a (the point before)
    // and c (the point after).
    CyclePoint a, b, c;
    double radius = 0;        // program units
    bool clockwise = false;   // Arc: G2
    bool intoFillet = false;  // Line: its end is rounded by the next piece
};

// Which axis the passes hold and which they run along.
enum class PassAxis {
    AlongZ,  // G71: each pass holds an X and cuts along Z
    AlongX,  // G72: each pass holds a Z and cuts along X
};

// The value a pass holds (G71: X, G72: Z) and the one it runs along.
inline double heldValue(PassAxis axis, CyclePoint p) {
    return axis == PassAxis::AlongZ ? p.x : p.z;
}
inline double cutValue(PassAxis axis, CyclePoint p) { return axis == PassAxis::AlongZ ? p.z : p.x; }

class CycleProfile {
public:
    // Pieces from the first to the last shape point.  A ",C" larger than a
    // neighbouring move shows its message and leaves the corner sharp.
    CycleProfile(const CycleFrame& frame, const std::vector<ShapePoint>& shape);

    const std::vector<ProfilePiece>& pieces() const { return pieces_; }

    // Where the pass that holds `level`, run from `from` along the cutting axis
    // towards `towards` (+1 or -1), first meets the profile, as its value on
    // the cutting axis: the meeting nearest the pass's start, whatever piece
    // it lies on (an arc's circle may cross the level twice within the arc:
    // the far crossing would cut through the part).  A pass that meets a
    // stretch of the profile lying on its level runs on to that stretch's far
    // end, or to where a rounded corner there begins.  `startSide` is the side
    // of the level the start point lies on (+1 or -1 on the held axis).
    // nullopt when the pass misses every piece.
    std::optional<double> meet(PassAxis axis, double level, double from, int towards,
                               int startSide) const;

    // Draws the shape; returns the move colour afterwards (an arc's colour,
    // else `colour`).
    colour::Rgb draw(colour::Rgb colour) const;

private:
    std::optional<double> meetLine(const ProfilePiece& p, PassAxis axis, double level) const;
    std::vector<double> meetArc(const ProfilePiece& p, PassAxis axis, double level) const;
    std::optional<double> meetFillet(const ProfilePiece& p, PassAxis axis, double level) const;
    // The fillet that rounds the corner at one end of line i, if any.
    std::optional<size_t> filletAt(size_t i, bool atEnd) const;
    double runAlongStretches(PassAxis axis, double level, double met, double from, int towards,
                             int startSide) const;

    const CycleFrame& frame_;
    std::vector<ProfilePiece> pieces_;
};
