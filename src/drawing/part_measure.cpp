#include "drawing/part_measure.h"

#include "drawing/drawing_host.h"
#include "drawing/drawing_run.h"
#include "drawing/drawing_texts.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/recording_surface.h"

namespace {

class UnseenDialogs : public Dialogs {
public:
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return true; }
    QString input(const QString& prompt, const QString&, const QString& def, double,
                  double) override {
        return prompt.startsWith(drawing::text::kEndPrompt1) ? QStringLiteral("N") : def;
    }
    FileChoice openFile(const QString&, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
};

class NoPump : public EventPump {
public:
    void yield() override {}
};

// The window's program, work folder and called programs; nothing shown.
class UnseenHost : public DrawingHost {
public:
    explicit UnseenHost(DrawingHost& real)
        : real_(real), name_(real.programName()),
          surface_(real.surface().width(), real.surface().height(),
                   real.surface().screenWidth(), real.surface().screenHeight()) {
        surface_.setKeep(false);
    }
    // The window's caption is what the listing fetches a called program by;
    // it is given back when the pass is over.
    ~UnseenHost() override { real_.setProgramName(name_); }

    Surface& surface() override { return surface_; }
    Dialogs& dialogs() override { return dialogs_; }
    EventPump& pump() override { return pump_; }
    QString workDir() override { return real_.workDir(); }
    QString editText() override { return real_.editText(); }
    QString programName() override { return real_.programName(); }
    void setProgramName(const QString& name) override { real_.setProgramName(name); }
    void writeProgramToWorkFile() override { real_.writeProgramToWorkFile(); }
    void hideControls() override {}
    void showControls() override {}
    void focusEditScreen() override {}
    void focusListing() override {}
    void flush() override {}

private:
    DrawingHost& real_;
    QString name_;
    RecordingSurface surface_;
    UnseenDialogs dialogs_;
    NoPump pump_;
};

}  // namespace

PartExtent measurePart(DrawingHost& host, const DrawingState& state) {
    PartExtentObserver extent;
    {
        UnseenHost unseen(host);
        DrawingState s;
        s.orientation = state.orientation;
        s.blockSkip = state.blockSkip;
        s.viewReady = true;
        s.originX = state.originX;
        s.originY = state.originY;
        s.scale = state.scale;
        RunOptions options;
        options.maxBlocks = kMeasureMaxBlocks;
        options.passEndKeyWait = true;
        options.observer = &extent;
        std::unique_ptr<BlockInterpreter> interpreter = makeNcBlockInterpreter();
        DrawingRun run(unseen, s, *interpreter, options);
        run.run();
    }
    return extent.extent();
}
