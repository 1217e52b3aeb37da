#pragma once
// The macro variables of the drawing engine (myhnum, myatai): common variables
// #31 and above in a table of rows claimed in order, local variables #0..#33
// for each macro level 0..4.  Values are kept as the text they were given and
// evaluated on every read, as the controller does with an expression.  The
// tables are kept with the window's drawing state and emptied when a run starts.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "drawing/macro_io.h"

class MacroVariables {
public:
    // Common variables: numbers from kFirstCommon on, at most kMaxCommonRows in use.
    static constexpr int kFirstCommon = 31;
    static constexpr int kMaxCommonRows = 50;
    // Local variables: numbers 0..kLastLocal on each level 0..kLevels-1.
    static constexpr int kLastLocal = 33;
    static constexpr int kLevels = 5;
    // myhnum's number for "repaint the monitor only" and the clear request.
    static constexpr int kRepaintOnly = -1;
    static inline const QString kClearValue = QStringLiteral("00");
    // Largest variable number a block may name (16-bit).
    static constexpr int kMaxNumber = 32767;

    // myhnum(number, value, level):
    //   number -1                 repaints the monitor for the level;
    //   number 0 and value "00"   clears the locals 1..33 of the level, repaints;
    //   value not empty           stores it (unevaluated), repaints;
    //   value empty               reads: the stored text evaluated, a negative
    //                             result in brackets ("[-2.5]").
    // An undefined variable shows "変数# 101は未定義です" and gives empty text (a
    // local one reported just before gives " 0" without a message).  Faults
    // (51st common variable, level outside 0..4, number below -1, an arithmetic
    // fault of the stored expression) come back in MacroText::fault; nothing is
    // stored then.
    MacroText myhnum(int number, const QString& value, int level, const MacroIo& io);

    // The same operations by name.
    MacroText read(int number, int level, const MacroIo& io) { return myhnum(number, {}, level, io); }
    MacroText assign(int number, const QString& value, int level, const MacroIo& io);
    MacroText clearLevel(int level, const MacroIo& io) { return myhnum(0, kClearValue, level, io); }
    MacroText repaint(int level, const MacroIo& io) { return myhnum(kRepaintOnly, {}, level, io); }

    // myatai(line, start, end, level): the value text of the stretch start..end
    // (1-based, end inclusive; end 0 means the end of the line) with every #n
    // replaced by its value.  Stops at the first character that cannot belong
    // to a value.  "#n=" gives assignmentTarget; a bracket without its partner
    // gives the fault line + "[]の数が合いません終了します" with text "err".
    MacroText myatai(const QString& line, int start, int end, int level, const MacroIo& io);

    // Empties every table (the start of a drawing run).
    void clearAll();

    // --- for the monitor and for tests ---
    struct CommonRow {
        QString number;  // as written, without blanks: "101"
        QString value;   // stored text; empty while the variable is undefined
    };
    const QList<CommonRow>& commonRows() const { return common_; }
    // Stored text of a local variable (empty when undefined).
    QString localText(int number, int level) const;

private:
    std::optional<QString> checkCall(int number, int level) const;
    // Row of a common variable, claimed when new; -1 when the table is full.
    int commonRow(int number);
    MacroText readValue(int number, int level, const MacroIo& io);
    void paintMonitor(int level, const MacroIo& io);

    QList<CommonRow> common_;
    std::array<std::array<QString, kLevels>, kLastLocal + 1> local_{};
    int lastReportedLocal_ = -1;  // last undefined local variable reported
    int monitorLinesPainted_ = 0;
};
