#pragma once
// How the cycles read their words: lengths that a control reads in thousandths
// of a millimetre when they are written without a decimal point (D1500 is
// 1.5 mm, D1.5 too), and how many passes one cycle may draw.
#include <QString>

// Passes, pecks or grooves one cycle draws at most: a depth of cut so small
// against the stock that the passes would not end.
inline constexpr int kMaxCyclePasses = 5000;

// `value` is the word's evaluated text `text`.
inline double thousandthsUnlessPointed(const QString& text, double value) {
    return text.contains(u'.') ? value : value / 1000;
}
