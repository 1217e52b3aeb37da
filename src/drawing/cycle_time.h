#pragma once
// Cycle time of a program from the moves of one drawing pass: feed length and
// time, rapid length and time, dwell time.  Lengths are the tool's real travel
// in mm (X counts as a radius), whatever the view.  Feed per revolution (G99)
// or per minute (G98); under G96 the spindle speed follows the diameter along
// the move, held to the clamp; threads cut at the lead times the spindle
// speed; rapids and reference returns go straight at the rapid rate.  A cut
// without a feed or a spindle speed to go by adds its length but no time.
#include <QString>

#include "drawing/move_observer.h"

// Rapid traverse when none is given, mm/min.
inline constexpr double kDefaultRapidRate = 10000;

struct CycleTimes {
    double feedMm = 0;
    double feedSeconds = 0;
    double rapidMm = 0;
    double rapidSeconds = 0;
    double dwellSeconds = 0;
    double totalSeconds() const { return feedSeconds + rapidSeconds + dwellSeconds; }
};

class CycleTimeObserver : public MoveObserver {
public:
    explicit CycleTimeObserver(double rapidRate = kDefaultRapidRate);

    void passBegins() override { times_ = {}; }
    void move(const ObservedMove& m) override;
    void dwell(double seconds) override { times_.dwellSeconds += seconds; }

    const CycleTimes& times() const { return times_; }

private:
    double rapidRate_;
    CycleTimes times_;
};

// Minutes a cut takes: length mm, and the minutes per mm at a diameter.
// For the tests of the rules of the feed: a straight cut from x0 to x1
// (diameters) of the given length under the modal words.
double straightCutMinutes(double x0, double x1, double length, const CuttingModal& m,
                          bool thread);

// "加工時間 約 m分ss秒（切削 m分ss秒 早送り m分ss秒）", seconds rounded to whole ones.
QString machiningTimeMessage(const CycleTimes& t);
