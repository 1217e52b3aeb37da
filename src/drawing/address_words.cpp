#include "drawing/address_words.h"

#include "drawing/macro_variables.h"
#include "drawing/number_text.h"

MacroText mynum(const QString& block, const QString& letter, int level, MacroVariables& vars,
                const MacroIo& io) {
    if (letter.isEmpty() || !block.contains(letter)) return {};
    const int len = int(block.size());
    // Step over comments that stand before the letter's next occurrence.
    int pos = 1;
    for (;;) {
        const int open = nt::inStr(block, QStringLiteral("("), pos);
        if (open == 0) break;
        const int at = nt::inStr(block, letter, pos);
        const int close = nt::inStr(block, QStringLiteral(")"), pos);
        if (at > 0 && at < open && (close == 0 || at < close)) break;
        if (close == 0) return {};  // the rest of the block is a comment
        pos = close + 1;
        if (pos > len) return {};
    }
    const int at = nt::inStr(block, letter, pos);
    if (at == 0) return {};
    return vars.myatai(block, at + int(letter.size()), len, level, io);
}
