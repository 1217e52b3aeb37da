// tssnc-cli extract FILE N: the edit-screen text of entry N, exactly as built.
#include "cli/cli_commands.h"
#include "cli/store_cli.h"

int cmdExtract(const QStringList& args, QTextStream& out) {
    if (args.size() != 2) return kBadUsage;
    bool ok = false;
    const int n = args.at(1).toInt(&ok);
    if (!ok) return kBadUsage;
    store::ProgramStore st;
    const int rc = storecli::readFile(st, args.at(0), out);
    if (rc != 0) return rc;
    if (!st.isEntry(n)) {
        QTextStream err(stderr);
        err << "extract: no entry " << args.at(1) << " (the file has " << st.programCount()
            << ")\n";
        return 2;
    }
    out << st.entryText(n);
    return 0;
}
