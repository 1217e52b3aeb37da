#pragma once
// The serial line to the machine controller, as the transfer windows use it.
#include <QByteArray>
#include <QString>
#include <functional>

class SerialPort {
public:
    enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsXonXoff = 3 };
    // Event codes of the serial control, numbered as the operator knows them from
    // the transfer window (its note box shows their names).
    enum class Event {
        Send = 1,
        Receive = 2,
        Cts = 3,
        Dsr = 4,
        Cd = 5,
        Ring = 6,
        Eof = 7,  // an end-of-file character (0x1A) arrived, with end-of-file detection on
        Break = 1001,
        CtsTimeout = 1002,
        DsrTimeout = 1003,
        Frame = 1004,
        Overrun = 1006,
        CdTimeout = 1007,
        RxOver = 1008,
        RxParity = 1009,
        TxFull = 1010,
        Dcb = 1011,
        Error = 9999,  // the device failed (unplugged, read or write error)
    };

    virtual ~SerialPort() = default;
    // "baud,parity,data,stop", e.g. "4800,e,7,2"; false when the text is not valid.
    virtual bool setSettings(const QString& settings) = 0;
    virtual QString settings() const = 0;
    virtual void setHandshaking(Handshaking h) = 0;
    virtual Handshaking handshaking() const = 0;
    virtual void setPortNumber(int n) = 0;
    virtual int portNumber() const = 0;
    virtual bool open() = 0;  // false when the port cannot be opened
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues bytes for sending; -1 when the port is not open or the write failed.
    virtual qint64 write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;
    // One Receive event per arrival of data; other events as they happen.
    virtual void setEventCallback(std::function<void(Event)> cb) = 0;

    // Bytes written but not yet on the line (ours and the system's queue).
    virtual qint64 pendingOutput() const = 0;
    // Waits up to msecs for queued output to move on; false when nothing moved.
    virtual bool waitForOutput(int msecs) = 0;
    // Drops output not yet sent and lifts a hold that an XOFF put on the line,
    // so that the next transfer starts clean.
    virtual void discardOutput() = 0;
    // Drops what has arrived and not been read (ours and the system's queue).
    virtual void discardInput() { readAll(); }
};
