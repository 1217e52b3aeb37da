#pragma once
// The rough-turning cycles (mycycle): G71 roughs with passes along Z, G72 with
// passes along X.  A cycle is written in two blocks:
//   G71 U2. R.5                      depth of cut per side, retract
//   G71 P100 Q200 U.4 W.1            first and last N of the finishing shape,
//   N100 ...                         finishing allowances in X and Z
//   N200 ...
// or in one block that holds P, Q and the depth D:
//   G71 P100 Q200 U.4 W.1 D2000 R.5  (D in thousandths without a decimal point)
// The first block only stores its values.  The second collects the finishing
// shape from N=P to N=Q, checks it, draws the roughing passes (cycle_roughing)
// up to the shape shifted by the allowances, then the shifted finishing shape
// and the rapid return to the start.  Every move goes through myline, mycircle and
// mycircleR; where a pass meets an arc or a rounded corner is asked of
// mycircle and mycircleR in their query modes.
#include <QString>
#include <QStringList>

#include "drawing/geometry_context.h"
#include "platform/colour.h"

// Values of a cycle's first block, kept for its second block (and for later
// cycles until the next first block).  Texts as the program wrote them.
struct CycleSettings {
    QString cutDepth;  // U of G71, W of G72 (per side); stored non-negative
    QString retractX;  // R: the lift on X (doubled, as a diameter)
    QString retractZ;  // R again: the lift on Z
};

// What the cycle needs of the run besides the geometry.
class CycleHost {
public:
    virtual ~CycleHost() = default;
    // The value text of an address word of a block (mynum): "X", ",R" ...;
    // empty when the word is absent.
    virtual QString word(const QString& block, const QString& key) = 0;
    // Lets pending input reach the window once; false when the window was
    // closed meanwhile.
    virtual bool yieldOnce() = 0;
    // The run's key mailbox.
    virtual QString& keyMailbox() = 0;
};

struct CycleCall {
    int lineIndex = 0;  // the cycle block
    QString endH;       // the tool position, expression texts of the screen axes
    QString endV;
    colour::Rgb colour = colour::kRed;  // the move colour the block left
};

struct CycleOutcome {
    // Where the interpreter stands afterwards: the Q block after a second
    // block (it goes on with the line after it), else the cycle block.
    int lineIndex = 0;
    colour::Rgb colour = colour::kRed;  // an arc of the finishing shape leaves its colour
    // Q was pressed during the roughing: the finishing shape was left out and
    // the operator is to be asked whether to end the drawing.
    bool quit = false;
};

// The cycle block `call.lineIndex` of `lines` (the cycle's own copy of the
// program).  g carries the view, the orientation (axisSign) and the pace.
CycleOutcome mycycle(const GeometryContext& g, CycleHost& host, CycleSettings& settings,
                     const QStringList& lines, const CycleCall& call);

// The program handed to the cycle through the work file tenmp.$$$ in dir:
// written, read back as the cycle's own copy (at most the run's line count)
// and deleted.  The lines as given when the file cannot be written.
QStringList cycleLinesThroughWorkFile(const QString& dir, const QStringList& lines);
