#pragma once
// One drawing run without a window, as the "描画" menu item would start it on
// the editor: the same engine code, answered by AutoDialogs, drawn on a surface
// of the given size (the screen the same size) at 15 twips per pixel.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

#include "drawing/drawing_run.h"

namespace store {
class ProgramStore;
}

// Twips per pixel of the headless surface (96 dpi).
inline constexpr double kHeadlessTwipsPerPixel = 15.0;
// Blocks a headless run may take before it is ended as an engine error (the
// default of --max-blocks).
inline constexpr qint64 kDefaultMaxBlocks = 1000000;
// Blocks painted (picture and trace) before a run that goes on is warned about
// and continues without painting, so that reaching the bound costs little.
inline constexpr qint64 kPaintedBlocks = 100000;

struct HeadlessDrawing {
    const store::ProgramStore* programs = nullptr;
    int entry = 1;
    QString lathe = QStringLiteral("t");
    QStringList answers;        // lines of the answers file
    int widthPx = 1920;
    int heightPx = 1080;
    qint64 maxBlocks = kDefaultMaxBlocks;
    bool wantImage = false;     // keep a picture (for --png)
    // The part's cutting moves fill the picture from the start (draw --fit).
    bool fit = false;
    // Told of every move of each pass (stats).
    MoveObserver* observer = nullptr;
    // Every surface operation and every box as a trace line (null: none).
    std::function<void(const QString&)> trace;
    // Every OK box, with the listing name of the program being interpreted
    // and the 1-based line in it.
    std::function<void(const QString& text, const QString& program, int line)> onMessage;
    // Complaints about the answers file, and the warning at kPaintedBlocks.
    std::function<void(const QString&)> warn;
};

struct HeadlessOutcome {
    RunResult result = RunResult::Normal;
    QString setupError;         // the run could not be set up (nothing drawn)
    int messages = 0;           // OK boxes shown
    int unusedAnswers = 0;      // answers lines left over
    // The surface as it stood when the run showed its last box (the picture
    // the operator saw before the run ended and cleared the window).
    QImage image;
};

HeadlessOutcome drawHeadless(const HeadlessDrawing& d);
