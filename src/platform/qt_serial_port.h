#pragma once
// The serial line on QSerialPort.  Settings are kept as the text the windows set
// ("9600,e,7,1") and applied to the device whenever it is (or becomes) open.  The
// port number names the device through serialDeviceName() at each open, unless a
// fixed device was given (the command-line tool's --port).
//
// Flow control: QSerialPort offers one kind at a time, so XON/XOFF is left to the
// operating system's line discipline (termios IXON | IXOFF, without IXANY) in
// both the XON/XOFF and the RTS + XON/XOFF modes, on top of RTS/CTS (CRTSCTS) in
// the latter.  The system stops our output the moment the controller's XOFF
// arrives, even for bytes already handed to it, and it takes DC1/DC3 out of the
// received stream: in those modes a receiver never sees DC3 ("road stop 13H"
// can only come in the modes without XON/XOFF).
//
// Received data: one Receive event per arrival (threshold 1), read whole with
// readAll(); bytes as they came, bit 7 cleared (ISTRIP: a parity bit that the
// line carries as data, with 8 data bits, must not hide an XOFF), nothing
// decoded.  The line's parity and framing are checked (INPCK): a character that
// came garbled arrives as kGarbledChar, followed by an RxParity event (Frame
// without parity), a break by a Break event.  End-of-file detection is always
// on: a 0x1A among the new bytes adds an Eof event.
// RTS and DTR are switched on at open (RTS stays with the driver under RTS/CTS).
#include <QSerialPort>
#include <memory>
#include "platform/serial_port.h"

class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool setSettings(const QString& settings) override;
    QString settings() const override { return settings_; }
    void setHandshaking(Handshaking h) override;
    Handshaking handshaking() const override { return handshaking_; }
    // Takes effect at the next open (an open port stays on its device).
    void setPortNumber(int n) override { number_ = n; }
    int portNumber() const override { return number_; }
    bool open() override;
    void close() override;
    bool isOpen() const override;
    qint64 write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void setEventCallback(std::function<void(Event)> cb) override { callback_ = std::move(cb); }
    qint64 pendingOutput() const override;
    bool waitForOutput(int msecs) override;
    void discardOutput() override;
    void discardInput() override;

    // A fixed device instead of the one the port number maps to (empty: map
    // the number again).  Takes effect at the next open.
    void setDevice(const QString& path) { fixedDevice_ = path; }
    // The operating system's handle of the open device (-1 when closed), for
    // checks of the line settings.
    qintptr nativeHandle() const;

    // For a sender that must wait while flow control holds the line.
    qint64 bytesToWrite() const;
    bool waitForBytesWritten(int msecs);
    // Device of the current port number (as the next open would use it).
    QString deviceName() const;
    // Device the port is open on; empty when closed.
    QString openDeviceName() const { return isOpen() ? openDevice_ : QString(); }
    QString errorString() const;

    struct LineSettings {
        qint32 baud = 9600;
        QSerialPort::Parity parity = QSerialPort::EvenParity;
        QSerialPort::DataBits dataBits = QSerialPort::Data7;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };
    // "baud,parity,data,stop": baud a positive whole number, parity one of
    // n e o m s (any case), data bits 5 to 8, stop bits 1, 1.5 or 2.
    static bool parseSettings(const QString& text, LineSettings* out);

private:
    void applyLine();
    void applyFlowControl();
    void applyInputChecks();
    void takeInput();
    void onReadyRead();
    void onError(QSerialPort::SerialPortError e);
    // True when the device is gone (hung up, unplugged) rather than busy.
    bool deviceHungUp() const;
    std::unique_ptr<QSerialPort> dev_;
    QString settings_ = QStringLiteral("9600,e,7,1");
    LineSettings line_;
    Handshaking handshaking_ = Handshaking::RtsXonXoff;
    int number_ = 1;
    QString openDevice_;
    std::function<void(Event)> callback_;
    QString fixedDevice_;
    bool configuring_ = false;  // open() or a settings change at work
    QByteArray in_;       // received, marks taken out, not yet read
    QByteArray carry_;    // a fault mark cut off at the end of the last arrival
    int garbled_ = 0;     // faults of the arrivals not yet reported as events
    int breaks_ = 0;
    bool eof_ = false;
};

// Display name of a handshaking mode: "None", "XOnXoff", "RTS", "RTSXOnXOff".
QString handshakingName(SerialPort::Handshaking h);
