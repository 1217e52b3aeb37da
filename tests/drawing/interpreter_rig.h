#pragma once
// A program drawn by the NC block interpreter on a fake window, and what to
// read from it: move lines of the trace, the variables left, the messages.
#include "drawing/evaluator.h"
#include "drawing/number_text.h"
#include "run_rig.h"

// Draws "O0001", the blocks and "%" in orientation o; the end-of-text prompt
// is answered N.
struct Drawing : RunRig {
    RunResult result = RunResult::Normal;

    Drawing(const char* o, const QStringList& blocks, const QMap<QString, QString>& programs = {})
        : RunRig(QStringList{QStringLiteral("O0001")} + blocks + QStringList{QStringLiteral("%")}) {
        host.programs = programs;
        result = draw(QString::fromLatin1(o), {QStringLiteral("N")});
    }

    // The trace's line operations ("line x1 y1 x2 y2 RRGGBB") that move: a
    // block that does not move draws a dot where the tool stands.
    QStringList lines() const {
        QStringList out;
        for (const QString& op : host.surf.ops()) {
            const QStringList f = op.split(u' ');
            if (f.size() == 6 && f[0] == u"line" && (f[1] != f[3] || f[2] != f[4])) out << op;
        }
        return out;
    }
    std::string linesText() const { return lines().join(u'\n').toStdString(); }
    int linesIn(const char* rgb) const {
        int n = 0;
        for (const QString& l : lines())
            if (l.endsWith(QLatin1String(rgb))) ++n;
        return n;
    }
    // The value of common variable #n as a number; nullopt when unset.
    std::optional<double> common(int n) const {
        for (const auto& row : st.variables.commonRows())
            if (row.number == QString::number(n) && !row.value.isEmpty()) {
                ScriptedDialogs quiet;
                return nt::val(myshiki(row.value, quiet).value_or(QString()));
            }
        return std::nullopt;
    }
    QStringList messages() const { return host.dlg.messages(); }
};
