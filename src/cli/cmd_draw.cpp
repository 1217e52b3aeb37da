// Placeholder until this subcommand is built: reports itself as unavailable.
#include "cli/cli_commands.h"

int cmdDraw(const QStringList&, QTextStream& out) {
    out << "draw: not available in this build\n";
    return 2;
}
