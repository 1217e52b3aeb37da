#pragma once
// What the line, arc, corner and chamfer procedures see of a drawing run: the
// surface, the message boxes, the mailbox, the pace of the drawing, the view
// mapping and the values every move passes on.  The caller fills one in from
// its drawing state for each call (it is a handful of references and numbers).
#include <QtGlobal>

#include "drawing/geometry_mailbox.h"

class Surface;
class Dialogs;
class Pacer;
class MoveObserver;
struct CuttingModal;

struct GeometryContext {
    Surface& surface;
    Dialogs& dialogs;
    GeometryMailbox& mailbox;
    // The run's own speed setting (150 / 50 / 0).  A corner rounded during a
    // fast redraw sets it to 0.
    int& speedDelay;
    // Paces traced drawing and repaints a growing picture; null draws at once
    // (command-line tool, tests).
    Pacer* pacer = nullptr;

    // View mapping: screen x = originX + scale*h, screen y = originY - scale*v/2.
    double originX = 0;
    double originY = 0;
    double scale = 1;

    qint64 fastForwardLimit = 0;  // blocks below it are neither traced nor delayed
    qint64 blockCount = 0;
    int compensationOffset = 0;   // +-30*axisSign under G41/G42, 0 under G40
    int axisSign = 1;             // +1 "m", -1 "t"

    // Told of every move drawn (null: nobody listens), with the modal feed
    // and spindle words it is cut at.
    MoveObserver* observer = nullptr;
    const CuttingModal* cutting = nullptr;

    double screenX(double h) const { return originX + scale * h; }
    double screenY(double v) const { return originY - scale * v / 2; }
};

// A point in program values on the two screen axes (h, v).
struct ProgramPoint {
    double h = 0;
    double v = 0;
};
