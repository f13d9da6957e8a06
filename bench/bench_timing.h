// bench/bench_timing.h
// What the Windows benchmarks share: the performance counter and the summary of rounds.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds on the performance counter.
inline double Now() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double Lowest(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

inline double Highest(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}
