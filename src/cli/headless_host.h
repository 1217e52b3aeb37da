#pragma once
// The window a headless drawing run draws on: a surface of fixed size, the
// auto-answering dialogs, a pump that plays the operator's part where a run
// waits for a key or a click, and a private folder for the work file.
#include <QTemporaryDir>
#include <functional>

#include "drawing/drawing_host.h"
#include "platform/colour.h"
#include "platform/event_pump.h"
#include "platform/surface.h"

namespace store {
class ProgramStore;
}

// A surface that only knows its size: a run without picture and trace.
class BlankSurface : public Surface {
public:
    BlankSurface(double w, double h) : w_(w), h_(h) {}
    void fill(double, double, double, double, colour::Rgb) override {}
    void line(double, double, double, double, colour::Rgb) override {}
    void point(double, double, colour::Rgb) override {}
    void circle(double, double, double, colour::Rgb) override {}
    void text(double, double, double, colour::Rgb, const QString&) override {}
    double width() const override { return w_; }
    double height() const override { return h_; }
    double screenWidth() const override { return w_; }
    double screenHeight() const override { return h_; }
    bool keepsPaint() const override { return false; }

private:
    double w_, h_;
};

// Passes every operation on until it is shut; then keeps nothing, as a blank
// surface does.  A run that goes on far beyond any real program (an endless
// loop on its way to the block bound) stops costing paint and trace lines.
class PaintingGate : public Surface {
public:
    explicit PaintingGate(Surface& to) : to_(to) {}
    void shut() { open_ = false; }
    bool isOpen() const { return open_; }
    void fill(double x1, double y1, double x2, double y2, colour::Rgb c) override {
        if (open_) to_.fill(x1, y1, x2, y2, c);
    }
    void line(double x1, double y1, double x2, double y2, colour::Rgb c) override {
        if (open_) to_.line(x1, y1, x2, y2, c);
    }
    void point(double x, double y, colour::Rgb c) override {
        if (open_) to_.point(x, y, c);
    }
    void circle(double cx, double cy, double r, colour::Rgb c) override {
        if (open_) to_.circle(cx, cy, r, c);
    }
    void text(double x, double y, double size, colour::Rgb c, const QString& s) override {
        if (open_) to_.text(x, y, size, c, s);
    }
    void fittedText(double x, double y, double size, colour::Rgb c, const QString& s,
                    double maxWidth) override {
        if (open_) to_.fittedText(x, y, size, c, s, maxWidth);
    }
    double width() const override { return to_.width(); }
    double height() const override { return to_.height(); }
    double screenWidth() const override { return to_.screenWidth(); }
    double screenHeight() const override { return to_.screenHeight(); }
    bool keepsPaint() const override { return open_ && to_.keepsPaint(); }

private:
    Surface& to_;
    bool open_ = true;
};

// Each yield runs the idle action (set by the command once the run exists).
class HeadlessPump : public EventPump {
public:
    void yield() override {
        ++yields_;
        if (idle_) idle_();
    }
    void setIdle(std::function<void()> f) { idle_ = std::move(f); }
    qint64 yields() const { return yields_; }

private:
    std::function<void()> idle_;
    qint64 yields_ = 0;
};

class HeadlessHost : public DrawingHost {
public:
    // Draws listing entry `entry` of `programs` (which must outlive the host).
    HeadlessHost(Surface& surface, Dialogs& dialogs, EventPump& pump,
                 const store::ProgramStore& programs, int entry);

    // False when the private work folder could not be made.
    bool isValid() const { return dir_.isValid(); }

    Surface& surface() override { return surface_; }
    Dialogs& dialogs() override { return dialogs_; }
    EventPump& pump() override { return pump_; }
    QString workDir() override { return dir_.path(); }
    QString editText() override { return editText_; }
    QString programName() override { return label1_; }
    void setProgramName(const QString& name) override { label1_ = name; }
    void writeProgramToWorkFile() override;
    void hideControls() override {}
    void showControls() override {}
    void focusEditScreen() override {}
    void focusListing() override {}
    void flush() override {}

    // A failure of the work-file writer (the run then finds no work file).
    const QString& lastWriteError() const { return writeError_; }

private:
    Surface& surface_;
    Dialogs& dialogs_;
    EventPump& pump_;
    const store::ProgramStore& programs_;
    QTemporaryDir dir_;
    QString editText_;
    QString label1_;
    QString writeError_;
};
