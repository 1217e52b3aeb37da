#include "drawing/drawing_run.h"

#include "drawing/drawing_host.h"
#include "drawing/drawing_texts.h"
#include "drawing/grid.h"
#include "drawing/interpreter_texts.h"
#include "drawing/view_math.h"
#include "drawing/work_file.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/surface.h"

using namespace drawing;

namespace {
// Characters of a called program's first line that Label1 shows.
constexpr int kCalledNameChars = 5;
}  // namespace

DrawingRun::DrawingRun(DrawingHost& host, DrawingState& state, BlockInterpreter& interpreter,
                       RunOptions options)
    : host_(host), state_(state), interpreter_(interpreter), options_(options),
      pacer_(host, options.realTime) {}

RunResult DrawingRun::run() {
    state_.running = true;
    Flow f = startRun();
    while (f == Flow::NewPass) {
        beginPass();
        f = blockLoop();
    }
    const RunResult r = f == Flow::Abort ? RunResult::Aborted : result_;
    finish(r);
    return r;
}

// ---------------------------------------------------------------- start, passes

DrawingRun::Flow DrawingRun::startRun() {
    DrawingRunFields& f = state_.run;
    f = DrawingRunFields{};
    state_.stopRequest.clear();
    state_.macroLevel = 0;
    f.axisSign = state_.orientation == u"m" ? 1 : -1;
    topProgram_ = host_.programName();
    f.programName = topProgram_;
    interpreter_.beginRun(*this);

    const QString dir = host_.workDir();
    if (!writeWorkFile(dir, host_.editText())) {
        fail(text::workFileUnwritable(workFilePath(dir)));
        return Flow::End;
    }
    if (!loadWorkFile()) return Flow::End;
    topLines_ = f.lines;

    surface().fill(0, 0, w(), h(), rgb::kBackground);
    host_.hideControls();
    f.fastForwardLimit = kNoStopLimit;
    f.continuous = true;
    if (state_.areaSelectState > kAreaIdle) return areaZoom();
    return Flow::NewPass;
}

bool DrawingRun::loadWorkFile() {
    const QString dir = host_.workDir();
    std::optional<QStringList> lines = takeWorkFile(dir);
    if (!lines) {
        fail(text::workFileMissing(workFilePath(dir)));
        return false;
    }
    // A text that ends with a line break gets an empty last line from the
    // work file's own closing break: it is held (the last line is never
    // interpreted) but it is no line of the operator's program.
    const int programLines =
        int(lines->size()) - (!lines->isEmpty() && lines->last().isEmpty() ? 1 : 0);
    if (programLines > kMaxProgramLines) {
        fail(text::tooManyLines(programLines));
        return false;
    }
    if (lines->isEmpty()) lines->append(QString());
    state_.run.lines = *lines;
    state_.run.lastLine = int(lines->size()) - 1;
    return true;
}

void DrawingRun::beginPass() {
    DrawingRunFields& f = state_.run;
    if (!state_.viewReady) setUpView(state_, surface().screenWidth(), surface().screenHeight());
    // Every pass replays the program of the edit screen from its first line;
    // a restart inside a called program shows the top program's name again.
    state_.macroLevel = 0;
    if (!frames_.isEmpty()) host_.setProgramName(frames_.first().label1);
    frames_.clear();
    f.lines = topLines_;
    f.lastLine = int(topLines_.size()) - 1;
    f.programName = topProgram_;

    // The grid first: the status lines' band then lies clear over its dots.
    mygrid(surface(), state_.originX, state_.originY, state_.scale, f.axisSign);
    drawStatusLines();
    state_.keyMailbox.clear();

    f.blockCount = 0;
    f.displayRow = 1;
    f.displayY = place::kProgramDisplayTop;
    MovePoints& p = f.points;
    if (state_.orientation == u"m") {
        p.prevV = p.endV = QStringLiteral("500");
        p.prevH = p.endH = QStringLiteral("300");
    } else {
        p.prevV = p.endV = p.prevH = p.endH = QStringLiteral("800");
    }
    f.lineIndex = 0;
    f.cutting = CuttingModal{};
    if (options_.observer) options_.observer->passBegins();
    interpreter_.beginPass(*this);
}

