#include "platform/qt_serial_port.h"

#include <QStringList>
#include "platform/port_map.h"
#include "platform/serial_input_marks.h"

#include <QThread>
#include <utility>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {
constexpr char kEofChar = 0x1A;
constexpr char kXon = 0x11;
constexpr char kXoff = 0x13;
// Longest single nap while waiting for the system's output queue to drain.
constexpr int kDrainNapMs = 5;
}  // namespace

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
    QObject::connect(dev_.get(), &QSerialPort::readyRead, [this] { onReadyRead(); });
    QObject::connect(dev_.get(), &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { onError(e); });
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
    if (isOpen()) {
        configuring_ = true;
        applyLine();
        dev_->clearError();
        configuring_ = false;
    }
    return true;
}

void QtSerialPort::setHandshaking(Handshaking h) {
    handshaking_ = h;
    if (isOpen()) {
        configuring_ = true;
        applyFlowControl();
        dev_->clearError();
        configuring_ = false;
    }
}

void QtSerialPort::applyLine() {
    dev_->setBaudRate(line_.baud);
    dev_->setParity(line_.parity);
    dev_->setDataBits(line_.dataBits);
    dev_->setStopBits(line_.stopBits);
    // Setting the parity made the device ignore faulty characters again.
    applyInputChecks();
}

void QtSerialPort::applyInputChecks() {
#ifdef Q_OS_UNIX
    termios t{};
    const int fd = int(dev_->handle());
    if (fd < 0 || ::tcgetattr(fd, &t) != 0) return;
    // A garbled character is marked, not dropped (IGNPAR) nor passed on as good
    // (no INPCK); a break is marked too, not taken as a NUL.
    t.c_iflag |= ISTRIP | INPCK | PARMRK;
    t.c_iflag &= ~tcflag_t(IGNPAR | IGNBRK | BRKINT);
    ::tcsetattr(fd, TCSANOW, &t);
#endif
}

