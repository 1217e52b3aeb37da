// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdReadout(const QStringList&, QTextStream& out) {
    out << "readout: not available in this build\n";
    return 2;
}
