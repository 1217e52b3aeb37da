#pragma once
// A surface that keeps every operation as a trace line (tests, `tssnc-cli --trace`).
// Trace format: coordinates in twips in shortest round-trip decimal form, colours
// RRGGBB upper case, texts quoted with \n, \" and \\ escapes.
#include <QStringList>
#include <functional>
#include "platform/surface.h"

class RecordingSurface : public Surface {
public:
    RecordingSurface(double width, double height, double screenWidth, double screenHeight);

    void fill(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void line(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void point(double x, double y, colour::Rgb c) override;
    void circle(double cx, double cy, double r, colour::Rgb c) override;
    void text(double x, double y, double size, colour::Rgb c, const QString& str) override;
    // Traced as a text line; the forward surface narrows it.
    void fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                    double maxWidth) override;
    double width() const override { return w_; }
    double height() const override { return h_; }
    double screenWidth() const override { return sw_; }
    double screenHeight() const override { return sh_; }
    void resize(double width, double height) { w_ = width; h_ = height; }

    const QStringList& ops() const { return ops_; }
    void clear() { ops_.clear(); }
    // Called with each trace line as it is made (the CLI streams the trace).
    void setSink(std::function<void(const QString&)> sink) { sink_ = std::move(sink); }
    // Optional second surface that receives every operation too (the CLI's PNG).
    void setForward(Surface* s) { forward_ = s; }
    // Keep the lines in ops() (default) or only pass them to the sink.
    void setKeep(bool keep) { keep_ = keep; }

private:
    void add(const QString& op);
    double w_, h_, sw_, sh_;
    QStringList ops_;
    std::function<void(const QString&)> sink_;
    Surface* forward_ = nullptr;
    bool keep_ = true;
};

namespace trace {
// Shortest decimal text that reads back to the same double (14400, 4165.714285714285).
QString num(double v);
QString rgbHex(colour::Rgb c);
// Quote a text: line breaks (CR LF, LF, CR) -> \n, " -> \", \ -> \\.
QString quoted(const QString& s);
// Escape a text without quoting: line breaks -> \n, \ -> \\ (message: lines).
QString escaped(const QString& s);
// What quoted() puts between the quotes (" escaped too), without the quotes.
QString quotedInner(const QString& s);
}  // namespace trace
