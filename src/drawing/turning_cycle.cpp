#include "drawing/turning_cycle.h"

#include <algorithm>
#include <cmath>

#include "drawing/block_move.h"
#include "drawing/cycle_profile.h"
#include "drawing/cycle_texts.h"
#include "drawing/drawing_state.h"
#include "drawing/evaluator.h"
#include "drawing/interpreter_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/number_text.h"
#include "drawing/step_answer.h"
#include "drawing/work_file.h"
#include "platform/dialogs.h"

using namespace drawing;

namespace {

// The finishing shape table: the start point twice, then one point a block.
constexpr int kMaxShapePoints = 51;
constexpr int kShapeStart = 2;
// A depth of cut so small against the stock that the passes would not end.
constexpr int kMaxRoughingPasses = 5000;
// Slack of the end-of-roughing test, in program units.
constexpr double kLevelSlack = 1e-6;

// One row of the shape table, as the program wrote it.
struct ShapeRow {
    QString x, z;     // expression texts
    QString cornerR;  // ",R" text
    QString cornerC;  // ",C" text
    QString arc;      // the block, when it is an arc
    int line = -1;
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
    void firstBlock(const QString& block, bool g71);
    void checkShape(bool g71, const std::vector<ShapeRow>& rows, const std::vector<CyclePoint>& pts);

