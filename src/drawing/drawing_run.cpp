#include "drawing/drawing_run.h"

#include <QThread>

#include "drawing/drawing_host.h"
#include "drawing/drawing_texts.h"
#include "drawing/grid.h"
#include "drawing/number_text.h"
#include "drawing/point_values.h"
#include "drawing/step_answer.h"
#include "drawing/view_math.h"
#include "drawing/work_file.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/surface.h"

using namespace drawing;

namespace {
// Band of the help line and of the step prompt's place.
constexpr double kHelpBandLeft = 50, kHelpBandRight = 13950;
// Program text display: rows of 200 twips from y 2200; 40 characters a row.
constexpr int kDisplayRows = 30;
constexpr double kDisplayTop = 2200, kDisplayRowHeight = 200;
constexpr int kDisplayChars = 40;
// While waiting for the operator on a real window, let the machine rest.
constexpr int kIdleWaitMillis = 10;
}  // namespace

DrawingRun::DrawingRun(DrawingHost& host, DrawingState& state, BlockInterpreter& interpreter,
                       RunOptions options)
    : host_(host), state_(state), interpreter_(interpreter), options_(options),
      pacer_(host, options.realTime) {}

Surface& DrawingRun::surface() { return host_.surface(); }
Dialogs& DrawingRun::dialogs() { return host_.dialogs(); }
double DrawingRun::w() const { return host_.surface().width(); }
double DrawingRun::h() const { return host_.surface().height(); }

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
    if (lines->size() > kMaxProgramLines) {
        fail(text::tooManyLines(int(lines->size())));
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
    // Every pass replays the program of the edit screen from its first line.
    state_.macroLevel = 0;
    f.lines = topLines_;
    f.lastLine = int(topLines_.size()) - 1;
    f.programName = topProgram_;

    drawStatusLines();
    mygrid(surface(), state_.originX, state_.originY, state_.scale, f.axisSign);
    state_.keyMailbox.clear();

    f.blockCount = 0;
    f.displayRow = 1;
    f.displayY = kDisplayTop;
    if (state_.orientation == u"m") {
        f.prevV = f.endV = QStringLiteral("500");
        f.prevH = f.endH = QStringLiteral("300");
    } else {
        f.prevV = f.endV = f.prevH = f.endH = QStringLiteral("800");
    }
    f.lineIndex = 0;
    f.nextLine = 1;
    f.moveColour = colour::kRed;
    f.compensationOffset = 0;
    f.cornerR.clear();
    f.cornerC.clear();
    f.pendingR = f.pendingC = false;
    interpreter_.beginPass(*this);
}

void DrawingRun::drawStatusLines() {
    const double x = w() - 13000;
    surface().fill(x, 100, w() - 3000, 800, rgb::kBackground);
    const bool m = state_.orientation == u"m";
    QString speed = state_.speedDelay < 41    ? text::kSpeedHigh
                    : state_.speedDelay < 101 ? text::kSpeedMiddle
                                              : text::kSpeedLow;
    surface().text(x, 100, rgb::kStatusSize, rgb::kStatus,
                   (m ? text::kCaptionM : text::kCaptionT) +
                       (state_.blockSkip ? text::kSkipOn : text::kSkipOff) + speed);
    surface().text(x, 400, rgb::kStatusSize, rgb::kStatus,
                   topLines_.value(0) + text::kScale + nt::str(shownRatio(state_.scale)) +
                       (state_.programDisplay ? text::kDisplayOn : text::kDisplayOff));
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
            if (state_.macroLevel > 0) {
                if (!interpreter_.returnFromCall(*this)) return Flow::End;
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
        if (!f.pendingR && !f.pendingC) {
            const Flow r = applyContinuousWord();
            if (r != Flow::Next) return r;
        }

        f.nextLine = f.lineIndex + 1;
        const BlockOutcome o = interpreter_.interpret(*this);
        if (o == BlockOutcome::EndRun) return Flow::End;
        positionReadout();
        if (o == BlockOutcome::SkipStepHandling) {
            f.lineIndex = f.nextLine;
            continue;
        }

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
            const Flow r = stepMenu();
            if (r != Flow::Next) return r;
        }
        f.lineIndex = f.nextLine;
    }
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

void DrawingRun::helpLine() {
    // The band is cleared first: text printed over itself block after block turns
    // bold and smeared.
    clearHelpBand();
    surface().text(150, h() - 650, rgb::kTextSize, rgb::kText, text::kHelpLine);
}

void DrawingRun::clearHelpBand() {
    surface().fill(kHelpBandLeft, h() - 700, kHelpBandRight, h() - 300, rgb::kBackground);
}

void DrawingRun::positionReadout() {
    const double x = w() - 13000;
    surface().fill(x, 800, w() - 2000, 1000, rgb::kBackground);
    const PointValues p = endPointValues(state_);
    surface().text(x, 800, rgb::kTextSize, rgb::kText, QStringLiteral("x ") + p.x);
    surface().text(w() - 11800, 800, rgb::kTextSize, rgb::kText, QStringLiteral("  z ") + p.z);
}

// ---------------------------------------------------------------- services of a block

