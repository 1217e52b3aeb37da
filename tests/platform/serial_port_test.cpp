// The serial line: settings text, port numbers to devices, and a real open,
// transfer and close on a pseudo-terminal (the test plays the controller on the
// master side).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include "common/pty.h"
#include "common/temp_home.h"
#include "platform/port_map.h"
#include "platform/qt_serial_port.h"
#include "platform/serial_input_marks.h"
#include <termios.h>


TEST(SerialSettings, TextIsCheckedAndKeptAsWritten) {
    QtSerialPort p;
    EXPECT_EQ(p.settings(), "9600,e,7,1");
    EXPECT_EQ(p.handshaking(), SerialPort::Handshaking::RtsXonXoff);
    EXPECT_EQ(p.portNumber(), 1);
    EXPECT_TRUE(p.setSettings("4800,N,8,2"));
    EXPECT_EQ(p.settings(), "4800,N,8,2");
    QtSerialPort::LineSettings s;
    ASSERT_TRUE(QtSerialPort::parseSettings("300,o,7,1.5", &s));
    EXPECT_EQ(s.baud, 300);
    EXPECT_EQ(s.parity, QSerialPort::OddParity);
    EXPECT_EQ(s.dataBits, QSerialPort::Data7);
    EXPECT_EQ(s.stopBits, QSerialPort::OneAndHalfStop);
    for (const char* bad : {"", "9600", "9600,e,7", "9600,x,7,1", "9600,e,9,1", "9600,e,7,3",
                            "-9600,e,7,1", "abc,e,7,1", "9600,e,7,1,1"}) {
        EXPECT_FALSE(p.setSettings(bad)) << bad;
    }
    EXPECT_EQ(p.settings(), "4800,N,8,2");  // a refused text changes nothing
}

TEST(SerialSettings, HandshakingNamesAsTheWindowsShowThem) {
    EXPECT_EQ(handshakingName(SerialPort::Handshaking::None), "None");
    EXPECT_EQ(handshakingName(SerialPort::Handshaking::XonXoff), "XOnXoff");
    EXPECT_EQ(handshakingName(SerialPort::Handshaking::RtsCts), "RTS");
    EXPECT_EQ(handshakingName(SerialPort::Handshaking::RtsXonXoff), "RTSXOnXOff");
}

TEST(SerialPortMap, NumbersMapToDevicesAndTheIniOverrides) {
    EXPECT_EQ(serialDeviceName(1, {}, false), "/dev/ttyS0");
    EXPECT_EQ(serialDeviceName(3, {}, false), "/dev/ttyS2");
    const QByteArray ini("Dir0 =sp2\r\nCOM2 =/dev/ttyUSB0 \r\ncom10=/dev/ttyACM1\r\n"
                         "COM2 = /dev/ttyUSB1\r\nCOM3 =\r\n");
    EXPECT_EQ(serialDeviceName(2, ini, false), "/dev/ttyUSB1");  // the last line wins
    EXPECT_EQ(serialDeviceName(10, ini, false), "/dev/ttyACM1");
    EXPECT_EQ(serialDeviceName(1, ini, false), "/dev/ttyS0");    // COM10 is not COM1
    EXPECT_EQ(serialDeviceName(3, ini, false), "/dev/ttyS2");    // empty mapping ignored
}

TEST(SerialPortMap, WithoutRealPortsOnlyMappedPortsExist) {
    const QByteArray ini("COM2 =/dev/ttyUSB0\r\n");
    EXPECT_EQ(serialDeviceName(2, ini, true), "/dev/ttyUSB0");
    for (int n : {0, 1, 3, 4}) {
        QString d = serialDeviceName(n, ini, true);
        EXPECT_FALSE(d.startsWith("/dev/")) << d.toStdString();
        EXPECT_FALSE(QFileInfo::exists(d)) << d.toStdString();
    }
    // The test program runs with TSSNC_NO_REAL_PORTS=1: the ini of the program
    // directory is the only way to a device.
    TempHome home;
    EXPECT_FALSE(serialDeviceName(1).startsWith("/dev/"));
    home.write("tssnc.ini", "COM1 =/dev/null\r\n");
    EXPECT_EQ(serialDeviceName(1), "/dev/null");
}

