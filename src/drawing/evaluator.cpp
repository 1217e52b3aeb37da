#include "drawing/evaluator.h"

#include <QHash>
#include <array>

#include "drawing/evaluator_math.h"
#include "drawing/number_text.h"

// The evaluator keeps the expression as a list of text tokens and evaluates it
// in place: innermost bracket first, its value folded into the token in front of
// it, then the flat list.  Every intermediate value goes back into the list as
// number text, which is what gives the macro language its exact results
// (SIN[30] is .49999 here, and a word operator rounds its operands).

namespace {

using evalmath::checked;

// Slots 1..kSlots hold tokens; slot 0 is never written.
constexpr int kSlots = 100;

// Names tried at a letter, in this order ("SQR" only when "SQRT" does not match).
const QString& nameText(int k) {
    static const QString kNames[] = {
        QStringLiteral("SIN"),  QStringLiteral("COS"), QStringLiteral("TAN"),
        QStringLiteral("ASIN"), QStringLiteral("ACOS"), QStringLiteral("ATAN"),
        QStringLiteral("SQRT"), QStringLiteral("SQR"), QStringLiteral("MOD"),
        QStringLiteral("AND"),  QStringLiteral("OR"),  QStringLiteral("XOR"),
        QStringLiteral("FUP"),  QStringLiteral("FIX"), QStringLiteral("ROUND"),
        QStringLiteral("ABS")};
    return kNames[k];
}
constexpr int kNameCount = 16;
// First letters of those names: any other character is no name.
bool startsName(QChar c) {
    switch (c.unicode()) {
    case 'S': case 'C': case 'T': case 'A': case 'M': case 'O': case 'X': case 'F': case 'R':
        return true;
    default:
        return false;
    }
}

// The token tests below run for every token of every expression of a macro
// loop: they look at the characters rather than compare whole texts.
bool isOneChar(const QString& t, char16_t c) { return t.size() == 1 && t[0] == c; }

bool isWordOperator(const QString& t) {
    if (t.size() == 2) return t == QLatin1StringView("OR");
    if (t.size() != 3) return false;
    return t == QLatin1StringView("MOD") || t == QLatin1StringView("AND") ||
           t == QLatin1StringView("XOR");
}

bool isOperatorChar(QChar c) { return c == u'+' || c == u'-' || c == u'*' || c == u'/'; }

bool isBareOperator(const QString& t) { return t.size() == 1 && isOperatorChar(t[0]); }

bool isBracket(const QString& t) { return isOneChar(t, u'[') || isOneChar(t, u']'); }

bool startsMulDiv(const QString& t) {
    return !t.isEmpty() && (t[0] == u'*' || t[0] == u'/');
}

// An operator character as a token (shared texts, nothing allocated).
QString operatorText(QChar c) {
    static const QString plus = QStringLiteral("+"), minus = QStringLiteral("-"),
                         times = QStringLiteral("*"), divide = QStringLiteral("/");
    switch (c.unicode()) {
    case '+': return plus;
    case '-': return minus;
    case '*': return times;
    default: return divide;
    }
}

// The function name of a function token ("-SIN" -> "SIN"), or empty.
QStringView functionOf(const QString& t) {
    if (t.size() < 2 || !isOperatorChar(t[0])) return {};
    const QStringView name = QStringView(t).mid(1);
    return evalmath::isFunctionName(name) ? name : QStringView();
}

class Evaluation {
public:
    Evaluation(const QString& expression, Dialogs& dialogs)
        : e_(expression), dialogs_(dialogs) {}