void QtSerialPort::applyFlowControl() {
    const bool rts = handshaking_ == Handshaking::RtsCts || handshaking_ == Handshaking::RtsXonXoff;
    const bool xon = handshaking_ == Handshaking::XonXoff || handshaking_ == Handshaking::RtsXonXoff;
    dev_->setFlowControl(rts ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
#ifdef Q_OS_UNIX
    termios t{};
    const int fd = int(dev_->handle());
    if (fd >= 0 && ::tcgetattr(fd, &t) == 0) {
        t.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
        if (xon) t.c_iflag |= IXON | IXOFF;
        // XON is DC1, XOFF DC3, whatever the device had before.
        t.c_cc[VSTART] = kXon;
        t.c_cc[VSTOP] = kXoff;
        ::tcsetattr(fd, TCSANOW, &t);
    }
#else
    if (xon && !rts) dev_->setFlowControl(QSerialPort::SoftwareControl);
#endif
    if (!rts) dev_->setRequestToSend(true);
}

QString QtSerialPort::deviceName() const {
    return fixedDevice_.isEmpty() ? serialDeviceName(number_) : fixedDevice_;
}

bool QtSerialPort::open() {
    if (isOpen()) return true;
    openDevice_ = deviceName();
    dev_->setPortName(openDevice_);
    applyLine();
    configuring_ = true;
    const bool ok = dev_->open(QIODevice::ReadWrite);
    if (ok) {
        in_.clear();
        carry_.clear();
        garbled_ = breaks_ = 0;
        eof_ = false;
        applyLine();
        applyFlowControl();
        // A line without modem pins (a pseudo-terminal) refuses DTR; no matter.
        dev_->setDataTerminalReady(true);
    }
    dev_->clearError();
    configuring_ = false;
    return ok;
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

void QtSerialPort::takeInput() {
    if (!dev_->isOpen()) return;
    const UnmarkedInput u = unmarkInput(carry_, dev_->readAll());
    for (char c : u.data) eof_ = eof_ || (c & 0x7F) == kEofChar;
    in_ += u.data;
    garbled_ += u.garbled;
    breaks_ += u.breaks;
}

QByteArray QtSerialPort::readAll() {
    // What came before the device went away was received all the same.
    takeInput();
    QByteArray got;
    got.swap(in_);
    return got;
}

void QtSerialPort::onReadyRead() {
    takeInput();
    const bool eof = std::exchange(eof_, false);
    const int garbled = std::exchange(garbled_, 0);
    const int breaks = std::exchange(breaks_, 0);
    if (!callback_) return;
    callback_(Event::Receive);
    // After the data, so that the note names the fault the operator must see.
    if (eof && callback_) callback_(Event::Eof);
    if (breaks && callback_) callback_(Event::Break);
    if (garbled && callback_)
        callback_(line_.parity == QSerialPort::NoParity ? Event::Frame : Event::RxParity);
}

bool QtSerialPort::deviceHungUp() const {
#ifdef Q_OS_UNIX
    pollfd p{int(dev_->handle()), POLLOUT, 0};
    if (::poll(&p, 1, 0) < 0) return true;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return true;
#endif
}

void QtSerialPort::onError(QSerialPort::SerialPortError e) {
    // Failures while opening or setting up the line are results, not events.
    if (e == QSerialPort::NoError || configuring_) return;
    const bool deviceFault = e == QSerialPort::ResourceError || e == QSerialPort::ReadError ||
                             e == QSerialPort::WriteError;
    if (deviceFault && dev_->isOpen() && !deviceHungUp()) {
        // A write that would block (the controller's XOFF stopped the line
        // between the check for room and the write) reads as a resource error:
        // the bytes stay queued and go when the line moves again.
        dev_->clearError();
        return;
    }
    if ((e == QSerialPort::ResourceError || e == QSerialPort::ReadError) && dev_->isOpen()) {
        // The device went away (a pulled adapter reads as an error or as an end
        // that never stops): let it go, so that the port can be opened again.
        dev_->close();
    }
    dev_->clearError();
    if (callback_) callback_(Event::Error);
}

qint64 QtSerialPort::bytesToWrite() const { return isOpen() ? dev_->bytesToWrite() : 0; }

qint64 QtSerialPort::pendingOutput() const {
    if (!isOpen()) return 0;
    qint64 n = dev_->bytesToWrite();
#ifdef Q_OS_UNIX
    int queued = 0;
    if (::ioctl(int(dev_->handle()), TIOCOUTQ, &queued) == 0 && queued > 0) n += queued;
#endif
    return n;
}

bool QtSerialPort::waitForOutput(int msecs) {
    if (!isOpen()) return false;
    const qint64 before = pendingOutput();
    if (before == 0) return false;
    if (dev_->bytesToWrite() > 0) {
        dev_->waitForBytesWritten(msecs);
    } else {
        // Only the system's queue is left: it drains at the line's speed.
        QThread::msleep(qMin(msecs, kDrainNapMs));
    }
    return isOpen() && pendingOutput() < before;
}

void QtSerialPort::discardOutput() {
    if (!isOpen()) return;
    dev_->clear(QSerialPort::Output);
#ifdef Q_OS_UNIX
    // Output held by a received XOFF resumes only by XON or when XON/XOFF is
    // switched off (tcflow(TCOON) lifts only its own hold): switch it off and
    // on again.
    const int fd = int(dev_->handle());
    termios t{};
    if (::tcgetattr(fd, &t) == 0 && (t.c_iflag & IXON)) {
        termios off = t;
        off.c_iflag &= ~tcflag_t(IXON);
        ::tcsetattr(fd, TCSANOW, &off);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    ::tcflow(fd, TCOON);
#endif
}

void QtSerialPort::discardInput() {
    if (!isOpen()) return;
    takeInput();
    dev_->clear(QSerialPort::Input);
    in_.clear();
    carry_.clear();
    garbled_ = breaks_ = 0;
    eof_ = false;
}

qintptr QtSerialPort::nativeHandle() const { return isOpen() ? qintptr(dev_->handle()) : -1; }

bool QtSerialPort::waitForBytesWritten(int msecs) {
    return isOpen() && dev_->waitForBytesWritten(msecs);
}

QString QtSerialPort::errorString() const { return dev_->errorString(); }
