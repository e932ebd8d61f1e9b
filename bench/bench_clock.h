// The benchmarks' clock: seconds from the performance counter, and the
// best time per call over a few rounds.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

// The fastest round's seconds per call; GDI's batch is flushed inside the
// round, so queued drawing is paid for where it was made.
template <class Call>
double BestSecondsPerCall(int rounds, int calls, Call call) {
  double best = 1e9;
  for (int round = 0; round < rounds; ++round) {
    const double start = Now();
    for (int i = 0; i < calls; ++i) call();
    GdiFlush();
    best = std::min(best, (Now() - start) / calls);
  }
  return best;
}

// One line of a paint benchmark: our time beside its reference's, in
// microseconds, and their ratio.
inline void PrintRatioRow(const char* name, double ours, const char* referenceName, double reference) {
  std::printf("%-44s %9.2f us   %-34s %9.2f us   ratio %.2f\n", name, ours * 1e6, referenceName,
              reference * 1e6, ours / reference);
}

// One goal's line: the ratio, its bound and whether it is met. A missed
// goal is a figure, not a failure.
inline bool PrintGoal(const char* what, double ratio, double atMost) {
  const bool met = ratio <= atMost;
  std::printf("goal: %s %.2f (at most %.2f): %s\n", what, ratio, atMost, met ? "met" : "missed");
  return met;
}

}  // namespace bench
