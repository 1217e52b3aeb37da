#pragma once
// What happens after a block: the interpreter's answer to the block loop.
#include <QString>

struct BlockStep {
    enum class Kind {
        Next,  // the line after the block
        Jump,  // the line `line` (GOTO, WHILE/END, G70)
        Call,  // program `program` one macro level deeper, from its first line
        End,   // the run ends
    };
    Kind kind = Kind::Next;
    int line = -1;
    QString program;
    // End: the message shown before the run ends (empty: none, or shown
    // already by the procedure that found the fault).
    QString message;
    // End: a fault of the program ended the run (not the operator).
    bool fault = false;
    // Next: straight on, without the key and step handling of this block
    // (M30 within the last lines of the text).
    bool skipStepHandling = false;

    static BlockStep next() { return {}; }
    static BlockStep nextWithoutStop() {
        BlockStep s;
        s.skipStepHandling = true;
        return s;
    }
    static BlockStep jump(int line) {
        BlockStep s;
        s.kind = Kind::Jump;
        s.line = line;
        return s;
    }
    static BlockStep call(const QString& program) {
        BlockStep s;
        s.kind = Kind::Call;
        s.program = program;
        return s;
    }
    // A fault of the program: the message is shown and the run ends.
    static BlockStep fail(const QString& message) {
        BlockStep s;
        s.kind = Kind::End;
        s.message = message;
        s.fault = true;
        return s;
    }
    // The operator chose to end the run.
    static BlockStep quit() {
        BlockStep s;
        s.kind = Kind::End;
        return s;
    }
};
