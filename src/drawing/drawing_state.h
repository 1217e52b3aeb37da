#pragma once
// The state of the drawing engine.  Part of it is kept with the editor window
// between runs (view, options, speed, mailboxes); the rest lives for one run.
// The window's key, mouse and close handlers write the mailbox fields during a
// yield; the run reads and clears them.
#include <QString>
#include <QStringList>

#include "drawing/geometry_mailbox.h"
#include "drawing/macro_variables.h"
#include "drawing/move_observer.h"
#include "platform/colour.h"

namespace drawing {

// Lines a run can hold: indices 0..1000.
inline constexpr int kMaxProgramLines = 1001;
// abortFlag value written when the editor window is closed mid-run.
inline constexpr int kAbortCode = 9999;
// fastForwardLimit meaning "draw the whole program without stopping".
inline constexpr qint64 kNoStopLimit = 99999999;
// speedDelay settings: s1, s2, s3.
inline constexpr int kSpeedLow = 150;
inline constexpr int kSpeedMiddle = 50;
inline constexpr int kSpeedHigh = 0;
// Deepest macro level that has local variables.
inline constexpr int kMaxMacroLevel = 4;

// areaSelectState values.
inline constexpr int kAreaIdle = 0;
inline constexpr int kAreaWantUpperLeft = 1;
inline constexpr int kAreaWantLowerRight = 2;
inline constexpr int kAreaChosen = 3;

static_assert(kMaxMacroLevel + 1 == MacroVariables::kLevels);

}  // namespace drawing

// Start and end point of the current move as expression texts, on the
// horizontal and vertical screen axis.
struct MovePoints {
    QString prevH, prevV, endH, endV;
};

// Values of one drawing run (owned by the run; reset when a run starts).
struct DrawingRunFields {
    int axisSign = -1;          // +1 for "m", -1 for "t"
    QStringList lines;          // the program text being interpreted
    int lastLine = 0;           // index of its last line (never interpreted)
    qint64 blockCount = 0;      // blocks taken up since the pass began
    qint64 fastForwardLimit = drawing::kNoStopLimit;  // blocks below it draw without stopping
    // Blocks up to this count are being drawn again after a restart: a "(STOP)"
    // among them was stopped at already and is passed (else "A" or a zoom at a
    // stop would come back to the same stop for ever).
    qint64 redrawUntil = 0;
    bool continuous = true;
    MovePoints points;
    CuttingModal cutting;       // feed and spindle words in force (from each pass's start)
    int displayRow = 1;         // row of the program text display
    double displayY = 0;        // y of the row last written by the program display
    int lineIndex = 0;          // line being interpreted

    // Listing name of the program being interpreted (the called program's
    // inside a macro call), for messages that name where they happened.
    QString programName;
};

struct DrawingState {
    // --- kept with the editor window between runs ---
    QString orientation;        // "t" vertical lathe, "m" horizontal; empty before the first run
    bool viewReady = false;
    double originX = 0;         // screen position of program zero, twips
    double originY = 0;
    double scale = 9;           // screen twips per program unit
    bool blockSkip = true;      // optional block skip (ON from the first run)
    bool programDisplay = false;
    int speedDelay = drawing::kSpeedHigh;  // a new editor window draws at high speed
    int macroLevel = 0;
    int areaSelectState = drawing::kAreaIdle;
    int abortFlag = 0;
    QString stopRequest;        // "end" asks the block loop to finish the run

    // Mailboxes written by the window's handlers during a yield.
    QString keyMailbox;
    QString areaX1, areaY1, areaX2, areaY2;  // area corners as decimal text
    // Questions and answers between the line, arc and corner procedures.
    GeometryMailbox geometry;

    bool running = false;       // a run is in progress (key and mouse belong to it)

    // Macro variables (common and local); emptied when a run starts.
    MacroVariables variables;

    // --- one run ---
    DrawingRunFields run;

    // Where the engine is, for messages: listing name and 1-based line.
    QString currentProgram() const { return run.programName; }
    int currentLine() const { return run.lineIndex + 1; }
};
