#pragma once
// NC files as they come from Japanese Windows PCs: UTF-8 when the bytes are
// valid UTF-8, else Shift_JIS (CP932).  The encoding read is remembered by the
// caller so that a file is written back the way it came.  Writes that replace a
// file go through a temporary file in the same folder and a rename, so a failed
// write leaves the old file untouched.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace nctext {

enum class Encoding { Utf8, ShiftJis };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
    bool bom = false;  // UTF-8 byte order mark at the start (kept when writing back)
};

// Bytes -> text with the encoding rule above.
Decoded decode(const QByteArray& bytes);

// Text -> bytes.  *lossy (when given) tells whether a character could not be
// written in the encoding (it is then replaced by '?').
QByteArray encode(const QString& text, Encoding enc, bool bom = false, bool* lossy = nullptr);

// Lines of a text: CR LF, a lone CR and a lone LF each end a line; a line end
// at the very end does not start another (empty) line.
QStringList splitLines(const QString& text);

struct ReadResult {
    bool ok = false;
    QStringList lines;
    Encoding encoding = Encoding::Utf8;
    bool bom = false;
    QString error;  // Japanese, for a message box
};
ReadResult readLines(const QString& path);

// Replaces (or creates) the file with the bytes, through a temporary file in the
// same folder.  On failure the old file is untouched and *error says why.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Each line followed by CR LF.
QString joinCrLf(const QStringList& lines);

// Every line end (CR LF, CR, LF) of a text made CR LF.
QString toCrLf(const QString& text);

}  // namespace nctext
