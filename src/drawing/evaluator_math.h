#pragma once
// The arithmetic of the expression evaluator: functions, word operators and the
// final cut.  Every domain fault is raised as EvalFault, since IEEE arithmetic
// would quietly give infinities or NaN instead.
#include <QString>

namespace evalmath {

// pi of every degree/radian conversion of the macro language.
inline constexpr double kPi = 3.141592;

// True for the function names the evaluator knows ("SQR" is "SQRT").
bool isFunctionName(QStringView name);
// Applies SIN, COS, TAN, ASIN, ACOS, ATAN, SQRT/SQR, ABS, FIX, FUP, ROUND to v.
double applyFunction(QStringView name, double v);

// Nearest 32-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint32 roundToInt32(double v);
// "MOD" (remainder with the sign of the left operand), "AND", "OR", "XOR"
// (bitwise, 32-bit two's complement) on operands rounded by roundToInt32.
double applyWordOperator(const QString& op, double left, double right);

// Division of a chain; a divisor of 0 is a fault.
double divide(double left, double right);

// The value cut to 5 decimals by rounding down (toward minus infinity), taken on
// its 15-significant-digit decimal form so that 2.3 stays 2.3 (a binary
// floor(2.3 * 100000) would give 2.29999).
double floorAtFifthDecimal(double v);

// Throws EvalFault when v is not a finite number.
double checked(double v);

}  // namespace evalmath
