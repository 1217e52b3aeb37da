// Transfer over a pseudo-terminal pair at full speed (no flow control, the
// baud rate of a pty limits nothing): the sending loop and the reception of
// the transfer window, in this process, against `cat FILE > SLAVE` on the same
// kind of pair as the floor.  The print area is left out (a view that
// discards), so the figures are those of the transfer code itself.
//   transfer_bench FILE [RUNS]
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "bench/bench_stats.h"
#include "platform/event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/scripted_dialogs.h"
#include "serial/reception.h"
#include "serial/sender.h"
#include "serial/transfer_view.h"

namespace {

class NullView : public TransferView {
public:
    void print(const QString&, bool) override {}
    void clearPrintArea() override {}
    void setNote(const QString& t) override { note_ = t; }
    QString note() const override { return note_; }

private:
    QString note_;
};

class LoopPump : public EventPump {
public:
    void yield() override { QCoreApplication::processEvents(); }
};

// A raw pty pair; the slave is opened again by path by whoever uses it.
struct PtyPair {
    int master = -1, slave = -1;
    QString slavePath;
    PtyPair() {
        termios raw{};
        cfmakeraw(&raw);
        char name[256] = {};
        if (::openpty(&master, &slave, name, &raw, nullptr) == 0)
            slavePath = QString::fromLocal8Bit(name);
    }
    ~PtyPair() {
        if (slave >= 0) ::close(slave);
        if (master >= 0) ::close(master);
    }
};

// Reads the master side until `want` bytes came or `stop` is set and nothing
// more arrives for a moment.
void drain(int fd, qint64 want, std::atomic<bool>& stop, std::atomic<qint64>& got) {
    char buf[65536];
    int quiet = 0;
    while (got < want) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) {
                got += n;
                quiet = 0;
                continue;
            }
        }
        if (stop && ++quiet > 10) break;
    }
}

double sendOnce(const QString& file, qint64 size, qint64& received) {
    PtyPair pty;
    QtSerialPort port;
    port.setDevice(pty.slavePath);
    port.setHandshaking(SerialPort::Handshaking::None);
    NullView view;
    LoopPump pump;
    std::atomic<bool> stop{false};
    std::atomic<qint64> got{0};
    std::thread reader(drain, pty.master, size * 2, std::ref(stop), std::ref(got));
    QElapsedTimer t;
    t.start();
    const transfer::SendResult r = transfer::sendFile(file, port, pty.slavePath, view, pump, {});
    const double s = bench::seconds(t);
    stop = true;
    reader.join();
    port.close();
    received = got;
    if (r.outcome != transfer::SendOutcome::Sent) {
        std::fprintf(stderr, "transfer_bench: sending failed: %s\n", qPrintable(r.message));
        return -1;
    }
    return s;
}

double receiveOnce(const QByteArray& bytes, const QString& outPath, qint64& stored) {
    PtyPair pty;
    QtSerialPort port;
    port.setDevice(pty.slavePath);
    port.setHandshaking(SerialPort::Handshaking::None);
    NullView view;
    ScriptedDialogs boxes;
    transfer::Reception reception(port, view, boxes);
    bool whole = false;
    reception.setOnEnded([&](bool finished) {
        whole = finished;
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    });
    port.setEventCallback([&](SerialPort::Event e) { reception.onPortEvent(e); });
    QElapsedTimer t;
    t.start();
    if (!reception.start(outPath, pty.slavePath)) return -1;
    std::thread writer([&] {
        qint64 off = 0;
        while (off < bytes.size()) {
            const ssize_t n = ::write(pty.master, bytes.constData() + off,
                                      size_t(std::min<qint64>(bytes.size() - off, 65536)));
            if (n <= 0) break;
            off += n;
        }
    });
    QCoreApplication::exec();
    const double s = bench::seconds(t);
    writer.join();
    port.setEventCallback(nullptr);
    port.close();
    stored = QFileInfo(outPath).size();
    return whole ? s : -1;
}

double catOnce(const QString& file, qint64 size) {
    PtyPair pty;
    std::atomic<bool> stop{false};
    std::atomic<qint64> got{0};
    QElapsedTimer t;
    t.start();
    std::thread reader(drain, pty.master, size, std::ref(stop), std::ref(got));
    const pid_t pid = ::fork();
    if (pid == 0) {
        const QByteArray cmd = "cat '" + file.toLocal8Bit() + "' > '" + pty.slavePath.toLocal8Bit() + "'";
        ::execl("/bin/sh", "sh", "-c", cmd.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    stop = true;
    reader.join();
    const double s = bench::seconds(t);
    return got == size ? s : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: transfer_bench FILE [RUNS]\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "transfer_bench: cannot read %s\n", argv[1]);
        return 2;
    }
    const QByteArray bytes = f.readAll();
    f.close();
    QTemporaryDir dir;
    std::vector<double> send, receive, floor;
    for (int run = 0; run < runs; ++run) {
        qint64 received = 0, stored = 0;
        const double s = sendOnce(file, bytes.size(), received);
        const double r = receiveOnce(bytes, dir.filePath(QStringLiteral("in.nc")), stored);
        const double c = catOnce(file, bytes.size());
        if (s <= 0 || r <= 0 || c <= 0) {
            std::fprintf(stderr, "transfer_bench: run %d failed (send %.3f s, %lld bytes; receive %.3f s;"
                                 " cat %.3f s)\n", run + 1, s, static_cast<long long>(received), r, c);
            return 1;
        }
        send.push_back(received / s);
        receive.push_back(stored / r);
        floor.push_back(bytes.size() / c);
    }
    std::printf("# file: %lld bytes\n", static_cast<long long>(bytes.size()));
    bench::row("transfer send (sending loop to the pty)", "chars/s", send, "%.0f");
    bench::row("transfer receive (reception from the pty, file written)", "chars/s", receive, "%.0f");
    bench::row("floor: cat FILE > SLAVE on a pty pair", "chars/s", floor, "%.0f");
    return 0;
}
