#include "serial/transfer_texts.h"

#include "drawing/number_text.h"
#include "platform/plain_file.h"

namespace transfer {

QString fileFilter(const QString& machine) {
    const QString ext = machineExtension(machine);
    return QStringLiteral("ファイル (*.") + ext + QStringLiteral(")|*.") + ext + QStringLiteral("|") +
           QStringLiteral("すべてのファイル 　(*.*)|*.*|") +
           QStringLiteral("ＮＣ　ファイル (*.NC)|*.NC|") +
           QStringLiteral("テキスト ファイル (*.txt)|*.txt|");
}

QString proposedReceiveName(const QDateTime& now, const QString& machine) {
    return now.toString(QStringLiteral("yyMMddHHmmss")) + QLatin1Char('.') + machineExtension(machine);
}

QString totalLinesText(int lines) { return QStringLiteral("総行数") + nt::str(lines); }

QString remainingLinesText(int lines) { return QStringLiteral("残り行数") + nt::str(lines); }

QString sendDoneText(const QString& file, int lines) {
    return file + QStringLiteral("  総行数") + nt::str(lines) + QStringLiteral("   送信完了");
}

QString emptySendFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file + QStringLiteral("は空です");
}

QString emptyReceivedFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file + QStringLiteral("は空です削除します");
}

QString receiveDoneText(const QString& file) { return file + QStringLiteral("   読み込み終了"); }

QString unsendableLineMessage(int lineNo, const QString& line) {
    return QString::number(lineNo) + QStringLiteral("行目に7ビットのISOコードで送れない文字があります\n") +
           line + QStringLiteral("\n送信しません");
}

QString tooManyLinesMessage(int lines, int limit) {
    return QStringLiteral("行数が") + QString::number(lines) + QStringLiteral("行あります\n") +
           QString::number(limit) + QStringLiteral("行を超えるファイルは送信できません");
}

QString unreadableFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file + QStringLiteral("を読めません");
}

QString tooLargeFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file +
           QStringLiteral("は大きすぎます（最大%1MB）").arg(kMaxFileReadBytes >> 20);
}

QString uncreatableFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file + QStringLiteral("を作れません");
}

QString unwritableFileMessage(const QString& file) {
    return QStringLiteral("ファイル") + file + QStringLiteral("に書き込めません\n受信を中止します");
}

QString portNotOpenMessage(const QString& portName) {
    return QStringLiteral("通信ポート") + portName +
           QStringLiteral("を開けません\n通信設定とケーブルを確かめてください");
}

QString eventName(SerialPort::Event e) {
    using E = SerialPort::Event;
    switch (e) {
    case E::Receive: return {};
    case E::Break: return QStringLiteral("break");
    case E::CtsTimeout: return QStringLiteral("cts");
    case E::DsrTimeout: return QStringLiteral("dsr");
    case E::Frame: return QStringLiteral("frm");
    case E::Overrun: return QStringLiteral("overrun");
    case E::CdTimeout: return QStringLiteral("cdtd");
    case E::RxOver: return QStringLiteral("rxover");
    case E::RxParity: return QStringLiteral("rxparity");
    case E::TxFull: return QStringLiteral("txfull");
    case E::Dcb: return QStringLiteral("dcb");
    case E::Send: return QStringLiteral("evsend");
    case E::Cts: return QStringLiteral("evcts");
    case E::Dsr: return QStringLiteral("evdsr");
    case E::Cd: return QStringLiteral("evcd");
    case E::Ring: return QStringLiteral("evring");
    case E::Eof: return QStringLiteral("evedf");
    case E::Error: return QStringLiteral("error");
    }
    return {};
}

}  // namespace transfer
