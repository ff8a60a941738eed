#pragma once
// What the benchmarks share: a clock, medians with their spread, and one printed table row.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double NowMicros() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1e6 / frequency;
}

struct Figure {
    double median = 0;
    double spread = 0; // interquartile range
};

template <class Step> Figure Measure(int rounds, Step step) {
    std::vector<double> times;
    times.reserve(static_cast<size_t>(rounds));
    for (int i = 0; i < rounds; ++i) {
        const double start = NowMicros();
        step();
        times.push_back(NowMicros() - start);
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return {times[n / 2], times[(n * 3) / 4] - times[n / 4]};
}

// "name | figure ± spread | floor ± spread | ratio | target"
inline void PrintRow(const char* name, Figure figure, Figure floor, double target) {
    const double ratio = figure.median / floor.median;
    std::printf("| %-44s | %10.1f us ± %-8.1f | %10.1f us ± %-8.1f | %5.2f | <= %.1f %s |\n", name,
                figure.median, figure.spread, floor.median, floor.spread, ratio, target,
                ratio <= target ? "met" : "NOT MET");
}

} // namespace bench
