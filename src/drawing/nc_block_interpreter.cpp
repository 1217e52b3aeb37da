#include "drawing/nc_block_interpreter.h"

#include "drawing/block_move.h"
#include "drawing/block_values.h"
#include "drawing/cutting_words.h"
#include "drawing/cycle_words.h"
#include "drawing/evaluator.h"
#include "drawing/drawing_texts.h"
#include "drawing/interpreter_texts.h"
#include "drawing/macro_flow.h"
#include "drawing/macro_variables.h"
#include "drawing/move_observer.h"
#include "drawing/move_words.h"
#include "drawing/step_answer.h"
#include "platform/dialogs.h"

using namespace drawing;

namespace {

// Move colours by G code.
constexpr colour::Rgb kFeed = colour::kYellow;
constexpr colour::Rgb kClockwise = colour::rgb(0, 255, 255);
constexpr colour::Rgb kAnticlockwise = colour::rgb(0, 255, 0);
constexpr colour::Rgb kThread = colour::kWhite;

// Words in which a capital O is no program number.
const char* const kWordsWithO[] = {"GOTO", "COS", "DO", "GO", "MOD", "ROUND", "XOR", "OR"};

// Program numbers stand in the first two lines of a program, or in or before
// a comment; an O anywhere else is a fault the drawing must not pass over.
bool programNumberAllowed(const QString& line, int lineIndex) {
    if (lineIndex <= 1) return true;
    const int o = line.indexOf(u'O');
    if (o < 0) return true;
    for (const char* w : kWordsWithO) {
        const QLatin1String word(w);
        for (int j = 0; j < word.size(); ++j)
            if (word[j] == 'O' && o - j >= 0 && QStringView(line).mid(o - j, word.size()) == word)
                return true;
    }
    if (!line.contains(u'(')) return false;
    return line.indexOf(u'(', o + 1) >= 0 || line.indexOf(u')', o + 1) >= 0;
}

// The line's G word is 1 written after G40, G41 or G42 ("G41G1").
bool feedAfterCompensation(BlockValues& values) {
    for (const char* key : {"G40G", "G41G", "G42G"}) {
        const QString v = values.word(QLatin1String(key));
        if (!v.isEmpty() && values.number(v) == 1.0) return true;
    }
    return false;
}

// What a turning cycle reads of the run: the words of a block as the block
// interpreter reads them (variables resolved on the current level), the event
// pump and the key mailbox.
class RunCycleHost : public CycleHost {
public:
    explicit RunCycleHost(BlockContext& ctx) : ctx_(ctx) {}
    QString word(const QString& block, const QString& key) override {
        return BlockValues(ctx_, block).word(key);
    }
    bool yieldOnce() override { return ctx_.yieldOnce(); }
    QString& keyMailbox() override { return ctx_.keyMailbox(); }

private:
    BlockContext& ctx_;
};

bool bracketsBalanced(const QString& line) {
    return line.count(u'(') == line.count(u')');
}

}  // namespace

std::unique_ptr<BlockInterpreter> makeNcBlockInterpreter() {
    return std::make_unique<NcBlockInterpreter>();
}

void NcBlockInterpreter::beginRun(BlockContext& ctx) {
    // Every run starts without variables: values left by an earlier run (or an
    // earlier program) must not steer this one.
    ctx.variables().clearAll();
}

void NcBlockInterpreter::beginPass(BlockContext&) {
    state_ = InterpreterState{};
    singleCycles_.beginPass();
}

void NcBlockInterpreter::returnedFromCall(BlockContext& ctx) {
    // The monitor shows the caller's level again.
    ctx.variables().repaint(ctx.macroLevel(), ctx.macroIo());
}

BlockStep NcBlockInterpreter::interpret(BlockContext& ctx) {
    const QString line = ctx.lines().value(ctx.lineIndex());
    try {
        BlockValues values(ctx, line);
        return interpretBlock(ctx, values);
    } catch (const BlockFault& f) {
        return BlockStep::fail(f.message);
    } catch (const EvalFault&) {
        // A wrong path drawn without a word would mislead the operator.
        return BlockStep::fail(text::kArithmeticFault + u'\n' + line);
    }
}

