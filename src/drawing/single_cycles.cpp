#include "drawing/single_cycles.h"

#include <QList>
#include <algorithm>

#include "drawing/block_values.h"
#include "drawing/cycle_words.h"

namespace {

constexpr int kBoxCodes[] = {90, 92, 94};
constexpr int kOtherCycles[] = {74, 75, 76};
// Moves that replace a modal box cycle in its own group.
constexpr int kMoveCodes[] = {0, 1, 2, 3, 32, 33};
// Codes that end a modal box cycle.
constexpr int kMotionCodes[] = {0, 1, 2, 3, 32, 33, 70, 71, 72, 73, 80};
constexpr int kModalSettings[] = {20, 21, 40, 41, 42, 96, 97, 98, 99};

template <size_t N>
bool among(double g, const int (&codes)[N]) {
    return std::any_of(std::begin(codes), std::end(codes), [g](int c) { return g == c; });
}

// The values of the block's G words outside comments ("G99 G90 X40." gives
// 99 and 90).  A G not followed by a number (GOTO) is no G word.
QList<double> gWords(BlockValues& values) {
    const QString& line = values.line();
    QList<double> out;
    int depth = 0;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'(') ++depth;
        if (c == u')' && depth > 0) --depth;
        if (depth > 0 || c != u'G' || i + 1 >= line.size()) continue;
        const QChar n = line[i + 1];
        if (!n.isDigit() && n != u'#' && n != u'[') continue;
        const QString v = values.stretch(i + 2);
        if (v.isEmpty()) continue;
        if (const std::optional<double> g = values.number(v)) out << *g;
    }
    return out;
}

}  // namespace

int SingleCycles::namedCycle(BlockValues& values) {
    if (!values.line().contains(u'G')) return 0;
    const QList<double> g = gWords(values);
    // G74 to G76 are one-shot and count wherever they stand; of the modal
    // motion codes the last one in the block is the one a control takes.
    double lastMotion = -1;
    for (double v : g) {
        if (among(v, kOtherCycles)) {
            box_ = BoxCycle{};
            return int(v);
        }
        if (among(v, kBoxCodes) || among(v, kMoveCodes)) lastMotion = v;
    }
    if (among(lastMotion, kBoxCodes)) return int(lastMotion);
    if (std::any_of(g.begin(), g.end(), [](double v) { return among(v, kMotionCodes); }))
        box_ = BoxCycle{};
    return 0;
}

bool SingleCycles::repeats(BlockValues& values) {
    if (box_.code == 0) return false;
    bool moves = false;
    for (const char* key : {"X", "U", "Z", "W"})
        if (!values.word(QString::fromLatin1(key)).isEmpty()) moves = true;
    if (!moves) return false;
    const QList<double> g = gWords(values);
    return std::all_of(g.begin(), g.end(), [](double v) { return among(v, kModalSettings); });
}

void SingleCycles::draw(CycleWords& words, int code) {
    switch (code) {
    case 74:
    case 75:
        grooveCycle(words, groove_, code == 74);
        return;
    case 76:
        threadCycle(words, thread_);
        return;
    default:
        drawBoxCycle(words, box_, code);
    }
}
