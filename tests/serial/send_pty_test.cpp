// Sending to a controller on a pseudo-terminal: what arrives, flow control, and
// a controller that stops taking data.
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

#include "platform/event_pump.h"
#include "serial/sender.h"
#include "serial/transfer_texts.h"
#include "serial_rig.h"

using namespace transfer;

namespace {

// The test's controller runs at every yield of the sending loop.
struct Controller {
    PtyLine line;
    ScriptedPump pump;
    QByteArray got;
    Controller() {
        pump.setIdle([this] { got += line.pty.readAvailable(); });
    }
    SendResult send(const QByteArray& contents, SendOptions o = {}) {
        const QString f = line.home.write("a.sp2", contents);
        SendResult r = sendFile(f, line.port, "COM1", view, pump, o);
        got += line.pty.read(1 << 20, 300);
        return r;
    }
    RecordingView view;
};

// A line that takes bytes at its own pace: every wait lets `perWait` bytes out
// (after a short nap); after `lostAfterWaits` waits the device is gone.
class PacedPort : public SerialPort {
public:
    PacedPort(qint64 perWait, int lostAfterWaits) : perWait_(perWait), lostAfter_(lostAfterWaits) {}
    bool setSettings(const QString&) override { return true; }
    QString settings() const override { return {}; }
    void setHandshaking(Handshaking) override {}
    Handshaking handshaking() const override { return Handshaking::None; }
    void setPortNumber(int) override {}
    int portNumber() const override { return 1; }
    bool open() override { return open_; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    qint64 write(const QByteArray& b) override {
        if (!open_) return -1;
        pending_ += b.size();
        return b.size();
    }
    QByteArray readAll() override { return {}; }
    void setEventCallback(std::function<void(Event)>) override {}
    qint64 pendingOutput() const override { return open_ ? pending_ : 0; }
    bool waitForOutput(int) override {
        QThread::msleep(2);
        if (++waits_ == lostAfter_) open_ = false;
        pending_ = qMax<qint64>(0, pending_ - perWait_);
        return true;
    }
    void discardOutput() override { pending_ = 0; }

private:
    qint64 perWait_;
    int lostAfter_;
    int waits_ = 0;
    qint64 pending_ = 0;
    bool open_ = true;
};

QByteArray lines(int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b += "G1X10.Z-20.F.1\n";
    return b;
}

// lines(n) as it goes on the line: parity bits, "%" LF before and after.
QByteArray codedLines(int n) {
    QByteArray coded("\xA5\x0A");
    for (int i = 0; i < n; ++i) coded += QByteArray("\x47\xB1\xD8\xB1\x30\x2E\x5A\x2D\xB2\x30\x2E\xC6\x2E\xB1\x0A");
    return coded + "\xA5\x0A";
}

}  // namespace

TEST(SendOnPty, FramedWhenMissingParityBitsLfOnlyAndProgress) {
    Controller c;
    SendResult r = c.send("O1\r\nAC\r\n");
    EXPECT_EQ(r.outcome, SendOutcome::Sent);
    EXPECT_EQ(c.got, QByteArray("\xA5\x0A\xCF\xB1\x0A\x41\xC3\x0A\xA5\x0A"));
    const QString done = c.line.home.file("a.sp2") + "  総行数 2   送信完了";
    EXPECT_EQ(r.message, done);
    EXPECT_EQ(c.view.printed, "総行数 2\n残り行数 2\nO1\nAC\n残り行数 0\n" + done + "\n");

    c.got.clear();
    EXPECT_EQ(c.send("%\nO1\n%\n").outcome, SendOutcome::Sent);
    EXPECT_EQ(c.got, QByteArray("\xA5\x0A\xCF\xB1\x0A\xA5\x0A"));
}

TEST(SendOnPty, XoffPausesAndXonResumesWithNothingLostOrRepeated) {
    // A controller on 7 data bits with even parity, seen by a line of 8 data bits,
    // sends its XOFF with the parity bit (0x93); it holds the line just the same.
    for (const char* xoff : {"\x13", "\x93"}) {
        SCOPED_TRACE(int(quint8(xoff[0])));
        Controller c;
        int phase = 0, quietYields = 0;
        qsizetype pausedAt = 0;
        c.pump.setIdle([&] {
            const QByteArray now = c.line.pty.readAvailable();
            c.got += now;
            if (phase == 0 && c.got.size() >= 300) {
                c.line.pty.write(xoff);
                phase = 1;
            } else if (phase == 1) {
                // Held: the loop waits with bytes it cannot get out, and nothing comes.
                const bool waiting = c.line.port.pendingOutput() > kSendAheadBytes;
                quietYields = now.isEmpty() && waiting ? quietYields + 1 : 0;
                if (quietYields == 10) {
                    pausedAt = c.got.size();
                    c.line.pty.write("\x11");
                    phase = 2;
                }
            }
        });
        const QByteArray file = lines(200);
        SendResult r = c.send(file);
        EXPECT_EQ(r.outcome, SendOutcome::Sent);
        EXPECT_EQ(phase, 2);
        // 200 lines of 15 bytes, with "%" LF before and after.
        EXPECT_EQ(c.got.size(), 2 + 200 * 15 + 2);
        EXPECT_LT(pausedAt, 2000);
        EXPECT_EQ(c.got, codedLines(200));
    }
}

TEST(SendOnPty, AControllerThatHoldsTheLineOftenGetsTheWholeFile) {
    // The controller's buffer fills every few hundred bytes: XOFF, a short
    // hold, XON.  A write that finds the line just stopped must wait, not end
    // the send as if the adapter were gone.
    const struct { SerialPort::Handshaking flow; char xoff; } rows[] = {
        {SerialPort::Handshaking::XonXoff, '\x13'},
        {SerialPort::Handshaking::XonXoff, '\x93'},
        {SerialPort::Handshaking::RtsXonXoff, '\x13'},
        {SerialPort::Handshaking::RtsXonXoff, '\x93'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.flow) * 1000 + quint8(row.xoff));
        PtyLine line(row.flow);
        QByteArray got;
        std::atomic<bool> over{false};
        std::thread controller([&] {
            qsizetype nextHold = 256;
            while (!over) {
                got += line.pty.read(1, 5);
                if (got.size() < nextHold) continue;
                line.pty.write(QByteArray(1, row.xoff));
                QThread::usleep(300);
                got += line.pty.readAvailable();
                line.pty.write("\x11");
                nextHold = got.size() + 256;
            }
            got += line.pty.read(1 << 20, 300);
        });
        RecordingView view;
        ScriptedPump pump;
        pump.setIdle([] { QCoreApplication::processEvents(); });
        const SendResult r = sendFile(line.home.write("a.sp2", lines(2000)), line.port, "COM1",
                                      view, pump);
        over = true;
        controller.join();
        EXPECT_EQ(r.outcome, SendOutcome::Sent) << r.message.toStdString();
        EXPECT_EQ(got, codedLines(2000));
    }
}

