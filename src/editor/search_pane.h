#pragma once
// The text pane a search dialog works on (the edit or the read-out screen), as
// the search rules see it: text, selection, colouring of the selected text and
// replacing it.  Positions are zero-based indexes into text() and 32-bit: a file
// of more than 32,767 characters is normal.  QtCore only.
#include <QString>

#include "platform/colour.h"

namespace search {

class Pane {
public:
    virtual ~Pane() = default;
    virtual QString text() const = 0;
    virtual qint32 selStart() const = 0;
    virtual qint32 selLength() const = 0;
    // Selects length characters from start and brings them into view.
    virtual void select(qint32 start, qint32 length) = 0;
    // Colours the selected text; the colouring is a format of the text and stays.
    virtual void colourSelection(colour::Rgb c) = 0;
    // The selected text becomes `with`.
    virtual void replaceSelection(const QString& with) = 0;
};

// Letters match in either case, as the panes' own find does.
// First start at or after `from`, or -1.
qint32 findForward(const QString& text, const QString& what, qint32 from);
// Last start at or after `lowest` whose match ends at or before `endBound`
// (exclusive end index), or -1.
qint32 findBackward(const QString& text, const QString& what, qint32 lowest, qint32 endBound);
// Whether `what` stands at `at` in text.
bool matchesAt(const QString& text, const QString& what, qint32 at);

}  // namespace search
