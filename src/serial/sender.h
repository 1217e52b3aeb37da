#pragma once
// The sending loop: a file goes to the machine controller line by line, each
// character with its parity bit, each line ended by LF, the whole framed by "%"
// lines where the file has none.  Progress is printed on the view; the loop
// yields to the event pump after every line and while it waits for the line.
#include <QString>
#include <functional>

class SerialPort;
class TransferView;
class EventPump;

namespace transfer {

// A line that has not gone out within this time abandons the send.
constexpr int kStallLimitMs = 6000;
// Bytes that may wait for the line before the loop waits with them (the output
// buffer of the serial control).
constexpr qint64 kSendAheadBytes = 512;
// Longest single wait for the line between two yields.
constexpr int kSendWaitSliceMs = 20;
// "残り行数" is printed before every line whose index is a multiple of this.
constexpr int kRemainingEvery = 40;

struct SendOptions {
    int stallLimitMs = kStallLimitMs;
    qint64 aheadBytes = kSendAheadBytes;
    // Asked at every wait; true ends the send at once (program end, signal).
    std::function<bool()> stopRequested;
};

enum class SendOutcome {
    Sent,       // every line went out
    NotSent,    // empty, unreadable or refused file, or no port: nothing went out
    Abandoned,  // the line stalled or the port failed; the rest was dropped
    Stopped,    // stopRequested
};

struct SendResult {
    SendOutcome outcome = SendOutcome::NotSent;
    QString message;  // the box to show when it is over (empty: none)
    int lines = 0;    // lines of the file to send
};

// portName names the port in the message when it cannot be opened.
SendResult sendFile(const QString& file, SerialPort& port, const QString& portName,
                    TransferView& view, EventPump& pump, const SendOptions& options = {});

}  // namespace transfer
