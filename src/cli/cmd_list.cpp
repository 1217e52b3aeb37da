// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdList(const QStringList&, QTextStream& out) {
    out << "list: not available in this build\n";
    return 2;
}
