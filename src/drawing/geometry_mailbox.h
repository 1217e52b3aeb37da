#pragma once
// The mailbox between the drawing procedures: the turning cycles ask the arc
// and the corner rounding where a pass meets them, and the corner rounding
// hands its second tangent point back to the interpreter.  Numbers travel as
// number text (nt::str / nt::val).  Kept with the window's drawing state.
//
// It is not shared with the area-zoom corners: an area chosen by the operator
// must never turn the next arc into a question.
#include <QString>

struct GeometryMailbox {
    // Query: a screen y (queryY) or a screen x (queryX) of a pass; the answer
    // comes back in the other field (and, for a corner, both fields hold the
    // meeting point).  Both empty: the procedures draw.
    QString queryY;
    QString queryX;
    // Which intersection a corner query wants (see corner_rounding.h).
    QString queryMode;
    // Second tangent point of the last rounded corner, screen twips.
    QString tangentX;
    QString tangentY;
    // The fillet's dash counter: it runs on from corner to corner, so that a
    // string of small fillets still shows both dash colours.
    int filletDashCount = 0;

    bool queryPending() const { return !queryY.isEmpty() || !queryX.isEmpty(); }
    void clearQuery() {
        queryY.clear();
        queryX.clear();
        queryMode.clear();
    }
};
