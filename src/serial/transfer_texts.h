#pragma once
// The fixed texts of sending and receiving: dialog titles, file filter, printed
// progress, the operator's messages and the names of port events.
#include <QDateTime>
#include <QString>
#include "platform/machine_extension.h"
#include "platform/serial_port.h"

namespace transfer {

inline const QString kSendDialogTitle = QStringLiteral("送信ファイル選択画面");
inline const QString kReceiveDialogTitle = QStringLiteral("受信ファイル選択画面");
inline const QString kSendCaption = QStringLiteral("送信");
inline const QString kSendingCaption = QStringLiteral("送信中");
inline const QString kReceiveCaption = QStringLiteral("受信");
inline const QString kReceivingCaption = QStringLiteral("受信中止");
inline const QString kRoadStopMessage = QStringLiteral("road stop 13H");
inline const QString kReceiveEndMessage = QStringLiteral("終了");
inline const QString kDeletedMessage = QStringLiteral("削除しました");
inline const QString kAbandonMessage =
    QStringLiteral("NCが受信になっていないかケーブルがつながれていないか\n"
                   "通信が異常です 処理を中断終了します");

// The file dialogs' filter pairs for a machine.
QString fileFilter(const QString& machine);
// Proposed name of a received file: two-digit year, month, day, hour, minute,
// second, "." and the machine's extension.
QString proposedReceiveName(const QDateTime& now, const QString& machine);

QString totalLinesText(int lines);      // "総行数 12"
QString remainingLinesText(int lines);  // "残り行数 40"
QString sendDoneText(const QString& file, int lines);
QString emptySendFileMessage(const QString& file);
QString emptyReceivedFileMessage(const QString& file);
QString receiveDoneText(const QString& file);
// A line that the 7-bit code cannot carry (lineNo counts from 1).
QString unsendableLineMessage(int lineNo, const QString& line);
QString tooManyLinesMessage(int lines, int limit);
QString unreadableFileMessage(const QString& file);
QString tooLargeFileMessage(const QString& file);
QString uncreatableFileMessage(const QString& file);
// Writing the received file failed (disk full): the reception stops.
QString unwritableFileMessage(const QString& file);
QString portNotOpenMessage(const QString& portName);

// Name of a port event as the note box shows it ("break", "evcts" ...); empty for
// the receive event itself.
QString eventName(SerialPort::Event e);

}  // namespace transfer
