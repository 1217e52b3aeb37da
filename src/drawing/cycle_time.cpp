#include "drawing/cycle_time.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kSecondsPerMinute = 60;
// Pieces an arc under G96 is summed in (its diameter changes along it).
constexpr int kArcPieces = 64;

// Revolutions per mm of feed at a feed per revolution, or 0 when none.
double perRevolution(const CuttingModal& m) { return m.feed > 0 ? 1 / m.feed : 0; }

// Minutes per mm travelled at a diameter; 0 when the words give no speed.
double minutesPerMm(const CuttingModal& m, double diameter, bool thread) {
    if (!thread && !m.perRevolution) return m.feed > 0 ? 1 / m.feed : 0;
    const double rpm = m.rpmAt(diameter);
    if (!(rpm > 0)) return 0;
    return perRevolution(m) / rpm;
}

double straightLength(const MachinePoint& a, const MachinePoint& b) {
    return std::hypot((b.x - a.x) / 2, b.z - a.z);
}

}  // namespace

double straightCutMinutes(double x0, double x1, double length, const CuttingModal& m,
                          bool thread) {
    if (!(length > 0)) return 0;
    if (!m.constantSurface || (!thread && !m.perRevolution))
        return length * minutesPerMm(m, x0, thread);
    // Under G96 the minutes per mm are linear in the diameter between the
    // points where the move crosses the axis or the clamp's diameter; on each
    // stretch the mean of its ends is exact.
    std::vector<double> cuts{0, 1};
    auto crossing = [&](double x) {
        if (x0 == x1) return;
        const double t = (x - x0) / (x1 - x0);
        if (t > 0 && t < 1) cuts.push_back(t);
    };
    crossing(0);
    if (m.clamp > 0 && m.spindle > 0) {
        const double dc = 1000 * m.spindle / (M_PI * m.clamp);
        crossing(dc);
        crossing(-dc);
    }
    std::sort(cuts.begin(), cuts.end());
    double minutes = 0;
    for (size_t i = 1; i < cuts.size(); ++i) {
        const double a = cuts[i - 1], b = cuts[i];
        const double fa = minutesPerMm(m, x0 + (x1 - x0) * a, thread);
        const double fb = minutesPerMm(m, x0 + (x1 - x0) * b, thread);
        minutes += length * (b - a) * (fa + fb) / 2;
    }
    return minutes;
}

CycleTimeObserver::CycleTimeObserver(double rapidRate) : rapidRate_(rapidRate) {}

void CycleTimeObserver::move(const ObservedMove& m) {
    const CuttingModal& c = *m.cutting;
    switch (m.kind) {
    case MoveKind::Rapid:
    case MoveKind::Reference: {
        const double l = straightLength(m.start, m.end);
        times_.rapidMm += l;
        if (rapidRate_ > 0) times_.rapidSeconds += l / rapidRate_ * kSecondsPerMinute;
        return;
    }
    case MoveKind::Feed:
    case MoveKind::Thread: {
        const double l = straightLength(m.start, m.end);
        times_.feedMm += l;
        times_.feedSeconds += straightCutMinutes(m.start.x, m.end.x, l, c,
                                                 m.kind == MoveKind::Thread) *
                              kSecondsPerMinute;
        return;
    }
    case MoveKind::Arc: {
        const double l = m.radius * m.sweep;
        times_.feedMm += l;
        double minutes = 0;
        if (c.constantSurface && c.perRevolution) {
            const double a0 = arcStartAngle(m);
            const double dir = m.turnsTowardsX ? 1 : -1;
            for (int i = 0; i < kArcPieces; ++i) {
                const double phi = a0 + dir * m.sweep * (i + 0.5) / kArcPieces;
                minutes += l / kArcPieces * minutesPerMm(c, arcPoint(m, phi).x, false);
            }
        } else {
            minutes = l * minutesPerMm(c, m.start.x, false);
        }
        times_.feedSeconds += minutes * kSecondsPerMinute;
        return;
    }
    }
}

QString machiningTimeMessage(const CycleTimes& t) {
    auto ms = [](double seconds) {
        const long long s = std::isfinite(seconds) ? std::llround(std::max(0.0, seconds)) : 0;
        return QStringLiteral("%1分%2秒").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("加工時間 約 %1（切削 %2 早送り %3）")
        .arg(ms(t.totalSeconds()), ms(t.feedSeconds), ms(t.rapidSeconds));
}