// ---------------------------------------------------------------- the block loop

DrawingRun::Flow DrawingRun::blockLoop() {
    DrawingRunFields& f = state_.run;
    for (;;) {
        if (state_.stopRequest == u"end") return Flow::End;
        if (f.lineIndex > f.lastLine || f.lineIndex < 0) {
            if (dialogs().askYesNo(text::kQuitQuestion, QString())) return Flow::End;
            f.lineIndex = f.lastLine;
        }
        if (f.lineIndex == f.lastLine) {
            if (state_.macroLevel > 0 && !frames_.isEmpty()) {
                returnFromCall();
                continue;
            }
            const Flow r = endOfText();
            if (r == Flow::Next) continue;
            return r;
        }

        if (f.continuous || f.blockCount < f.fastForwardLimit)
            helpLine();
        else
            clearHelpBand();
        if (!yieldOnce()) return Flow::Abort;
        if (!countStep()) return Flow::End;
        if (!interpreter_.cornerPending()) {
            const Flow r = applyContinuousWord();
            if (r != Flow::Next) return r;
        }

        step_ = interpreter_.interpret(*this);
        if (step_.kind == BlockStep::Kind::End) {
            if (step_.fault) result_ = RunResult::EngineError;
            if (!step_.message.isEmpty()) dialogs().message(step_.message);
            return Flow::End;
        }
        positionReadout();
        if (!step_.skipStepHandling) {
            const Flow r = afterBlock();
            if (r != Flow::Next) return r;
        }
        switch (step_.kind) {
        case BlockStep::Kind::Jump:
            f.lineIndex = step_.line;
            break;
        case BlockStep::Kind::Call: {
            const Flow r = call(step_.program);
            if (r != Flow::Next) return r;
            break;
        }
        default:
            f.lineIndex += 1;
            break;
        }
    }
}

// The key and step handling after a block: Esc stops continuous drawing, and
// in step mode the step menu is shown.
DrawingRun::Flow DrawingRun::afterBlock() {
    DrawingRunFields& f = state_.run;
    if (state_.keyMailbox == u"esc") {
        state_.keyMailbox.clear();
        f.fastForwardLimit = 0;
        f.continuous = false;
        clearHelpBand();
    }
    // Continuous drawing goes on while the block stood before the last line.
    const bool goOn = f.continuous && f.lineIndex < f.lastLine;
    if (!goOn && f.blockCount >= f.fastForwardLimit) {
        f.fastForwardLimit = 0;
        clearHelpBand();
        return stepMenu();
    }
    return Flow::Next;
}

bool DrawingRun::yieldOnce() {
    pacer_.tick();
    host_.pump().yield();
    return state_.abortFlag != kAbortCode;
}

