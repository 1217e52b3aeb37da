#include "drawing/turning_cycle.h"

#include <algorithm>
#include <cmath>

#include "drawing/block_move.h"
#include "drawing/cycle_profile.h"
#include "drawing/cycle_roughing.h"
#include "drawing/cycle_texts.h"
#include "drawing/drawing_state.h"
#include "drawing/evaluator.h"
#include "drawing/interpreter_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/number_text.h"
#include "drawing/step_answer.h"
#include "drawing/word_units.h"
#include "drawing/work_file.h"
#include "platform/dialogs.h"

using namespace drawing;

namespace {

// The finishing shape table: the start point twice, then one point a block.
constexpr int kMaxShapePoints = 51;
constexpr int kShapeStart = 2;
// The least depth of cut a control takes (its least input increment, mm).
constexpr double kMinCutDepth = 0.001;
// The retract of a one-block cycle that gives no R, mm.
constexpr double kOneBlockRetract = 0.5;

// One row of the shape table, as the program wrote it.
struct ShapeRow {
    QString x, z;     // expression texts
    QString cornerR;  // ",R" text
    QString cornerC;  // ",C" text
    QString arc;      // the block, when it is an arc
    int line = -1;
};

// The finishing shape of a second block: the rows from the start point to
// the Q block, evaluated.
struct ShapeTable {
    std::vector<ShapeRow> rows;
    std::vector<CyclePoint> points;
    int pLine = -1;
};

int sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

class Cycle {
public:
    Cycle(const GeometryContext& g, CycleHost& host, CycleSettings& settings,
          const QStringList& lines, const CycleCall& call)
        : g_(g), host_(host), settings_(settings), lines_(lines), call_(call), frame_(g) {}

    CycleOutcome run();

private:
    double value(const QString& text) const {
        if (text.trimmed().isEmpty()) return 0;
        const std::optional<QString> r = myshiki(text, g_.dialogs);
        return r ? nt::val(*r) : 0;
    }
    QString word(const QString& block, const char* key) const {
        return host_.word(block, QString::fromUtf8(key));
    }
    std::optional<int> findN(double n, int from) const;

    // The phases of a cycle block, in their order.
    void firstBlock(const QString& block, bool g71);
    CycleSettings oneBlockSettings(const QString& block);
    bool keepDepth(CycleSettings& s, const QString& block, double depth);
    std::optional<ShapeTable> collectShape(const QString& block, CycleOutcome& out);
    bool checkShape(bool g71, const ShapeTable& t);
    std::vector<ShapePoint> shiftedShape(const ShapeTable& t, CyclePoint shift);
    void rough(const QString& block, bool g71, const CycleSettings& s, const ShapeTable& t,
               CyclePoint shift, const CycleProfile& profile, bool monotone);
    bool keysLetFinish(CycleOutcome& out);

