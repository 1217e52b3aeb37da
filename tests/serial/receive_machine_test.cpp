// The receive state machine: bytes with parity bits in, clean lines out.
#include <gtest/gtest.h>

#include "serial/receive_machine.h"
#include "serial/transfer_texts.h"
#include "serial_rig.h"

using transfer::ReceiveMachine;

TEST(ReceiveMachine, ParityStrippedColonBecomesOAndItStopsAtTheSecondPercent) {
    RecordingView view;
    ReceiveMachine m(view, "/w/r.sp2");
    // NUL leader, "%" LF ":12" CR LF "G0X1." LF, split over two arrivals.
    const QByteArray first("\x00\x00\xA5\x0A\x3A\xB1\xB2\x8D\x0A\x47", 10);
    ReceiveMachine::Result r = m.feed(first);
    EXPECT_EQ(r.fileBytes, QByteArray("%\r\n\r\nO12\r\nG"));
    EXPECT_FALSE(r.finished);
    EXPECT_EQ(view.note(), "O12");
    // "0X1." LF TAB "%" then bytes after the end that are not taken.
    r = m.feed(QByteArray("\x30\xD8\xB1\x2E\x0A\x09\xA5\x0A\xCF\xB1", 10));
    EXPECT_EQ(r.fileBytes, QByteArray("0X1.\r\n%\r\n"));
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.messages, QStringList{"終了"});
    EXPECT_TRUE(m.feed("O9\n").fileBytes.isEmpty());
    EXPECT_EQ(view.printed, ":0:0%:A\nO12:D:A\nG0X1.:A\n:9%/w/r.sp2   読み込み終了\n");
    EXPECT_EQ(view.note(), "O12");
}

TEST(ReceiveMachine, NotesRoadStopAndLineCounting) {
    RecordingView view;
    ReceiveMachine m(view, "f");
    // Only a line that begins with "O" goes to the note; ":" inside a line stays.
    ReceiveMachine::Result r = m.feed("%\nN1:2\nO77(A)\n");
    EXPECT_EQ(r.fileBytes, "%\r\n\r\nN1:2\r\nO77(A)\r\n");
    EXPECT_EQ(view.notes, QStringList{"O77(A)"});
    EXPECT_EQ(m.lines(), 4);
    // DC3 is stored as it came and reported.
    r = m.feed("\x93G1\n");
    EXPECT_EQ(r.messages, QStringList{"road stop 13H"});
    EXPECT_EQ(r.fileBytes, "\x13G1\r\n");
    // CR counts a line of its own; the print area starts over at 60 lines, once.
    EXPECT_EQ(view.clears, 1);
    QByteArray many;
    for (int i = 0; i < 54; ++i) many += "G1\r\n";
    m.feed(many);
    EXPECT_EQ(m.lines(), 5 + 108);
    EXPECT_EQ(view.clears, 2);
}

TEST(ReceiveMachine, ALineWithoutEndIsGivenToTheNoteOncePerArrival) {
    // A long line without LF must not cost a copy of the line per character.
    RecordingView view;
    ReceiveMachine m(view, "f");
    const QByteArray part(2000, 'X');
    m.feed("%\nO" + part);
    for (int i = 0; i < 3; ++i) m.feed(part);
    EXPECT_EQ(view.notes.size(), 4);
    EXPECT_EQ(view.note(), "O" + QString(8000, QLatin1Char('X')));
}
