#pragma once
// NC files read and written whole.  Their encoding and line ends follow
// platform/text_encoding.h.  Writes that replace a file go through a temporary
// file in the same folder and a rename, so a failed write leaves the old file
// untouched.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/text_encoding.h"

namespace nctext {

struct ReadResult {
    bool ok = false;
    QStringList lines;
    textenc::Encoding encoding = textenc::Encoding::Utf8;
    bool bom = false;
    QString error;  // Japanese, for a message box
};
ReadResult readLines(const QString& path);

// Replaces (or creates) the file with the bytes, through a temporary file in the
// same folder.  On failure the old file is untouched and *error says why.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace nctext
