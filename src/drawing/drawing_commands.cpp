#include "drawing/drawing_run.h"

#include <QThread>

#include "drawing/drawing_texts.h"
#include "drawing/grid.h"
#include "drawing/part_measure.h"
#include "drawing/step_answer.h"
#include "drawing/view_math.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

using namespace drawing;

namespace {
// While waiting for the operator on a real window, let the machine rest.
constexpr int kIdleWaitMillis = 10;
}  // namespace

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
    f.redrawUntil = f.blockCount;
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
            dialogs().message(text::kPanTooFar);
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
        f.redrawUntil = f.blockCount;
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
            dialogs().message(c.amount * kScalePerRatio < kMinScale ? text::kScaleTooSmall
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
    case K::Fit:
        return fit();
    }
    return Flow::Next;
}

// The whole program's cutting moves, measured by a pass nobody sees, fill
// the surface; then the drawing is redone as after any view command.
DrawingRun::Flow DrawingRun::fit() {
    const std::optional<FittedView> v =
        fitView(measurePart(host_, state_), state_.orientation == u"m", w(), h());
    pacer_.restart();
    if (!v) {
        dialogs().message(text::kNothingToFit);
        return Flow::Next;
    }
    state_.originX = v->originX;
    state_.originY = v->originY;
    state_.scale = v->scale;
    state_.viewReady = true;
    return restart();
}

DrawingRun::Flow DrawingRun::areaZoom() {
    clearHelpBand();
    state_.keyMailbox.clear();
    state_.areaSelectState = kAreaWantUpperLeft;
    dialogs().message(text::kUpperLeft);
    while (state_.areaSelectState != kAreaChosen) {
        if (!yieldOnce()) return Flow::Abort;
        if (!countStep()) return Flow::End;
        if (options_.realTime) QThread::msleep(kIdleWaitMillis);
    }
    state_.areaSelectState = kAreaIdle;
    pacer_.restart();
    if (!state_.viewReady) setUpView(state_, surface().screenWidth(), surface().screenHeight());
    if (!zoomToArea(state_, w(), h())) dialogs().message(text::kAreaEmpty);
    return restart();
}

// ---------------------------------------------------------------- end of the text

DrawingRun::Flow DrawingRun::endOfText() {
    DrawingRunFields& f = state_.run;
    programEndLine();
    clearHelpBand();
    state_.keyMailbox = QStringLiteral("zzz");
    surface().text(w() - 13000 * k(), 1100 * k(), rgb::kTextSize * k(), rgb::kText,
                   text::kPressAnyKey);
    if (options_.passEndKeyWait) {
        state_.keyMailbox.clear();
    } else {
        while (state_.keyMailbox == u"zzz") {
            if (!yieldOnce()) return Flow::Abort;
            if (!countStep()) return Flow::End;
            if (options_.realTime) QThread::msleep(kIdleWaitMillis);
        }
    }
    surface().fill(w() - 13000 * k(), 1100 * k(), w() - 10000 * k(), 1400 * k(), rgb::kBackground);

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
            f.redrawUntil = 0;
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
        case ViewCommand::AreaZoom:
        case ViewCommand::Fit: {
            const Flow r = apply(c);
            if (r != Flow::Next) return r;
            break;  // nothing changed (S at the smallest scale...): ask again
        }
        default:
            break;  // not an answer of this prompt: ask again
        }
    }
}