    const GeometryContext& g_;
    CycleHost& host_;
    CycleSettings& settings_;
    const QStringList& lines_;
    const CycleCall& call_;
    CycleFrame frame_;
};

CycleOutcome Cycle::run() {
    CycleOutcome out;
    out.lineIndex = call_.lineIndex;
    out.colour = call_.colour;
    const QString block = lines_.value(call_.lineIndex);
    const bool g71 = value(word(block, "G")) != 72;
    if (word(block, "P").isEmpty()) {
        firstBlock(block, g71);
        return out;
    }
    // A block with P, Q and D is both blocks at once; its values serve it alone.
    const bool oneBlock = !word(block, "Q").isEmpty() && !word(block, "D").isEmpty();
    const CycleSettings active = oneBlock ? oneBlockSettings(block) : settings_;

    const std::optional<ShapeTable> table = collectShape(block, out);
    if (!table) return out;
    const bool monotone = checkShape(g71, *table);
    // The allowances shift the shape with their written signs: they say on
    // which side of it the stock is left.
    const CyclePoint shift{value(word(block, "U")), value(word(block, "W"))};
    const std::vector<ShapePoint> shape = shiftedShape(*table, shift);
    const CycleProfile profile(frame_, shape);
    rough(block, g71, active, *table, shift, profile, monotone);
    if (!keysLetFinish(out)) return out;

    out.colour = profile.draw(call_.colour);
    frame_.line(shape.back().at, table->points.front(), geometry_colour::kRapid);
    return out;
}

void Cycle::firstBlock(const QString& block, bool g71) {
    settings_.cutDepth = word(block, g71 ? "U" : "W");
    settings_.retractX = word(block, "R");
    settings_.retractZ = settings_.retractX;
    if (settings_.cutDepth.isEmpty()) {
        g_.dialogs.message(block + text::kNoCutDepth);
        return;
    }
    keepDepth(settings_, block, value(settings_.cutDepth));
}

// The depth is kept positive; one of 0, or too small for the passes ever to
// reach the shape, is reported and kept as none.
bool Cycle::keepDepth(CycleSettings& s, const QString& block, double depth) {
    if (!(std::fabs(depth) >= kMinCutDepth)) {
        s.cutDepth.clear();
        g_.dialogs.message(block + text::kCutDepthTooSmall.arg(QString::number(kMinCutDepth)));
        return false;
    }
    if (depth < 0) s.cutDepth = nt::str(-depth);
    return true;
}

// D is the depth (thousandths of a mm without a decimal point), R the
// retract when given.
CycleSettings Cycle::oneBlockSettings(const QString& block) {
    CycleSettings s;
    const QString d = word(block, "D");
    const double depth = thousandthsUnlessPointed(d, value(d));
    s.cutDepth = nt::str(depth);
    const QString r = word(block, "R");
    s.retractX = r.isEmpty() ? nt::str(kOneBlockRetract) : r;
    s.retractZ = s.retractX;
    keepDepth(s, block, depth);
    return s;
}

std::optional<int> Cycle::findN(double n, int from) const {
    for (int i = from; i < lines_.size(); ++i) {
        const QString w = word(lines_[i], "N");
        if (!w.isEmpty() && value(w) == n) return i;
    }
    return std::nullopt;
}

// The shape from N=P to N=Q; the outcome is left on the Q block.
std::optional<ShapeTable> Cycle::collectShape(const QString& block, CycleOutcome& out) {
    const QString pText = word(block, "P"), qText = word(block, "Q");
    const std::optional<int> pLine = findN(value(pText), call_.lineIndex + 1);
    if (!pLine) {
        g_.dialogs.message(text::kSequenceNotFound + pText);
        return std::nullopt;
    }
    ShapeTable t;
    t.pLine = *pLine;
    std::vector<ShapeRow>& rows = t.rows;
    rows.resize(kShapeStart);
    const bool horizontal = frame_.horizontal();
    // The position is an expression ("[62.]/2+[-2.]/2" after an increment):
    // it is bracketed whole before it is doubled or halved.
    auto scaled = [](const QString& e, const char* by) {
        return QStringLiteral("[") + e + QStringLiteral("]") + QLatin1String(by);
    };
    rows[0].x = horizontal ? call_.endV : scaled(call_.endH, "* 2");
    rows[0].z = horizontal ? call_.endH : scaled(call_.endV, "/ 2");
    rows[1] = rows[0];
    const double q = value(qText);
    std::optional<int> qLine;
    bool overflow = false;
    for (int i = *pLine; i < lines_.size() && !qLine; ++i) {
        const QString& b = lines_[i];
        ShapeRow row = rows.back();
        row.line = i;
        if (const QString x = word(b, "X"); !x.isEmpty()) row.x = x;
        if (const QString z = word(b, "Z"); !z.isEmpty()) row.z = z;
        if (const QString du = word(b, "U"); !du.isEmpty()) row.x = nt::str(value(row.x) + value(du));
        if (const QString dw = word(b, "W"); !dw.isEmpty()) row.z = nt::str(value(row.z) + value(dw));
        row.cornerR = word(b, ",R");
        row.cornerC = word(b, ",C");
        row.arc = isArcBlock(b) ? b : QString();
        if (int(rows.size()) < kMaxShapePoints)
            rows.push_back(row);
        else
            overflow = true;
        if (const QString nw = word(b, "N"); !nw.isEmpty() && value(nw) == q) qLine = i;
    }
    if (!qLine) {
        g_.dialogs.message(text::kSequenceQNotFound + qText);
        return std::nullopt;
    }
    out.lineIndex = *qLine;
    if (overflow) g_.dialogs.message(text::kShapeTooLong.arg(kMaxShapePoints - kShapeStart));
    for (const ShapeRow& r : rows) t.points.push_back({value(r.x), value(r.z)});
    return t;
}

// Shows the shape's faults; the drawing goes on.  False when an axis turns
// back.
bool Cycle::checkShape(bool g71, const ShapeTable& t) {
    const std::vector<ShapeRow>& rows = t.rows;
    const std::vector<CyclePoint>& pts = t.points;
    const size_t n = pts.size();
    if (n > kShapeStart + 1) {
        const CyclePoint a = pts[kShapeStart], b = pts[kShapeStart + 1];
        if (g71 && a.z == b.z)
            g_.dialogs.message(text::kSameZPrefix + rows[kShapeStart + 1].z +
                               text::kSameValueSuffix);
        if (!g71 && a.x == b.x)
            g_.dialogs.message(text::kSameXPrefix + rows[kShapeStart + 1].x +
                               text::kSameValueSuffix);
    }
    // Each axis must keep one direction; a flat step between a rise and a
    // fall goes unnoticed.  One message an axis.
    auto reverses = [&](double CyclePoint::*axis) {
        for (size_t i = kShapeStart; i + 2 < n; ++i) {
            const int s1 = sign(pts[i + 1].*axis - pts[i].*axis);
            const int s2 = sign(pts[i + 2].*axis - pts[i + 1].*axis);
            if (s1 != 0 && s2 != 0 && s1 != s2) return true;
        }
        return false;
    };
    const bool x = reverses(&CyclePoint::x), z = reverses(&CyclePoint::z);
    if (x) g_.dialogs.message(text::kXReverses);
    if (z) g_.dialogs.message(text::kZReverses);
    return !x && !z;
}

std::vector<ShapePoint> Cycle::shiftedShape(const ShapeTable& t, CyclePoint shift) {
    std::vector<ShapePoint> shape;
    for (size_t i = kShapeStart; i < t.rows.size(); ++i) {
        ShapePoint s;
        s.at = {t.points[i].x + shift.x, t.points[i].z + shift.z};
        const ShapeRow& r = t.rows[i];
        if (!r.arc.isEmpty()) {
            s.arc = true;
            s.arcRadius = value(word(r.arc, "R"));
            s.clockwise = value(word(r.arc, "G")) == 2;
        }
        const double cr = value(r.cornerR);
        if (cr > 0) s.cornerR = cr;
        s.cornerCValue = value(r.cornerC);
        if (!r.cornerC.isEmpty() && s.cornerCValue != 0) s.cornerC = r.cornerC;
        shape.push_back(s);
    }
    return shape;
}

// The approach by the allowances, then the passes; none when the start lies
// within the shape.
void Cycle::rough(const QString& block, bool g71, const CycleSettings& s, const ShapeTable& t,
                  CyclePoint shift, const CycleProfile& profile, bool monotone) {
    const CyclePoint start = t.points.front();
    const CyclePoint p1{start.x + shift.x, start.z + shift.z};
    std::vector<CyclePoint> shifted;
    for (size_t i = kShapeStart; i < t.points.size(); ++i)
        shifted.push_back({t.points[i].x + shift.x, t.points[i].z + shift.z});
    const PassAxis axis = g71 ? PassAxis::AlongZ : PassAxis::AlongX;
    const RoughingPlan plan = planRoughing(axis, p1, shifted, monotone);
    if (plan.startInside) {
        g_.dialogs.message(block + text::kStartWithinShape);
        return;
    }
    frame_.line(start, p1, call_.colour);

    RoughingPasses passes;
    passes.depth = std::fabs(value(s.cutDepth));
    passes.retractX = std::fabs(value(s.retractX));
    passes.retractZ = std::fabs(value(s.retractZ));
    // The plunge to each level in the colour of the approach block.
    passes.approach = call_.colour;
    if (const QString pg = word(lines_[t.pLine], "G"); !pg.isEmpty()) {
        const double gv = value(pg);
        if (gv == 1) passes.approach = geometry_colour::kFeed;
        if (gv == 0) passes.approach = geometry_colour::kRapid;
    }
    roughPasses(frame_, profile, axis, plan, p1, passes);
}

// The operator's keys reach the run once, between roughing and finishing.
// False when the cycle ends here.
bool Cycle::keysLetFinish(CycleOutcome& out) {
    if (!host_.yieldOnce()) return false;
    QString& key = host_.keyMailbox();
    if (key == u"Q" || key == u"q") {
        key.clear();
        out.quit = true;
        return false;
    }
    // A view command restarts the drawing: it stays for the run.
    return parseContinuousWord(key).kind == ViewCommand::GoOn;
}

}  // namespace

CycleOutcome mycycle(const GeometryContext& g, CycleHost& host, CycleSettings& settings,
                     const QStringList& lines, const CycleCall& call) {
    return Cycle(g, host, settings, lines, call).run();
}

QStringList cycleLinesThroughWorkFile(const QString& dir, const QStringList& lines) {
    if (!writeWorkFile(dir, lines.join(QStringLiteral("\r\n")))) return lines.mid(0, kMaxProgramLines);
    std::optional<QStringList> back = takeWorkFile(dir);
    if (!back) return lines.mid(0, kMaxProgramLines);
    // The file ends with a line break: no empty line after the last one.
    if (back->size() > lines.size()) back->resize(lines.size());
    return back->mid(0, kMaxProgramLines);
}
