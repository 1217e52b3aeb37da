#include "platform/qt_serial_port.h"

#include <QStringList>
#include "platform/port_map.h"

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

QString handshakingName(SerialPort::Handshaking h) {
    switch (h) {
    case SerialPort::Handshaking::None: return QStringLiteral("None");
    case SerialPort::Handshaking::XonXoff: return QStringLiteral("XOnXoff");
    case SerialPort::Handshaking::RtsCts: return QStringLiteral("RTS");
    case SerialPort::Handshaking::RtsXonXoff: return QStringLiteral("RTSXOnXOff");
    }
    return QStringLiteral("None");
}

QtSerialPort::QtSerialPort() : dev_(std::make_unique<QSerialPort>()) {
    QObject::connect(dev_.get(), &QSerialPort::readyRead, [this] {
        if (callback_) callback_(Event::Receive);
    });
    QObject::connect(dev_.get(), &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) {
                         if (e != QSerialPort::NoError && callback_) callback_(Event::Error);
                     });
    parseSettings(settings_, &line_);
}

QtSerialPort::~QtSerialPort() {
    // No events into a window that is going away.
    callback_ = nullptr;
    dev_->disconnect();
    if (dev_->isOpen()) dev_->close();
}

bool QtSerialPort::parseSettings(const QString& text, LineSettings* out) {
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() != 4) return false;
    LineSettings s;
    bool ok = false;
    s.baud = f[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0) return false;
    const QString p = f[1].trimmed().toLower();
    if (p == QLatin1String("n")) s.parity = QSerialPort::NoParity;
    else if (p == QLatin1String("e")) s.parity = QSerialPort::EvenParity;
    else if (p == QLatin1String("o")) s.parity = QSerialPort::OddParity;
    else if (p == QLatin1String("m")) s.parity = QSerialPort::MarkParity;
    else if (p == QLatin1String("s")) s.parity = QSerialPort::SpaceParity;
    else return false;
    int d = f[2].trimmed().toInt(&ok);
    if (!ok || d < 5 || d > 8) return false;
    s.dataBits = QSerialPort::DataBits(d);
    const QString st = f[3].trimmed();
    if (st == QLatin1String("1")) s.stopBits = QSerialPort::OneStop;
    else if (st == QLatin1String("1.5")) s.stopBits = QSerialPort::OneAndHalfStop;
    else if (st == QLatin1String("2")) s.stopBits = QSerialPort::TwoStop;
    else return false;
    if (out) *out = s;
    return true;
}

bool QtSerialPort::setSettings(const QString& settings) {
    LineSettings s;
    if (!parseSettings(settings, &s)) return false;
    settings_ = settings;
    line_ = s;
    if (isOpen()) applyLine();
    return true;
}

void QtSerialPort::setHandshaking(Handshaking h) {
    handshaking_ = h;
    if (isOpen()) applyFlowControl();
}

void QtSerialPort::applyLine() {
    dev_->setBaudRate(line_.baud);
    dev_->setParity(line_.parity);
    dev_->setDataBits(line_.dataBits);
    dev_->setStopBits(line_.stopBits);
}

void QtSerialPort::applyFlowControl() {
    switch (handshaking_) {
    case Handshaking::None: dev_->setFlowControl(QSerialPort::NoFlowControl); break;
    case Handshaking::XonXoff: dev_->setFlowControl(QSerialPort::SoftwareControl); break;
    case Handshaking::RtsCts:
    case Handshaking::RtsXonXoff: dev_->setFlowControl(QSerialPort::HardwareControl); break;
    }
#ifdef Q_OS_UNIX
    // QSerialPort knows one flow control at a time; RTS + XON/XOFF adds the
    // software flow bits on top of the hardware one.
    if (handshaking_ == Handshaking::RtsXonXoff && dev_->isOpen()) {
        termios t{};
        int fd = int(dev_->handle());
        if (fd >= 0 && ::tcgetattr(fd, &t) == 0) {
            t.c_iflag |= IXON | IXOFF;
            ::tcsetattr(fd, TCSANOW, &t);
        }
    }
#endif
    if (handshaking_ == Handshaking::None || handshaking_ == Handshaking::XonXoff)
        dev_->setRequestToSend(true);
}

QString QtSerialPort::deviceName() const { return serialDeviceName(number_); }

bool QtSerialPort::open() {
    if (isOpen()) return true;
    openDevice_ = deviceName();
    dev_->setPortName(openDevice_);
    applyLine();
    if (!dev_->open(QIODevice::ReadWrite)) {
        dev_->clearError();
        return false;
    }
    applyLine();
    applyFlowControl();
    dev_->setDataTerminalReady(true);
    dev_->clearError();
    return true;
}

void QtSerialPort::close() {
    if (dev_->isOpen()) dev_->close();
    dev_->clearError();
}

bool QtSerialPort::isOpen() const { return dev_->isOpen(); }

qint64 QtSerialPort::write(const QByteArray& bytes) {
    if (!isOpen()) return -1;
    return dev_->write(bytes);
}

QByteArray QtSerialPort::readAll() {
    if (!isOpen()) return {};
    return dev_->readAll();
}

qint64 QtSerialPort::bytesToWrite() const { return isOpen() ? dev_->bytesToWrite() : 0; }

bool QtSerialPort::waitForBytesWritten(int msecs) {
    return isOpen() && dev_->waitForBytesWritten(msecs);
}

QString QtSerialPort::errorString() const { return dev_->errorString(); }
