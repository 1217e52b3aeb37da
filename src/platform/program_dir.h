#pragma once
#include <QString>

// The program directory: $TSSNC_HOME if set, else the executable's directory, or
// the per-user data folder when that is not writable (an installed copy).
QString programDir();
// programDir() joined with a relative name, using QDir (never a hard-coded "\").
QString programPath(const QString& name);