    std::optional<QString> run() {
        if (!tokenise()) return std::nullopt;
        if (!reduceBrackets()) return std::nullopt;
        return nt::str(evalmath::floorAtFifthDecimal(evaluateFlat()));
    }

private:
    // ---- token list ------------------------------------------------------------
    const QString& at(int i) const {
        static const QString kEmpty;
        return i >= 1 && i <= kSlots ? s_[i] : kEmpty;
    }
    void write(int i, const QString& text) {
        if (i > kSlots) throw EvalFault("式の要素が100個を超えました");
        if (i < 1) return;
        s_[i] = text;
        if (i > n_) n_ = i;
    }
    // write(i, at(i) + c), without building a new text for every digit.
    void append(int i, QStringView c) {
        if (i > kSlots) throw EvalFault("式の要素が100個を超えました");
        if (i < 1) return;
        s_[i].append(c);
        if (i > n_) n_ = i;
    }
    void put(int i, double v) { write(i, nt::str(checked(v))); }
    int prevNonEmpty(int from, int lowest) const {
        for (int j = from - 1; j >= lowest; --j)
            if (!at(j).isEmpty()) return j;
        return 0;
    }
    int nextNonEmpty(int from, int highest) const {
        for (int j = from + 1; j <= highest; ++j)
            if (!at(j).isEmpty()) return j;
        return 0;
    }
    // Removes slots from..to; the following tokens move left to close the gap.
    void remove(int from, int to) {
        const int count = to - from + 1;
        for (int j = from; j <= n_; ++j) {
            if (j + count <= n_) s_[j] = std::move(s_[j + count]);
            else s_[j].clear();
        }
        n_ -= count;
    }

    // ---- messages ----------------------------------------------------------------
    bool grammarFault() {
        dialogs_.message(QStringLiteral("文法エラーです") + e_);
        return false;
    }

    // ---- tokenising --------------------------------------------------------------
    bool tokenise() {
        int k = 1;
        const int len = e_.size();
        for (int i = 0; i < len;) {
            const QChar c = e_[i];
            const QString& cur = at(k);
            if (c == u' ' || c == u',') {
                ++i;
            } else if (c == u'+' || c == u'-') {
                if (isBareOperator(cur)) return grammarFault();
                if (at(1).isEmpty()) {
                    write(1, operatorText(c));  // the expression starts with a sign
                } else {
                    write(++k, operatorText(c));
                }
                ++i;
            } else if (c == u'*' || c == u'/') {
                if (isBareOperator(cur)) return grammarFault();
                write(++k, operatorText(c));
                ++i;
            } else if (c == u'[') {
                if (at(1).isEmpty()) {
                    write(1, QStringLiteral("+"));
                    write(2, QStringLiteral("["));
                    k = 3;  // left empty for the next token
                } else {
                    write(++k, QStringLiteral("["));
                }
                ++i;
            } else if (c == u']') {
                write(++k, QStringLiteral("]"));
                ++i;
            } else if (c == u'.') {
                if (cur.endsWith(u'.')) return grammarFault();
                if (isBracket(cur)) ++k;
                append(k, QStringView(&c, 1));
                ++i;
            } else if (c.unicode() >= u'0' && c.unicode() <= u'9') {
                // The whole run of digits at once, as one digit after another would.
                int j = i + 1;
                while (j < len && e_[j].unicode() >= u'0' && e_[j].unicode() <= u'9') ++j;
                // Number text writes very small and very large values with an
                // exponent (" 1E-05" for COS[270]); a variable holding one is
                // pasted into expressions, so the exponent belongs to the number.
                j = exponentEnd(j);
                if (isBracket(cur)) ++k;
                append(k, QStringView(e_).mid(i, j - i));
                i = j;
            } else {
                QString name;
                if (startsName(c)) {
                    for (int n = 0; n < kNameCount; ++n) {
                        const QString& candidate = nameText(n);
                        if (QStringView(e_).mid(i, candidate.size()) == candidate) {
                            name = candidate;
                            break;
                        }
                    }
                }
                if (name.isEmpty()) {
                    // A surrogate pair is one character to the operator.
                    QString ch(c);
                    if (c.isHighSurrogate() && i + 1 < len && e_[i + 1].isLowSurrogate())
                        ch += e_[i + 1];
                    dialogs_.message(e_ + QStringLiteral("判別不能文字があります   ") +
                                     QLatin1Char('\n') + ch + QLatin1Char('\n'));
                    return false;
                }
                if (isWordOperator(name)) {
                    write(k + 1, name);
                    k += 2;  // the empty slot k+2 waits for the right operand
                } else {
                    // The name takes the place of a bare operator or an empty slot;
                    // after anything else (a bracket, a number) it opens its own slot,
                    // so nothing already read is overwritten.
                    if (!cur.isEmpty() && !isBareOperator(cur)) ++k;
                    write(k, functionPrefix(i) + name);
                }
                i += name.size();
            }
        }
        return true;
    }

