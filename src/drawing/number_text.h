#pragma once
// Number text of the system: how numbers travel between the drawing procedures,
// through control tags and captions.  Nobody else formats numbers by hand.
#include <QString>

namespace nt {

// Number -> text with the sign column: " 15", " .5", "-.25", " 1E-05";
// at most 15 significant digits; exponent form below 1E-05 and from 1E+15 on.
// -0 is written " 0".  Values that are not finite have no number text of their
// own: NaN gives " 0" and the infinities " 1E+309"/"-1E+309" (which read back as
// infinite); the evaluator never writes them, it raises a fault instead.
QString str(double v);
// The same, and *readBack set to val() of the text (found without reading
// the text again where the digits are known to read back as v).
QString str(double v, double* readBack);

// The significant digits of a (finite, above 0) rounded to 15 as
// printf("%.14e") rounds them, trailing zeros dropped: writes them to digits
// (room for 15), sets exponent to the decimal exponent of the first one and
// returns how many there are.  readsBack (when given) is set when those digits
// read back as a itself (false when that was not established).
int significantDigits(double a, char* digits, int& exponent, bool* readsBack = nullptr);

// Lenient text -> number: blanks skipped (also between the digits), optional
// sign, digits, one point, optional exponent (E or D); stops at the first
// character that cannot continue the number; empty or non-numeric text reads 0.
// A magnitude beyond the double range reads as an infinity.
double val(QStringView s);
inline double val(const QString& s) { return val(QStringView(s)); }

// True when the whole text (blanks around, a leading sign allowed) is a number:
// " 5", "+5", "-.25", " 1E-05", "+ .5" qualify; "*3", "", "-", "1E", "[" do not.
bool isPlainNumber(const QString& s);

// 1-based Mid/InStr as the engine's text rules count them.
QString mid(const QString& s, int start1, int len = -1);
int inStr(const QString& s, const QString& what, int start1 = 1);

}  // namespace nt
