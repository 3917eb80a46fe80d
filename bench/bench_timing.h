#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace orvane::bench {

constexpr int kRuns = 3;

// The median wall time of `kRuns` runs of `step`; -1 when a run fails.
template <typename Step>
double MedianMs(Step step) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!step()) return -1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

inline void Report(const char* name, double ms, double floor_ms) {
  std::printf("%-36s %8.1f ms   floor %7.1f ms   ratio %.3f\n", name, ms, floor_ms, ms / floor_ms);
}

}  // namespace orvane::bench
