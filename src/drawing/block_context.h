#pragma once
// What the block interpreter may see of a drawing run: the program and where
// the loop stands in it, the points of the move, the view the moves are drawn
// in, and the few services of the loop a block needs.  The loop owns all of
// it; the interpreter answers each block with a BlockStep.
#include <QString>
#include <QStringList>

#include "drawing/drawing_state.h"
#include "drawing/geometry_context.h"
#include "drawing/macro_io.h"
#include "drawing/move_observer.h"

class MacroVariables;
class Surface;
class Dialogs;
class Pacer;

// The view and the drawing settings the drawing procedures are given.
struct DrawView {
    bool horizontal = false;    // orientation "m"
    int axisSign = -1;          // +1 for "m", -1 for "t"
    double originX = 0;
    double originY = 0;
    double scale = 9;
    int speedDelay = 0;
    qint64 fastForwardLimit = 0;
    qint64 blockCount = 0;
    bool blockSkip = true;
};

class BlockContext {
public:
    virtual ~BlockContext() = default;

    // The program being interpreted (the called program inside a macro call).
    virtual const QStringList& lines() const = 0;
    virtual int lineIndex() const = 0;
    virtual int lastLine() const = 0;
    virtual int macroLevel() const = 0;

    // Start and end point of the move as expression texts.
    virtual MovePoints& points() = 0;
    // The feed and spindle words in force, which the moves are cut at.
    virtual CuttingModal& cutting() = 0;
    virtual DrawView view() const = 0;

    virtual Surface& surface() = 0;
    virtual Dialogs& dialogs() = 0;
    // Paces traced drawing and the busy delays of the arc plotting.
    virtual Pacer& pacer() = 0;
    // What the line, arc and corner procedures see, for a move drawn under the
    // given compensation offset.
    virtual GeometryContext geometry(int compensationOffset) = 0;

    // The macro variables (kept with the window) and where they show their
    // messages and their monitor.
    virtual MacroVariables& variables() = 0;
    virtual MacroIo macroIo() = 0;

    // The block's text is taken up: program text display, block count, and a
    // "(STOP)" line switches to step mode.
    virtual void takeUpBlock(const QString& line) = 0;
    // A block containing "M30": the start point goes back to its M30 value and
    // the operator is asked.  true when the key and step handling of this block
    // are to be left out.
    virtual bool passM30(const QString& line) = 0;
    // After a move: the end point on the row of the program text display.
    virtual void showEndPointInProgramDisplay() = 0;
    // The operator went on after a quit cycle: the block count and the
    // fast-forward limit start again from 0.
    virtual void resetBlockCount() = 0;

    // For the turning cycles: the program directory (the work file), one pass
    // of the event pump (false when the window was closed meanwhile) and the
    // run's key mailbox.
    virtual QString workDir() = 0;
    virtual bool yieldOnce() = 0;
    virtual QString& keyMailbox() = 0;
};
