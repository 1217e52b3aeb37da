#include "cli/headless_run.h"

#include <QRegularExpression>
#include <QSize>
#include <memory>

#include "cli/auto_dialogs.h"
#include "cli/headless_host.h"
#include "drawing/drawing_input.h"
#include "drawing/drawing_state.h"
#include "drawing/part_measure.h"
#include "editor/program_store.h"
#include "platform/gui_image_surface.h"
#include "platform/recording_surface.h"

namespace {

// Passes every operation to the picture, keeping a copy of the picture as it
// stood when a box was shown: the run fills the window at its very end, and
// the picture worth keeping is the one the operator saw at the last box.
class SnapshotSurface : public Surface {
public:
    explicit SnapshotSurface(ImageSurface& image) : image_(image) {}

    void boxShown() { pending_ = true; }
    QImage picture() const { return pending_ || snap_.isNull() ? image_.image() : snap_; }

    void fill(double x1, double y1, double x2, double y2, colour::Rgb c) override {
        settle();
        image_.fill(x1, y1, x2, y2, c);
    }
    void line(double x1, double y1, double x2, double y2, colour::Rgb c) override {
        settle();
        image_.line(x1, y1, x2, y2, c);
    }
    void point(double x, double y, colour::Rgb c) override {
        settle();
        image_.point(x, y, c);
    }
    void circle(double cx, double cy, double r, colour::Rgb c) override {
        settle();
        image_.circle(cx, cy, r, c);
    }
    void text(double x, double y, double size, colour::Rgb c, const QString& s) override {
        settle();
        image_.text(x, y, size, c, s);
    }
    double width() const override { return image_.width(); }
    double height() const override { return image_.height(); }
    double screenWidth() const override { return image_.screenWidth(); }
    double screenHeight() const override { return image_.screenHeight(); }

private:
    void settle() {
        if (!pending_) return;
        snap_ = image_.image().copy();
        pending_ = false;
    }
    ImageSurface& image_;
    QImage snap_;
    bool pending_ = false;
};

// "click X Y" (twips): a mouse press for an area selection, from the answers.
bool parseClick(const QString& line, double& x, double& y) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*click\\s+(-?[0-9]+(?:\\.[0-9]*)?)\\s+(-?[0-9]+(?:\\.[0-9]*)?)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    auto m = re.match(line);
    if (!m.hasMatch()) return false;
    x = m.captured(1).toDouble();
    y = m.captured(2).toDouble();
    return true;
}

// Listing name of the program being interpreted: the drawn entry at the top
// level; inside a macro call, the entry whose first line the called program's
// text begins with (the work-file writer hands over the lines of that entry).
QString listingNameNow(const store::ProgramStore& programs, int entry, const DrawingState& state) {
    const QStringList& lines = state.run.lines;
    if (state.macroLevel == 0 || lines.isEmpty()) return programs.entryName(entry);
    for (int i = 1; i < programs.programCount(); ++i)
        if (programs.entryFirstLine(i) == lines.first()) return programs.entryName(i);
    return lines.first();  // "(nofileerr)": the called program does not exist
}

}  // namespace

HeadlessOutcome drawHeadless(const HeadlessDrawing& d) {
    HeadlessOutcome out;
    const double w = d.widthPx * kHeadlessTwipsPerPixel;
    const double h = d.heightPx * kHeadlessTwipsPerPixel;

    // Surfaces: the trace records and passes on to the picture; without either
    // the run draws on a surface that only has a size.
    std::unique_ptr<ImageSurface> image;
    std::unique_ptr<SnapshotSurface> snapshot;
    std::unique_ptr<RecordingSurface> recording;
    BlankSurface blank(w, h);
    Surface* surface = &blank;
    if (d.wantImage) {
        image = std::make_unique<ImageSurface>(d.widthPx, d.heightPx, 96.0,
                                               QSize(d.widthPx, d.heightPx), colour::kButtonFace);
        snapshot = std::make_unique<SnapshotSurface>(*image);
        surface = snapshot.get();
    }
    if (d.trace) {
        recording = std::make_unique<RecordingSurface>(w, h, w, h);
        recording->setKeep(false);
        recording->setSink(d.trace);
        if (snapshot) recording->setForward(snapshot.get());
        surface = recording.get();
    }

    PaintingGate gate(*surface);
    surface = &gate;

    DrawingState state;
    AutoDialogs dialogs(d.lathe, d.answers);
    if (d.trace) dialogs.setTraceSink(d.trace);
    if (d.warn) dialogs.setWarningSink(d.warn);
    if (snapshot) dialogs.setOnBox([&] { snapshot->boxShown(); });
    dialogs.setOnMessage([&](const QString& text) {
        if (d.onMessage) d.onMessage(text, listingNameNow(*d.programs, d.entry, state),
                                     state.currentLine());
    });

    HeadlessPump pump;
    HeadlessHost host(*surface, dialogs, pump, *d.programs, d.entry);
    if (!host.isValid()) {
        out.setupError = QStringLiteral("cannot make a temporary folder for the work file");
        return out;
    }

    // The operator's part during an area selection: the corners from the
    // answers ("click X Y"), else the corners of the whole window, which
    // leaves the view as it was.
    pump.setIdle([&] {
        if (gate.isOpen() && pump.yields() > kPaintedBlocks && d.maxBlocks > kPaintedBlocks) {
            gate.shut();
            if (d.warn)
                d.warn(QStringLiteral("%1 blocks drawn: the picture and the trace stop here, the run "
                                      "goes on to its end or to --max-blocks %2")
                           .arg(kPaintedBlocks)
                           .arg(d.maxBlocks));
        }
        const int a = state.areaSelectState;
        if (a != drawing::kAreaWantUpperLeft && a != drawing::kAreaWantLowerRight) return;
        double x = 0, y = 0;
        if (dialogs.hasAnswer() && parseClick(dialogs.peekAnswer(), x, y)) {
            dialogs.takeAnswer();
        } else if (a == drawing::kAreaWantUpperLeft) {
            x = 0;
            y = 0;
        } else {
            x = host.surface().width();
            y = host.surface().height();
        }
        drawing::formMouseDown(state, host, 1, x, y);
    });

    if (d.fit) {
        // The view is laid out before the run, for the lathe the prompt is
        // answered with; the prompt keeps a view of its own orientation.
        state.orientation = d.lathe == u"m" ? QStringLiteral("m") : QStringLiteral("t");
        const std::optional<FittedView> v =
            fitView(measurePart(host, state), state.orientation == u"m", w, h);
        if (v) {
            state.originX = v->originX;
            state.originY = v->originY;
            state.scale = v->scale;
            state.viewReady = true;
        }
    }

    RunOptions options;
    options.observer = d.observer;
    options.realTime = false;
    options.maxBlocks = d.maxBlocks;
    options.passEndKeyWait = true;
    out.result = drawing::drawClick(host, state, options);
    out.messages = dialogs.messageCount();
    out.unusedAnswers = dialogs.unusedAnswers();
    if (snapshot) out.image = snapshot->picture();
    return out;
}
