#pragma once
// Text files of the system (NC files, tssnc.ini, the work file) come from
// Japanese Windows PCs: the bytes are read as UTF-8 when they are valid UTF-8,
// else as Shift_JIS (CP932).  The encoding read is remembered by the caller so
// that a file is written back the way it came.  This is the one place that
// turns file bytes into text and back, and that splits and joins their lines.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace textenc {

enum class Encoding { Utf8, ShiftJis };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
    bool bom = false;  // UTF-8 byte order mark at the start (kept when writing back)
    // Shift_JIS only: offset of the first lead byte without its trail byte (a
    // sequence cut or garbled), -1 when none.  Such a byte is decoded as
    // something else and would be written back changed.
    qsizetype brokenAt = -1;
};

// Bytes -> text with the encoding rule above.
Decoded decode(const QByteArray& bytes);

// Text -> bytes.  *lossy (when given) tells whether a character could not be
// written in the encoding (it is then replaced by '?').
QByteArray encode(const QString& text, Encoding enc, bool bom = false, bool* lossy = nullptr);

// Lines of a text: CR LF, a lone CR and a lone LF each end a line; a line end
// at the very end does not start another (empty) line.
QStringList splitLines(const QString& text);

// Each line followed by CR LF.
QString joinCrLf(const QStringList& lines);

// Every line end (CR LF, CR, LF) of a text made CR LF.
QString toCrLf(const QString& text);

}  // namespace textenc