TEST(SendOnPty, ALineIsPrintedOnlyOnceItsBytesHaveLeft) {
    // Held from the start, then let go: at every moment the window shows no
    // line that the controller has not had whole.
    Controller c;
    ASSERT_TRUE(c.line.pty.write("\x13"));
    QTest::qWait(50);
    int heldYields = 0;
    int worst = 0;  // printed lines beyond those that arrived, at its worst
    c.pump.setIdle([&] {
        c.got += c.line.pty.readAvailable();
        if (++heldYields == 20) c.line.pty.write("\x11");
        const int arrived = int(qMax<qsizetype>(0, c.got.size() - 2) / 15);
        worst = qMax(worst, int(c.view.printed.count("G1X10.")) - arrived);
        if (heldYields == 19) EXPECT_EQ(c.view.printed, "総行数 100\n");
    });
    SendResult r = c.send(lines(100));
    EXPECT_EQ(r.outcome, SendOutcome::Sent);
    EXPECT_EQ(worst, 0);
    EXPECT_EQ(c.view.printed.count("G1X10."), 100);
    EXPECT_EQ(c.view.printed.count("残り行数"), 4);
}

TEST(SendOnPty, StalledControllerAbandonsAndThePortWorksAgain) {
    Controller c;
    ASSERT_TRUE(c.line.pty.write("\x13"));  // XOFF, and no XON ever
    QTest::qWait(50);  // a moment for the line to take it
    SendOptions fast;
    fast.stallLimitMs = 200;
    SendResult r = c.send(lines(200), fast);
    EXPECT_EQ(r.outcome, SendOutcome::Abandoned);
    EXPECT_EQ(r.message, "NCが受信になっていないかケーブルがつながれていないか\n"
                         "通信が異常です 処理を中断終了します");
    EXPECT_LT(c.got.size(), 1000);
    // The held output was dropped: the next send goes out whole.
    c.got.clear();
    EXPECT_EQ(c.send("%\nAC\n%\n").outcome, SendOutcome::Sent);
    EXPECT_EQ(c.got, QByteArray("\xA5\x0A\x41\xC3\x0A\xA5\x0A"));
}

TEST(SendOnPty, NothingGoesOutForEmptyOrRefusedFilesOrWithoutAPort) {
    Controller c;
    SendResult r = c.send("");
    EXPECT_EQ(r.outcome, SendOutcome::NotSent);
    EXPECT_EQ(r.message, "ファイル" + c.line.home.file("a.sp2") + "は空です");
    r = c.send("O1\n(あ)\n");
    EXPECT_EQ(r.outcome, SendOutcome::NotSent);
    EXPECT_TRUE(r.message.startsWith("2行目に"));
    EXPECT_TRUE(c.got.isEmpty());
    EXPECT_TRUE(c.view.printed.isEmpty());
    QtSerialPort nowhere;  // port 1 maps to nothing in a test
    c.line.home.write("a.sp2", "O1\n");
    r = sendFile(c.line.home.file("a.sp2"), nowhere, "COM1", c.view, c.pump);
    EXPECT_EQ(r.message, "通信ポートCOM1を開けません\n通信設定とケーブルを確かめてください");
}

TEST(SendOnPaceOfTheLine, TheLastBytesMayTakeTheirTimeButALostDeviceIsNoSuccess) {
    // 30 lines stay within the bytes sent ahead, so all of them wait at the
    // end: about half a second at one byte a millisecond, far beyond the limit
    // of one line, yet moving all the time.
    const struct { int lostAfterWaits; SendOutcome outcome; bool abandonBox; } cases[] = {
        {0, SendOutcome::Sent, false},
        {20, SendOutcome::Abandoned, true},
    };
    for (const auto& k : cases) {
        TempHome home;
        PacedPort port(2, k.lostAfterWaits);
        RecordingView view;
        ScriptedPump pump;
        SendOptions o;
        o.stallLimitMs = 300;
        const QString f = home.write("a.sp2", lines(30));
        const SendResult r = sendFile(f, port, "COM1", view, pump, o);
        EXPECT_EQ(r.outcome, k.outcome) << k.lostAfterWaits;
        EXPECT_EQ(r.message.startsWith("NCが受信になっていないか"), k.abandonBox) << k.lostAfterWaits;
    }
}
