#pragma once
// The current end point in program units for the operator: X as a diameter and
// Z as written, whatever the orientation (position read-out and the program
// text display).
#include <QString>

struct DrawingState;
class Dialogs;

struct PointValues {
    QString x;  // number text, empty when the expression could not be evaluated
    QString z;
};

// Faults are not shown here: the move that uses the point reports them.
PointValues endPointValues(const DrawingState& state);

// Evaluates an expression text of the engine without showing any message;
// empty on a fault.
QString evaluateQuietly(const QString& expression);

// Boxes that are never shown: every message dropped, every question answered
// No, every input its default.
Dialogs& silentDialogs();
