#pragma once
// Serial tests: a port on a pseudo-terminal (the test plays the machine
// controller on the master side) and a view that keeps what was printed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include "common/pty.h"
#include "common/temp_home.h"
#include "platform/qt_serial_port.h"
#include "serial/transfer_view.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class RecordingView : public TransferView {
public:
    void print(const QString& text, bool lineEnd) override {
        printed += text;
        if (lineEnd) printed += QLatin1Char('\n');
    }
    void clearPrintArea() override { ++clears; }
    void setNote(const QString& text) override {
        note_ = text;
        notes << text;
    }
    QString note() const override { return note_; }
    QString printed;
    QStringList notes;
    int clears = 0;

private:
    QString note_;
};

// A port opened on the slave side of a pseudo-terminal.
struct PtyLine {
    explicit PtyLine(SerialPort::Handshaking h = SerialPort::Handshaking::RtsXonXoff) {
        EXPECT_TRUE(pty.ok());
        port.setDevice(pty.slavePath());
        port.setHandshaking(h);
        pty.dropOwnSlave();
        EXPECT_TRUE(port.open()) << port.errorString().toStdString();
    }
    // Lets the port's events run until `done` holds (or a few seconds passed).
    template <class F>
    void pumpUntil(F done) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    TempHome home;
    Pty pty;
    QtSerialPort port;
};
