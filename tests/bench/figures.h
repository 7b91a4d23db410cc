#pragma once

// What every benchmark shares: timing, medians, and the one line form its
// figures are printed in,
//   NAME: MEDIAN UNIT (baseline: BASELINE MEDIAN UNIT, ratio: R)
#include <functional>
#include <vector>

namespace bench {

// Wall-clock milliseconds that `work` took.
double Milliseconds(const std::function<void()>& work);
double Median(std::vector<double> values);
// A baseline of zero has no ratio: "n/a".
void PrintFigure(const char* name, double value, const char* unit, const char* baselineName, double baseline);
// Runs a benchmark's body as its main: plain line ends on stdout, and an
// error reported on stderr with exit code 1.
int Main(const char* benchmark, const std::function<int()>& run);

}  // namespace bench
