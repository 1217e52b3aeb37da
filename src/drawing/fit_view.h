#pragma once
// The view that fits the part: the extent of the cutting moves (feed, arcs,
// threads; not rapids, not reference returns) and the scale and origin that
// make that extent fill the surface with a margin of a tenth on every side,
// its centre on the surface's centre.
#include <optional>

#include "drawing/move_observer.h"

// Share of the surface left free on each side of the part.
inline constexpr double kFitMargin = 0.1;

// Extent of the cutting moves in machine values (X a diameter, Z).
struct PartExtent {
    bool empty = true;
    double minX = 0, maxX = 0, minZ = 0, maxZ = 0;
    void add(const MachinePoint& p);
};

// Collects the extent of one pass (arcs with their bulge, not only their ends).
class PartExtentObserver : public MoveObserver {
public:
    void passBegins() override { extent_ = {}; }
    void move(const ObservedMove& m) override;
    const PartExtent& extent() const { return extent_; }

private:
    PartExtent extent_;
};

struct FittedView {
    double originX = 0;
    double originY = 0;
    double scale = 0;
};

// Origin and scale that fit the extent on a w x h surface (twips), for the
// horizontal ("m") or the vertical ("t") picture.  nullopt when there is no
// extent, or the view would leave its bounds.
std::optional<FittedView> fitView(const PartExtent& e, bool horizontal, double w, double h);
