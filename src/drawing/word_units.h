#pragma once
// Lengths of the cycle words that a control reads in thousandths of a
// millimetre when they are written without a decimal point (D1500 is 1.5 mm,
// D1.5 too).
#include <QString>

// `value` is the word's evaluated text `text`.
inline double thousandthsUnlessPointed(const QString& text, double value) {
    return text.contains(u'.') ? value : value / 1000;
}
