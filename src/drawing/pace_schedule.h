#pragma once
// How long traced drawing should take: each point drawn owes a little time, and
// the owed time is weighed against the clock time given in.  No clock here, so
// the arithmetic is checked without waiting.
#include <QtGlobal>

class PaceSchedule {
public:
    // Repaint interval of the growing drawing.
    static constexpr qint64 kRepaintMicros = 16000;
    // Time owed per traced point of a straight move.  The trace step of the
    // three speeds already differs, so one rate keeps them apart.
    static constexpr qint64 kTracePointMicros = 20;
    // Time owed per unit of a busy delay (mytim's count x inner count): arcs
    // owe speedDelay / 400 units a point: low 1.5 ms, middle 0.5 ms, high none.
    static constexpr qint64 kDelayUnitMicros = 4000;
    // Waits shorter than this are put off and added to the next one.
    static constexpr qint64 kMinWaitMicros = 1000;

    // Points drawn at a rate of micros each.
    void pointsDrawn(qint64 points, qint64 microsEach) { owed_ += points * microsEach; }
    void owe(qint64 micros) { owed_ += micros; }
    qint64 owed() const { return owed_; }

    // How long to wait now, elapsed being the clock time since the schedule
    // began.  A schedule that has fallen behind forgets the lost time, so a slow
    // stretch is never made up by a burst of unpaced drawing.
    qint64 waitAt(qint64 elapsed) {
        if (owed_ <= elapsed) {
            owed_ = elapsed;
            return 0;
        }
        qint64 w = owed_ - elapsed;
        return w >= kMinWaitMicros ? w : 0;
    }

    // True once per repaint interval.
    bool repaintDue(qint64 elapsed) {
        if (elapsed - lastRepaint_ < kRepaintMicros) return false;
        lastRepaint_ = elapsed;
        return true;
    }

    // A new schedule (the clock starts again at 0).
    void restart() { owed_ = 0; lastRepaint_ = 0; }

private:
    qint64 owed_ = 0;
    qint64 lastRepaint_ = 0;
};
