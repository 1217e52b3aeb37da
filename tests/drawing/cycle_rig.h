#pragma once
// The turning cycle on the geometry rig (10 twips a unit, program zero at
// (1000, 5000)), with a host that reads plain address words and a key mailbox
// that a test fills at the cycle's one yield.
#include <QRegularExpression>
#include <functional>

#include "drawing/turning_cycle.h"
#include "geometry_rig.h"

struct CycleRig : GeoRig, CycleHost {
    QString key;
    int yields = 0;
    std::function<void()> onYield;
    CycleSettings settings;
    CycleOutcome out;

    // Words of plain numbers outside comments ("X-12.5", ",R3.").
    QString word(const QString& block, const QString& k) override {
        QString b = block;
        b.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")));
        const int at = b.indexOf(k);
        if (at < 0) return {};
        static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]*\\.?[0-9]*"));
        return number.match(b.mid(at + k.size())).captured(0);
    }
    bool yieldOnce() override {
        ++yields;
        if (onYield) onYield();
        return true;
    }
    QString& keyMailbox() override { return key; }

    // Orientation "m" (horizontal) or "t".
    void orientation(bool horizontal) { g.axisSign = horizontal ? 1 : -1; }

    // Runs the cycle block `index` of `lines` with the tool at (X, Z).
    CycleOutcome cycle(const QStringList& lines, int index, double x, double z) {
        CycleCall c;
        c.lineIndex = index;
        const bool m = g.axisSign > 0;
        c.endH = QString::number(m ? z : x / 2);
        c.endV = QString::number(m ? x : z * 2);
        c.colour = colour::kRed;
        out = mycycle(g, *this, settings, lines, c);
        return out;
    }

    // Runs the cycle's first block (line 1) and its second (line 2) with the
    // tool at (X, Z); returns how many lines the roughing drew (those drawn
    // when the cycle yielded).
    int firstAndSecond(const QStringList& lines, double x, double z) {
        int atYield = -1;
        onYield = [&] { atYield = int(ops(QStringLiteral("line")).size()); };
        cycle(lines, 1, x, z);
        cycle(lines, 2, x, z);
        onYield = nullptr;
        return atYield;
    }

    // A straight move as X/Z from screen twips.
    struct Move {
        double x1, z1, x2, z2;
        QString colour;
    };
    QList<Move> moves() const {
        QList<Move> r;
        const bool m = g.axisSign > 0;
        for (const QString& op : ops(QStringLiteral("line"))) {
            const Op o = parse(op);
            auto xz = [&](double sx, double sy) {
                const double h = (sx - 1000) / 10, v = 2 * (5000 - sy) / 10;
                return m ? std::pair{v, h} : std::pair{2 * h, v / 2};
            };
            const auto [x1, z1] = xz(o.n[0], o.n[1]);
            const auto [x2, z2] = xz(o.n[2], o.n[3]);
            r << Move{x1, z1, x2, z2, o.colour};
        }
        return r;
    }
};
