#pragma once
// The macro expression evaluator `myshiki`: one expression text whose variable
// references are already replaced by numbers -> its value as number text.
#include <QString>
#include <optional>
#include <stdexcept>

#include "platform/dialogs.h"

// Arithmetic fault the evaluator does not report itself (division by zero in a
// */ chain, MOD by 0, square root of a negative number, ASIN/ACOS outside their
// domain, more than 100 tokens, a value too large).  The caller decides what
// happens next; what() is a short Japanese description.
struct EvalFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Returns the result text (number text, floored at the 5th decimal), or
// std::nullopt after a reported grammar fault (the message was shown through
// dialogs).  Throws EvalFault for the arithmetic faults it does not test itself.
std::optional<QString> myshiki(const QString& expression, Dialogs& dialogs);
