#include "drawing/macro_variables.h"

#include "drawing/evaluator.h"
#include "drawing/macro_texts.h"
#include "drawing/number_text.h"
#include "drawing/point_values.h"
#include "drawing/variable_monitor.h"
#include "platform/dialogs.h"

namespace drawing::text {

QString undefinedVariable(int number) {
    return QStringLiteral("変数#") + nt::str(number) + QStringLiteral("は未定義です");
}
QString levelOutOfRange(int level) {
    return QStringLiteral("マクロ呼び出しの深さ%1は扱えません(0から%2まで) 描画を終了します")
        .arg(level)
        .arg(MacroVariables::kLevels - 1);
}
QString numberOutOfRange(const QString& numberText) {
    return QStringLiteral("変数#%1は使えません(0から%2まで) 描画を終了します")
        .arg(numberText)
        .arg(MacroVariables::kMaxNumber);
}
QString variableNotComputable(int number, const QString& stored, const QString& reason) {
    return QStringLiteral("変数#") + nt::str(number) + QStringLiteral("の値 ") + stored +
           QStringLiteral(" が計算できません(") + reason + QStringLiteral(") 描画を終了します");
}

}  // namespace drawing::text

using namespace drawing;

namespace {

// Words of the evaluator that a value may contain, in the order they are tried.
const char* const kWords[] = {"SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "SQRT", "SQR",
                              "MOD", "FUP", "ABS", "FIX", "ROUND", "AND", "OR",  "XOR"};

// Only the ASCII digits: a full-width digit is no part of a number here.
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isValueChar(QChar c) {
    return isDigit(c) || c == u'+' || c == u'-' || c == u'.' || c == u'*' || c == u'/';
}

// Length of the evaluator word at i (ending by last), 0 when none stands there.
int wordAt(const QString& line, int i, int last) {
    for (const char* w : kWords) {
        const int n = int(qstrlen(w));
        if (i + n - 1 <= last && QStringView(line).mid(i, n) == QLatin1String(w)) return n;
    }
    return 0;
}

}  // namespace

// ------------------------------------------------------------------ myhnum

std::optional<QString> MacroVariables::checkCall(int number, int level) const {
    if (level < 0 || level >= kLevels) return text::levelOutOfRange(level);
    if (number < kRepaintOnly || number > kMaxNumber)
        return text::numberOutOfRange(QString::number(number));
    return std::nullopt;
}

int MacroVariables::commonRow(int number) {
    for (int r = 0; r < common_.size(); ++r)
        if (nt::val(common_[r].number) == number) return r;
    if (common_.size() >= kMaxCommonRows) return -1;
    common_.append(CommonRow{QString::number(number), QString()});
    return int(common_.size()) - 1;
}

MacroText MacroVariables::myhnum(int number, const QString& value, int level, const MacroIo& io) {
    if (std::optional<QString> f = checkCall(number, level)) return MacroText::failure(*f);
    if (number == kRepaintOnly) {
        paintMonitor(level, io);
        return {};
    }
    if (number == 0 && value == kClearValue) {
        for (int n = 1; n <= kLastLocal; ++n) local_[n][level].clear();
        paintMonitor(level, io);
        return {};
    }
    if (value.isEmpty()) return readValue(number, level, io);
    if (number >= kFirstCommon) {
        const int r = commonRow(number);
        if (r < 0) return MacroText::failure(text::kTooManyCommons);
        common_[r].value = value;
    } else {
        local_[number][level] = value;
    }
    paintMonitor(level, io);
    return {};
}

MacroText MacroVariables::assign(int number, const QString& value, int level, const MacroIo& io) {
    return myhnum(number, value, level, io);
}

MacroText MacroVariables::readValue(int number, int level, const MacroIo& io) {
    const bool common = number >= kFirstCommon;
    QString stored;
    if (common) {
        const int r = commonRow(number);
        if (r < 0) return MacroText::failure(text::kTooManyCommons);
        stored = common_[r].value;
    } else {
        stored = local_[number][level];
    }
    if (stored.isEmpty()) {
        if (!common) {
            // The same undefined local read again right away is reported once.
            const int marker = lastReportedLocal_ == 0 ? -1 : lastReportedLocal_;
            if (number == marker) return MacroText::value(nt::str(0));
            lastReportedLocal_ = number;
        }
        io.dialogs.message(text::undefinedVariable(number));
        return MacroText::value(QString());
    }
    try {
        const std::optional<QString> r = myshiki(stored, io.dialogs);
        if (!r) return MacroText::value(QString());  // grammar fault, already shown
        // In brackets a negative value can follow "*" or "/" in an expression.
        if (r->contains(u'-')) return MacroText::value(QStringLiteral("[") + *r + QStringLiteral("]"));
        return MacroText::value(*r);
    } catch (const EvalFault& e) {
        MacroText t = MacroText::failure(
            text::variableNotComputable(number, stored, QString::fromUtf8(e.what())));
        t.arithmetic = true;
        return t;
    }
}

