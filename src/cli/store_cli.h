#pragma once
// Reading a file into the program store for the store subcommands of tssnc-cli.
#include <QString>
#include <QTextStream>

#include "editor/program_store.h"

namespace storecli {
// Reads FILE; prints the message the window would show as a "message:" line.
// Returns 0 when the store may be used (a file without programs included),
// 1 when the file was refused or could not be read.
int readFile(store::ProgramStore& st, const QString& path, QTextStream& out);
}  // namespace storecli
