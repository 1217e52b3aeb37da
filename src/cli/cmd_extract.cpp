// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdExtract(const QStringList&, QTextStream& out) {
    out << "extract: not available in this build\n";
    return 2;
}
