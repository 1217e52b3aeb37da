// How long the pace schedule makes traced drawing take on a real window, for
// the three speeds: a straight move and a half circle, point by point, as the
// line and arc drawing hand their points to the run's pacer.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>

#include "drawing/drawing_host.h"
#include "drawing/pacer.h"

namespace {

// The pacer only repaints through its host; nothing is painted here.
class NullHost : public DrawingHost {
public:
    Surface& surface() override { std::abort(); }
    Dialogs& dialogs() override { std::abort(); }
    EventPump& pump() override { std::abort(); }
    QString workDir() override { return {}; }
    QString editText() override { return {}; }
    QString programName() override { return {}; }
    void setProgramName(const QString&) override {}
    void writeProgramToWorkFile() override {}
    void hideControls() override {}
    void showControls() override {}
    void focusEditScreen() override {}
    void focusListing() override {}
    void flush() override { ++flushes; }
    long flushes = 0;
};

struct Speed {
    const char* name;
    int delay;     // speedDelay
    double cLine;  // trace step factor of a feed move at this speed
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double scale = 9;  // the start view
    // A feed move of 100 program units and a half circle of radius 50 units.
    const double length = 100, radius = 50 * scale;
    const Speed speeds[] = {{"s1 low", 150, 0.005}, {"s2 middle", 50, 0.01}, {"s3 high", 0, 0.05}};

    std::printf("| speed | move | points | paced ms | us per point | repaints |\n");
    std::printf("|---|---|---:|---:|---:|---:|\n");
    for (const Speed& sp : speeds) {
        for (int arc = 0; arc <= 1; ++arc) {
            NullHost host;
            Pacer pacer(host, true);
            pacer.setPacing(true);
            pacer.restart();
            qint64 points;
            QElapsedTimer t;
            t.start();
            if (!arc) {
                const double step = std::pow(scale, -0.4) * sp.cLine;
                points = qint64(length / step);
                for (qint64 i = 0; i < points; ++i) pacer.traced(1);
            } else {
                const double step = 1 / (radius * std::pow(scale, 0.05));
                points = qint64(3.141592 / step);
                const double delay = sp.delay / 4.0;  // mycircle's delay parameter
                for (qint64 i = 0; i < points; ++i) pacer.delay(delay / 100, 1);
            }
            const double ms = t.nsecsElapsed() / 1e6;
            std::printf("| %s | %s | %lld | %.1f | %.2f | %ld |\n", sp.name,
                        arc ? "half circle R50" : "line 100", static_cast<long long>(points), ms,
                        ms * 1000 / double(points), host.flushes);
        }
    }

    // Headless (tssnc-cli, tests) and the fast redraw: the same points cost nothing.
    NullHost host;
    Pacer off(host, false);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 1000000; ++i) off.traced(1);
    std::printf("\nunpaced: 1000000 points in %.1f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
