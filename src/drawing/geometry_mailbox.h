#pragma once
// The mailbox between the drawing procedures: the turning cycles ask the arc
// and the corner rounding where a pass meets them, and the corner rounding
// hands its second tangent point back to the interpreter.  Numbers travel as
// number text (nt::str / nt::val).  Kept with the window's drawing state.
//
// It is not shared with the area-zoom corners: an area chosen by the operator
// must never turn the next arc into a question.
#include <QString>
#include <cmath>
#include <optional>

#include "drawing/number_text.h"

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

    // Puts a screen y (byY) or x into the mailbox with the corner mode, lets
    // the procedure answer, and takes the other coordinate back (none when the
    // question missed).  The mailbox is left empty either way.
    template <class Answer>
    std::optional<double> ask(double given, bool byY, const QString& mode, Answer answer) {
        clearQuery();
        if (!std::isfinite(given)) return std::nullopt;
        (byY ? queryY : queryX) = nt::str(given);
        queryMode = mode;
        answer();
        const QString got = byY ? queryX : queryY;
        clearQuery();
        if (got.isEmpty()) return std::nullopt;
        return nt::val(got);
    }
};
