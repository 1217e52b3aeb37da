#pragma once
// Texts the macro variables and address words show.  Operators know the
// controller's own by heart: keep them exactly as they are.
#include <QString>

namespace drawing::text {

// "変数# 101は未定義です": the number with its sign column.
QString undefinedVariable(int number);
inline const QString kTooManyCommons =
    QStringLiteral("変数の使用が制限数50を超えました プログラムを終了します");
// The line followed by this: a bracket of a value without its partner.
inline const QString kBracketsUnpaired = QStringLiteral("[]の数が合いません終了します");
inline const QString kAtaiError = QStringLiteral("err");

// Faults of calls outside the tables (a call too deep, a number that is no variable).
QString levelOutOfRange(int level);
QString numberOutOfRange(const QString& numberText);
// A stored value whose evaluation failed (division by zero and the like).
QString variableNotComputable(int number, const QString& stored, const QString& reason);

}  // namespace drawing::text
