// The figures the front end's timing programs report for a set of runs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace bench {

struct Summary {
  double median = 0, min = 0, max = 0;  // milliseconds
};

inline Summary Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.front(), samples.back()};
}

// One line: what was measured, how often, and its median, minimum and maximum.
inline void Print(const char* what, std::size_t runs, const Summary& summary) {
  std::printf("%-44s %4zu runs   median %8.2f ms   min %8.2f ms   max %8.2f ms\n", what, runs,
              summary.median, summary.min, summary.max);
}

}  // namespace bench
