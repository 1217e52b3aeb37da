#pragma once
// The variable monitor: a black column at the right edge of the drawing that
// lists the common variables in use, the macro level and the local variables
// of that level after every assignment.
#include <QString>
#include <QStringList>
#include <functional>

#include "drawing/macro_variables.h"

class Surface;

namespace monitor {

// Screen places, twips: the column is kWidth wide at the right edge; lines are
// kLineHeight high, the first kTop below the top of the drawing.
inline constexpr double kWidth = 2000;
inline constexpr double kTop = 100;
inline constexpr double kLineHeight = 200;
// A common variable's value text: the first kFirstPiece characters on its own
// line, the rest in pieces of kPiece after kIndent; values of kEvaluateFrom or
// more characters get one more line with their evaluated value.
inline constexpr int kFirstPiece = 12;
inline constexpr int kPiece = 17;
inline constexpr int kEvaluateFrom = 6;
inline const QString kIndent = QStringLiteral("   ");
inline const QString kEvaluatedLine = QStringLiteral("   =");
inline const QString kLevelLine = QStringLiteral("Nest Lebl");

struct Local {
    int number;
    QString value;   // stored text, not empty
};

// The monitor's lines.  evaluate turns a stored text into its value text
// without showing anything.
QStringList lines(const QList<MacroVariables::CommonRow>& commons, int level, const QString& caption,
                  const QList<Local>& locals,
                  const std::function<QString(const QString&)>& evaluate);

// Paints the lines, each on its band filled black first.  Lines painted last
// time below the new ones (before a clear of the level) are blanked too.
// Returns the number of lines painted.
int paint(Surface& surface, const QStringList& lines, int paintedBefore);

}  // namespace monitor
