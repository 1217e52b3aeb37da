#pragma once
// One reception from the machine controller into a file: the port's receive
// events drive the receive machine, and what it takes is written to the file
// at once (flushed after every arrival, synced to disk at least every
// kSyncEveryMs), so a program or PC that stops mid-transfer keeps what came.
// Boxes are shown from the event loop once the bytes in hand are handled (never
// from inside the port's receive event, which the port does not repeat while
// it runs), so the port's events go on being handled while a box is up and no
// box holds back bytes that are on their way.
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include "platform/serial_port.h"
#include "serial/receive_machine.h"

class Dialogs;
class TransferView;

namespace transfer {

constexpr int kSyncEveryMs = 1000;

class Reception {
public:
    Reception(SerialPort& port, TransferView& view, Dialogs& dialogs);
    ~Reception();

    // Opens the port if it is closed, then creates (overwrites) the file.  False,
    // with the reason shown, when either fails; nothing is created then.
    bool start(const QString& path, const QString& portName);
    bool active() const { return active_; }
    QString path() const { return path_; }

    // The port's event while receiving: data is handled, other events are named
    // in the note box.
    void onPortEvent(SerialPort::Event e);

    // The operator's stop: an empty file is deleted (with its messages),
    // otherwise kept.
    void stop();

    // Program end: the file is closed with what came, removed when empty; no box.
    void closeQuietly();

    // Called when the reception is over (by the second "%" or by stop()), before
    // the closing box is shown.  finished: the program came whole.
    void setOnEnded(std::function<void(bool finished)> f) { onEnded_ = std::move(f); }

private:
    void handleArrivals();
    void end(bool finished);
    void scheduleBoxes();
    void showQueued();
    SerialPort& port_;
    TransferView& view_;
    Dialogs& dialogs_;
    QString path_;
    QFile file_;
    std::unique_ptr<ReceiveMachine> machine_;
    bool active_ = false;
    bool showing_ = false;
    bool scheduled_ = false;
    QObject timerContext_;  // box timers die with the reception
    QStringList queued_;
    QElapsedTimer sinceSync_;
    std::function<void(bool)> onEnded_;
};

}  // namespace transfer