void DrawingRun::takeUpBlock(const QString& line) {
    DrawingRunFields& f = state_.run;
    if (state_.programDisplay) {
        const double right = w() / 4 + 500;
        f.displayRow += 1;
        if (f.displayRow >= kDisplayRows) {
            f.displayRow = 1;
            surface().fill(0, kDisplayTop, right, 3600, rgb::kBackground);
        }
        const double y = kDisplayTop + kDisplayRowHeight * (f.displayRow % kDisplayRows);
        f.displayY = y;
        surface().fill(0, y, right, y + 1200, rgb::kBackground);
        for (int i = 0; i < line.size(); i += kDisplayChars)
            surface().text(100, y + kDisplayRowHeight * (i / kDisplayChars), rgb::kTextSize,
                           rgb::kText, line.mid(i, kDisplayChars));
    }
    f.blockCount += 1;
    if (line == text::kStopLine) {
        f.fastForwardLimit = 0;
        f.continuous = false;
    }
    pacer_.setPacing(f.blockCount >= f.fastForwardLimit);
}

bool DrawingRun::passM30(const QString& line) {
    DrawingRunFields& f = state_.run;
    f.prevV = QStringLiteral("800");
    f.prevH = QStringLiteral("300");
    if ((line == u"M30" || line == u"M30 ") && f.lineIndex > f.lastLine - 3) {
        dialogs().input(text::kAllDone, QString(), QStringLiteral("y"), 100, 100);
        return true;
    }
    const QString a = dialogs().input(text::kOneDone, QString(), QStringLiteral("y"), 100, 100);
    return a != u"y";
}

void DrawingRun::showEndPointInProgramDisplay() {
    if (!state_.programDisplay) return;
    const PointValues p = endPointValues(state_);
    const double y = state_.run.displayY;
    surface().text(1500, y, rgb::kTextSize, rgb::kText, QStringLiteral("x ") + p.x);
    surface().text(2700, y, rgb::kTextSize, rgb::kText, QStringLiteral("z ") + p.z);
}

void DrawingRun::message(const QString& t) { dialogs().message(t); }

BlockOutcome DrawingRun::fail(const QString& t) {
    result_ = RunResult::EngineError;
    dialogs().message(t);
    return BlockOutcome::EndRun;
}

void DrawingRun::mytim(double count, double inner) {
    // The busy loop of old stood for time; here that time is owed to the pace
    // schedule, so the speeds keep their meaning on any machine.
    pacer_.delay(count, inner);
}

// ---------------------------------------------------------------- commands

DrawingRun::Flow DrawingRun::applyContinuousWord() {
    const ViewCommand c = parseContinuousWord(state_.keyMailbox);
    if (c.kind == ViewCommand::GoOn) return Flow::Next;
    state_.keyMailbox.clear();
    return apply(c);
}

DrawingRun::Flow DrawingRun::stepMenu() {
    const QString a = dialogs().input(text::kStepMenu, QString(), QStringLiteral("y"),
                                      w() - 7000, h() - 3500);
    pacer_.restart();
    return apply(parseStepAnswer(a));
}

DrawingRun::Flow DrawingRun::restart(bool keepNoStopLimit) {
    DrawingRunFields& f = state_.run;
    surface().fill(0, 0, w(), h(), rgb::kBackground);
    if (!(keepNoStopLimit && f.fastForwardLimit == kNoStopLimit)) f.fastForwardLimit = f.blockCount;
    return Flow::NewPass;
}

void DrawingRun::toggleProgramDisplay() {
    state_.programDisplay = !state_.programDisplay;
    if (!state_.programDisplay) {
        surface().fill(0, 2000, w() / 4 + 500, 9000, rgb::kBackground);
        mygrid(surface(), state_.originX, state_.originY, state_.scale, state_.run.axisSign);
    }
    drawStatusLines();
}

