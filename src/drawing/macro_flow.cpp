#include "drawing/macro_flow.h"

#include "drawing/block_context.h"
#include "drawing/block_values.h"
#include "drawing/interpreter_state.h"
#include "drawing/interpreter_texts.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"

using namespace drawing;

namespace flow {

namespace {

enum class Cmp { None, EQ, NE, GT, LT, GE, LE };

struct Condition {
    Cmp cmp = Cmp::None;
    int leftStart = 0;   // 0-based
    int cmpAt = -1;      // 0-based position of the comparison word
};

// The comparison word after `from`: the first of the words, in this order,
// that the line holds.
Condition findComparison(const QString& line, int from, bool withNe) {
    static const struct {
        const char* word;
        Cmp cmp;
    } kWords[] = {{"EQ", Cmp::EQ}, {"GT", Cmp::GT}, {"LT", Cmp::LT},
                  {"GE", Cmp::GE}, {"LE", Cmp::LE}, {"NE", Cmp::NE}};
    Condition c;
    c.leftStart = from;
    for (const auto& w : kWords) {
        if (w.cmp == Cmp::NE && !withNe) break;
        const int at = line.indexOf(QLatin1String(w.word), from, Qt::CaseInsensitive);
        if (at >= 0) {
            c.cmp = w.cmp;
            c.cmpAt = at;
            return c;
        }
    }
    return c;
}

bool holds(Cmp cmp, double a, double b) {
    switch (cmp) {
    case Cmp::EQ: return a == b;
    case Cmp::NE: return a != b;
    case Cmp::GT: return a > b;
    case Cmp::LT: return a < b;
    case Cmp::GE: return a >= b;
    case Cmp::LE: return a <= b;
    case Cmp::None: break;
    }
    return false;
}

// The number of the 0-based stretch first..last of the block, its variables
// resolved; an empty stretch, or one the evaluator refused, counts 0.
double stretchValue(Scope& s, int first, int last) {
    if (last < first) return 0;
    const QString t = s.values.stretch(first + 1, last + 1);
    if (t.trimmed().isEmpty()) return 0;
    return s.values.number(t).value_or(0);
}

// Where the left side starts: after the first "[" (a missing one is reported
// and the whole line is read).
int leftSideStart(Scope& s) {
    const int open = s.values.line().indexOf(u'[');
    if (open < 0) {
        s.ctx.dialogs().message(text::kNoOpenBracket);
        return 0;
    }
    return open + 1;
}

// The digits after a loop word (DO, END), up to a comment.
QString loopDigits(const QString& line, int from) {
    QString d;
    for (int i = from; i < line.size() && line[i] != u'('; ++i)
        if (line[i].isDigit()) d += line[i];
    return d;
}

// A loop number the tables hold, else nullopt.
std::optional<int> loopNumber(const QString& digits) {
    const double m = nt::val(digits);
    if (m < 0 || m >= kLoopNumbers) return std::nullopt;
    return int(m);
}

BlockStep jumpTo(Scope& s, const QString& targetText, const QString& notFound) {
    const double target = targetText.trimmed().isEmpty() ? 0 : s.values.number(targetText).value_or(0);
    const QString number = nt::str(target).trimmed();
    const int found = findSequence(s.ctx.lines(), s.ctx.lineIndex(), number);
    if (found < 0) return BlockStep::fail(s.values.line() + notFound);
    return BlockStep::jump(found);
}

// The variable number of an argument letter of a macro call.
int argumentNumber(QChar letter) {
    switch (letter.unicode()) {
    case 'A': return 1;
    case 'B': return 2;
    case 'C': return 3;
    case 'I': return 4;
    case 'J': return 5;
    case 'K': return 6;
    case 'D': return 7;
    case 'E': return 8;
    case 'F': return 9;
    case 'H': return 11;
    default: return letter.unicode() - 'A' + 1;
    }
}

// Fetches the program P of `values`' block with its arguments on the next
// level; the loop carries the call out.
BlockStep callProgram(Scope& s, BlockValues& values) {
    const int level = s.ctx.macroLevel();
    if (level >= kMaxMacroLevel) return BlockStep::fail(text::callTooDeep(values.line()));
    const double p = values.number(values.word(QStringLiteral("P"))).value_or(0);
    const QString name = QStringLiteral("O") + nt::str(p + 10000).right(4);
    // As on the control, a call starts with the locals of its level vacant: an
    // argument left out must not take the value of an earlier call.
    values.clearLevel(level + 1);
    for (char32_t l = 'A'; l <= 'Z'; ++l) {
        if (l == 'G' || l == 'L' || l == 'N' || l == 'O' || l == 'P') continue;
        const QChar letter(l);
        const QString value = values.word(QString(letter));
        if (!value.isEmpty()) values.assign(argumentNumber(letter), value, level + 1);
    }
    // The called program starts without loops and without a modal call.
    s.state.loops[level + 1].clear();
    s.state.modal[level + 1] = ModalCall{};
    return BlockStep::call(name);
}

// ---------------------------------------------------------------- statements

// nullopt: a THEN text without "=", which the block's further checks take up.
std::optional<BlockStep> ifStatement(Scope& s, int ifAt) {
    const QString& line = s.values.line();
    const int leftStart = leftSideStart(s);
    const Condition c = findComparison(line, leftStart, true);
    if (c.cmp == Cmp::None) s.ctx.dialogs().message(text::kNoComparison);
    const int from = c.cmp == Cmp::None ? leftStart : c.cmpAt + 2;
    const int thenAt = findKeyword(line, QStringLiteral("THEN"), qMax(from, ifAt));
    const int gotoAt = thenAt < 0 ? findKeyword(line, QStringLiteral("GOTO"), qMax(from, ifAt)) : -1;
    if (thenAt < 0 && gotoAt < 0) s.ctx.dialogs().message(text::kNoGoto);
    const int rightEnd = thenAt >= 0 ? thenAt : gotoAt >= 0 ? gotoAt : int(line.size());

    bool ok = false;
    if (c.cmp != Cmp::None) {
        const double a = stretchValue(s, leftStart, c.cmpAt - 1);
        const double b = stretchValue(s, c.cmpAt + 2, rightEnd - 1);
        ok = holds(c.cmp, a, b);
    }
    if (thenAt >= 0) {
        if (!ok) return BlockStep::next();
        const int eq = assignmentSign(line, thenAt + 4);
        if (eq < 0) return std::nullopt;
        assignment(s, thenAt + 4, eq);
        return BlockStep::next();
    }
    if (!ok) return BlockStep::next();
    const QString target = gotoAt >= 0 ? line.mid(gotoAt + 4) : QString();
    return jumpTo(s, target, text::kNoIfGotoTarget);
}

BlockStep gotoStatement(Scope& s, int gotoAt) {
    return jumpTo(s, s.values.line().mid(gotoAt + 4), text::kNoGotoTarget);
}

BlockStep whileStatement(Scope& s) {
    const QString& line = s.values.line();
    const int here = s.ctx.lineIndex();
    const int leftStart = leftSideStart(s);
    const Condition c = findComparison(line, leftStart, false);
    const int doAt = findKeyword(line, QStringLiteral("DO"), c.cmp == Cmp::None ? leftStart : c.cmpAt + 2);
    if (c.cmp == Cmp::None) {
        // NE is no comparison of WHILE: such a loop cannot be followed.
        if (line.indexOf(QLatin1String("NE"), leftStart, Qt::CaseInsensitive) >= 0)
            return BlockStep::fail(text::whileWithNe(line));
        s.ctx.dialogs().message(text::kNoComparison);
    }
    const QString digits = doAt >= 0 ? loopDigits(line, doAt + 2) : QString();
    const std::optional<int> m = loopNumber(digits);
    if (!m) return BlockStep::fail(text::loopNumberOutOfRange(line));
    LoopTable& loops = s.state.loops[s.ctx.macroLevel()];
    loops.doLine[*m] = here;

    if (loops.endLine[*m] <= here) {
        loops.endLine[*m] = -1;
        const QStringList& lines = s.ctx.lines();
        for (int i = here + 1; i < s.ctx.lastLine(); ++i) {
            const QString t = lines[i].trimmed();
            const QString body = t.startsWith(u'/') ? t.mid(1) : t;
            if (beginsWith(body, QStringLiteral("END")) && !loopDigits(body, 3).isEmpty() &&
                loopNumber(loopDigits(body, 3)) == m) {
                loops.endLine[*m] = i;
                break;
            }
        }
        if (loops.endLine[*m] < 0) return BlockStep::fail(text::missingEnd(QString::number(*m)));
    }

    bool ok = false;
    if (c.cmp != Cmp::None) {
        int close = line.lastIndexOf(u']', doAt >= 0 ? doAt : -1);
        if (close < c.cmpAt) close = doAt >= 0 ? doAt : int(line.size());
        const double a = stretchValue(s, leftStart, c.cmpAt - 1);
        const double b = stretchValue(s, c.cmpAt + 2, close - 1);
        ok = holds(c.cmp, a, b);
    }
    if (ok) return BlockStep::next();
    return BlockStep::jump(loops.endLine[*m] + 1);
}

BlockStep endStatement(Scope& s) {
    const QString& line = s.values.line();
    const int at = line.indexOf(QLatin1String("END"), 0, Qt::CaseInsensitive);
    const QString digits = loopDigits(line, at + 3);
    if (digits.isEmpty()) return BlockStep::fail(text::kEndWithoutNumber);
    const std::optional<int> m = loopNumber(digits);
    if (!m) return BlockStep::fail(text::loopNumberOutOfRange(line));
    LoopTable& loops = s.state.loops[s.ctx.macroLevel()];
    if (loops.doLine[*m] < 0) return BlockStep::fail(text::endWithoutWhile(line));
    loops.endLine[*m] = s.ctx.lineIndex();
    return BlockStep::jump(loops.doLine[*m]);
}

}  // namespace

// ---------------------------------------------------------------- finding words

int findKeyword(const QString& line, const QString& word, int from) {
    // Every comment counts, not only the first: a second remark such as
    // "(SHIFT)" must not turn a move into an IF statement.
    int depth = 0;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            depth = qMax(0, depth - 1);
        } else if (depth == 0 && i >= from &&
                   QStringView(line).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

bool beginsWith(const QString& line, const QString& word) {
    return line.startsWith(word, Qt::CaseInsensitive);
}

int findSequence(const QStringList& lines, int from, const QString& number) {
    auto matches = [&](const QString& l) {
        if (!l.startsWith(u'N')) return false;
        int j = 1;
        while (j < l.size() && l[j] == u' ') ++j;
        if (QStringView(l).mid(j, number.size()) != number) return false;
        const int k = j + int(number.size());
        return k >= l.size() || !l[k].isDigit();
    };
    if (number.isEmpty()) return -1;
    for (int i = qMax(from, 0); i < lines.size(); ++i)
        if (matches(lines[i])) return i;
    for (int i = 0; i < from && i < lines.size(); ++i)
        if (matches(lines[i])) return i;
    return -1;
}

int assignmentSign(const QString& line, int from) {
    int depth = 0;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'(') ++depth;
        else if (c == u')') depth = qMax(0, depth - 1);
        else if (c == u'=' && depth == 0 && i >= from) return i;
    }
    return -1;
}

