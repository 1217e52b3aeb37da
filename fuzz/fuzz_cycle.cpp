// The rough-turning cycles (G71, G72) on arbitrary finishing shapes.  The
// bytes are decoded into a program rather than read as text, so that the
// fuzzer spends its time on geometry (tapers, arcs of any radius, ",R" and
// ",C" corners, shapes that turn back, allowances and depths of any size)
// and not on spelling; the text side is the drawing target's job.
//
//   byte 0       bit 0 G72, bit 1 horizontal ("m"), bit 2 Q pressed at the
//                roughing's yield, bit 3 the second block names an N that is
//                not there, bit 4 the first block is left out
//   then         tool X, tool Z, depth of cut, retract, allowance U, W
//   then blocks  a kind byte and its numbers, until the bytes run out
//
// A number is two bytes, a signed hundredth (-327.68 .. 327.67).
// TSSNC_FUZZ_PRINT=1 prints the program an input stands for.
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "drawing/geometry_context.h"
#include "drawing/turning_cycle.h"
#include "fuzz_support.h"
#include "platform/scripted_dialogs.h"
#include "platform/surface.h"

namespace {

// More blocks than the cycle's shape table holds, so that limit is reached.
constexpr int kMostBlocks = 60;

// Keeps nothing; a coordinate that is not a number is a wrong drawing, not
// a picture, so it stops the run.
class CheckingSurface : public Surface {
public:
    void fill(double x1, double y1, double x2, double y2, colour::Rgb) override {
        check({x1, y1, x2, y2});
    }
    void line(double x1, double y1, double x2, double y2, colour::Rgb) override {
        check({x1, y1, x2, y2});
    }
    void point(double x, double y, colour::Rgb) override { check({x, y}); }
    void circle(double cx, double cy, double r, colour::Rgb) override { check({cx, cy, r}); }
    void text(double x, double y, double, colour::Rgb, const QString&) override { check({x, y}); }
    double width() const override { return 14400; }
    double height() const override { return 10800; }
    double screenWidth() const override { return 14400; }
    double screenHeight() const override { return 10800; }
    bool keepsPaint() const override { return false; }

private:
    static void check(std::initializer_list<double> values) {
        for (double v : values)
            if (std::isnan(v)) std::abort();
    }
};

class Bytes {
public:
    Bytes(const uint8_t* d, size_t n) : d_(d), n_(n) {}
    bool empty() const { return at_ >= n_; }
    uint8_t byte() { return at_ < n_ ? d_[at_++] : 0; }
    // A program number: "12.5", "-.25", "0." ...
    QString number() {
        const int hi = byte(), lo = byte();
        const int v = int(int16_t(uint16_t(hi << 8 | lo)));
        return QString::number(v / 100.0, 'f', 2);
    }

private:
    const uint8_t* d_;
    size_t n_;
    size_t at_ = 0;
};

// One block of the shape from its kind byte:
//   bits 0-1  G00, G01, G02, G03 (the G is written only when bit 7 is set)
//   bits 2-3  which words: X, Z, both, or U/W increments
//   bit 4     ",R" corner, bit 5 ",C" chamfer (straight moves)
//   bit 6     an arc's radius is written as a negative R
QString shapeBlock(Bytes& b) {
    const int kind = b.byte();
    const int g = kind & 3;
    QString s;
    if (kind & 0x80) s += QStringLiteral("G0%1 ").arg(g);
    const int words = (kind >> 2) & 3;
    if (words == 0 || words == 2) s += QLatin1Char('X') + b.number();
    if (words == 1 || words == 2) s += QLatin1Char('Z') + b.number();
    if (words == 3) s += QLatin1Char('U') + b.number() + QLatin1Char('W') + b.number();
    if (g >= 2 && (kind & 0x80)) {
        QString r = b.number();
        if (kind & 0x40) r.prepend(QLatin1Char('-'));
        s += QLatin1Char('R') + r;
    } else {
        if (kind & 0x10) s += QStringLiteral(",R") + b.number();
        if (kind & 0x20) s += QStringLiteral(",C") + b.number();
    }
    return s;
}

class Host : public CycleHost {
public:
    explicit Host(bool pressQ) : pressQ_(pressQ) {}
    // Words of plain numbers, the way the generated program writes them.
    QString word(const QString& block, const QString& key) override {
        const int at = block.indexOf(key);
        if (at < 0) return {};
        int end = at + int(key.size());
        if (end < block.size() && (block[end] == u'-' || block[end] == u'+')) ++end;
        while (end < block.size() && (block[end].isDigit() || block[end] == u'.')) ++end;
        return block.mid(at + key.size(), end - at - key.size());
    }
    bool yieldOnce() override {
        if (pressQ_) key_ = QStringLiteral("Q");
        return true;
    }
    QString& keyMailbox() override { return key_; }

private:
    bool pressQ_;
    QString key_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes b(data, size);
    const int flags = b.byte();
    const bool g72 = flags & 1, horizontal = flags & 2;
    const QString g = g72 ? QStringLiteral("G72") : QStringLiteral("G71");
    const QString toolX = b.number(), toolZ = b.number();
    const QString depth = b.number(), retract = b.number();
    const QString u = b.number(), w = b.number();

    QStringList lines{QStringLiteral("O0100")};
    lines << g + (g72 ? QStringLiteral(" W") : QStringLiteral(" U")) + depth + QStringLiteral(" R") +
                 retract;
    QStringList shape;
    while (!b.empty() && shape.size() < kMostBlocks) shape << shapeBlock(b);
    if (shape.isEmpty()) return 0;
    shape.first().prepend(QStringLiteral("N10 "));
    if (shape.size() > 1) shape.last().prepend(QStringLiteral("N20 "));
    const QString q = (flags & 8) ? QStringLiteral("30") : shape.size() > 1 ? QStringLiteral("20")
                                                                             : QStringLiteral("10");
    const int second = int(lines.size());
    lines << g + QStringLiteral(" P10 Q") + q + QStringLiteral(" U") + u + QStringLiteral(" W") + w;
    lines << shape << QStringLiteral("M30");
    // To read a finding as the program it stands for.
    if (qEnvironmentVariableIsSet("TSSNC_FUZZ_PRINT"))
        std::fprintf(stderr, "%s\n", qPrintable(lines.join(QLatin1Char('\n'))));

    CheckingSurface surface;
    ScriptedDialogs dialogs;
    GeometryMailbox mailbox;
    int speed = 0;
    GeometryContext ctx{surface, dialogs, mailbox, speed};
    ctx.originX = 7200;
    ctx.originY = 5400;
    ctx.scale = 10;
    ctx.fastForwardLimit = 99999999;
    ctx.blockCount = 1;
    ctx.axisSign = horizontal ? 1 : -1;

    Host host(flags & 4);
    CycleSettings settings;
    CycleCall call;
    call.endH = horizontal ? toolZ : QString::number(toolX.toDouble() / 2);
    call.endV = horizontal ? toolX : QString::number(toolZ.toDouble() * 2);
    if (!(flags & 16)) {
        call.lineIndex = 1;
        (void)mycycle(ctx, host, settings, lines, call);
    }
    call.lineIndex = second;
    (void)mycycle(ctx, host, settings, lines, call);
    return 0;
}
