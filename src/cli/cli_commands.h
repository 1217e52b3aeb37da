#pragma once
// Subcommands of tssnc-cli.  Each returns the process exit status
// (0 fine, 1 refused/engine error, 2 usage or file error).
#include <QStringList>
#include <QTextStream>

int cmdEval(const QStringList& args, QTextStream& out);
int cmdList(const QStringList& args, QTextStream& out);
int cmdExtract(const QStringList& args, QTextStream& out);
int cmdReadout(const QStringList& args, QTextStream& out);
int cmdDraw(const QStringList& args, QTextStream& out);
int cmdCheck(const QStringList& args, QTextStream& out);
int cmdStats(const QStringList& args, QTextStream& out);
// Exit status 0 transfer done, 1 abandoned or failed, 2 usage.
int cmdSend(const QStringList& args, QTextStream& out);
int cmdReceive(const QStringList& args, QTextStream& out);

// Returned by a subcommand whose arguments do not fit: the usage is printed and
// the exit status is 2.  A subcommand that reports its own error (one line on
// standard error) returns 2 itself.
constexpr int kBadUsage = -2;

// "message: TEXT" line for a box the command would have shown.
void printMessageLine(QTextStream& out, const QString& text);
