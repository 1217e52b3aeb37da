#pragma once
// Paces traced drawing on a real window and repaints it while it grows.  In the
// command-line tool and in tests it is off: nothing waits, nothing repaints.
#include <QElapsedTimer>

#include "drawing/pace_schedule.h"

class DrawingHost;

class Pacer {
public:
    Pacer(DrawingHost& host, bool realTime);

    bool realTime() const { return realTime_; }
    // Traced drawing is paced only while it is shown as traced (not during "k"
    // or the fast redraw after a view change).
    void setPacing(bool on) { pacing_ = on; }
    bool pacing() const { return pacing_; }

    // A straight move traced n points.
    void traced(qint64 points);
    // A busy delay of count x inner count (mytim).
    void delay(double count, double inner);
    // Repaints when the interval has passed (call at yields and inside long draws).
    void tick();
    // After a wait for the operator: the schedule starts afresh.
    void restart();

private:
    void settle();
    DrawingHost& host_;
    bool realTime_;
    bool pacing_ = false;
    QElapsedTimer clock_;
    PaceSchedule schedule_;
};
