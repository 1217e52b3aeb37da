// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdEval(const QStringList&, QTextStream& out) {
    out << "eval: not available in this build\n";
    return 2;
}