void assignment(Scope& s, int from, int eq) {
    const QString& line = s.values.line();
    const QString left = line.mid(from, eq - from);
    int number = -1;
    const int hash = left.lastIndexOf(u'#');
    if (hash >= 0) {
        QString digits;
        for (int i = hash + 1; i < left.size() && (left[i].isDigit() || left[i] == u' '); ++i)
            if (left[i].isDigit()) digits += left[i];
        if (!digits.isEmpty()) number = int(qMin(nt::val(digits), 1e9));
    } else {
        for (int i = int(left.size()) - 1; i >= 0; --i) {
            const QChar c = left[i].toUpper();
            if (c == u' ') continue;
            if (c >= u'A' && c <= u'Z') number = c.unicode() - 'A' + 1;
            break;
        }
    }
    if (number < 0) return;
    const QString value = s.values.stretch(eq + 2);
    // An empty right side would read the variable instead of setting it.
    if (value.isEmpty()) return;
    s.values.assign(number, value, s.ctx.macroLevel());
}

// ---------------------------------------------------------------- entry points

bool isCall(const QString& line) {
    return beginsWith(line, QStringLiteral("G65")) || beginsWith(line, QStringLiteral("G66")) ||
           beginsWith(line, QStringLiteral("G67"));
}

BlockStep callStatement(Scope& s) {
    const QString& line = s.values.line();
    ModalCall& modal = s.state.modal[s.ctx.macroLevel()];
    if (beginsWith(line, QStringLiteral("G67"))) {
        modal = ModalCall{};
        return BlockStep::next();
    }
    if (modal.active()) return BlockStep::next();
    if (beginsWith(line, QStringLiteral("G66"))) {
        if (s.ctx.macroLevel() >= kMaxMacroLevel) return BlockStep::fail(text::callTooDeep(line));
        // G66 only sets the mode: the machine calls the program after each
        // move that follows, not at the G66 block itself.
        modal.block = line;
        return BlockStep::next();
    }
    return callProgram(s, s.values);
}

std::optional<BlockStep> modalCallAfterMove(Scope& s) {
    const ModalCall& modal = s.state.modal[s.ctx.macroLevel()];
    if (!modal.active()) return std::nullopt;
    BlockValues g66(s.ctx, modal.block);
    return callProgram(s, g66);
}

std::optional<BlockStep> flowStatement(Scope& s) {
    const QString& line = s.values.line();
    if (beginsWith(line, QStringLiteral("WHILE")) || beginsWith(line, QStringLiteral("/WHILE")))
        return whileStatement(s);
    if (beginsWith(line, QStringLiteral("END")) || beginsWith(line, QStringLiteral("/END")))
        return endStatement(s);
    if (const int ifAt = findKeyword(line, QStringLiteral("IF")); ifAt >= 0)
        return ifStatement(s, ifAt);
    if (const int gotoAt = findKeyword(line, QStringLiteral("GOTO")); gotoAt >= 0)
        return gotoStatement(s, gotoAt);
    return std::nullopt;
}

}  // namespace flow
