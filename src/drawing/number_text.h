#pragma once
// Number text of the system: how numbers travel between the drawing procedures,
// through control tags and captions.  Nobody else formats numbers by hand.
#include <QString>

namespace nt {

// Number -> text with the sign column: " 15", " .5", "-.25", " 1E-05";
// at most 15 significant digits.
QString str(double v);

// Lenient text -> number: blanks skipped, optional sign, digits, one point,
// optional exponent; stops at the first character that cannot continue the
// number; empty or non-numeric text reads 0.
double val(const QString& s);

// True when the whole text (blanks and a leading sign allowed) is a number.
bool isPlainNumber(const QString& s);

// 1-based Mid/InStr as the engine's text rules count them.
QString mid(const QString& s, int start1, int len = -1);
int inStr(const QString& s, const QString& what, int start1 = 1);

}  // namespace nt
