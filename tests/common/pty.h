#pragma once
// A pseudo-terminal pair for serial tests: the application opens the slave by its
// path (mapped in tssnc.ini as "COMn =path"), the test plays the machine
// controller on the master.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cerrno>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class Pty {
public:
    Pty() {
        termios raw{};
        cfmakeraw(&raw);
        char name[256] = {};
        ok_ = ::openpty(&master_, &slave_, name, &raw, nullptr) == 0;
        slavePath_ = QString::fromLocal8Bit(name);
    }
    ~Pty() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    bool ok() const { return ok_; }
    // The application opens the slave by its path; our own slave fd is closed so
    // that the master sees when the application lets go of it.
    void dropOwnSlave() {
        ::close(slave_);
        slave_ = -1;
    }
    QString slavePath() const { return slavePath_; }
    // The controller side goes away (a cable pulled, an adapter unplugged).
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    QByteArray read(int want, int timeoutMs = 3000) {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < want && t.elapsed() < timeoutMs) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0 && (p.revents & POLLIN)) {
                char buf[256];
                ssize_t n = ::read(master_, buf, sizeof buf);
                if (n > 0) got.append(buf, int(n));
            }
        }
        return got;
    }
    // Whatever the application has written so far, without waiting.
    QByteArray readAvailable() {
        QByteArray got;
        char buf[4096];
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 0) <= 0 || !(p.revents & POLLIN)) break;
            ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) break;
            got.append(buf, int(n));
        }
        return got;
    }
    bool write(const QByteArray& b) { return ::write(master_, b.constData(), b.size()) == b.size(); }
    // True once no process has the slave open (reads on the master then fail).
    bool slaveClosed() {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) return false;
        if (p.revents & POLLHUP) return true;
        char c;
        return ::read(master_, &c, 1) < 0 && errno == EIO;
    }

private:
    int master_ = -1, slave_ = -1;
    bool ok_ = false;
    QString slavePath_;
};


// The tssnc.ini line that maps port n to the pty's slave.
inline QByteArray ptyIniLine(int n, const Pty& pty) {
    return "COM" + QByteArray::number(n) + " =" + pty.slavePath().toLocal8Bit() + "\r\n";
}
