// Reading an NC file into the program store and painting the listing, as the
// editor does when a file is opened (fileload's read, then entry 1 shown with
// the listing repainted), and showing another entry (its text for the edit
// screen, the listing repainted).  The listing is painted on a picture the
// size of the editor window.
//   listing_bench FILE [RUNS]
#include <QGuiApplication>
#include <cstdio>

#include "bench/bench_stats.h"
#include "editor/fileload.h"
#include "platform/gui_image_surface.h"
#include "platform/scripted_dialogs.h"

namespace {

// The editor window reduced to its state; the listing surface is a picture.
struct BenchWindow : ListingWindow {
    QString path, edit, label1, readout;
    int current = 0, skip = 0;
    ImageSurface surface{1024, 860, 96.0, QSize(1024, 860), colour::kButtonFace};
    ScriptedDialogs dialogs;

    QString currentFilePath() const override { return path; }
    int currentProgram() const override { return current; }
    void setCurrentProgram(int n) override { current = n; }
    int skipSaveFlag() const override { return skip; }
    void setSkipSaveFlag(int v) override { skip = v; }
    ScreenMode screenMode() const override { return ScreenMode::Settled; }
    void setProgramCount(int) override {}
    colour::Rgb editTextColour() const override { return colour::kBlack; }
    QString editText() const override { return edit; }
    void setEditText(const QString& t, colour::Rgb) override { edit = t; }
    void showEditScreen() override {}
    QString programLabel() const override { return label1; }
    void setProgramLabel(const QString& c) override { label1 = c; }
    QString readoutText() const override { return readout; }
    void setReadoutText(const QString& t, colour::Rgb) override { readout = t; }
    void scrollReadoutTo(const QString&) override {}
    void setReadoutChangedTag() override {}
    void setReadoutSaveEnabled(bool) override {}
    void setSectionButtonCaption(int, const QString&) override {}
    void setSectionButtonVisible(int, bool) override {}
    bool combineMode() const override { return false; }
    void setCombineMode(bool) override {}
    void toggleCombineMode() override {}
    Surface& listingSurface() override { return surface; }
    Dialogs& listingDialogs() override { return dialogs; }
    bool offerSave() override { return true; }
    void forgetSearchPosition() override {}
    void leaveToMenu() override {}
    void refreshListingKeyCatcher() override {}
    QString workFilePath() const override { return {}; }
    void writeCombinedOutput(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    // Pictures without a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: listing_bench FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    std::vector<double> readMs, showMs;
    int programs = 0;
    for (int run = 0; run < runs; ++run) {
        BenchWindow w;
        w.path = QString::fromLocal8Bit(argv[1]);
        Fileload f(w);
        QElapsedTimer t;
        t.start();
        f.run(Fileload::kReadCode);
        f.run(1);
        readMs.push_back(bench::seconds(t) * 1000);
        programs = f.programStore().programCount();
        if (programs < 1 || w.edit.isEmpty()) {
            std::fprintf(stderr, "listing_bench: %s gave no program to show\n", argv[1]);
            return 1;
        }
        const int other = std::max(1, programs / 2);
        t.restart();
        f.run(other);
        showMs.push_back(bench::seconds(t) * 1000);
    }
    std::printf("# listing entries: %d\n", programs);
    bench::row("read the file into the store, paint the listing", "ms", readMs, "%.2f");
    bench::row("show an entry (edit text, listing repainted)", "ms", showMs, "%.2f");
    return 0;
}