BlockStep NcBlockInterpreter::interpretBlock(BlockContext& ctx, BlockValues& values) {
    const QString& line = values.line();
    flow::Scope scope{ctx, state_, values};

    if (flow::isCall(line)) return flow::callStatement(scope);
    if (!programNumberAllowed(line, ctx.lineIndex()))
        return BlockStep::fail(text::kOLetterError + line);
    if (line.contains(u'{') || line.contains(u'}'))
        return BlockStep::fail(text::kBraceError + line);
    ctx.takeUpBlock(line);
    if (ctx.view().blockSkip && line.startsWith(u'/')) return BlockStep::next();

    // Compensation side; any other G4 is a dwell, which draws nothing.
    if (const int g4 = line.indexOf(QLatin1String("G4")); g4 >= 0) {
        const int open = line.indexOf(u'(');
        if (open < 0 || open > g4) {
            const int side = kCompensationTwips * ctx.view().axisSign;
            if (line.contains(QLatin1String("G41")))
                state_.compensationOffset = side;
            else if (line.contains(QLatin1String("G42")))
                state_.compensationOffset = -side;
            else if (line.contains(QLatin1String("G40")))
                state_.compensationOffset = 0;
            else
                return dwell(ctx, values);
        }
    }
    // Feed and spindle words are read only for someone who listens to the
    // moves (the drawing has no use for them); assignments and conditions
    // hold none.
    if (ctx.geometry(state_.compensationOffset).observer && !line.contains(u'='))
        readCuttingWords(line, values.level(), ctx.variables(), ctx.cutting());

    if (const int cycle = singleCycles_.namedCycle(values)) return singleCycle(ctx, values, cycle);

    bool statements = true;
    if (const QString g = values.word(QStringLiteral("G")); !g.isEmpty()) {
        const double gv = values.number(g).value_or(-1);
        statements = false;
        if (gv == 1 || feedAfterCompensation(values)) {
            state_.moveColour = kFeed;
        } else if (gv == 2) {
            state_.moveColour = kClockwise;
        } else if (gv == 3) {
            state_.moveColour = kAnticlockwise;
        } else if (gv == 32 || gv == 33) {
            state_.moveColour = kThread;
        } else {
            state_.moveColour = colour::kRed;
            statements = true;
            if (gv == 4) return dwell(ctx, values);  // G04
            if (gv == 70) return finishingCycle(ctx, values);
            if (gv == 71 || gv == 72) return turningCycle(ctx, values);
            if (gv >= 73 && gv <= 79) return endOfMove(ctx, values);  // drawn as nothing
        }
    }

    if (statements) {
        if (std::optional<BlockStep> s = flow::flowStatement(scope)) return *s;
        if (!line.contains(QLatin1String("THEN"), Qt::CaseInsensitive)) {
            if (const int eq = flow::assignmentSign(line); eq >= 0) {
                flow::assignment(scope, 0, eq);
                return BlockStep::next();
            }
        }
    }

    if (!bracketsBalanced(line)) {
        ctx.dialogs().message(text::kBracketCount);
        return BlockStep::next();
    }
    if (singleCycles_.repeats(values)) return singleCycle(ctx, values, 0);

    const CornerWords corner =
        readMoveWords(values, ctx.points(), ctx.view().horizontal, ctx.dialogs());
    drawMove(ctx, state_, values, corner);
    return endOfMove(ctx, values);
}

// G70: the blocks from the line N = P to the line N = Q are drawn as they
// stand, then the tool goes back to where G70 was given.
BlockStep NcBlockInterpreter::finishingCycle(BlockContext& ctx, BlockValues& values) {
    const QString p = values.word(QStringLiteral("P"));
    const QString q = values.word(QStringLiteral("Q"));
    const double pv = values.number(p).value_or(0);
    const int here = ctx.lineIndex();
    const MovePoints& pts = ctx.points();
    state_.finish = FinishReturn{here, values.number(q).value_or(0), pts.endH, pts.endV};

    auto hasN = [&](int i) {
        BlockValues other(ctx, ctx.lines().value(i));
        const QString n = other.word(QStringLiteral("N"));
        return !n.isEmpty() && other.number(n) == pv;
    };
    for (int i = here + 1; i <= ctx.lastLine(); ++i)
        if (hasN(i)) return BlockStep::jump(i);
    for (int i = 1; i < here; ++i)
        if (hasN(i)) return BlockStep::jump(i);
    state_.finish.reset();
    return BlockStep::fail(text::kSequenceNotFound + p);
}