bool DrawingRun::countStep() {
    ++steps_;
    if (options_.maxBlocks > 0 && steps_ > options_.maxBlocks) {
        fail(text::blockBoundReached(options_.maxBlocks));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- macro calls

// The called program is fetched through the listing (its name in Label1, the
// listing writes it to the work file) and interpreted one level deeper.
DrawingRun::Flow DrawingRun::call(const QString& program) {
    DrawingRunFields& f = state_.run;
    if (state_.macroLevel >= kMaxMacroLevel) {
        // The interpreter refuses such calls with the block's text; this only
        // keeps the tables of the variables from being left.
        fail(text::callTooDeep(f.lines.value(f.lineIndex)));
        return Flow::End;
    }
    frames_.append({f.lines, f.lineIndex, host_.programName(), f.programName});
    host_.setProgramName(program);
    host_.writeProgramToWorkFile();
    if (!loadWorkFile()) return Flow::End;
    state_.macroLevel += 1;
    f.programName = program;
    host_.setProgramName(f.lines.value(0).left(kCalledNameChars));
    f.lineIndex = 0;
    return Flow::Next;
}

// The end of a called program's text: back to the line after the calling block.
void DrawingRun::returnFromCall() {
    DrawingRunFields& f = state_.run;
    const CallFrame fr = frames_.takeLast();
    state_.macroLevel -= 1;
    f.lines = fr.lines;
    f.lastLine = int(fr.lines.size()) - 1;
    f.programName = fr.programName;
    host_.setProgramName(state_.macroLevel > 0 ? f.lines.value(0).left(kCalledNameChars)
                                               : fr.label1);
    f.lineIndex = fr.callLine + 1;
    interpreter_.returnedFromCall(*this);
}

// ---------------------------------------------------------------- services of a block

DrawView DrawingRun::view() const {
    DrawView v;
    v.horizontal = state_.orientation == u"m";
    v.axisSign = state_.run.axisSign;
    v.originX = state_.originX;
    v.originY = state_.originY;
    v.scale = state_.scale;
    v.speedDelay = state_.speedDelay;
    v.fastForwardLimit = state_.run.fastForwardLimit;
    v.blockCount = state_.run.blockCount;
    v.blockSkip = state_.blockSkip;
    return v;
}

GeometryContext DrawingRun::geometry(int compensationOffset) {
    GeometryContext g{surface(), dialogs(), state_.geometry, state_.speedDelay, &pacer_};
    g.originX = state_.originX;
    g.originY = state_.originY;
    g.scale = state_.scale;
    g.fastForwardLimit = state_.run.fastForwardLimit;
    g.blockCount = state_.run.blockCount;
    g.compensationOffset = compensationOffset;
    g.axisSign = state_.run.axisSign;
    g.observer = options_.observer;
    g.cutting = &state_.run.cutting;
    return g;
}

MacroIo DrawingRun::macroIo() {
    // The monitor is painted only where paint is kept.
    Surface* monitor = surface().keepsPaint() ? &surface() : nullptr;
    return MacroIo{dialogs(), monitor, state_.run.programName};
}

void DrawingRun::takeUpBlock(const QString& line) {
    DrawingRunFields& f = state_.run;
    if (state_.programDisplay) programDisplayRow(line);
    f.blockCount += 1;
    if (line == text::kStopLine && f.blockCount > f.redrawUntil) {
        f.fastForwardLimit = 0;
        f.continuous = false;
    }
    pacer_.setPacing(f.blockCount >= f.fastForwardLimit);
}

bool DrawingRun::passM30(const QString& line) {
    DrawingRunFields& f = state_.run;
    programEndLine();
    f.points.prevV = QStringLiteral("800");
    f.points.prevH = QStringLiteral("300");
    // The redraw after a restart passes the M30 blocks answered already.
    if (f.blockCount <= f.redrawUntil) return false;
    if ((line == u"M30" || line == u"M30 ") && f.lineIndex > f.lastLine - 3) {
        dialogs().input(text::kAllDone, QString(), QStringLiteral("y"), 100, 100);
        return true;
    }
    const QString a = dialogs().input(text::kOneDone, QString(), QStringLiteral("y"), 100, 100);
    return a != u"y";
}

QString DrawingRun::workDir() { return host_.workDir(); }

void DrawingRun::resetBlockCount() {
    state_.run.blockCount = 0;
    state_.run.fastForwardLimit = 0;
    state_.run.redrawUntil = 0;
}

void DrawingRun::fail(const QString& t) {
    result_ = RunResult::EngineError;
    dialogs().message(t);
}

// ---------------------------------------------------------------- ending a run

void DrawingRun::finish(RunResult r) {
    state_.running = false;
    state_.macroLevel = 0;
    // Closed inside a called program: the caption still names it, and the
    // window would offer that program at the next "描画".
    if (r == RunResult::Aborted && !frames_.isEmpty()) host_.setProgramName(frames_.first().label1);
    if (r != RunResult::Aborted) {
        if (!topLines_.isEmpty()) host_.setProgramName(topLines_.value(0));
        host_.showControls();
        surface().fill(0, 0, w(), h(), rgb::kBackground);
    }
    host_.focusEditScreen();
    surface().fill(0, 0, w(), h(), colour::kButtonFace);
}
