#include "cli/draw_options.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

// An option argument: "--name=value", or plain "--name" whose value is the
// next argument.
struct Option {
    QString name;
    QString inlineValue;
    bool hasInline = false;
};

Option splitOption(const QString& a) {
    const int eq = int(a.indexOf(u'='));
    if (eq > 0) return {a.left(eq), a.mid(eq + 1), true};
    return {a, {}, false};
}

struct ArgReader {
    const QStringList& args;
    int i = 0;
    QString error;

    bool more() const { return i < args.size(); }
    QString next() { return args[i++]; }
    bool value(const Option& opt, QString& out) {
        if (opt.hasInline) {
            out = opt.inlineValue;
        } else if (more()) {
            out = next();
        } else {
            error = opt.name + QStringLiteral(" needs a value");
            return false;
        }
        return true;
    }
};

// Takes the next argument: true with an option in opt; false for "--" (the
// options end) or a file name (added to positional).
bool nextOption(ArgReader& r, bool& optionsEnded, QStringList& positional, Option& opt) {
    const QString a = r.next();
    if (!optionsEnded && a == u"--") {
        optionsEnded = true;
        return false;
    }
    if (optionsEnded || !a.startsWith(QStringLiteral("--"))) {
        positional << a;
        return false;
    }
    opt = splitOption(a);
    return true;
}

bool parseLathe(const QString& v, QString& out) {
    if (v == u"t" || v == u"m") {
        out = v;
        return true;
    }
    return false;
}

// --max-blocks and --size parts: whole numbers from 1 up.
bool parsePositive(const QString& v, qint64 limit, qint64& out) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(v).hasMatch()) return false;
    bool ok = false;
    qint64 n = v.toLongLong(&ok);
    if (!ok || n < 1 || n > limit) return false;
    out = n;
    return true;
}

}  // namespace

QString parseDrawOptions(const QStringList& args, DrawOptions& opts) {
    ArgReader r{args, 0, {}};
    QStringList positional;
    bool optionsEnded = false;  // after "--" every argument is a file name
    while (r.more()) {
        Option opt;
        if (!nextOption(r, optionsEnded, positional, opt)) continue;
        const QString& name = opt.name;
        if (name == u"--fit" && !opt.hasInline) {
            opts.fit = true;
            continue;
        }
        static const QStringList kKnown{QStringLiteral("--program"),    QStringLiteral("--lathe"),
                                        QStringLiteral("--size"),       QStringLiteral("--png"),
                                        QStringLiteral("--trace"),      QStringLiteral("--answers"),
                                        QStringLiteral("--max-blocks")};
        if (!kKnown.contains(name)) return QStringLiteral("unknown option ") + name;
        QString v;
        if (!r.value(opt, v)) return r.error;
        if (name == u"--program") {
            if (v.isEmpty()) return QStringLiteral("--program needs a program name");
            opts.program = v;
        } else if (name == u"--lathe") {
            if (!parseLathe(v, opts.lathe)) return QStringLiteral("--lathe takes t or m");
        } else if (name == u"--size") {
            static const QRegularExpression re(QStringLiteral("^([0-9]+)[xX]([0-9]+)$"));
            auto m = re.match(v);
            qint64 w = 0, h = 0;
            // Up to 16384 pixels a side: the picture must fit in memory.
            if (!m.hasMatch() || !parsePositive(m.captured(1), 16384, w) ||
                !parsePositive(m.captured(2), 16384, h))
                return QStringLiteral("--size takes WxH in pixels (1 to 16384 each)");
            opts.widthPx = int(w);
            opts.heightPx = int(h);
        } else if (name == u"--png") {
            if (v.isEmpty()) return QStringLiteral("--png needs a file name");
            opts.pngPath = v;
        } else if (name == u"--trace") {
            if (v.isEmpty()) return QStringLiteral("--trace needs a file name or -");
            opts.tracePath = v;
        } else if (name == u"--answers") {
            if (v.isEmpty()) return QStringLiteral("--answers needs a file name");
            opts.answersPath = v;
        } else if (name == u"--max-blocks") {
            if (!parsePositive(v, std::numeric_limits<qint64>::max(), opts.maxBlocks))
                return QStringLiteral("--max-blocks takes a whole number from 1 up");
        } else {
            return QStringLiteral("unknown option ") + name;
        }
    }
    if (positional.size() != 1)
        return positional.isEmpty() ? QStringLiteral("no NC file given")
                                    : QStringLiteral("draw takes one NC file");
    opts.file = positional.first();
    return {};
}

QString parseCheckOptions(const QStringList& args, CheckOptions& opts) {
    ArgReader r{args, 0, {}};
    bool optionsEnded = false;
    while (r.more()) {
        QString a = r.next();
        if (!optionsEnded && a == u"--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && a.startsWith(QStringLiteral("--"))) {
            const Option opt = splitOption(a);
            if (opt.name != u"--lathe") return QStringLiteral("unknown option ") + opt.name;
            QString v;
            if (!r.value(opt, v)) return r.error;
            if (!parseLathe(v, opts.lathe)) return QStringLiteral("--lathe takes t or m");
            continue;
        }
        opts.files << a;
    }
    if (opts.files.isEmpty()) return QStringLiteral("no NC file given");
    return {};
}

QString parseStatsOptions(const QStringList& args, StatsOptions& opts) {
    ArgReader r{args, 0, {}};
    QStringList positional;
    bool optionsEnded = false;
    while (r.more()) {
        Option opt;
        if (!nextOption(r, optionsEnded, positional, opt)) continue;
        if (opt.name != u"--program" && opt.name != u"--rapid" && opt.name != u"--lathe")
            return QStringLiteral("unknown option ") + opt.name;
        QString v;
        if (!r.value(opt, v)) return r.error;
        if (opt.name == u"--program") {
            if (v.isEmpty()) return QStringLiteral("--program needs a program name");
            opts.program = v;
        } else if (opt.name == u"--lathe") {
            if (!parseLathe(v, opts.lathe)) return QStringLiteral("--lathe takes t or m");
        } else {
            bool ok = false;
            const double rate = v.toDouble(&ok);
            if (!ok || !(rate > 0) || !std::isfinite(rate))
                return QStringLiteral("--rapid takes a rapid rate in mm/min above 0");
            opts.rapid = rate;
        }
    }
    if (positional.size() != 1)
        return positional.isEmpty() ? QStringLiteral("no NC file given")
                                    : QStringLiteral("stats takes one NC file");
    opts.file = positional.first();
    return {};
}
