#pragma once
// A file made ready for sending: its lines as read, the same lines in line code,
// and whether "%" lines must be added before and after.
#include <QByteArray>
#include <QList>
#include <QStringList>

namespace transfer {

// More lines than this are not sent (the file is refused with a message).
constexpr int kMaxSendLines = 39999;
// Empty lines at the end of a file that are not sent, at most.
constexpr int kMaxDroppedTrailingEmptyLines = 3;

struct SendPlan {
    QStringList lines;       // as printed on the window
    QList<QByteArray> coded; // the same in line code, without LF
    bool leadingPercent = false;   // the first line does not begin with "%"
    bool trailingPercent = false;  // the last line does not begin with "%"
};

struct PlanResult {
    SendPlan plan;
    bool empty = false;  // nothing to send
    QString refusal;     // why the file is not sent; empty when it can be
};

// bytes: the contents of the file (UTF-8 or Shift_JIS).
PlanResult planSend(const QByteArray& bytes);

}  // namespace transfer
