#pragma once
// Point-by-point plotting shared by the line trace, the arc and the fillet:
// the surface test for a point, the angle of a point seen from a centre, and a
// walk over the steps of a plot that passes over stretches lying wholly off
// the surface (a move far off screen costs next to nothing, and what is seen
// is exactly what a plain walk would give).
#include <QtGlobal>
#include <functional>

class Surface;

namespace geometry {

// A walk longer than this is made with a wider step (nothing on any screen
// needs so many points; a larger count would only hang the run).
inline constexpr qint64 kMaxPlotPoints = 400'000'000;
// Compensation parallels (and grey arc points) only for offsets beyond this.
inline constexpr int kCompensationMin = 10;
// Steps looked at together when deciding whether a stretch can be passed over.
inline constexpr qint64 kPlotChunk = 512;

// False when the point lies off the client area (x above W or below 0, y below
// 0 or above H) or is not a number.
bool onSurface(const Surface& s, double x, double y);
// True when the box (x1, y1)-(x2, y2), corners in any order, touches the area.
bool boxTouchesSurface(const Surface& s, double x1, double y1, double x2, double y2);
// True when every value is finite.
bool finite(std::initializer_list<double> values);

// Angle of (x, y) seen from (cx, cy), anticlockwise on the screen (from growing
// x towards decreasing y), by the arctangent of the coordinate ratio with
// quadrant corrections; pi is the caller's value of pi.  Result in
// (-pi/2, 3pi/2]; a point on the centre gives 0.
double screenAngle(double cx, double cy, double x, double y, double pi);

// A walk from a to b by step: the values a + k*step for k = 0..count-1, the
// last not passing b.  A step leading away from b gives the start alone; a
// step that would need more than kMaxPlotPoints points is widened; count is 0
// when nothing can be walked (step 0, values not numbers).
struct Walk {
    qint64 count = 0;
    double step = 0;
    double at(double a, qint64 k) const { return a + double(k) * step; }
};
Walk planWalk(double a, double b, double step);

// Steps of a straight walk are counted in doubles up to this (beyond it the
// index arithmetic would lose whole steps); a longer walk takes wider steps.
inline constexpr double kMaxWalkSteps = 1e15;

// Indices of a straight walk over the segment (x1, y1)-(x2, y2), index k at the
// fraction k/steps of it, k from 0 to count-1, whose points may lie on the
// surface (a margin of one index either side).  first > last when none may.
// Never more than kMaxPlotPoints indices.
struct IndexRange {
    qint64 first = 0;
    qint64 last = -1;
};
IndexRange visibleIndices(const Surface& s, double x1, double y1, double x2, double y2,
                          double steps, qint64 count);

// Walks indices first..last in stretches of kPlotChunk: stretchSeen(a, b) says
// whether a stretch may show anything; each(k) is called for every index of
// the stretches that may.  between(n) is called after every stretch walked
// (pacing, repaint).
void walk(IndexRange range, const std::function<bool(qint64, qint64)>& stretchSeen,
          const std::function<void(qint64)>& each,
          const std::function<void(qint64)>& between = {});

}  // namespace geometry
