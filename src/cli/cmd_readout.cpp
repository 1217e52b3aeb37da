// tssnc-cli readout FILE: the read-out screen text built after reading FILE.
#include "cli/cli_commands.h"
#include "cli/store_cli.h"

int cmdReadout(const QStringList& args, QTextStream& out) {
    if (args.size() != 1) return kBadUsage;
    store::ProgramStore st;
    const int rc = storecli::readFile(st, args.at(0), out);
    if (rc != 0) return rc;
    out << st.readoutText();
    return 0;
}
