#pragma once
// Runs one expression through myshiki with scripted dialogs and sums up what
// happened in plain std::strings, so failures print readable text.
#include <string>
#include <vector>

#include "drawing/evaluator.h"
#include "platform/scripted_dialogs.h"

struct EvalOutcome {
    std::string value;                  // result text; "<empty>" or "<fault>" otherwise
    std::vector<std::string> messages;  // boxes shown, in order
    std::string fault;                  // EvalFault text when raised
};

inline EvalOutcome evaluate(const QString& expression) {
    ScriptedDialogs dialogs;
    EvalOutcome out;
    try {
        const std::optional<QString> r = myshiki(expression, dialogs);
        out.value = r ? r->toStdString() : "<empty>";
    } catch (const EvalFault& e) {
        out.value = "<fault>";
        out.fault = e.what();
    }
    for (const QString& m : dialogs.messages()) out.messages.push_back(m.toStdString());
    return out;
}

// The result text alone (for the many cases without a message).
inline std::string ev(const QString& expression) { return evaluate(expression).value; }
