// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdCheck(const QStringList&, QTextStream& out) {
    out << "check: not available in this build\n";
    return 2;
}
