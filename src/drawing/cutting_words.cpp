#include "drawing/cutting_words.h"

#include <optional>

#include "drawing/evaluator.h"
#include "drawing/macro_variables.h"
#include "drawing/number_text.h"
#include "drawing/point_values.h"

namespace {

constexpr int kClampCode = 50;
constexpr int kConstantSurface = 96;
constexpr int kRevolutionsPerMinute = 97;
constexpr int kPerMinute = 98;
constexpr int kPerRevolution = 99;
constexpr double kMillisecond = 0.001;

bool startsValue(QChar c) {
    return c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'#' || c == u'[';
}

bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Calls f(letter, index) for every address letter of the block that stands
// outside comments, not inside a name, with a value after it.
template <typename F>
void eachWord(const QString& line, F f) {
    int depth = 0;
    const int n = int(line.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c == u'(') ++depth;
        if (c == u')' && depth > 0) --depth;
        if (depth > 0 || !isLetter(c) || i + 1 >= n) continue;
        if (i > 0 && isLetter(line[i - 1])) continue;
        if (!startsValue(line[i + 1])) continue;
        f(c.unicode(), i);
    }
}

// The value of the word whose letter stands at index i.
std::optional<double> valueAt(const QString& line, int i, int level, MacroVariables& vars) {
    // Most words are plain numbers ("F.25"): read at once.
    int end = i + 1;
    while (end < line.size() && (line[end].isDigit() || line[end] == u'.')) ++end;
    if (end > i + 1 && (end == line.size() || line[end] == u' ' || isLetter(line[end])))
        return nt::val(line.mid(i + 1, end - i - 1));
    try {
        const MacroText t = vars.myatai(line, i + 2, 0, level, MacroIo{silentDialogs(), nullptr, QString()});
        if (t.failed() || t.assignmentTarget || t.text.isEmpty()) return std::nullopt;
        const QString v = evaluateQuietly(t.text);
        if (v.isEmpty()) return std::nullopt;
        return nt::val(v);
    } catch (const EvalFault&) {
        return std::nullopt;
    }
}

// A G code written as plain digits ("G96"); -1 otherwise.
int plainCode(const QString& line, int i) {
    int code = 0, digits = 0;
    for (int j = i + 1; j < line.size() && line[j].isDigit() && digits < 3; ++j, ++digits)
        code = code * 10 + line[j].digitValue();
    return digits > 0 ? code : -1;
}

}  // namespace

void readCuttingWords(const QString& line, int level, MacroVariables& vars, CuttingModal& m) {
    bool clampBlock = false;
    int feedAt = -1, spindleAt = -1;
    eachWord(line, [&](char16_t letter, int i) {
        switch (letter) {
        case u'G':
            switch (plainCode(line, i)) {
            case kClampCode: clampBlock = true; break;
            case kConstantSurface: m.constantSurface = true; break;
            case kRevolutionsPerMinute: m.constantSurface = false; break;
            case kPerMinute: m.perRevolution = false; break;
            case kPerRevolution: m.perRevolution = true; break;
            default: break;
            }
            break;
        case u'F':
            if (feedAt < 0) feedAt = i;
            break;
        case u'S':
            if (spindleAt < 0) spindleAt = i;
            break;
        default: break;
        }
    });
    if (feedAt >= 0)
        if (const std::optional<double> f = valueAt(line, feedAt, level, vars); f && *f >= 0)
            m.feed = *f;
    if (spindleAt >= 0)
        if (const std::optional<double> s = valueAt(line, spindleAt, level, vars); s && *s >= 0)
            (clampBlock ? m.clamp : m.spindle) = *s;
}

double dwellSeconds(const QString& line, int level, MacroVariables& vars) {
    int p = -1, xu = -1;
    eachWord(line, [&](char16_t letter, int i) {
        if (letter == u'P' && p < 0) p = i;
        if ((letter == u'X' || letter == u'U') && xu < 0) xu = i;
    });
    if (p >= 0) return valueAt(line, p, level, vars).value_or(0) * kMillisecond;
    if (xu >= 0) return valueAt(line, xu, level, vars).value_or(0);
    return 0;
}
