#pragma once
// The one door every drawn move leaves through besides the paint: myline,
// mycircle, mycircleAbout and the corner rounding tell an optional observer
// what the tool did, in machine terms (X a diameter, Z, mm), before they test
// whether the move shows on the surface.  Cycle time and the fit view are such
// observers; they never read the program text themselves.
#include "platform/colour.h"

struct GeometryContext;

// Spindle speed a constant surface speed is held to when no G50 S was given:
// without a bound a facing to X0 would take for ever.
inline constexpr double kDefaultSpindleClamp = 4000;  // rpm

// The modal feed and spindle words of the block being drawn.
struct CuttingModal {
    bool perRevolution = true;     // G99 (a lathe's default); G98 per minute
    double feed = 0;               // F: mm/rev or mm/min; the lead of a thread
    bool constantSurface = false;  // G96: S in m/min; G97: S in rpm
    double spindle = 0;            // S
    double clamp = kDefaultSpindleClamp;  // latest G50 S, rpm

    // Spindle speed at a diameter (mm), rpm.
    double rpmAt(double diameter) const;
};

enum class MoveKind {
    Rapid,      // red
    Reference,  // light blue: return to the reference point (a rapid too)
    Feed,       // a straight cut (yellow, or a straight move in an arc colour)
    Thread,     // white: F is the lead
    Arc,        // a circular cut
};

struct MachinePoint {
    double x = 0;  // diameter
    double z = 0;
};

struct ObservedMove {
    MoveKind kind = MoveKind::Feed;
    MachinePoint start, end;
    // Arcs: centre, radius (mm) and the angle swept (radians, > 0), measured
    // in the part's plane; the arc turns from start towards end.
    MachinePoint centre;
    double radius = 0;
    double sweep = 0;
    // Arcs: true when the arc turns from +Z towards +X (anticlockwise in the
    // plane of Z and the radius), whatever the picture's orientation.
    bool turnsTowardsX = false;
    const CuttingModal* cutting = nullptr;  // never null when told
};

class MoveObserver {
public:
    virtual ~MoveObserver() = default;
    // A pass of the drawing begins from the first line: what was told is told again.
    virtual void passBegins() {}
    virtual void move(const ObservedMove& m) = 0;
    // G04: the tool stands for this long; nothing is drawn.
    virtual void dwell(double /*seconds*/) {}
};

// The door, for the drawing procedures.  Start and end of a straight move in
// program values (h, v) of the context's view; an arc in screen twips with its
// centre and its start and end angles as the plotting takes them.
void observeLine(const GeometryContext& g, double hs, double vs, double he, double ve,
                 colour::Rgb colour);
void observeArc(const GeometryContext& g, double x1, double y1, double x2, double y2, double cx,
                double cy, double radiusTwips, double sweep, bool clockwiseOnScreen);

// A point of an arc at angle phi in the plane of Z and the radius (phi 0 on +Z,
// growing towards +X).
MachinePoint arcPoint(const ObservedMove& arc, double phi);
// The angle of the arc's start point in that plane.
double arcStartAngle(const ObservedMove& arc);
void observeDwell(const GeometryContext& g, double seconds);
