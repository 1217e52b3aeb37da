#include "drawing/evaluator_math.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "drawing/evaluator.h"
#include "drawing/number_text.h"

namespace evalmath {

namespace {

[[noreturn]] void fault(const char* utf8) { throw EvalFault(utf8); }

double toRadians(double degrees) { return degrees / 180 * kPi; }
double toDegrees(double radians) { return radians * 180 / kPi; }

}  // namespace

double checked(double v) {
    if (!std::isfinite(v)) fault("数値が大きすぎます");
    return v;
}

bool isFunctionName(QStringView name) {
    static const char* const kNames[] = {"SIN",  "COS", "TAN", "ASIN", "ACOS", "ATAN",
                                         "SQRT", "SQR", "ABS", "FIX",  "FUP",  "ROUND"};
    for (const char* n : kNames)
        if (name == QLatin1String(n)) return true;
    return false;
}

double applyFunction(QStringView name, double v) {
    if (name == QLatin1StringView("SIN")) return checked(std::sin(toRadians(v)));
    if (name == QLatin1StringView("COS")) return checked(std::cos(toRadians(v)));
    if (name == QLatin1StringView("TAN")) return checked(std::tan(toRadians(v)));
    if (name == QLatin1StringView("ATAN")) return checked(toDegrees(std::atan(v)));
    if (name == QLatin1StringView("ASIN")) {
        // arctan(v / sqrt(1 - v^2)): 1 - v^2 of 0 divides by zero, below 0 has no root.
        const double d = 1 - v * v;
        if (d < 0) fault("ASINの引数が-1から1の範囲外です");
        if (d == 0) fault("ASINの引数が±1です (0で割り算)");
        return checked(toDegrees(std::atan(v / std::sqrt(d))));
    }
    if (name == QLatin1StringView("ACOS")) {
        // arctan(sqrt(1 - v^2) / v).  For a negative v that angle is negative; the
        // angle wanted lies between 90 and 180 (ACOS[-.5] = 120), so half a turn is
        // added while the angle is still in radians.
        const double d = 1 - v * v;
        if (d < 0) fault("ACOSの引数が-1から1の範囲外です");
        if (v == 0) fault("ACOSの引数が0です (0で割り算)");
        double a = std::atan(std::sqrt(d) / v);
        if (v < 0) a += M_PI;
        return checked(toDegrees(a));
    }
    if (name == QLatin1StringView("SQRT") || name == QLatin1StringView("SQR")) {
        if (v < 0) fault("負の数の平方根です");
        return checked(std::sqrt(v));
    }
    if (name == QLatin1StringView("ABS")) return std::fabs(v);
    if (name == QLatin1StringView("FIX")) return std::trunc(v);
    if (name == QLatin1StringView("FUP")) {
        const double t = std::trunc(v);
        if (t == v) return v;
        return v > 0 ? t + 1 : t - 1;
    }
    if (name == QLatin1StringView("ROUND")) {
        // Halves go away from zero on both sides: 2.5 -> 3, -2.5 -> -3, -2.2 -> -2.
        return v >= 0 ? std::trunc(v + 0.5) : -std::trunc(-v + 0.5);
    }
    fault("未知の関数です");
}

qint32 roundToInt32(double v) {
    if (!std::isfinite(v)) fault("数値が大きすぎます");
    double r = std::floor(v);
    const double frac = v - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2) != 0)) r += 1;
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        fault("MOD/AND/OR/XORの値が32ビット整数の範囲外です");
    return static_cast<qint32>(r);
}

double applyWordOperator(const QString& op, double left, double right) {
    const qint64 a = roundToInt32(left);
    const qint64 b = roundToInt32(right);
    if (op == u"MOD") {
        if (b == 0) fault("MODの右辺が0です (0で割り算)");
        return double(a % b);  // C++ keeps the sign of the left operand, as wanted
    }
    const qint32 x = qint32(a), y = qint32(b);
    if (op == u"AND") return double(x & y);
    if (op == u"OR") return double(x | y);
    if (op == u"XOR") return double(x ^ y);
    fault("未知の演算子です");
}

double divide(double left, double right) {
    if (right == 0) fault("0で割り算です");
    return checked(left / right);
}

double floorAtFifthDecimal(double v) {
    checked(v);
    if (v == 0) return 0;
    // The 15 significant digits (trailing zeros dropped, so the last is not 0).
    char digits[16];
    int exponent = 0;
    bool readsBack = false;
    const int nd = nt::significantDigits(std::fabs(v), digits, exponent, &readsBack);
    // Digits at or above the 1E-05 place.
    const int keep = exponent + 6;
    if (keep >= nd) {
        // Nothing below 1E-05: the value of the 15-digit decimal itself.
        if (readsBack) return v;
        char text[40];
        std::memcpy(text, digits, size_t(nd));
        text[nd] = 'e';
        *std::to_chars(text + nd + 1, text + sizeof text - 1, exponent - (nd - 1)).ptr = '\0';
        return std::strtod(text, nullptr) * (v < 0 ? -1 : 1);
    }
    // Digits below 1E-05 are dropped (at least the last one is not 0).
    long long whole = 0;
    for (int i = 0; i < keep; ++i) whole = whole * 10 + (digits[i] - '0');
    if (v < 0) ++whole;  // rounding down moves a negative value away from 0
    // WHOLE * 1E-05 as its decimal reads: whole and 1E5 are exact, so the
    // quotient is the correctly rounded reading.
    const double r = double(whole) / 1e5;
    return v < 0 ? -r : r;
}

}  // namespace evalmath
