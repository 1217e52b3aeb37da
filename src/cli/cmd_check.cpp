// tssnc-cli check: every program of each file drawn headlessly; each message
// the engine shows is listed with where it happened.
#include "cli/cli_commands.h"
#include "cli/draw_options.h"
#include "cli/headless_run.h"
#include "cli/program_file.h"
#include "editor/program_store.h"
#include "platform/recording_surface.h"

int cmdCheck(const QStringList& args, QTextStream& out) {
    QTextStream err(stderr);
    CheckOptions opts;
    if (QString e = parseCheckOptions(args, opts); !e.isEmpty()) {
        err << "check: " << e << "\n";
        err.flush();
        return kBadUsage;
    }
    bool fileError = false;
    bool anyMessage = false;
    for (const QString& file : opts.files) {
        store::ProgramStore programs;
        if (QString e = readProgramFile(programs, file); !e.isEmpty()) {
            // The other files are still checked; the status tells of the failure.
            err << "check: " << e << "\n";
            err.flush();
            fileError = true;
            continue;
        }
        // Every listing entry but the last, the free writing area.
        for (int entry = 1; entry < programs.programCount(); ++entry) {
            HeadlessDrawing d;
            d.programs = &programs;
            d.entry = entry;
            d.lathe = opts.lathe;
            d.onMessage = [&](const QString& text, const QString& program, int line) {
                anyMessage = true;
                // Escaped as in the trace, without the enclosing quotes.
                out << file << ':' << program << ':' << line << ": " << trace::quotedInner(text)
                    << '\n';
            };
            HeadlessOutcome r = drawHeadless(d);
            if (!r.setupError.isEmpty()) {
                err << "check: " << r.setupError << "\n";
                err.flush();
                fileError = true;
            }
        }
        out.flush();
    }
    if (fileError) return 2;
    return anyMessage ? 1 : 0;
}
