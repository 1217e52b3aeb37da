#pragma once
// Address word values (mynum): what stands after an address letter of a block,
// found outside comments, with macro variables replaced by their values.
#include <QString>

#include "drawing/macro_io.h"

class MacroVariables;

// The value text after the first occurrence of letter (one letter, or a longer
// key such as ",R") outside comments: "G01X10.(X=5)Z-3." gives "-3." for "Z".
// Empty text when the letter stands only inside comments or not at all; the
// result of myatai otherwise (assignmentTarget, or the bracket fault).
MacroText mynum(const QString& block, const QString& letter, int level, MacroVariables& vars,
                const MacroIo& io);
