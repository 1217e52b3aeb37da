#include "drawing/point_values.h"

#include "drawing/drawing_state.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"

#include "drawing/evaluator.h"

namespace {

// The read-out is a display: a fault in the point is reported once, by the
// move that uses it, not again after every block.
class SilentDialogs : public Dialogs {
public:
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString input(const QString&, const QString&, const QString& def, double, double) override {
        return def;
    }
    FileChoice openFile(const QString&, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
};

QString scaled(const QString& value, double factor) {
    if (value.isEmpty()) return value;
    return nt::str(nt::val(value) * factor);
}

}  // namespace

Dialogs& silentDialogs() {
    static SilentDialogs silent;
    return silent;
}

QString evaluateQuietly(const QString& expression) {
    try {
        return myshiki(expression, silentDialogs()).value_or(QString());
    } catch (const EvalFault&) {
        return QString();
    }
}

PointValues endPointValues(const DrawingState& s) {
    // The read-out asks after every block, and most blocks (assignments, loop
    // words) leave the end point as it was: the last answer is kept with the
    // texts it was made of.
    struct Last {
        QString h, v, orientation;
        PointValues values;
        bool valid = false;
    };
    thread_local Last last;
    const QString& endH = s.run.points.endH;
    const QString& endV = s.run.points.endV;
    if (last.valid && last.h == endH && last.v == endV && last.orientation == s.orientation)
        return last.values;
    const QString h = evaluateQuietly(endH);
    const QString v = evaluateQuietly(endV);
    const PointValues values = s.orientation == QLatin1String("m")
                                   ? PointValues{v, h}
                                   : PointValues{scaled(h, 2), scaled(v, 0.5)};
    last = Last{endH, endV, s.orientation, values, true};
    return values;
}
