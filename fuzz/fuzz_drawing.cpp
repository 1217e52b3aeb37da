// A whole headless drawing run (the engine entry of tssnc-cli draw) of
// arbitrary program text, in both orientations, with a block budget so that an
// endless GOTO or WHILE loop ends.
#include "cli/headless_run.h"
#include "editor/program_store.h"
#include "fuzz_support.h"

namespace {

// Blocks and waits one run may take before it is ended as an engine error.
constexpr qint64 kBlockBudget = 400;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    store::ProgramStore programs;
    programs.readLines(textenc::splitLines(fuzzsupport::text(data, size)));
    if (programs.programCount() < 2) return 0;
    for (const char* lathe : {"t", "m"}) {
        HeadlessDrawing d;
        d.programs = &programs;
        d.entry = 1;
        d.lathe = QString::fromLatin1(lathe);
        d.widthPx = 640;
        d.heightPx = 480;
        d.maxBlocks = kBlockBudget;
        (void)drawHeadless(d);
    }
    return 0;
}
