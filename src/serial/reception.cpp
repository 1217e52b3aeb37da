#include "serial/reception.h"

#include <QFileInfo>
#include <QTimer>
#include "platform/dialogs.h"
#include "platform/plain_file.h"
#include "serial/transfer_texts.h"
#include "serial/transfer_view.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace transfer {

namespace {
void syncToDisk(QFile& f) {
    f.flush();
#ifdef Q_OS_UNIX
    ::fdatasync(f.handle());
#endif
}
}  // namespace

Reception::Reception(SerialPort& port, TransferView& view, Dialogs& dialogs)
    : port_(port), view_(view), dialogs_(dialogs) {}

Reception::~Reception() {
    if (file_.isOpen()) syncToDisk(file_);
}

bool Reception::start(const QString& path, const QString& portName) {
    if (active_) return false;
    if (!port_.isOpen() && !port_.open()) {
        dialogs_.message(portNotOpenMessage(portName));
        return false;
    }
    file_.setFileName(path);
    // A pipe without reader would hold open() for ever; a device is no file.
    if (!writableTarget(path) || !file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        dialogs_.message(uncreatableFileMessage(path));
        return false;
    }
    // What came while no reception ran (after an earlier program's second "%",
    // or noise while idle) belongs to no file.
    port_.discardInput();
    path_ = path;
    machine_ = std::make_unique<ReceiveMachine>(view_, path);
    sinceSync_.start();
    active_ = true;
    return true;
}

void Reception::onPortEvent(SerialPort::Event e) {
    if (!active_) return;
    if (e == SerialPort::Event::Receive) {
        handleArrivals();
    } else {
        view_.setNote(eventName(e));
    }
}

void Reception::handleArrivals() {
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty()) return;
    ReceiveMachine::Result r = machine_->feed(bytes);
    if (!r.fileBytes.isEmpty()) {
        // A full disk must not end in "終了" as if the program had come whole.
        if (file_.write(r.fileBytes) != r.fileBytes.size() || !file_.flush()) {
            queued_ += unwritableFileMessage(path_);
            scheduleBoxes();
            end(false);
            return;
        }
        if (sinceSync_.elapsed() >= kSyncEveryMs) {
            syncToDisk(file_);
            sinceSync_.restart();
        }
    }
    queued_ += r.messages;
    scheduleBoxes();
    if (r.finished) end(true);
}

void Reception::end(bool finished) {
    active_ = false;
    syncToDisk(file_);
    file_.close();
    if (onEnded_) onEnded_(finished);
}

void Reception::scheduleBoxes() {
    if (queued_.isEmpty() || scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, &timerContext_, [this] {
        scheduled_ = false;
        showQueued();
    });
}

void Reception::showQueued() {
    // A box shown here lets events in; they are handled at once and their boxes
    // join this queue.
    if (showing_) return;
    showing_ = true;
    while (!queued_.isEmpty()) dialogs_.message(queued_.takeFirst());
    showing_ = false;
}

void Reception::closeQuietly() {
    if (!active_) return;
    active_ = false;
    syncToDisk(file_);
    const bool empty = file_.size() == 0;
    file_.close();
    if (empty) file_.remove();
    if (onEnded_) onEnded_(false);
}

void Reception::stop() {
    if (!active_) return;
    active_ = false;
    syncToDisk(file_);
    if (file_.size() == 0) {
        dialogs_.message(emptyReceivedFileMessage(path_));
        file_.close();
        file_.remove();
        dialogs_.message(kDeletedMessage);
    } else {
        file_.close();
    }
    if (onEnded_) onEnded_(false);
}

}  // namespace transfer
