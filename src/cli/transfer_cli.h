#pragma once
// What `send` and `receive` share: their options, the port they open, the
// progress on stderr and the boxes as "message: TEXT" lines.
#include <QStringList>
#include <QTextStream>
#include <memory>
#include "platform/dialogs.h"
#include "platform/qt_serial_port.h"
#include "serial/transfer_view.h"

struct TransferArgs {
    QString file;
    QString device;
    QString settings = QStringLiteral("9600,e,7,1");
    SerialPort::Handshaking flow = SerialPort::Handshaking::RtsXonXoff;
};

// FILE --port DEVICE [--settings TEXT] [--flow none|xon|rts|rtsxon]; false (with
// the reason on err) for a usage error.
bool parseTransferArgs(const QStringList& args, TransferArgs* out, QTextStream& err);

// The port of the arguments, set up (not opened).
std::unique_ptr<QtSerialPort> transferPortFor(const TransferArgs& a);

// Printed progress on stderr, as the window prints it.
class StderrView : public TransferView {
public:
    explicit StderrView(QTextStream& err) : err_(err) {}
    void print(const QString& text, bool lineEnd) override;
    void clearPrintArea() override {}
    void setNote(const QString& text) override { note_ = text; }
    QString note() const override { return note_; }

private:
    QTextStream& err_;
    QString note_;
};

// OK boxes become "message: TEXT" lines on out; no other box is asked.
class MessageLineDialogs : public Dialogs {
public:
    explicit MessageLineDialogs(QTextStream& out) : out_(out) {}
    void message(const QString& text) override;
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString input(const QString&, const QString&, const QString&, double, double) override {
        return {};
    }
    FileChoice openFile(const QString&, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }

private:
    QTextStream& out_;
};

// SIGINT and SIGTERM set a flag (and call onSignal from the event loop) instead
// of ending the process.
void catchStopSignals(std::function<void()> onSignal);
bool stopSignalled();
