#include "drawing/block_values.h"

#include "drawing/address_words.h"
#include "drawing/block_context.h"
#include "drawing/evaluator.h"
#include "drawing/interpreter_texts.h"
#include "drawing/macro_variables.h"
#include "drawing/number_text.h"

BlockValues::BlockValues(BlockContext& ctx, const QString& line)
    : ctx_(ctx), line_(line), level_(ctx.macroLevel()) {}

QString BlockValues::checked(const MacroText& t) const {
    if (t.failed()) {
        // An arithmetic fault is told as every other one of the block.
        if (t.arithmetic) throw BlockFault{drawing::text::kArithmeticFault + u'\n' + line_};
        throw BlockFault{*t.fault};
    }
    if (t.assignmentTarget) return QString();
    return t.text;
}

QString BlockValues::word(const QString& key) {
    return checked(mynum(line_, key, level_, ctx_.variables(), ctx_.macroIo()));
}

QString BlockValues::stretch(int start, int end) { return stretchOn(start, end, level_); }

QString BlockValues::stretchOn(int start, int end, int level) {
    if (end <= 0) end = int(line_.size());
    return checked(ctx_.variables().myatai(line_, start, end, level, ctx_.macroIo()));
}

void BlockValues::assign(int number, const QString& value, int level) {
    checked(ctx_.variables().assign(number, value, level, ctx_.macroIo()));
}

void BlockValues::clearLevel(int level) {
    checked(ctx_.variables().clearLevel(level, ctx_.macroIo()));
}

std::optional<double> BlockValues::number(const QString& expression) {
    const std::optional<QString> r = myshiki(expression, ctx_.dialogs());
    if (!r) return std::nullopt;
    return nt::val(*r);
}

double BlockValues::required(const QString& expression) {
    const std::optional<double> v = number(expression);
    if (!v) throw BlockFault{};
    return *v;
}
