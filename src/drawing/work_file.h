#pragma once
// The work file tenmp.$$$ through which the program text reaches the drawing
// run: the edit screen's text (or a called program) is written there, read
// back line by line and deleted.
#include <QString>
#include <QStringList>
#include <optional>

namespace drawing {

inline const QString kWorkFileName = QStringLiteral("tenmp.$$$");

QString workFilePath(const QString& dir);

// Writes the text in one piece, ending with a line break (CR LF).  false when
// the file cannot be written.
bool writeWorkFile(const QString& dir, const QString& text);

// Reads the work file line by line (CR LF, LF or CR end a line; UTF-8, else
// Shift_JIS) and deletes it.  Empty when the file does not exist.
std::optional<QStringList> takeWorkFile(const QString& dir);

}  // namespace drawing
