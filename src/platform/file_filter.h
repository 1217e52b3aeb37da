#pragma once
// File-dialog filters are written as pairs "description|pattern|description|pattern|"
// (patterns of one pair separated by ";").  Qt wants one entry per pair, with the
// patterns in the last parentheses: "description (p1 p2)".
#include <QStringList>

// One Qt name filter per pair, in order.  A description that already ends with
// its own patterns in parentheses is kept as it is; otherwise the patterns are
// appended.  A dangling description without a pattern gets "*".
QStringList qtNameFilters(const QString& pairs);