    // End of an exponent "E", an optional sign and digits starting at j, or j
    // when none stands there.
    int exponentEnd(int j) const {
        const int len = e_.size();
        if (j >= len || e_[j] != u'E') return j;
        int d = j + 1;
        if (d < len && (e_[d] == u'+' || e_[d] == u'-')) ++d;
        const int digitsFrom = d;
        while (d < len && e_[d].unicode() >= u'0' && e_[d].unicode() <= u'9') ++d;
        return d > digitsFrom ? d : j;
    }

    // The operator that stood in front of a function name.  Blanks and commas
    // are passed over, so "2 * SIN[30]" multiplies just as "2*SIN[30]" does.
    QChar functionPrefix(int nameStart) const {
        for (int j = nameStart - 1; j >= 0; --j) {
            const QChar p = e_[j];
            if (p == u' ' || p == u',') continue;
            if (p == u'-' || p == u'*' || p == u'/') return p;
            break;
        }
        return u'+';
    }

    // ---- step rules shared by brackets and the flat list ---------------------------
    // A word operator applies only when the token on its left is a plain number;
    // otherwise it stays and reads 0 in the sum.  Empty slots are passed over.
    void applyWordOperator(int j, int lo, int hi) {
        const int left = prevNonEmpty(j, lo);
        if (left == 0 || !nt::isPlainNumber(at(left))) return;
        const int right = nextNonEmpty(j, hi);
        const double r = right ? nt::val(at(right)) : 0;
        put(left, evalmath::applyWordOperator(at(j), nt::val(at(left)), r));
        s_[j].clear();
        if (right) s_[right].clear();
    }

    // A "*" or "/" token at j applies, with every */ token that follows it, to
    // the nearest operand on its left.  Returns the last token of the chain.
    int applyChain(int j, int lo, int hi) {
        int left = 0;
        for (int m = j - 1; m >= lo; --m) {
            const QString& t = at(m);
            if (!t.isEmpty() && !startsMulDiv(t)) {
                left = m;
                break;
            }
        }
        double value = left ? nt::val(at(left)) : 0;
        for (;;) {
            const QString& t = at(j);
            const double operand = nt::val(QStringView(t).mid(1));
            value = t[0] == u'*' ? checked(value * operand) : evalmath::divide(value, operand);
            if (left) {
                double readBack = 0;
                write(left, nt::str(checked(value), &readBack));
                value = readBack;  // what the slot's text reads
            }
            const int next = nextNonEmpty(j, hi);
            if (next == 0 || !startsMulDiv(at(next))) return j;
            j = next;
        }
    }

    double sum(int lo, int hi) const {
        double total = 0;
        for (int j = lo; j <= hi; ++j) {
            const QString& t = at(j);
            if (t.isEmpty() || startsMulDiv(t) || isOneChar(t, u'+')) continue;
            total = checked(total + nt::val(t));
        }
        return total;
    }

    // ---- brackets ----------------------------------------------------------------
    bool reduceBrackets() {
        for (;;) {
            int close = 0;
            for (int j = 1; j <= n_; ++j)
                if (isOneChar(s_[j], u']')) {
                    close = j;
                    break;
                }
            if (close == 0) return true;
            int open = 0;
            for (int j = close - 1; j >= 1; --j)
                if (isOneChar(s_[j], u'[')) {
                    open = j;
                    break;
                }
            if (open == 0) {
                dialogs_.message(QStringLiteral("[の数が合いません"));
                return false;
            }
            reduceInside(open + 1, close - 1);
            const double v = sum(open + 1, close - 1);
            int removeFrom = open;
            if (!fold(open, v, removeFrom)) return false;
            remove(removeFrom, close);
        }
    }

