#pragma once
// One running copy per program directory.  The first copy holds a lock file
// (tssnc.lock) in its program directory for as long as it runs; a second copy
// started on the same directory finds it held and ends.  Copies on different
// directories (tests with their own TSSNC_HOME) do not see each other.
#include <QString>

// Takes the lock of the program directory for this process.  False only when
// another live process holds it; when no lock can be written there the program
// runs unguarded.  Taking it again in the same process is harmless.
bool acquireSingleInstance();

// True only when a different, still running process holds the lock of the
// current program directory; never for this process's own lock.
bool anotherCopyRunning();

// Gives the lock back (end of the program; tests).
void releaseSingleInstance();

// The lock file of a program directory.
QString singleInstanceLockPath(const QString& programDirectory);
