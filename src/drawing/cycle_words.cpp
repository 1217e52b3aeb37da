#include "drawing/cycle_words.h"

#include "drawing/block_values.h"
#include "drawing/cycle_block_texts.h"
#include "platform/dialogs.h"

const QString& CycleWords::block() const { return values_.line(); }

bool CycleWords::has(const char* key) {
    return !values_.word(QString::fromLatin1(key)).isEmpty();
}

double CycleWords::number(const char* key) {
    const QString w = values_.word(QString::fromLatin1(key));
    return w.isEmpty() ? 0 : values_.required(w);
}

double CycleWords::thousandths(const char* key) {
    const QString w = values_.word(QString::fromLatin1(key));
    if (w.isEmpty()) return 0;
    return thousandthsUnlessPointed(w, values_.required(w));
}

std::optional<double> CycleWords::endX() {
    if (has("X")) return number("X");
    if (has("U")) return start_.x + number("U");
    return std::nullopt;
}

std::optional<double> CycleWords::endZ() {
    if (has("Z")) return number("Z");
    if (has("W")) return start_.z + number("W");
    return std::nullopt;
}

void CycleWords::missing(const QString& what) {
    frame_.g().dialogs.message(drawing::text::cycleWordMissing(what, block()));
}

void CycleWords::zero(const QString& what) {
    frame_.g().dialogs.message(drawing::text::cycleWordZero(what, block()));
}

void CycleWords::tooManyPasses() {
    frame_.g().dialogs.message(drawing::text::cycleTooManyPasses(kMaxCyclePasses, block()));
}

void CycleWords::move(CyclePoint a, CyclePoint b, colour::Rgb colour) const {
    if (a.x == b.x && a.z == b.z) return;
    frame_.line(a, b, colour);
}
