// tssnc-cli list FILE: one line per listing entry, "N: NAME".
#include "cli/cli_commands.h"
#include "cli/store_cli.h"

int cmdList(const QStringList& args, QTextStream& out) {
    if (args.size() != 1) return kBadUsage;
    store::ProgramStore st;
    const int rc = storecli::readFile(st, args.at(0), out);
    if (rc != 0) return rc;
    for (int i = 1; i <= st.programCount(); ++i)
        out << i << ": " << st.entryName(i) << "\n";
    return 0;
}
