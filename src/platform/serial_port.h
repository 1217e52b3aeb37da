#pragma once
// The serial line to the machine controller, as the transfer windows use it.
#include <QByteArray>
#include <QString>
#include <functional>

class SerialPort {
public:
    enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsXonXoff = 3 };
    enum class Event { Receive, Send, Error };

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
    virtual qint64 write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;
    virtual void setEventCallback(std::function<void(Event)> cb) = 0;
};
