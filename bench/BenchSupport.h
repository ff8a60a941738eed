#pragma once
// What the benchmarks share: a clock, medians with their spread, the tiny mode that the test suite
// runs, and the rows of the one table bench/run.sh prints.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
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

// `--tiny`: every figure once, with small sizes, so that a test can prove the benchmark still runs.
inline bool& TinyMode() {
    static bool tiny = false;
    return tiny;
}

inline void ReadOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--tiny") == 0)
            TinyMode() = true;
}

// Rounds to measure: `full` normally, one in tiny mode.
inline int Rounds(int full) {
    return TinyMode() ? 1 : full;
}

struct Figure {
    double median = 0; // microseconds
    double spread = 0; // interquartile range
};

inline Figure Summarize(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    if (n == 0)
        return {};
    return {times[n / 2], times[(n * 3) / 4] - times[n / 4]};
}

template <class Step> Figure Measure(int rounds, Step step) {
    std::vector<double> times;
    rounds = Rounds(rounds);
    times.reserve(static_cast<size_t>(rounds));
    for (int i = 0; i < rounds; ++i) {
        const double start = NowMicros();
        step();
        times.push_back(NowMicros() - start);
    }
    return Summarize(std::move(times));
}

// 10000 as "10,000", 1000000 as "1,000,000".
inline std::string Thousands(long long n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string text = n < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

inline std::string Format(Figure figure) {
    char text[64];
    if (figure.median >= 10000)
        std::snprintf(text, sizeof(text), "%.1f ms ± %.1f", figure.median / 1000, figure.spread / 1000);
    else
        std::snprintf(text, sizeof(text), "%.1f us ± %.1f", figure.median, figure.spread);
    return text;
}

// The table's rows: "| figure | median ± IQR | floor ± IQR | ratio | target |".
inline void PrintRow(const std::string& name, Figure figure, Figure floor, double target) {
    const double ratio = floor.median > 0 ? figure.median / floor.median : 0;
    char verdict[32];
    std::snprintf(verdict, sizeof(verdict), "<= %.1f %s", target, ratio <= target ? "met" : "NOT MET");
    std::printf("| %-46s | %-22s | %-22s | %5.2f | %-14s |\n", name.c_str(), Format(figure).c_str(),
                Format(floor).c_str(), ratio, verdict);
    std::fflush(stdout);
}

// A row measured for comparison only: a method beside ours, or a figure with no floor.
inline void PrintInfoRow(const std::string& name, const std::string& figure, const std::string& floor,
                         const std::string& note) {
    std::printf("| %-46s | %-22s | %-22s | %5s | %-14s |\n", name.c_str(), figure.c_str(), floor.c_str(), "",
                note.c_str());
    std::fflush(stdout);
}

} // namespace bench
