#pragma once
// Names and file-dialog filters of a machine's NC files: the machine
// extension, the filter both the open and the save dialogs show, and the names
// that saving proposes.  QtCore only.
#include <QDateTime>
#include <QString>

#include "platform/machine_extension.h"

namespace filenames {

// A first line longer than this is cut for the proposed name.
constexpr int kMaxFirstLine = 150;

// "<ext>ファイル (*.<ext>)|*.<ext>|すべてのファイル 　(*.*)|*.*|ＮＣ　ファイル (*.NC)|*.NC|
// テキスト ファイル (*.txt)|*.txt|"
QString machineFilter(const QString& ext);

// Length of the first line among the first 150 characters: the place of the
// first CR or LF there (0 when the text begins with one or is empty), else
// the text's length up to 150.
int firstLineLength(const QString& text);

// The first line (as counted above), ".", the extension.
QString proposedName(const QString& text, const QString& ext);

// Name for an edit text whose first line is empty: year without century,
// month, day and the minutes, two digits each, ".", the extension
// (2026-12-08 22:16:18 -> "26120816.sp2").
QString dateTimeName(const QDateTime& when, const QString& ext);

// Copy of the file last chosen: its path without its extension (".sp2", the
// last four characters), "-Copy", ".", the last three characters of the
// machine folder's path.
QString copyName(const QString& lastChosen, const QString& machineDir);

}  // namespace filenames
