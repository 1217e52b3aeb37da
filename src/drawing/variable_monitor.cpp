#include "drawing/variable_monitor.h"

#include "drawing/drawing_texts.h"
#include "drawing/number_text.h"
#include "platform/surface.h"

namespace monitor {

QStringList lines(const QList<MacroVariables::CommonRow>& commons, int level, const QString& caption,
                  const QList<Local>& locals,
                  const std::function<QString(const QString&)>& evaluate) {
    QStringList out;
    for (const MacroVariables::CommonRow& c : commons) {
        out << QStringLiteral("#") + c.number + QStringLiteral("=") + c.value.left(kFirstPiece);
        for (qsizetype i = kFirstPiece; i < c.value.size(); i += kPiece)
            out << kIndent + c.value.mid(i, kPiece);
        if (c.value.size() >= kEvaluateFrom) out << kEvaluatedLine + evaluate(c.value);
    }
    out << QString();
    out << kLevelLine + nt::str(level) + QStringLiteral("  ") + caption;
    for (const Local& l : locals)
        out << QStringLiteral("#") + nt::str(l.number) + QStringLiteral("=") + evaluate(l.value);
    return out;
}

int paint(Surface& surface, const QStringList& lines, int paintedBefore) {
    const double right = surface.width();
    const double left = right - kWidth;
    const int n = int(lines.size());
    for (int i = 0; i < std::max(n, paintedBefore); ++i) {
        const double y = kTop + kLineHeight * i;
        surface.fill(left, y, right, y + kLineHeight, colour::kBlack);
        if (i < n && !lines[i].isEmpty())
            surface.text(left, y, drawing::rgb::kTextSize, drawing::rgb::kText, lines[i]);
    }
    return n;
}

}  // namespace monitor
