#pragma once
// Command-line options of `tssnc-cli draw` and `tssnc-cli check`.
#include <QString>
#include <QStringList>

#include "cli/headless_run.h"

struct DrawOptions {
    QString file;
    QString program;          // empty: listing entry 1
    QString lathe = QStringLiteral("t");
    int widthPx = 1920;
    int heightPx = 1080;
    QString pngPath;          // empty: no picture
    QString tracePath;        // empty: no trace; "-": standard output
    QString answersPath;      // empty: defaults only
    qint64 maxBlocks = kDefaultMaxBlocks;
    bool fit = false;         // --fit: the part fills the picture
};

struct StatsOptions {
    QString file;
    QString program;          // empty: every program of the file
    QString lathe = QStringLiteral("t");
    double rapid = 10000;     // mm/min
};

struct CheckOptions {
    QString lathe = QStringLiteral("t");
    QStringList files;
};

// Both return an empty text when the options are fine, else what is wrong.
QString parseDrawOptions(const QStringList& args, DrawOptions& opts);
QString parseCheckOptions(const QStringList& args, CheckOptions& opts);
QString parseStatsOptions(const QStringList& args, StatsOptions& opts);