    const GeometryContext& g_;
    CycleHost& host_;
    CycleSettings& settings_;
    const QStringList& lines_;
    const CycleCall& call_;
    CycleFrame frame_;
};

void Cycle::firstBlock(const QString& block, bool g71) {
    settings_.cutDepth = word(block, g71 ? "U" : "W");
    settings_.retractX = word(block, "R");
    settings_.retractZ = settings_.retractX;
    const double depth = value(settings_.cutDepth);
    // A depth of 0 would never reach the shape: it counts as none.
    if (settings_.cutDepth.isEmpty() || depth == 0) {
        settings_.cutDepth.clear();
        g_.dialogs.message(block + text::kNoCutDepth);
        return;
    }
    if (depth < 0) settings_.cutDepth = nt::str(-depth);
}

std::optional<int> Cycle::findN(double n, int from) const {
    for (int i = from; i < lines_.size(); ++i) {
        const QString w = word(lines_[i], "N");
        if (!w.isEmpty() && value(w) == n) return i;
    }
    return std::nullopt;
}

void Cycle::checkShape(bool g71, const std::vector<ShapeRow>& rows,
                       const std::vector<CyclePoint>& pts) {
    const size_t n = pts.size();
    if (n > kShapeStart + 1) {
        const CyclePoint a = pts[kShapeStart], b = pts[kShapeStart + 1];
        if (g71 && a.z == b.z)
            g_.dialogs.message(text::kSameZPrefix + rows[kShapeStart + 1].z + text::kSameValueSuffix);
        if (!g71 && a.x == b.x)
            g_.dialogs.message(text::kSameXPrefix + rows[kShapeStart + 1].x + text::kSameValueSuffix);
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
    if (reverses(&CyclePoint::x)) g_.dialogs.message(text::kXReverses);
    if (reverses(&CyclePoint::z)) g_.dialogs.message(text::kZReverses);
}

CycleOutcome Cycle::run() {
    CycleOutcome out;
    out.lineIndex = call_.lineIndex;
    out.colour = call_.colour;
    const QString block = lines_.value(call_.lineIndex);
    const bool g71 = value(word(block, "G")) != 72;
    const bool horizontal = frame_.horizontal();
    const QString pText = word(block, "P");
    if (pText.isEmpty()) {
        firstBlock(block, g71);
        return out;
    }

    // --- the second block: the shape from N=P to N=Q
    const QString qText = word(block, "Q");
    double u = value(word(block, "U")), w = value(word(block, "W"));
    if (horizontal) {
        u = std::fabs(u);
        w = std::fabs(w);
    }
    const std::optional<int> pLine = findN(value(pText), call_.lineIndex + 1);
    if (!pLine) {
        g_.dialogs.message(text::kSequenceNotFound + pText);
        return out;
    }
    std::vector<ShapeRow> rows(kShapeStart);
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
        return out;
    }
    out.lineIndex = *qLine;
    if (overflow) g_.dialogs.message(text::kShapeTooLong.arg(kMaxShapePoints - kShapeStart));

    std::vector<CyclePoint> pts;
    for (const ShapeRow& r : rows) pts.push_back({value(r.x), value(r.z)});
    const CyclePoint start = pts[0], last = pts.back(), first = pts[kShapeStart];

    // A shape running towards +Z (G72: towards +X) is roughed mirrored: the
    // depth and the lifts change sign, and so do the allowances in "m" (where
    // they were made positive).  The values kept for later cycles stay as
    // they are.
    double depth = value(settings_.cutDepth);
    double rx = value(settings_.retractX), rz = value(settings_.retractZ);
    const bool mirrored = g71 ? last.z > first.z : last.x > first.x;
    if (mirrored) {
        depth = -depth;
        rx = -rx;
        rz = -rz;
        if (horizontal) {
            u = -u;
            w = -w;
        }
    }
    checkShape(g71, rows, pts);

    // --- roughing
    const QString pBlock = lines_[*pLine];
    colour::Rgb approach = call_.colour;
    if (const QString pg = word(pBlock, "G"); !pg.isEmpty()) {
        const double gv = value(pg);
        if (gv == 1) approach = geometry_colour::kFeed;
        if (gv == 0) approach = geometry_colour::kRapid;
    }
    const CyclePoint p1{start.x + u, start.z + w};
    frame_.line(start, p1, call_.colour);

    std::vector<ShapePoint> shape;
    for (size_t i = kShapeStart; i < rows.size(); ++i) {
        ShapePoint s;
        s.at = {pts[i].x + u, pts[i].z + w};
        const ShapeRow& r = rows[i];
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
    const CycleProfile profile(frame_, shape);

    // G71 holds an X per pass, levels 2*depth apart (X is a diameter); G72
    // holds a Z, levels one depth apart.
    const PassAxis axis = g71 ? PassAxis::AlongZ : PassAxis::AlongX;
    auto heldOf = [&](CyclePoint p) { return g71 ? p.x : p.z; };
    auto cutOf = [&](CyclePoint p) { return g71 ? p.z : p.x; };
    auto at = [&](double heldValue, double cutValue) {
        return g71 ? CyclePoint{heldValue, cutValue} : CyclePoint{cutValue, heldValue};
    };
    const double step = g71 ? 2 * depth : depth;
    const int advance = -sign(step);  // the way the levels go

    // End of roughing.  The levels go from the stock towards the shape; the
    // last level that still has material is the one on the shape's extreme
    // (shifted by the allowance) in the way the levels go.  Which end of the
    // shape that is depends on its class:
    //  - the usual shape runs away from the start against the levels (G71: X
    //    rises towards -Z while the levels go down; G72: Z rises towards -X
    //    while the levels go towards -Z; and both mirrored): its extreme is its
    //    first point (the P block);
    //  - a shape that runs with the levels has its extreme at its last point.
    // Levels going down go on while L >= extreme, levels going up while
    // L <= extreme: a level on the extreme still cuts (it meets the allowance
    // and does not enter it), the next one would cut into the allowance and
    // is not cut; the rest of the stock is left to the finishing shape.
    double extreme = heldOf(shape.front().at);
    for (const ShapePoint& s : shape)
        extreme = advance < 0 ? std::min(extreme, heldOf(s.at)) : std::max(extreme, heldOf(s.at));
    auto hasMaterial = [&](double level) {
        if (!std::isfinite(level) || advance == 0) return false;
        return advance < 0 ? level >= extreme - kLevelSlack : level <= extreme + kLevelSlack;
    };

    CyclePoint tool = p1;
    double level = heldOf(p1) - step;
    for (int passes = 0; hasMaterial(level); ++passes, level -= step) {
        if (passes == kMaxRoughingPasses) {
            g_.dialogs.message(text::kTooManyPasses.arg(kMaxRoughingPasses));
            break;
        }
        const CyclePoint plunge = at(level, cutOf(p1));
        frame_.line(tool, plunge, approach);
        const std::optional<double> m = profile.meet(axis, level, cutOf(p1), -advance);
        const CyclePoint end = at(level, m ? *m : cutOf(shape.back().at));
        frame_.line(plunge, end, geometry_colour::kFeed);
        const CyclePoint lifted{end.x + 2 * rx, end.z + rz};
        frame_.line(end, lifted, geometry_colour::kFeed);
        tool = at(heldOf(lifted), cutOf(p1));
        frame_.line(lifted, tool, geometry_colour::kRapid);
    }

    // The operator's keys reach the run once, between roughing and finishing.
    if (!host_.yieldOnce()) return out;
    QString& key = host_.keyMailbox();
    if (key == u"Q" || key == u"q") {
        key.clear();
        out.quit = true;
        return out;
    }
    // A view command restarts the drawing: it stays for the run.
    if (parseContinuousWord(key).kind != ViewCommand::GoOn) return out;

    // --- finishing shape and the return to the start
    out.colour = profile.draw(call_.colour);
    frame_.line(shape.back().at, start, geometry_colour::kRapid);
    return out;
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
