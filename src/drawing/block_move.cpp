#include "drawing/block_move.h"

#include "drawing/block_context.h"
#include "drawing/block_values.h"
#include "drawing/centre_arc.h"
#include "drawing/chamfer.h"
#include "drawing/corner_rounding.h"
#include "drawing/arc_drawing.h"
#include "drawing/interpreter_state.h"
#include "drawing/interpreter_texts.h"
#include "drawing/line_drawing.h"
#include "drawing/move_words.h"
#include "platform/dialogs.h"

bool isArcBlock(const QString& line) {
    // A sequence number in front is part of the block's start: "N30 G02 ..."
    // is an arc on every control (and a cycle's Q block must carry its N).
    QStringView b(line);
    if (b.startsWith(u'N')) {
        qsizetype i = 1;
        while (i < b.size() && b[i].isDigit() && b[i].unicode() < 128) ++i;
        if (i > 1) {
            while (i < b.size() && b[i] == u' ') ++i;
            b = b.mid(i);
        }
    }
    for (const char* g : {"G28", "G32", "G33"})
        if (b.startsWith(QLatin1String(g))) return false;
    for (const char* g : {"G2", "G3", "G02", "G03"})
        if (b.startsWith(QLatin1String(g))) return true;
    return false;
}

namespace {

constexpr colour::Rgb kReference = colour::rgb(128, 128, 255);

ProgramPoint evaluated(BlockValues& values, const QString& h, const QString& v) {
    return ProgramPoint{values.required(h), values.required(v)};
}

}  // namespace

void drawPendingCornerSharp(const GeometryContext& g, InterpreterState& st) {
    const PendingCorner c = *st.pending;
    st.pending.reset();
    myline(g, c.startH, c.startV, c.cornerH, c.cornerV, c.colour);
}

void drawMove(BlockContext& ctx, InterpreterState& st, BlockValues& values,
              const CornerWords& corner) {
    const QString& line = values.line();
    MovePoints& p = ctx.points();
    const GeometryContext g = ctx.geometry(st.compensationOffset);
    ProgramPoint start = evaluated(values, p.prevH, p.prevV);
    const ProgramPoint end = evaluated(values, p.endH, p.endV);

    if (line.contains(QLatin1String("G28U0")) || line.contains(QLatin1String("G28W0"))) {
        if (st.pending) drawPendingCornerSharp(g, st);
        myline(g, start.h, start.v, end.h, end.v, kReference);
        return;
    }
    if (isArcBlock(line)) {
        if (st.pending) drawPendingCornerSharp(g, st);
        // Without an R word the centre is given by I and K (R wins when both
        // stand); a block with none of them keeps the radius read after "R".
        if (values.word(QStringLiteral("R")).isEmpty()) {
            const QString i = values.word(QStringLiteral("I"));
            const QString k = values.word(QStringLiteral("K"));
            if (!i.isEmpty() || !k.isEmpty()) {
                drawCentreArc(g, start, end, i.isEmpty() ? 0 : values.required(i),
                              k.isEmpty() ? 0 : values.required(k), ctx.view().horizontal,
                              st.moveColour, line);
                return;
            }
        }
        const int r = line.indexOf(u'R');
        const QString radiusText = r >= 0 ? values.stretch(r + 2) : QString();
        const double radius = radiusText.isEmpty() ? 0 : values.required(radiusText);
        mycircle(g, g.screenX(start.h), g.screenY(start.v), g.screenX(end.h), g.screenY(end.v),
                 radius * g.scale, st.moveColour);
        return;
    }

    if (st.pending) {
        const PendingCorner c = *st.pending;
        st.pending.reset();
        const ProgramPoint p1{c.startH, c.startV}, p2{c.cornerH, c.cornerV};
        std::optional<ProgramPoint> next;
        if (c.chamfer) {
            next = chamferCorner(g, p1, p2, end, c.value, c.colour).next;
        } else {
            if (end.h == p2.h && end.v == p2.v) ctx.dialogs().message(drawing::text::kCornerRNoMove);
            mycircleR(g, g.screenX(p1.h), g.screenY(p1.v), g.screenX(p2.h), g.screenY(p2.v),
                      g.screenX(end.h), g.screenY(end.v), c.value * g.scale);
            next = takeTangentPoint(g);
        }
        if (next) {
            start = *next;
            p.prevH = pointText(start.h);
            p.prevV = pointText(start.v);
        }
    }

    if (!corner.c.isEmpty() || !corner.r.isEmpty()) {
        // The move is drawn with the next block, which shapes its corner.
        PendingCorner c;
        c.chamfer = !corner.c.isEmpty();
        c.value = values.required(c.chamfer ? corner.c : corner.r);
        c.startH = start.h;
        c.startV = start.v;
        c.cornerH = end.h;
        c.cornerV = end.v;
        c.colour = st.moveColour;
        st.pending = c;
        return;
    }
    myline(g, start.h, start.v, end.h, end.v, st.moveColour);
}

void drawReturnLine(BlockContext& ctx, InterpreterState& st, BlockValues& values,
                    const QString& h, const QString& v) {
    const GeometryContext g = ctx.geometry(st.compensationOffset);
    const MovePoints& p = ctx.points();
    const ProgramPoint from = evaluated(values, p.endH, p.endV);
    const ProgramPoint to = evaluated(values, h, v);
    myline(g, from.h, from.v, to.h, to.v, colour::kRed);
}
