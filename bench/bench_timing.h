// bench/bench_timing.h
// What the Windows benchmarks share: the performance counter, the rounds' count and summary.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// The optional ROUNDS argument after the required ones (fallback without it); with fewer than
// required, the usage line on standard error and exit code 2.
inline int RoundsAfter(int argc, char** argv, int required, const char* usage, int fallback) {
    if (argc < required) {
        std::fprintf(stderr, "usage: %s\n", usage);
        std::exit(2);
    }
    return argc > required ? std::atoi(argv[required]) : fallback;
}