TEST(SerialPortOpen, UnmappedPortFailsToOpenWithoutHarm) {
    TempHome home;
    QtSerialPort p;
    EXPECT_FALSE(p.open());
    EXPECT_FALSE(p.isOpen());
    EXPECT_EQ(p.write("x"), -1);
    EXPECT_TRUE(p.readAll().isEmpty());
    p.close();
    EXPECT_FALSE(p.isOpen());
}

TEST(SerialPortOpen, PseudoTerminalOpensPassesBytesRawBothWaysAndCloses) {
    TempHome home;
    Pty pty;
    ASSERT_TRUE(pty.ok());
    home.write("tssnc.ini", "Dir0 =sp2\r\n" + ptyIniLine(2, pty));
    pty.dropOwnSlave();

    QtSerialPort p;
    int receiveEvents = 0;
    p.setEventCallback([&](SerialPort::Event e) {
        if (e == SerialPort::Event::Receive) ++receiveEvents;
    });
    EXPECT_FALSE(p.open());  // port 1 is not mapped
    p.setPortNumber(2);
    p.setHandshaking(SerialPort::Handshaking::None);
    ASSERT_TRUE(p.open()) << p.errorString().toStdString();
    EXPECT_TRUE(p.isOpen());
    EXPECT_EQ(p.openDeviceName(), pty.slavePath());

    // Parity bit already set by the sender: 0xC3 must arrive as written.
    const QByteArray out("\xC3\x41\x0A", 3);
    EXPECT_EQ(p.write(out), 3);
    ASSERT_TRUE(p.waitForBytesWritten(3000));
    EXPECT_EQ(pty.read(3), out);

    // Received: bit 7 cleared (a parity bit carried as data).
    const QByteArray in("%\x0A\xCF\xB1", 4);
    ASSERT_TRUE(pty.write(in));
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < in.size() && t.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        got += p.readAll();
    }
    EXPECT_EQ(got, QByteArray("%\x0AO1"));
    EXPECT_GE(receiveEvents, 1);

    p.close();
    EXPECT_FALSE(p.isOpen());
    EXPECT_TRUE(pty.slaveClosed());
    // Open again on the same device.
    ASSERT_TRUE(p.open());
    p.close();
}

TEST(SerialPortOpen, SettingsAndHandshakingApplyToAnOpenPort) {
    TempHome home;
    Pty pty;
    ASSERT_TRUE(pty.ok());
    home.write("tssnc.ini", ptyIniLine(1, pty));
    pty.dropOwnSlave();
    QtSerialPort p;
    ASSERT_TRUE(p.open());  // defaults: 9600,e,7,1 with RTS + XON/XOFF
    EXPECT_EQ(p.write("B"), 1);
    ASSERT_TRUE(p.waitForBytesWritten(3000));
    EXPECT_EQ(pty.read(1), QByteArray("B"));
    EXPECT_TRUE(p.setSettings("4800,n,8,2"));
    p.setHandshaking(SerialPort::Handshaking::XonXoff);
    EXPECT_TRUE(p.isOpen());
    EXPECT_EQ(p.write("A"), 1);
    ASSERT_TRUE(p.waitForBytesWritten(3000));
    EXPECT_EQ(pty.read(1), QByteArray("A"));
    p.close();
}

