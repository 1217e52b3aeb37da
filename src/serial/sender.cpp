#include "serial/sender.h"

#include <QElapsedTimer>
#include <QList>
#include <functional>
#include "platform/event_pump.h"
#include "platform/plain_file.h"
#include "platform/serial_port.h"
#include "serial/iso_code.h"
#include "serial/send_plan.h"
#include "serial/transfer_texts.h"
#include "serial/transfer_view.h"

namespace transfer {

namespace {

const QByteArray kLfBytes(1, iso::kLf);
const QByteArray kPercentLine =
    QByteArray(1, char(iso::withEvenParity(quint8(iso::kPercent)))) + kLfBytes;

enum class Step { Ok, Stalled, Stopped };

class Loop {
public:
    // left: told how many of the bytes written so far have left the port.
    Loop(SerialPort& port, EventPump& pump, const SendOptions& o, std::function<void(qint64)> left)
        : port_(port), pump_(pump), o_(o), left_(std::move(left)) {}

    qint64 written() const { return written_; }

    // A new line begins: its time starts now.
    void startLine() { since_.start(); }

    // Queues bytes and waits until no more than `ahead` bytes are left waiting.
    Step put(const QByteArray& bytes, qint64 ahead) {
        if (port_.write(bytes) != bytes.size()) return Step::Stalled;
        written_ += bytes.size();
        return waitUntil(ahead);
    }

    Step waitUntil(qint64 ahead) {
        while (port_.pendingOutput() > ahead) {
            if (stopped()) return Step::Stopped;
            if (!port_.isOpen() || since_.elapsed() > o_.stallLimitMs) return Step::Stalled;
            port_.waitForOutput(kSendWaitSliceMs);
            tellLeft();
            pump_.yield();
        }
        tellLeft();
        return stopped() ? Step::Stopped : Step::Ok;
    }

    void tellLeft() {
        if (port_.isOpen()) left_(written_ - port_.pendingOutput());
    }

    // The last bytes leave at the line's own pace (at 300 baud the bytes still
    // queued take far longer than a line may): only a line that stops moving
    // for the whole limit abandons the send.
    Step drain() {
        qint64 left = port_.pendingOutput();
        while (left > 0) {
            if (stopped()) return Step::Stopped;
            if (!port_.isOpen() || since_.elapsed() > o_.stallLimitMs) return Step::Stalled;
            port_.waitForOutput(kSendWaitSliceMs);
            tellLeft();
            pump_.yield();
            const qint64 now = port_.pendingOutput();
            if (now < left) since_.start();
            left = now;
        }
        if (stopped()) return Step::Stopped;
        // A port that went away has nothing left to send, but what it held is lost.
        if (!port_.isOpen()) return Step::Stalled;
        tellLeft();
        return Step::Ok;
    }

    bool stopped() const { return o_.stopRequested && o_.stopRequested(); }

private:
    SerialPort& port_;
    EventPump& pump_;
    const SendOptions& o_;
    std::function<void(qint64)> left_;
    QElapsedTimer since_;
    qint64 written_ = 0;
};

}  // namespace

SendResult sendFile(const QString& file, SerialPort& port, const QString& portName,
                    TransferView& view, EventPump& pump, const SendOptions& options) {
    SendResult r;
    QByteArray bytes;
    switch (readPlainFile(file, &bytes)) {
    case PlainRead::Ok: break;
    case PlainRead::TooLarge:
        r.message = tooLargeFileMessage(file);
        return r;
    case PlainRead::NotPlain:
    case PlainRead::ReadFailed:
        r.message = unreadableFileMessage(file);
        return r;
    }
    const PlanResult planned = planSend(bytes);
    if (planned.empty) {
        r.message = emptySendFileMessage(file);
        return r;
    }
    if (!planned.refusal.isEmpty()) {
        r.message = planned.refusal;
        return r;
    }
    const SendPlan& plan = planned.plan;
    const int n = int(plan.lines.size());
    r.lines = n;
    if (!port.isOpen() && !port.open()) {
        r.message = portNotOpenMessage(portName);
        return r;
    }
    view.print(totalLinesText(n), true);

    // A line is printed once its bytes have left the port (not when they are
    // queued): under a held line the display stops where the line stopped.
    QList<qint64> lineEnds;  // offset just past each queued line's LF
    lineEnds.reserve(n);
    int shown = 0;
    auto showLeft = [&](qint64 left) {
        while (shown < lineEnds.size() && lineEnds[shown] <= left) {
            if (shown % kRemainingEvery == 0) view.print(remainingLinesText(n - shown), true);
            view.print(plan.lines[shown], true);
            ++shown;
        }
    };
    Loop loop(port, pump, options, showLeft);
    auto finish = [&](Step s) {
        port.discardOutput();
        r.outcome = s == Step::Stopped ? SendOutcome::Stopped : SendOutcome::Abandoned;
        r.message = s == Step::Stopped ? QString() : kAbandonMessage;
        return r;
    };
    loop.startLine();
    if (plan.leadingPercent) {
        if (Step s = loop.put(kPercentLine, options.aheadBytes); s != Step::Ok) return finish(s);
    }
    for (int i = 0; i < n; ++i) {
        loop.startLine();
        lineEnds.append(loop.written() + plan.coded[i].size() + kLfBytes.size());
        if (Step s = loop.put(plan.coded[i], options.aheadBytes); s != Step::Ok) return finish(s);
        if (Step s = loop.put(kLfBytes, options.aheadBytes); s != Step::Ok) return finish(s);
        pump.yield();
    }
    loop.startLine();
    if (plan.trailingPercent) {
        if (Step s = loop.put(kPercentLine, options.aheadBytes); s != Step::Ok) return finish(s);
    }
    // Done only when the last byte has left.
    if (Step s = loop.drain(); s != Step::Ok) return finish(s);
    view.print(remainingLinesText(0), true);
    r.outcome = SendOutcome::Sent;
    r.message = sendDoneText(file, n);
    view.print(r.message, true);
    return r;
}

}  // namespace transfer
