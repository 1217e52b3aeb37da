#pragma once
// A drawing run on a fake window, with helpers to read what it did.
#include <functional>

#include "drawing/block_interpreter.h"
#include "drawing/drawing_input.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_texts.h"
#include "fake_host.h"

// Blocks "O0001(TEST)", "(B1)" .. "(B<n-1>)" and the closing "%".
inline QStringList testProgram(int blocks) {
    QStringList l{QStringLiteral("O0001(TEST)")};
    for (int i = 1; i < blocks; ++i) l << QStringLiteral("(B%1)").arg(i);
    l << QStringLiteral("%");
    return l;
}

struct RunRig {
    FakeHost host;
    DrawingState st;
    RunOptions opt;
    // The block count at each step menu shown.
    QList<qint64> stepMenuAt;

    explicit RunRig(const QStringList& program = testProgram(3)) {
        host.setProgram(program);
        opt.maxBlocks = 3000;  // a test that goes wrong ends instead of hanging
        // Any key ends the wait at the end of the text.
        host.pmp.setIdle([this] {
            if (st.keyMailbox == u"zzz") st.keyMailbox = QStringLiteral("13");
        });
        host.dlg.setOnShown([this](const ScriptedDialogs::Shown& s) {
            if (s.kind == ScriptedDialogs::Shown::Input && s.text == drawing::text::kStepMenu)
                stepMenuAt << st.run.blockCount;
        });
    }

    // Answers the orientation prompt, then the queued answers.
    RunResult draw(const QString& orientation, const QStringList& answers = {},
                   BlockInterpreter* interpreter = nullptr) {
        host.dlg.queueInput(orientation);
        for (const QString& a : answers) host.dlg.queueInput(a);
        return drawing::drawClick(host, st, opt, interpreter);
    }

    // At the n-th yield of the run (1-based) do f (a key, a click, a close).
    void atYield(int n, std::function<void()> f) {
        while (pending_.size() < n) pending_.append(std::function<void()>());
        pending_[n - 1] = std::move(f);
        host.pmp = ScriptedPump();
        host.pmp.setIdle([this] {
            if (st.keyMailbox == u"zzz") st.keyMailbox = QStringLiteral("13");
        });
        for (auto& p : pending_) host.pmp.queue(p ? p : [] {});
    }
    void keyAt(int n, int code) {
        atYield(n, [this, code] { drawing::formKeyDown(st, host, code); });
    }
    void clickAt(int n, double x, double y) {
        atYield(n, [this, x, y] { drawing::formMouseDown(st, host, 1, x, y); });
    }

    int count(const QString& op) const { return int(host.surf.ops().count(op)); }
    int countPrefix(const QString& prefix) const {
        int n = 0;
        for (const QString& o : host.surf.ops())
            if (o.startsWith(prefix)) ++n;
        return n;
    }
    QStringList inputTexts() const {
        QStringList out;
        for (const auto& s : host.dlg.shown())
            if (s.kind == ScriptedDialogs::Shown::Input) out << s.text;
        return out;
    }
    // The grid's zero mark (the circle after the grid's dots), one per grid drawn.
    int passes() const {
        int n = 0;
        const QStringList& ops = host.surf.ops();
        for (int i = 1; i < ops.size(); ++i)
            if (ops[i].startsWith(u"circle ") && ops[i - 1].startsWith(u"point ")) ++n;
        return n;
    }

private:
    QList<std::function<void()>> pending_;
};

// The zero mark of the default view of "t" and "m" on the default surface.
inline QString zeroMarkT() {
    return QStringLiteral("circle %1 %2 100 FF0000")
        .arg(trace::num(28800 / 7.0 * 2.5), trace::num(16200 / 7.0 * 1.8));
}
inline const QString kZeroMarkM = QStringLiteral("circle 14400 12960 100 FF0000");

// Text operation as the recording surface writes it.
inline QString textOp(double x, double y, double size, const char* rgb, const QString& s) {
    return QStringLiteral("text %1 %2 %3 %4 %5")
        .arg(trace::num(x), trace::num(y), trace::num(size), QLatin1String(rgb), trace::quoted(s));
}
inline QString fillOp(double x1, double y1, double x2, double y2, const char* rgb) {
    return QStringLiteral("fill %1 %2 %3 %4 %5")
        .arg(trace::num(x1), trace::num(y1), trace::num(x2), trace::num(y2), QLatin1String(rgb));
}

// An interpreter whose blocks do what the test says.
class ScriptInterpreter : public BlockInterpreter {
public:
    std::function<BlockStep(BlockContext&)> onBlock;
    bool pending = false;  // what cornerPending() answers
    int runs = 0, passes = 0;
    void beginRun(BlockContext&) override { ++runs; }
    void beginPass(BlockContext&) override { ++passes; }
    BlockStep interpret(BlockContext& c) override {
        c.takeUpBlock(c.lines().value(c.lineIndex()));
        return onBlock ? onBlock(c) : BlockStep::next();
    }
    void returnedFromCall(BlockContext&) override {}
    bool cornerPending() const override { return pending; }
};
