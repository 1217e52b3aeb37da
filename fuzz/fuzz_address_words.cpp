// myatai and mynum on arbitrary blocks: the first line of the input is a
// block that assigns variables (so that reads find values), every further
// line a block whose address words and whole value text are read.
#include <QRegularExpression>

#include "drawing/address_words.h"
#include "drawing/macro_variables.h"
#include "fuzz_support.h"
#include "platform/scripted_dialogs.h"

namespace {

const char* const kLetters[] = {"G", "X", "Z", "U", "W", "I", "K", "R", "F", "P", "Q",
                                "M", "A", "B", "C", "D", "E", "H", "J", "L", "S", "T",
                                "N", "O", ",R", ",C", "#"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = textenc::splitLines(fuzzsupport::text(data, size));
    ScriptedDialogs dialogs;
    const MacroIo io{dialogs, nullptr, QStringLiteral("O0001")};
    MacroVariables vars;
    int level = 0;
    for (const QString& line : lines) {
        // The level moves through 0..4 so that every local table is touched.
        level = (level + 1) % MacroVariables::kLevels;
        const MacroText whole = vars.myatai(line, 1, 0, level, io);
        // "#n=TEXT" stores TEXT, so that later reads evaluate it.
        static const QRegularExpression assignment(QStringLiteral("^#(-?[0-9]{1,6})=(.*)$"));
        if (const auto m = assignment.match(line); whole.assignmentTarget && m.hasMatch())
            (void)vars.assign(m.captured(1).toInt(), m.captured(2), level, io);
        // A stretch inside the line as well as the whole of it.
        if (line.size() > 2) (void)vars.myatai(line, 2, int(line.size()) - 1, level, io);
        for (const char* letter : kLetters)
            (void)mynum(line, QString::fromLatin1(letter), level, vars, io);
    }
    return 0;
}
