#include "drawing/pacer.h"

#include <QThread>
#include <algorithm>

#include "drawing/drawing_host.h"

Pacer::Pacer(DrawingHost& host, bool realTime) : host_(host), realTime_(realTime) {
    if (realTime_) clock_.start();
}

void Pacer::restart() {
    if (!realTime_) return;
    clock_.restart();
    schedule_.restart();
}

void Pacer::tick() {
    if (!realTime_) return;
    if (schedule_.repaintDue(clock_.nsecsElapsed() / 1000)) host_.flush();
}

void Pacer::traced(qint64 points) {
    if (!realTime_ || !pacing_) return;
    schedule_.pointsDrawn(points, PaceSchedule::kTracePointMicros);
    settle();
}

void Pacer::delay(double count, double inner) {
    if (!realTime_) return;
    if (pacing_ && count > 0 && inner > 0)
        schedule_.owe(qint64(count * inner * PaceSchedule::kDelayUnitMicros));
    settle();
}

void Pacer::settle() {
    qint64 wait = schedule_.waitAt(clock_.nsecsElapsed() / 1000);
    while (wait > 0) {
        // Sleep in slices so that the picture keeps being repainted.
        qint64 slice = std::min(wait, PaceSchedule::kRepaintMicros);
        QThread::usleep(quint64(slice));
        tick();
        wait = schedule_.waitAt(clock_.nsecsElapsed() / 1000);
    }
    tick();
}
