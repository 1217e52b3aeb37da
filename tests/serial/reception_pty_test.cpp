// Receiving from a controller on a pseudo-terminal into a file.
#include <QFileInfo>
#include <QTest>
#include "platform/scripted_dialogs.h"
#include "serial/reception.h"
#include "serial_rig.h"

using transfer::Reception;

namespace {

struct Receiver {
    explicit Receiver(SerialPort::Handshaking h = SerialPort::Handshaking::RtsXonXoff)
        : line(h), reception(line.port, view, dialogs) {
        line.port.setEventCallback([this](SerialPort::Event e) { reception.onPortEvent(e); });
        reception.setOnEnded([this](bool whole) { ended = whole ? 1 : 2; });
        path = line.home.file("r.sp2");
    }
    PtyLine line;
    RecordingView view;
    ScriptedDialogs dialogs;
    Reception reception;
    QString path;
    int ended = 0;  // 1 by the second "%", 2 by stop()
};

}  // namespace

TEST(ReceiveOnPty, ProgramWithParityBitsIsStoredCleanAsItArrivesAndEndsItself) {
    Receiver r;
    ASSERT_TRUE(r.reception.start(r.path, "COM1"));
    // "%" LF ":1" LF "G1" LF: the lines are in the file before the end comes.
    ASSERT_TRUE(r.line.pty.write(QByteArray("\xA5\x0A\x3A\xB1\x0A\x47\xB1\x0A", 8)));
    r.line.pumpUntil([&] { return readFileBytes(r.path).size() == 13; });
    EXPECT_EQ(readFileBytes(r.path), "%\r\n\r\nO1\r\nG1\r\n");
    EXPECT_TRUE(r.reception.active());
    ASSERT_TRUE(r.line.pty.write(QByteArray("\xA5\x0A\xCF\xB2\x0A", 5)));
    r.line.pumpUntil([&] { return !r.dialogs.messages().isEmpty(); });
    EXPECT_EQ(r.ended, 1);
    EXPECT_FALSE(r.reception.active());
    EXPECT_EQ(readFileBytes(r.path), "%\r\n\r\nO1\r\nG1\r\n%\r\n");
    EXPECT_EQ(r.dialogs.messages(), QStringList{"終了"});
    EXPECT_EQ(r.view.note(), "O1");
}

TEST(ReceiveOnPty, WhatCameBeforeTheReceptionStartedIsNotWritten) {
    Receiver r;
    // The end of an earlier program, then noise, while no reception runs.
    ASSERT_TRUE(r.line.pty.write("G9\n%\nM30\n"));
    QTest::qWait(100);
    ASSERT_TRUE(r.reception.start(r.path, "COM1"));
    ASSERT_TRUE(r.line.pty.write("%\nO1\n%\n"));
    r.line.pumpUntil([&] { return r.ended != 0; });
    EXPECT_EQ(readFileBytes(r.path), "%\r\n\r\nO1\r\n%\r\n");
}

TEST(ReceiveOnPty, Dc3ReachesTheReceiverOnlyWithoutXonXoff) {
    for (auto h : {SerialPort::Handshaking::None, SerialPort::Handshaking::RtsCts,
                   SerialPort::Handshaking::XonXoff, SerialPort::Handshaking::RtsXonXoff}) {
        const bool xon = h == SerialPort::Handshaking::XonXoff ||
                         h == SerialPort::Handshaking::RtsXonXoff;
        Receiver r(h);
        ASSERT_TRUE(r.reception.start(r.path, "COM1"));
        ASSERT_TRUE(r.line.pty.write("%\n\x13G1\n%\n"));
        r.line.pumpUntil([&] { return r.dialogs.messages().contains("終了"); });
        EXPECT_EQ(readFileBytes(r.path), xon ? "%\r\n\r\nG1\r\n%\r\n" : "%\r\n\r\n\x13G1\r\n%\r\n");
        EXPECT_EQ(r.dialogs.messages(), xon ? QStringList{"終了"} : QStringList({"road stop 13H", "終了"}))
            << int(h);
    }
}

TEST(ReceiveOnPty, BytesArrivingWhileABoxIsUpAreHandledAtOnce) {
    Receiver r(SerialPort::Handshaking::None);
    ASSERT_TRUE(r.reception.start(r.path, "COM1"));
    QByteArray fileWhileBoxUp;
    r.dialogs.setOnShown([&](const ScriptedDialogs::Shown& s) {
        if (s.text != "road stop 13H") return;
        r.line.pty.write("G2\n");
        r.line.pumpUntil([&] { return readFileBytes(r.path).endsWith("G2\r\n"); });
        fileWhileBoxUp = readFileBytes(r.path);
    });
    ASSERT_TRUE(r.line.pty.write("%\n\x13\n"));
    r.line.pumpUntil([&] { return !fileWhileBoxUp.isEmpty(); });
    EXPECT_EQ(fileWhileBoxUp, "%\r\n\r\n\x13\r\nG2\r\n");
}

TEST(ReceiveOnPty, EmptyReceptionIsDeletedAtStopWithItsMessages) {
    Receiver r;
    ASSERT_TRUE(r.reception.start(r.path, "COM1"));
    EXPECT_TRUE(QFileInfo::exists(r.path));
    r.reception.stop();
    EXPECT_EQ(r.ended, 2);
    EXPECT_FALSE(QFileInfo::exists(r.path));
    EXPECT_EQ(r.dialogs.messages(),
              QStringList({"ファイル" + r.path + "は空です削除します", "削除しました"}));
    // A stop after some data keeps the file.
    ASSERT_TRUE(r.reception.start(r.path, "COM1"));
    r.line.pty.write("%\nO1\n");
    r.line.pumpUntil([&] { return readFileBytes(r.path).size() == 9; });
    r.reception.stop();
    EXPECT_EQ(readFileBytes(r.path), "%\r\n\r\nO1\r\n");
}

TEST(ReceiveOnPty, AFullDiskStopsTheReceptionInsteadOfReportingItDone) {
    Receiver r;
    ASSERT_TRUE(r.reception.start("/dev/full", "COM1"));
    ASSERT_TRUE(r.line.pty.write("%\nO1\nG1\n%\n"));
    r.line.pumpUntil([&] { return !r.dialogs.messages().isEmpty(); });
    EXPECT_EQ(r.ended, 2);
    EXPECT_FALSE(r.reception.active());
    EXPECT_EQ(r.dialogs.messages(), QStringList{"ファイル/dev/fullに書き込めません\n受信を中止します"});
}