TEST(SerialPortOpen, FlowControlModesSetTheLineDiscipline) {
    TempHome home;
    Pty pty;
    ASSERT_TRUE(pty.ok());
    QtSerialPort p;
    p.setDevice(pty.slavePath());
    pty.dropOwnSlave();
    ASSERT_TRUE(p.open());
    using H = SerialPort::Handshaking;
    const struct { H h; bool crtscts, xon; } modes[] = {
        {H::RtsXonXoff, true, true}, {H::None, false, false},
        {H::RtsCts, true, false},    {H::XonXoff, false, true},
    };
    for (const auto& m : modes) {
        p.setHandshaking(m.h);
        termios t{};
        ASSERT_EQ(::tcgetattr(int(p.nativeHandle()), &t), 0);
        EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, m.crtscts) << int(m.h);
        EXPECT_EQ((t.c_iflag & (IXON | IXOFF)) == (IXON | IXOFF), m.xon) << int(m.h);
        EXPECT_EQ(t.c_iflag & IXANY, 0u) << int(m.h);  // only XON restarts the output
        // Faulty characters are marked, never dropped; bit 7 of what comes is cleared.
        EXPECT_EQ(t.c_iflag & (ISTRIP | INPCK | PARMRK | IGNPAR), tcflag_t(ISTRIP | INPCK | PARMRK))
            << int(m.h);
        if (m.xon) {  // the test's pty starts with no flow characters at all
            EXPECT_EQ(t.c_cc[VSTART], 0x11);
            EXPECT_EQ(t.c_cc[VSTOP], 0x13);
        }
    }
    // A new parity setting keeps the checks.
    ASSERT_TRUE(p.setSettings("4800,o,7,2"));
    termios t{};
    ASSERT_EQ(::tcgetattr(int(p.nativeHandle()), &t), 0);
    EXPECT_EQ(t.c_iflag & (INPCK | PARMRK | IGNPAR), tcflag_t(INPCK | PARMRK));
    p.close();
    EXPECT_EQ(p.nativeHandle(), -1);
}

TEST(SerialPortOpen, ALostDeviceIsReportedAndLetGo) {
    TempHome home;
    auto pty = std::make_unique<Pty>();
    QtSerialPort p;
    p.setDevice(pty->slavePath());
    pty->dropOwnSlave();
    ASSERT_TRUE(p.open());
    QList<SerialPort::Event> events;
    p.setEventCallback([&](SerialPort::Event e) { events << e; });
    pty->closeMaster();
    QElapsedTimer t;
    t.start();
    while (p.isOpen() && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(p.isOpen());
    EXPECT_TRUE(events.contains(SerialPort::Event::Error));
    // Once the device is back the port opens again.
    Pty again;
    p.setDevice(again.slavePath());
    EXPECT_TRUE(p.open());
}

TEST(SerialInputMarks, GarbledCharactersAndBreaksAreTakenOutOfTheDataInTheirPlace) {
    // Each case in two arrivals, to see marks cut between them.
    const struct { QByteArray a, b, data; int garbled, breaks; } cases[] = {
        {"G1", "X2", "G1X2", 0, 0},
        {QByteArray("X1\xFF\x00\xB2.", 6), "", "X1?.", 1, 0},
        {QByteArray("X1\xFF", 3), QByteArray("\x00\x35.", 3), "X1?.", 1, 0},
        {QByteArray("X1\xFF\x00", 4), QByteArray("\x35\xFF\xFF", 3), "X1?\xFF", 1, 0},
        {QByteArray("\xFF\x00\x00%", 4), QByteArray("\xFF\x00\x41\xFF\x00\x42", 6), "%??", 2, 1},
    };
    for (const auto& k : cases) {
        QByteArray carry;
        UnmarkedInput first = unmarkInput(carry, k.a);
        const UnmarkedInput second = unmarkInput(carry, k.b);
        EXPECT_EQ(first.data + second.data, k.data) << k.a.toHex().toStdString();
        EXPECT_EQ(first.garbled + second.garbled, k.garbled) << k.a.toHex().toStdString();
        EXPECT_EQ(first.breaks + second.breaks, k.breaks) << k.a.toHex().toStdString();
        EXPECT_TRUE(carry.isEmpty());
    }
}
