#include "cli/store_cli.h"

#include "cli/cli_commands.h"

namespace storecli {

int readFile(store::ProgramStore& st, const QString& path, QTextStream& out) {
    const auto r = st.read(path);
    if (!r.message.isEmpty()) printMessageLine(out, r.message);
    using S = store::ProgramStore::ReadStatus;
    return (r.status == S::Refused || r.status == S::CannotOpen) ? 1 : 0;
}

}  // namespace storecli
