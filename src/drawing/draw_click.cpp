// The "描画" menu item: the orientation prompt around one drawing run.
#include "drawing/drawing_host.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_texts.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace drawing {

RunResult drawClick(DrawingHost& host, DrawingState& state, const RunOptions& options,
                    BlockInterpreter* interpreter) {
    // One run at a time: the state belongs to the run in progress.
    if (state.running) return RunResult::Cancelled;
    // A close of the window while no run was going must not stop this one.
    state.abortFlag = 0;
    Surface& s = host.surface();
    host.editLayout();
    host.hideSearchDialogs();
    host.hideControls();
    s.fill(0, 0, s.width(), s.height(), colour::kButtonFace);

    if (state.orientation.isEmpty()) state.orientation = QStringLiteral("t");
    const QString before = state.orientation;
    const QString prompt = text::kOrientationPrompt1 + u'\n' + host.programName() + u'\n' +
                           text::kOrientationPrompt2;
    const QString a =
        host.dialogs().input(prompt, QString(), state.orientation, s.width() - 7000, s.height() - 3500);
    state.orientation = (a == u"m" || a == u"M") ? QStringLiteral("m") : QStringLiteral("t");
    if (a.isEmpty()) {
        host.showControls();
        s.fill(0, 0, s.width(), s.height(), colour::kButtonFace);
        host.editLayout();
        return RunResult::Cancelled;
    }
    // A view laid out for the other lathe puts program zero in the wrong place.
    if (state.orientation != before) state.viewReady = false;

    std::unique_ptr<BlockInterpreter> own;
    if (!interpreter) {
        own = makeNcBlockInterpreter();
        interpreter = own.get();
    }
    DrawingRun run(host, state, *interpreter, options);
    const RunResult r = run.run();
    if (state.abortFlag == kAbortCode) {
        state.abortFlag = 0;
        return r;
    }
    host.editLayout();
    return r;
}

}  // namespace drawing
