#pragma once
// The receive state machine: bytes from the machine controller, parity bit
// stripped, become the lines of the received file.  It prints what it sees on
// the view, shows the program-number line in the note box and stops at the
// second "%".
#include <QByteArray>
#include <QString>
#include <QStringList>

class TransferView;

namespace transfer {

// The print area starts over whenever the received line count reaches a
// multiple of this.
constexpr int kClearEveryLines = 60;
// A column count above this marks a program-number line being shown in the note.
constexpr int kNoteColumnMark = 6000;

class ReceiveMachine {
public:
    // file names the file in the printed end text.
    ReceiveMachine(TransferView& view, QString file);

    struct Result {
        QByteArray fileBytes;   // to append to the file, in order
        QStringList messages;   // boxes to show once the bytes are handled
        bool finished = false;  // the second "%" came; later bytes were not taken
    };
    Result feed(const QByteArray& bytes);

    bool finished() const { return finished_; }
    int lines() const { return lines_; }

    // The line end written to the received file.
    static inline const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

private:
    void feedBytes(const QByteArray& bytes, Result& r);
    void printChar(const QString& text, bool lineEnd);
    void endFileLine(Result& r);
    TransferView& view_;
    QString file_;
    int lines_ = 0;
    int column_ = 0;
    bool inProgram_ = false;  // set by the first "%"
    bool finished_ = false;
    int clearedAt_ = -1;      // line count at which the print area was last cleared
    // The program-number line as far as it came; the note box is given it once
    // per arrival (a line without end must not cost a copy per character).
    QString noteLine_;
    bool noteChanged_ = false;
};

}  // namespace transfer
