#include "cli/program_file.h"

#include <QFileInfo>

#include "editor/program_store.h"

QString readProgramFile(store::ProgramStore& programs, const QString& path) {
    QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("%1: no such file").arg(path);
    if (info.isDir()) return QStringLiteral("%1: is a folder, not an NC file").arg(path);
    using S = store::ProgramStore::ReadStatus;
    const auto r = programs.read(path);
    switch (r.status) {
    case S::Read:
        if (programs.programCount() < 2) return QStringLiteral("%1: no program").arg(path);
        return {};
    case S::CannotOpen:
        return r.message.isEmpty() ? QStringLiteral("%1: cannot read the file").arg(path)
                                   : QStringLiteral("%1: %2").arg(path, r.message);
    case S::NoProgram:
    case S::Refused:
        return QStringLiteral("%1: %2").arg(path, r.message);
    }
    return QStringLiteral("%1: cannot read the file").arg(path);
}

int findEntry(const store::ProgramStore& programs, const QString& name) {
    for (int i = 1; i <= programs.programCount(); ++i)
        if (programs.entryFirstLine(i).startsWith(name)) return i;
    return 0;
}
