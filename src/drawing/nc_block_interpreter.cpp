#include "drawing/nc_block_interpreter.h"

std::unique_ptr<BlockInterpreter> makeNcBlockInterpreter() {
    return std::make_unique<NcBlockInterpreter>();
}

void NcBlockInterpreter::beginRun(BlockContext&) {}

void NcBlockInterpreter::beginPass(BlockContext&) {}

BlockStep NcBlockInterpreter::interpret(BlockContext& ctx) {
    const QString line = ctx.lines().value(ctx.lineIndex());
    ctx.takeUpBlock(line);
    if (ctx.view().blockSkip && line.startsWith(QLatin1Char('/'))) return BlockStep::next();
    if (line.contains(QLatin1String("M30")) && ctx.passM30(line)) return BlockStep::nextWithoutStop();
    return BlockStep::next();
}

void NcBlockInterpreter::returnedFromCall(BlockContext&) {}
