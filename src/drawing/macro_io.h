#pragma once
// What the macro variables need from the run they serve: where messages that
// let the run go on are shown, where the variable monitor is painted, and the
// text its level line names the program by.  The tables themselves outlive a
// run, so they are handed this at every call instead of keeping it.
#include <QString>
#include <optional>

class Dialogs;
class Surface;

struct MacroIo {
    Dialogs& dialogs;
    Surface* monitor = nullptr;  // null: the monitor is not painted
    QString caption;             // shown after "Nest Lebl" and the level
};


// The value of a variable read, of myatai or of mynum.  A fault ends the drawing
// run: its message has not been shown yet; the caller shows it on the run's one
// error path (DrawingRun::fail).  Messages after which the run goes on (an
// undefined variable, a grammar fault of the evaluator) were shown already.
struct MacroText {
    QString text;                   // the value text; empty when there is none
    bool assignmentTarget = false;  // myatai stopped at "#n=" (no value)
    std::optional<QString> fault;   // set: the run ends with this message
    // The fault is an arithmetic fault of the evaluator (the run names the
    // block it happened in).
    bool arithmetic = false;

    bool failed() const { return fault.has_value(); }
    static MacroText value(const QString& t) { return MacroText{t, false, std::nullopt}; }
    static MacroText failure(const QString& message, const QString& t = QString()) {
        return MacroText{t, false, message};
    }
};