DrawingRun::Flow DrawingRun::apply(const ViewCommand& c) {
    using K = ViewCommand::Kind;
    DrawingRunFields& f = state_.run;
    switch (c.kind) {
    case K::GoOn:
        return Flow::Next;
    case K::AreaZoom:
        return areaZoom();
    case K::ToVertical:
    case K::ToHorizontal: {
        const bool toM = c.kind == K::ToHorizontal;
        if (state_.orientation == (toM ? u"m" : u"t")) return Flow::Next;
        surface().fill(0, 0, w(), h(), rgb::kBackground);
        f.axisSign = toM ? 1 : -1;
        state_.viewReady = false;
        state_.orientation = toM ? QStringLiteral("m") : QStringLiteral("t");
        return restart();
    }
    case K::Clear:
        surface().fill(0, 0, w(), h(), rgb::kBackground);
        return Flow::Next;
    case K::PanDown:
    case K::PanUp:
    case K::PanRight:
    case K::PanLeft: {
        const double d = c.amount;
        const bool moved = c.kind == K::PanDown ? pan(state_, 0, d)
                           : c.kind == K::PanUp ? pan(state_, 0, -d)
                           : c.kind == K::PanRight ? pan(state_, d, 0)
                                                   : pan(state_, -d, 0);
        if (!moved) {
            message(text::kPanTooFar);
            return Flow::Next;
        }
        return restart(true);
    }
    case K::ToggleDisplay:
        toggleProgramDisplay();
        return Flow::Next;
    case K::Speed:
        state_.speedDelay = c.speed;
        drawStatusLines();
        return Flow::Next;
    case K::Fastest:
        surface().fill(0, 0, w(), h(), rgb::kBackground);
        f.fastForwardLimit = kNoStopLimit;
        return Flow::NewPass;
    case K::Continuous:
        f.continuous = true;
        return restart();
    case K::ResetView:
        state_.viewReady = false;
        return restart();
    case K::Shrink:
        if (!shrink(state_, w(), h())) return Flow::Next;
        return restart();
    case K::Enlarge:
        if (!enlarge(state_, w(), h())) return Flow::Next;
        return restart();
    case K::SetScale:
        if (!setScaleRatio(state_, c.amount, w(), h())) {
            message(c.amount * kScalePerRatio < kMinScale ? text::kScaleTooSmall
                                                          : text::kScaleTooLarge);
            return Flow::Next;
        }
        return restart();
    case K::ToggleSkip:
        state_.blockSkip = !state_.blockSkip;
        drawStatusLines();
        return Flow::Next;
    case K::Quit:
        if (dialogs().askYesNo(text::kQuitQuestion, QString())) return Flow::End;
        return Flow::Next;
    }
    return Flow::Next;
}

DrawingRun::Flow DrawingRun::areaZoom() {
    clearHelpBand();
    state_.keyMailbox.clear();
    state_.areaSelectState = kAreaWantUpperLeft;
    message(text::kUpperLeft);
    while (state_.areaSelectState != kAreaChosen) {
        if (!yieldOnce()) return Flow::Abort;
        if (!countStep()) return Flow::End;
        if (options_.realTime) QThread::msleep(kIdleWaitMillis);
    }
    state_.areaSelectState = kAreaIdle;
    pacer_.restart();
    if (!state_.viewReady) setUpView(state_, surface().screenWidth(), surface().screenHeight());
    if (!zoomToArea(state_, w(), h())) message(text::kAreaEmpty);
    return restart();
}

// ---------------------------------------------------------------- end of the text

DrawingRun::Flow DrawingRun::endOfText() {
    DrawingRunFields& f = state_.run;
    clearHelpBand();
    state_.keyMailbox = QStringLiteral("zzz");
    surface().text(w() - 13000, 1100, rgb::kTextSize, rgb::kText, text::kPressAnyKey);
    if (options_.passEndKeyWait) {
        state_.keyMailbox.clear();
    } else {
        while (state_.keyMailbox == u"zzz") {
            if (!yieldOnce()) return Flow::Abort;
            if (!countStep()) return Flow::End;
            if (options_.realTime) QThread::msleep(kIdleWaitMillis);
        }
    }
    surface().fill(w() - 13000, 1100, w() - 10000, 1400, rgb::kBackground);

    const QString prompt = text::kEndPrompt1 + u'\n' + topLines_.value(0) + QStringLiteral("\n\n\n") +
                           text::kEndPrompt2 + QStringLiteral("\n\n") + text::kEndPrompt3;
    for (;;) {
        const QString a = dialogs().input(prompt, QString(), QStringLiteral("Y"), w() - 7000,
                                          h() - 3500);
        pacer_.restart();
        if (a == u"y" || a == u"Y") {
            surface().fill(0, 0, w(), h(), rgb::kBackground);
            f.continuous = false;
            f.blockCount = 0;
            f.fastForwardLimit = 0;
            return Flow::NewPass;
        }
        if (a.isEmpty() || a == u"N" || a == u"n" || a == u"Q" || a == u"q") {
            state_.stopRequest = QStringLiteral("end");
            return Flow::End;
        }
        const ViewCommand c = parseStepAnswer(a);
        switch (c.kind) {
        case ViewCommand::ToVertical:
        case ViewCommand::ToHorizontal:
        case ViewCommand::ResetView:
        case ViewCommand::PanDown:
        case ViewCommand::PanUp:
        case ViewCommand::PanRight:
        case ViewCommand::PanLeft:
        case ViewCommand::Shrink:
        case ViewCommand::Enlarge:
        case ViewCommand::SetScale:
        case ViewCommand::AreaZoom: {
            const Flow r = apply(c);
            if (r != Flow::Next) return r;
            break;  // nothing changed (S at the smallest scale...): ask again
        }
        default:
            break;  // not an answer of this prompt: ask again
        }
    }
}

// ---------------------------------------------------------------- ending a run

void DrawingRun::finish(RunResult r) {
    state_.running = false;
    state_.macroLevel = 0;
    if (r != RunResult::Aborted) {
        if (!topLines_.isEmpty()) host_.setProgramName(topLines_.value(0));
        host_.showControls();
        surface().fill(0, 0, w(), h(), rgb::kBackground);
    }
    host_.focusEditScreen();
    surface().fill(0, 0, w(), h(), colour::kButtonFace);
}

// ---------------------------------------------------------------- the "描画" item

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
