// The tssnc.ini reader on arbitrary bytes.
#include "app/machine_dirs.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MachineConfig c = parseMachineConfig(fuzzsupport::bytes(data, size));
    // Every slot is filled and the orientation is one of the two.
    for (const QString& d : c.dirs)
        if (d.isEmpty()) __builtin_trap();
    if (c.orientation != QLatin1String("t") && c.orientation != QLatin1String("m"))
        __builtin_trap();
    return 0;
}
