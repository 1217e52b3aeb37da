#pragma once
// Received bytes as the line discipline hands them over when it marks faults
// (termios PARMRK, with ISTRIP so that no data byte is 0xFF): 0xFF 0x00 c is a
// character c that came with a parity or framing error, 0xFF 0x00 0x00 a break,
// 0xFF 0xFF a data byte 0xFF.  A character that came garbled is kept in its place
// as kGarbledChar, never silently dropped or passed on as if it were good: a
// program received with it cannot run as a different program.
#include <QByteArray>

constexpr char kGarbledChar = '?';

struct UnmarkedInput {
    QByteArray data;      // the received bytes, marks taken out
    int garbled = 0;      // characters that came with a parity or framing error
    int breaks = 0;       // break conditions on the line
};

// Takes the marks out of `raw`.  A mark cut off at the end of `raw` is kept in
// `carry` and completed by the next call.
UnmarkedInput unmarkInput(QByteArray& carry, const QByteArray& raw);
