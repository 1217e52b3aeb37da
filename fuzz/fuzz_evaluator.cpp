// myshiki on arbitrary expression text: a value, a reported grammar fault or
// an EvalFault, never a crash or undefined behaviour.
#include "drawing/evaluator.h"
#include "fuzz_support.h"
#include "platform/scripted_dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString expression = fuzzsupport::text(data, size);
    ScriptedDialogs dialogs;
    try {
        (void)myshiki(expression, dialogs);
    } catch (const EvalFault&) {
    }
    return 0;
}
