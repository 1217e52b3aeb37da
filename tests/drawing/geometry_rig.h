#pragma once
// The line, arc, corner and chamfer procedures on a recording surface of
// 14400 x 10800 twips, program zero at (1000, 5000), 10 twips per unit.
#include <QStringList>
#include <cmath>

#include "drawing/geometry_context.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

struct GeoRig {
    RecordingSurface surf{14400, 10800, 14400, 10800};
    ScriptedDialogs dlg;
    GeometryMailbox mb;
    int speed = 0;
    GeometryContext g{surf, dlg, mb, speed};

    GeoRig() {
        g.originX = 1000;
        g.originY = 5000;
        g.scale = 10;
        g.fastForwardLimit = kNoStop;  // nothing traced unless a test says so
        g.blockCount = 1;
    }
    static constexpr qint64 kNoStop = 99999999;

    // Operations of one kind ("line", "point", "circle"), in order.
    QStringList ops(const QString& kind) const {
        QStringList out;
        for (const QString& o : surf.ops())
            if (o.startsWith(kind + QLatin1Char(' '))) out << o;
        return out;
    }
    // The numbers and the colour of an operation.
    struct Op {
        QList<double> n;
        QString colour;
    };
    static Op parse(const QString& op) {
        const QStringList p = op.split(QLatin1Char(' '));
        Op o;
        for (int i = 1; i + 1 < p.size(); ++i) o.n << p[i].toDouble();
        o.colour = p.last();
        return o;
    }
};
