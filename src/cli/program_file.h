#pragma once
// The NC file a headless run draws from: read into a program store, and the
// listing entry that a program name picks.
#include <QString>

namespace store {
class ProgramStore;
}

// Reads the file; an empty text when it holds programs to draw, else why not
// (the file cannot be read, is beyond the store's bounds, or holds no program).
QString readProgramFile(store::ProgramStore& programs, const QString& path);

// The first listing entry whose first line begins with name; 0 when none does.
int findEntry(const store::ProgramStore& programs, const QString& name);
