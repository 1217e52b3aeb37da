// tssnc-cli eval EXPR...: each expression through the macro evaluator.  For each
// one: a "message: TEXT" line per box the evaluation showed, then exactly one of
// `value: "TEXT"`, `empty` (no value after a reported fault) or `fault: REASON`.
#include "cli/cli_commands.h"
#include "drawing/evaluator.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

int cmdEval(const QStringList& args, QTextStream& out) {
    if (args.isEmpty()) return kBadUsage;
    for (const QString& expression : args) {
        ScriptedDialogs dialogs;
        std::optional<QString> result;
        QString fault;
        try {
            result = myshiki(expression, dialogs);
        } catch (const EvalFault& e) {
            fault = QString::fromUtf8(e.what());
            if (fault.isEmpty()) fault = QStringLiteral("演算エラー");
        }
        for (const QString& m : dialogs.messages()) printMessageLine(out, m);
        if (!fault.isEmpty()) out << "fault: " << trace::escaped(fault) << "\n";
        else if (result) out << "value: " << trace::quoted(*result) << "\n";
        else out << "empty\n";
    }
    return 0;
}
