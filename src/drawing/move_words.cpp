#include "drawing/move_words.h"

#include <cmath>

#include "drawing/block_values.h"
#include "drawing/interpreter_texts.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"

namespace {

// Reference point of G28 U0 / W0 on each axis, as the old drawings placed it.
const QString kReferenceT = QStringLiteral("1000");
const QString kReferenceVerticalM = QStringLiteral("2000");
const QString kReferenceHorizontalM = QStringLiteral("1000");

QString radius(const QString& x) { return QStringLiteral("[") + x + QStringLiteral("]/2"); }
QString doubled(const QString& z) { return QStringLiteral("[") + z + QStringLiteral("]*2"); }

}  // namespace

QString joinIncrement(const QString& previous, const QString& increment) {
    if (increment.startsWith(u'-') || increment.startsWith(u'+')) return previous + increment;
    return previous + u'+' + increment;
}

QString pointText(double value) {
    double v = value;
    if (nt::str(v).contains(u'E')) v = std::floor(v * 1000000) / 1000000;
    if (v == 0) return QStringLiteral("[ 0]");
    return nt::str(v);
}

CornerWords readMoveWords(BlockValues& values, MovePoints& p, bool horizontal, Dialogs& dialogs) {
    const QString& line = values.line();
    CornerWords corner;

    corner.r = values.word(QStringLiteral(",R"));
    if (!corner.r.isEmpty()) {
        const double r = values.number(corner.r).value_or(0);
        if (r == 0) corner.r.clear();
        if (r < 0) {
            corner.r.clear();
            dialogs.message(drawing::text::kCornerRNegative);
        }
    }
    corner.c = values.word(QStringLiteral(",C"));
    if (!corner.c.isEmpty() && values.number(corner.c).value_or(0) == 0) corner.c.clear();

    if (const QString x = values.word(QStringLiteral("X")); !x.isEmpty()) {
        if (horizontal)
            p.endV = x;
        else
            p.endH = radius(x);
    }
    if (const QString z = values.word(QStringLiteral("Z")); !z.isEmpty()) {
        if (horizontal)
            p.endH = z;
        else
            p.endV = doubled(z);
    }
    const bool g28 = line.contains(QLatin1String("G28"));
    if (const QString u = values.word(QStringLiteral("U")); !u.isEmpty()) {
        if (g28 && line.contains(QLatin1String("U0"))) {
            if (horizontal)
                p.endV = kReferenceVerticalM;
            else
                p.endH = kReferenceT;
        } else if (horizontal) {
            p.endV = joinIncrement(p.prevV, u);
        } else {
            p.endH = joinIncrement(p.prevH, radius(u));
        }
    }
    if (const QString w = values.word(QStringLiteral("W")); !w.isEmpty()) {
        if (g28 && line.contains(QLatin1String("W0"))) {
            if (horizontal)
                p.endH = kReferenceHorizontalM;
            else
                p.endV = kReferenceT;
        } else if (horizontal) {
            p.endH = joinIncrement(p.prevH, w);
        } else {
            p.endV = joinIncrement(p.prevV, doubled(w));
        }
    }
    return corner;
}
