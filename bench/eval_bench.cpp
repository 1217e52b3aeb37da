// myshiki on a mix of expression shapes: evaluations per second, the figure of
// the macro loop's inner cost.  Each run evaluates every expression of the file
// ROUNDS times; the results of one round are printed first so that a change of
// the evaluator that changes a result shows at once.
//   eval_bench EXPRS_FILE [ROUNDS] [RUNS]
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "bench/bench_stats.h"
#include "drawing/evaluator.h"
#include "platform/scripted_dialogs.h"

namespace {
constexpr int kVariants = 64;
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: eval_bench EXPRS_FILE [ROUNDS] [RUNS]\n");
        return 2;
    }
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "eval_bench: cannot read %s\n", argv[1]);
        return 2;
    }
    QStringList exprs;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (!l.trimmed().isEmpty()) exprs << QString::fromLatin1(l.trimmed());
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 20000;
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 5;

    ScriptedDialogs dialogs;
    for (const QString& e : exprs) {
        const std::optional<QString> r = myshiki(e, dialogs);
        std::printf("# %s = %s\n", qPrintable(e), r ? qPrintable(*r) : "(grammar fault)");
    }
    // The evaluator keeps the values of the last texts it saw; the mix proper
    // uses 64 variants of every shape (a term "+N" added), so that each text
    // comes round again only after a thousand others and is evaluated anew.
    QStringList variants;
    for (int v = 0; v < kVariants; ++v)
        for (const QString& e : exprs) variants << e + QLatin1Char('+') + QString::number(v);
    qint64 sink = 0;
    auto measure = [&](const QStringList& texts, int times) {
        std::vector<double> perSecond;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < times; ++i)
                for (const QString& e : texts) sink += myshiki(e, dialogs)->size();
            perSecond.push_back(double(times) * texts.size() / bench::seconds(t));
        }
        return perSecond;
    };
    const int variantRounds = std::max(1, rounds / kVariants);
    char label[128];
    std::snprintf(label, sizeof label, "myshiki, mix of %d shapes (%d texts, each evaluated anew)",
                  int(exprs.size()), int(variants.size()));
    bench::row(label, "evaluations/s", measure(variants, variantRounds), "%.0f");
    std::snprintf(label, sizeof label, "myshiki, the same %d texts again and again (values kept)",
                  int(exprs.size()));
    bench::row(label, "evaluations/s", measure(exprs, rounds), "%.0f");
    return sink > 0 ? 0 : 1;
}
