// Percentiles of timed samples (milliseconds, microseconds, anything).
#ifndef TARNWICK_BENCH_SUPPORT_PERCENTILES_H
#define TARNWICK_BENCH_SUPPORT_PERCENTILES_H

#include <algorithm>
#include <vector>

inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    std::size_t index = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

#endif