    // One left-to-right pass over the tokens strictly inside a bracket pair.
    void reduceInside(int lo, int hi) {
        for (int j = lo; j <= hi; ++j) {
            const QString& t = at(j);
            if (isWordOperator(t)) {
                applyWordOperator(j, lo, hi);
            } else if (startsMulDiv(t)) {
                j = applyChain(j, lo, hi);
            } else if (isOneChar(t, u'-')) {
                const int next = nextNonEmpty(j, hi);
                if (next) {
                    s_[j] = QStringLiteral("-") + at(next);
                    s_[next].clear();
                }
            }
        }
    }

    // Folds the bracket value v into the token in front of the "[" at open.
    // Returns false after the division-by-zero message.
    bool fold(int open, double v, int& removeFrom) {
        const int f = open - 1;
        if (f < 1) {  // nothing in front: the "[" itself keeps the value
            put(open, v);
            removeFrom = open + 1;
            return true;
        }
        const QString front = at(f);
        const QStringView name = functionOf(front);
        if (!name.isEmpty()) {
            const double r = checked(evalmath::applyFunction(name, v));
            const QChar prefix = front[0];
            if (r >= 0) write(f, prefix + nt::str(r));
            else if (prefix == u'+') write(f, nt::str(r));
            else if (prefix == u'-') write(f, QLatin1Char('+') + nt::str(-r));
            else write(f, prefix + nt::str(r));
        } else if (isOneChar(front, u'[')) {
            put(open, v);
            removeFrom = open + 1;
        } else if (front.isEmpty() || isOneChar(front, u'+')) {
            put(f, v);
        } else if (isOneChar(front, u'-')) {
            put(f, -v);
        } else if (isOneChar(front, u'*') || isOneChar(front, u'/')) {
            if (isOneChar(front, u'/') && v == 0) {
                dialogs_.message(QStringLiteral("0で割り算です 終了します"));
                return false;
            }
            double operand = v;
            if (v < 0) {
                // The sign moves onto the operand on the left.
                for (int m = f - 1; m >= 1; --m) {
                    const QString& t = at(m);
                    if (t.isEmpty() || startsMulDiv(t) || t.startsWith(u'[')) continue;
                    put(m, -nt::val(t));
                    operand = -v;
                    break;
                }
            }
            write(f, front + nt::str(checked(operand)));
        }
        // Anything else is a number directly before "[": the bracket value is dropped.
        return true;
    }

    // ---- the flat list ---------------------------------------------------------------
    double evaluateFlat() {
        for (const char* op : {"MOD", "AND", "OR", "XOR"}) {
            for (int j = 1; j <= n_; ++j)
                if (s_[j] == QLatin1String(op)) applyWordOperator(j, 1, n_);
        }
        for (int j = 1; j <= n_; ++j) {
            if (isOneChar(s_[j], u'*')) {
                const int next = nextNonEmpty(j, n_);
                if (next) {
                    s_[j] += s_[next];
                    s_[next].clear();
                }
            }
            if (startsMulDiv(s_[j])) j = applyChain(j, 1, n_);
        }
        return sum(1, n_);
    }

    const QString& e_;
    Dialogs& dialogs_;
    std::array<QString, kSlots + 1> s_;
    int n_ = 0;  // last slot in use
};

}  // namespace

namespace {

// A drawing run evaluates the same texts again and again: the end point after
// every block, a variable read several times in one block, the monitor after
// every assignment.  The evaluation of a text depends on nothing but the text,
// so the value of a text that evaluated without a box or a fault is kept (a
// few slots, the last text of each) and given back.  Texts that show a box or
// raise a fault are evaluated every time, so their boxes and faults come again.
struct Remembered {
    QString text;
    QString value;
};
constexpr int kRememberedSlots = 64;
thread_local std::array<Remembered, kRememberedSlots> remembered;

}  // namespace

std::optional<QString> myshiki(const QString& expression, Dialogs& dialogs) {
    Remembered& slot = remembered[qHash(expression) % kRememberedSlots];
    if (!slot.value.isNull() && slot.text == expression) return slot.value;
    std::optional<QString> r = Evaluation(expression, dialogs).run();
    if (r) {
        slot.text = expression;
        slot.value = *r;
    }
    return r;
}