// G71/G72: the cycle works on its own copy of the program, handed over through
// the work file.  After a second block the run goes on after the Q block.
BlockStep NcBlockInterpreter::turningCycle(BlockContext& ctx, BlockValues& values) {
    const QStringList lines = cycleLinesThroughWorkFile(ctx.workDir(), ctx.lines());
    MovePoints& p = ctx.points();
    CycleCall call;
    call.lineIndex = ctx.lineIndex();
    call.endH = p.endH.isEmpty() ? p.prevH : p.endH;
    call.endV = p.endV.isEmpty() ? p.prevV : p.endV;
    call.colour = state_.moveColour;
    RunCycleHost host(ctx);
    const CycleOutcome out =
        mycycle(ctx.geometry(state_.compensationOffset), host, cycleSettings_, lines, call);
    state_.moveColour = out.colour;
    if (out.quit) {
        if (ctx.dialogs().askYesNo(text::kQuitQuestion, QString())) return BlockStep::quit();
        ctx.resetBlockCount();
    }
    const BlockStep end = endOfMove(ctx, values);
    if (end.kind != BlockStep::Kind::Next || out.lineIndex == ctx.lineIndex()) return end;
    return BlockStep::jump(out.lineIndex + 1);
}

// G90/G92/G94, G74/G75, G76 and the repeats of a modal box cycle: drawn from
// the tool position, to which every one of them comes back.
BlockStep NcBlockInterpreter::singleCycle(BlockContext& ctx, BlockValues& values, int code) {
    const GeometryContext g = ctx.geometry(state_.compensationOffset);
    if (state_.pending) drawPendingCornerSharp(g, state_);
    const MovePoints& p = ctx.points();
    const CycleFrame frame(g);
    const ProgramPoint at{values.required(p.endH.isEmpty() ? p.prevH : p.endH),
                          values.required(p.endV.isEmpty() ? p.prevV : p.endV)};
    // Between passes the window takes its input; a view command redraws
    // anyway, so the rest of the cycle is left to the redraw.
    CycleWords words(values, frame, frame.xz(at), [&ctx] {
        return ctx.yieldOnce() && parseContinuousWord(ctx.keyMailbox()).kind == ViewCommand::GoOn;
    });
    singleCycles_.draw(words, code);
    return endOfMove(ctx, values);
}

// A dwell draws nothing; only the observer hears of it.
BlockStep NcBlockInterpreter::dwell(BlockContext& ctx, BlockValues& values) {
    const GeometryContext g = ctx.geometry(state_.compensationOffset);
    if (g.observer) observeDwell(g, dwellSeconds(values.line(), values.level(), ctx.variables()));
    return BlockStep::next();
}

BlockStep NcBlockInterpreter::endOfMove(BlockContext& ctx, BlockValues& values) {
    const QString& line = values.line();
    MovePoints& p = ctx.points();
    if (p.endH.isEmpty()) p.endH = p.prevH;
    if (p.endV.isEmpty()) p.endV = p.prevV;
    const bool moved = p.endH != p.prevH || p.endV != p.prevV;

    if (state_.finish) {
        const QString n = values.word(QStringLiteral("N"));
        if (!n.isEmpty() && values.number(n) == state_.finish->q) {
            const FinishReturn f = *state_.finish;
            state_.finish.reset();
            drawReturnLine(ctx, state_, values, f.pointH, f.pointV);
            p.endH = p.prevH = f.pointH;
            p.endV = p.prevV = f.pointV;
            return BlockStep::jump(f.g70Line + 1);
        }
    }
    if (moved) ctx.showEndPointInProgramDisplay();
    p.prevH = p.endH;
    p.prevV = p.endV;
    if (moved) {
        flow::Scope scope{ctx, state_, values};
        if (std::optional<BlockStep> call = flow::modalCallAfterMove(scope)) return *call;
    }
    if (line.contains(QLatin1String("M30")) && ctx.passM30(line)) return BlockStep::nextWithoutStop();
    return BlockStep::next();
}
