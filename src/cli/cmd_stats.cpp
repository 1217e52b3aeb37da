// tssnc-cli stats: cycle time of each program of an NC file, from a headless
// drawing run of the same engine: one line per program,
//   NAME feed_mm=F feed_s=F rapid_mm=F rapid_s=F dwell_s=F total_s=F
#include "cli/cli_commands.h"
#include "cli/draw_options.h"
#include "cli/headless_run.h"
#include "cli/program_file.h"
#include "drawing/cycle_time.h"
#include "editor/program_store.h"

namespace {

QString fixed3(double v) { return QString::number(v, 'f', 3); }

}  // namespace

int cmdStats(const QStringList& args, QTextStream& out) {
    QTextStream err(stderr);
    StatsOptions opts;
    if (QString e = parseStatsOptions(args, opts); !e.isEmpty()) {
        err << "stats: " << e << "\n";
        err.flush();
        return kBadUsage;
    }
    store::ProgramStore programs;
    if (QString e = readProgramFile(programs, opts.file); !e.isEmpty()) {
        err << "stats: " << e << "\n";
        err.flush();
        return 2;
    }
    int first = 1, last = programs.programCount() - 1;  // the free writing area is no program
    if (!opts.program.isEmpty()) {
        first = last = findEntry(programs, opts.program);
        if (first == 0) {
            err << "stats: " << QStringLiteral("no program beginning with %1 in %2")
                                    .arg(opts.program, opts.file)
                << "\n";
            err.flush();
            return 2;
        }
    }
    bool faulty = false;
    for (int entry = first; entry <= last; ++entry) {
        CycleTimeObserver times(opts.rapid);
        HeadlessDrawing d;
        d.programs = &programs;
        d.entry = entry;
        d.lathe = opts.lathe;
        d.observer = &times;
        const QString name = programs.entryName(entry);
        d.onMessage = [&](const QString& text, const QString&, int line) {
            // The figures stand; what the engine said goes to standard error.
            err << "stats: " << name << ':' << line << ": " << text << "\n";
        };
        const HeadlessOutcome r = drawHeadless(d);
        if (!r.setupError.isEmpty()) {
            err << "stats: " << r.setupError << "\n";
            err.flush();
            return 2;
        }
        if (r.result != RunResult::Normal) faulty = true;
        const CycleTimes& t = times.times();
        out << name << " feed_mm=" << fixed3(t.feedMm) << " feed_s=" << fixed3(t.feedSeconds)
            << " rapid_mm=" << fixed3(t.rapidMm) << " rapid_s=" << fixed3(t.rapidSeconds)
            << " dwell_s=" << fixed3(t.dwellSeconds) << " total_s=" << fixed3(t.totalSeconds())
            << "\n";
    }
    err.flush();
    return faulty ? 1 : 0;
}
