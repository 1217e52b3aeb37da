#pragma once
// Reading a whole file that the operator named.  Only plain files are opened: a
// device may never end (/dev/zero) and a pipe blocks in open(); a file over
// kMaxFileReadBytes is refused before it fills the memory.
#include <QByteArray>
#include <QString>

// Largest file read: far beyond any NC file the program store can hold.
constexpr qint64 kMaxFileReadBytes = 64 * 1024 * 1024;

enum class PlainRead { Ok, NotPlain, TooLarge, ReadFailed };

// Reads the file into *bytes.  NotPlain also covers a file that does not exist
// or cannot be opened.
PlainRead readPlainFile(const QString& path, QByteArray* bytes);

// True when nothing is at path, or a plain file or a character device: a target
// that opening for writing cannot hold (a pipe without reader would).
bool writableTarget(const QString& path);
