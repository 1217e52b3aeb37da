#include "serial/receive_machine.h"

#include "serial/iso_code.h"
#include "serial/transfer_texts.h"
#include "serial/transfer_view.h"

namespace transfer {

ReceiveMachine::ReceiveMachine(TransferView& view, QString file)
    : view_(view), file_(std::move(file)) {}

void ReceiveMachine::printChar(const QString& text, bool lineEnd) {
    // The display starts over every kClearEveryLines lines (once each time).
    if (lines_ % kClearEveryLines == 0 && clearedAt_ != lines_) {
        clearedAt_ = lines_;
        view_.clearPrintArea();
    }
    view_.print(text, lineEnd);
}

void ReceiveMachine::endFileLine(Result& r) {
    r.fileBytes += kLineEnd;
    ++lines_;
}

ReceiveMachine::Result ReceiveMachine::feed(const QByteArray& bytes) {
    Result r;
    if (finished_) return r;
    feedBytes(bytes, r);
    if (noteChanged_) view_.setNote(noteLine_);
    noteChanged_ = false;
    return r;
}

void ReceiveMachine::feedBytes(const QByteArray& bytes, Result& r) {
    for (char raw : bytes) {
        const char c = char(iso::stripParity(quint8(raw)));
        switch (c) {
        case iso::kTab:
            printChar(QStringLiteral(":9"), false);
            continue;
        case iso::kLf:
            printChar(QStringLiteral(":A"), true);
            endFileLine(r);
            column_ = 0;
            continue;
        case iso::kNul:
            printChar(QStringLiteral(":0"), false);
            column_ = 0;
            continue;
        case iso::kCr:
            printChar(QStringLiteral(":D"), false);
            ++lines_;
            continue;
        default:
            break;
        }
        if (c == iso::kDc3) r.messages.append(kRoadStopMessage);
        QChar ch = QLatin1Char(c);
        if (column_ == 0 && ch == QLatin1Char(':')) ch = QLatin1Char('O');
        if (column_ == 0 && ch == QLatin1Char('O')) {
            noteLine_.clear();
            noteChanged_ = true;
            column_ = kNoteColumnMark + 1;
        }
        if (column_ > kNoteColumnMark) {
            noteLine_ += ch;
            noteChanged_ = true;
        }
        ++column_;
        r.fileBytes += char(ch.unicode());
        printChar(QString(ch), false);
        if (ch == QLatin1Char(iso::kPercent)) {
            endFileLine(r);
            if (!inProgram_) {
                inProgram_ = true;
            } else {
                inProgram_ = false;
                finished_ = true;
                r.finished = true;
                view_.print(receiveDoneText(file_), true);
                r.messages.append(kReceiveEndMessage);
                return;
            }
        }
    }
}

}  // namespace transfer
