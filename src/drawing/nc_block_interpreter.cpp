#include "drawing/nc_block_interpreter.h"

#include "drawing/drawing_run.h"

std::unique_ptr<BlockInterpreter> makeNcBlockInterpreter() {
    return std::make_unique<NcBlockInterpreter>();
}

void NcBlockInterpreter::beginRun(DrawingRun& run) {
    // Every run starts without variables: values left by an earlier run (or an
    // earlier program) must not steer this one.
    run.state().variables.clearAll();
}

void NcBlockInterpreter::beginPass(DrawingRun&) {}

BlockOutcome NcBlockInterpreter::interpret(DrawingRun& run) {
    DrawingRunFields& f = run.fields();
    const QString line = f.lines.value(f.lineIndex);
    run.takeUpBlock(line);
    if (run.state().blockSkip && line.startsWith(QLatin1Char('/'))) return BlockOutcome::Continue;
    // Words, moves and macro statements are not interpreted yet: the block is
    // passed over.  The end of a machining process still asks the operator.
    if (line.contains(QLatin1String("M30")) && run.passM30(line))
        return BlockOutcome::SkipStepHandling;
    return BlockOutcome::Continue;
}

bool NcBlockInterpreter::returnFromCall(DrawingRun& run) {
    // No calls are made yet; should a level be left over, go back to the top.
    run.state().macroLevel = 0;
    return true;
}