QString MacroVariables::localText(int number, int level) const {
    if (number < 0 || number > kLastLocal || level < 0 || level >= kLevels) return {};
    return local_[number][level];
}

void MacroVariables::clearAll() {
    common_.clear();
    for (auto& row : local_)
        for (QString& v : row) v.clear();
    lastReportedLocal_ = -1;
    monitorLinesPainted_ = 0;
}

void MacroVariables::paintMonitor(int level, const MacroIo& io) {
    if (!io.monitor) return;
    QList<monitor::Local> locals;
    for (int n = 1; n <= kLastLocal; ++n)
        if (!local_[n][level].isEmpty()) locals.append(monitor::Local{n, local_[n][level]});
    // A display: a value that cannot be evaluated is reported when it is read.
    const QStringList lines = monitor::lines(common_, level, io.caption, locals, evaluateQuietly);
    monitorLinesPainted_ = monitor::paint(*io.monitor, lines, monitorLinesPainted_);
}

// ------------------------------------------------------------------ myatai

MacroText MacroVariables::myatai(const QString& line, int start, int end, int level,
                                 const MacroIo& io) {
    const int len = int(line.size());
    if (start < 1) start = 1;
    if (end <= 0 || end > len) end = len;
    const int last = end - 1;
    QString out;
    int depth = 0;  // comment depth

    // "#n" at i: its value appended, i moved past the digits.  Returns a fault,
    // or assignmentTarget when "=" follows the digits (checkTarget only).
    auto reference = [&](int& i, bool checkTarget) -> std::optional<MacroText> {
        int j = i + 1;
        while (j <= last && isDigit(line[j])) ++j;
        const QString digits = line.mid(i + 1, j - i - 1);
        if (checkTarget && j < len && line[j] == u'=') {
            MacroText t;
            t.assignmentTarget = true;
            return t;
        }
        bool ok = true;
        const int number = digits.isEmpty() ? 0 : digits.toInt(&ok);
        if (!ok || number > kMaxNumber) return MacroText::failure(text::numberOutOfRange(digits));
        MacroText v = myhnum(number, QString(), level, io);
        if (v.failed()) return v;
        out += v.text;
        i = j;
        return std::nullopt;
    };

    int i = start - 1;
    while (i <= last) {
        const QChar c = line[i];
        if (c == u'(') {
            ++depth;
            ++i;
            continue;
        }
        if (c == u')') {
            // A stray ")" does not turn the rest of the block into a comment.
            if (depth > 0) --depth;
            ++i;
            continue;
        }
        if (depth > 0 || c == u' ') {
            ++i;
            continue;
        }
        if (isValueChar(c)) {
            out += c;
            ++i;
            continue;
        }
        if (const int n = wordAt(line, i, last)) {
            out += line.mid(i, n);
            i += n;
            continue;
        }
        if (c == u'#') {
            if (std::optional<MacroText> r = reference(i, true)) return *r;
            continue;
        }
        if (c == u'[') {
            out += c;
            int nesting = 1;
            int comment = 0;
            int k = i + 1;
            while (nesting > 0) {
                if (k > last)
                    return MacroText::failure(line + text::kBracketsUnpaired, text::kAtaiError);
                const QChar d = line[k];
                if (d == u'(') {
                    ++comment;
                } else if (d == u')') {
                    if (comment > 0) --comment;
                } else if (comment > 0) {
                } else if (d == u'#') {
                    if (std::optional<MacroText> r = reference(k, false)) return *r;
                    continue;
                } else {
                    if (d == u'[') ++nesting;
                    if (d == u']') --nesting;
                    out += d;
                }
                ++k;
            }
            i = k;
            continue;
        }
        break;  // the next address letter, "=", ";" ...
    }
    return MacroText::value(out);
}
