// The zoom/pan redraw inside the engine: one drawing run of a program, answered
// at each end-of-text prompt by a view command (enlarge, pan right, shrink, pan
// left in turn), each of which restarts the drawing from line 0 and redraws up
// to the block reached.  The time between two end-of-text prompts is one
// restart.  The surface is either one that only has a size (the engine's own
// cost) or a 1920x1080 picture (what the window paints).
//   restart_bench FILE [--restarts N] [--image] [--lathe t|m] [--label TEXT]
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "bench/bench_stats.h"
#include "cli/auto_dialogs.h"
#include "cli/headless_host.h"
#include "cli/program_file.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_state.h"
#include "editor/program_store.h"
#include "platform/gui_image_surface.h"

namespace {

// Answers the boxes of the run and notes the time of every end-of-text prompt.
class BenchDialogs : public Dialogs {
public:
    BenchDialogs(QString lathe, QStringList commands, const HeadlessPump& pump)
        : lathe_(std::move(lathe)), commands_(std::move(commands)), pump_(pump) {
        clock_.start();
    }

    void message(const QString& text) override { messages << text; }
    bool askYesNo(const QString&, const QString&) override { return true; }
    QString input(const QString& prompt, const QString&, const QString& defaultAnswer, double,
                  double) override {
        if (AutoDialogs::isOrientationPrompt(prompt)) return lathe_;
        if (!AutoDialogs::isEndOfTextPrompt(prompt)) return defaultAnswer;
        promptTimes.push_back(bench::seconds(clock_));
        promptBlocks.push_back(pump_.yields());
        return commands_.isEmpty() ? QStringLiteral("N") : commands_.takeFirst();
    }
    FileChoice openFile(const QString&, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }

    std::vector<double> promptTimes;
    std::vector<qint64> promptBlocks;
    QStringList messages;

private:
    QString lathe_;
    QStringList commands_;
    const HeadlessPump& pump_;  // the run yields once before every block
    QElapsedTimer clock_;
};

}  // namespace

int main(int argc, char** argv) {
    // Pictures without a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString file, lathe = QStringLiteral("t"), label;
    int restarts = 5;
    bool image = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--restarts" && i + 1 < args.size()) restarts = std::max(1, args[++i].toInt());
        else if (a == u"--image") image = true;
        else if (a == u"--lathe" && i + 1 < args.size()) lathe = args[++i];
        else if (a == u"--label" && i + 1 < args.size()) label = args[++i];
        else file = a;
    }
    if (file.isEmpty()) {
        std::fprintf(stderr, "usage: restart_bench FILE [--restarts N] [--image] [--lathe t|m]"
                             " [--label TEXT]\n");
        return 2;
    }
    if (label.isEmpty()) label = file.section(u'/', -1);

    store::ProgramStore programs;
    if (const QString e = readProgramFile(programs, file); !e.isEmpty()) {
        std::fprintf(stderr, "restart_bench: %s\n", qPrintable(e));
        return 2;
    }

    const int w = 1920, h = 1080;
    const double tpp = 15.0;
    BlankSurface blank(w * tpp, h * tpp);
    std::unique_ptr<ImageSurface> picture;
    if (image) picture = std::make_unique<ImageSurface>(w, h, 96.0, QSize(w, h), colour::kButtonFace);
    Surface& surface = picture ? static_cast<Surface&>(*picture) : blank;

    const char* const kCycle[] = {"b", "r", "s", "l"};
    QStringList commands;
    for (int i = 0; i < restarts; ++i) commands << QLatin1String(kCycle[i % 4]);

    DrawingState state;
    HeadlessPump pump;
    BenchDialogs dialogs(lathe, commands, pump);
    HeadlessHost host(surface, dialogs, pump, programs, 1);
    RunOptions options;
    options.maxBlocks = 100000000;
    options.passEndKeyWait = true;
    const RunResult r = drawing::drawClick(host, state, options);

    for (const QString& m : dialogs.messages)
        std::printf("# message: %s\n", qPrintable(m));
    if (r != RunResult::Normal || dialogs.promptTimes.size() < 2) {
        std::fprintf(stderr, "restart_bench: the run of %s ended before its restarts\n",
                     qPrintable(file));
        return 1;
    }
    std::vector<double> ms;
    for (size_t i = 1; i < dialogs.promptTimes.size(); ++i)
        ms.push_back((dialogs.promptTimes[i] - dialogs.promptTimes[i - 1]) * 1000);
    // Blocks of the last pass (the first one also counts the yields before it).
    const qint64 blocks = dialogs.promptBlocks.back() - dialogs.promptBlocks[dialogs.promptBlocks.size() - 2];
    std::printf("# blocks per pass: %lld\n", static_cast<long long>(blocks));
    std::printf("# first pass: %.1f ms\n", dialogs.promptTimes.front() * 1000);
    const QString row = QStringLiteral("restart (zoom/pan redraw), %1, %2")
                            .arg(label, image ? QStringLiteral("painted 1920x1080")
                                              : QStringLiteral("engine only"));
    bench::row(qPrintable(row), "ms", ms);
    return 0;
}
