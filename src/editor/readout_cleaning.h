#pragma once
// The read-out screen saved as a copy is cleaned before it is read again: the
// separator lines go, and so does a single empty line before one.  QtCore only.
#include <QString>
#include <QStringList>

namespace readout {

// The cleaned text of the lines of a saved read-out.  Every kept line comes
// after a CR LF (so the text begins with one).  An empty line followed by a
// separator ("((...") is dropped with it; an empty line followed by another
// line puts a blank and a line end before that line, two empty lines in a row
// put a blank, a line end, a blank and a line end.  An empty last line, with
// nothing after it, adds nothing.
QString cleanLines(const QStringList& lines);

}  // namespace readout
