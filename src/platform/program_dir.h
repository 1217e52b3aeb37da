#pragma once
#include <QString>

// The program directory: $TSSNC_HOME if set; for an installed copy (a demo
// workspace installed beside the executable, see installedDemoDir) the per-user
// data folder; else the executable's directory, or the per-user data folder
// when that is not writable.
QString programDir();
// programDir() joined with a relative name, using QDir (never a hard-coded "\").
QString programPath(const QString& name);

// Where `cmake --install` puts the demo workspace, relative to the folder of
// the executables (bin/../share/tssnc/demo).
inline constexpr const char* kInstalledDemoPath = "../share/tssnc/demo";

// The installed demo workspace that belongs to executables in `exeDir`, or an
// empty string when there is none (a build tree, a copy run in place).
QString installedDemoDir(const QString& exeDir);

// Fills an empty workspace from the demo: when `workspace` holds no tssnc.ini
// yet, copies every file and folder of `demo` into it, never replacing a file
// that is already there.  Returns false when a copy failed.
bool fillWorkspace(const QString& demo, const QString& workspace);

// At start of the program: the installed copy's per-user workspace is filled
// from the installed demo the first time.  Nothing happens under TSSNC_HOME or
// in a build tree.
void prepareWorkspace();
