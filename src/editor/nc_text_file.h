#pragma once
// NC files read and written whole.  Their encoding and line ends follow
// platform/text_encoding.h.  Writes that replace a file go through a temporary
// file in the same folder and a rename, so a failed write leaves the old file
// untouched.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/plain_file.h"
#include "platform/text_encoding.h"

namespace nctext {

// Largest file read, so that a log or an image picked by mistake is refused
// before it fills the memory.
constexpr qint64 kMaxReadBytes = kMaxFileReadBytes;

struct ReadResult {
    bool ok = false;
    QStringList lines;
    textenc::Encoding encoding = textenc::Encoding::Utf8;
    bool bom = false;
    QString error;  // Japanese, for a message box
};
// Reads a whole file.  Refused with a message: anything but a plain file (a
// folder, a device, a pipe), a file over kMaxReadBytes, a file holding NUL
// bytes (not text: an image, a program, a UTF-16 file), a read that fails.
ReadResult readLines(const QString& path);

// Why a write failed.
enum class WriteFault {
    None,
    IsFolder,      // the target is a folder
    NoFolder,      // the folder of the target does not exist
    CannotCreate,  // the temporary file could not be made
    WriteFailed,   // writing or the final rename failed (disk full ...)
};
struct WriteResult {
    WriteFault fault = WriteFault::None;
    QString message;  // Japanese, for a message box; empty when written
    bool ok() const { return fault == WriteFault::None; }
};

// Replaces (or creates) the file with the bytes, through a temporary file in the
// same folder.  On failure the old file is untouched and the result says why.
WriteResult writeFile(const QString& path, const QByteArray& bytes);
// The same, reduced to success and a message.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace nctext
