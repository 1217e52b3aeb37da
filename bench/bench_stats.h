#pragma once
// What every benchmark program prints: one Markdown table row per figure,
// the minimum, median and maximum of the repeated measurements.
#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Seconds since `t` started, at nanosecond resolution.
inline double seconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// "| label | min | median | max | unit |"; `values` in the unit given.
inline void row(const char* label, const char* unit, std::vector<double> values,
                const char* format = "%.1f") {
    if (values.empty()) return;
    std::sort(values.begin(), values.end());
    const double median = values.size() % 2
                              ? values[values.size() / 2]
                              : (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2;
    auto num = [&](double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, format, v);
        return QString::fromLatin1(buf);
    };
    std::printf("| %s | %s | %s | %s | %s |\n", label, qPrintable(num(values.front())),
                qPrintable(num(median)), qPrintable(num(values.back())), unit);
    std::fflush(stdout);
}

}  // namespace bench
