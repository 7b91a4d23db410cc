#include "figures.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace bench {

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintFigure(const char* name, double value, const char* unit, const char* baselineName, double baseline) {
    char ratio[32] = "n/a";
    if (baseline != 0) std::snprintf(ratio, sizeof ratio, "%.2f", value / baseline);
    std::printf("%s: %.2f %s (baseline: %s %.2f %s, ratio: %s)\n", name, value, unit, baselineName, baseline, unit,
                ratio);
}

int Main(const char* benchmark, const std::function<int()>& run) {
    // Plain line ends, whatever reads the figures.
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        return run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", benchmark, error.what());
        return 1;
    }
}

}  // namespace bench
