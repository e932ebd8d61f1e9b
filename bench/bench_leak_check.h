// The paint benchmarks' leak check: a piece of work repeated with the
// engine's registered DCs, the process's GDI objects and the GDI+ objects
// the wrappers hold counted before and after; all three must be flat.
//
// The count of repeats follows the work's cost: at least kLeakMinCalls
// (one object or DC kept per call then shows as hundreds), more while a
// short time budget lasts, at most kLeakMaxCalls. A 60 ms paint is checked
// a few hundred times, a 50 us one ten thousand times.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "bench/bench_clock.h"
#include "gdip/gdip_object.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "tests/support/gdi_object_count.h"

namespace bench {

constexpr int kLeakMinCalls = 300;
constexpr int kLeakMaxCalls = 10000;
constexpr double kLeakSeconds = 1.0;

struct LeakCounts {
  std::size_t dcCache = 0;
  DWORD gdi = 0;
  unsigned long gdip = 0;

  bool operator==(const LeakCounts&) const = default;
};

inline LeakCounts CountLiveObjects() {
  GdiFlush();
  return {skin::DcCache.size(), quillora_test::GdiObjectCount(), gdip::LiveNativeCount()};
}

// Runs `call` as described above, then `settle` (which ends what the calls
// left running, such as fades); prints one line and returns true when all
// three counts are as before.
template <class Call, class Settle>
bool LeakCheck(const char* what, Call call, Settle settle, int minCalls = kLeakMinCalls) {
  const LeakCounts before = CountLiveObjects();
  const double start = Now();
  int calls = 0;
  while (calls < minCalls || (calls < kLeakMaxCalls && Now() - start < kLeakSeconds)) {
    call();
    ++calls;
  }
  settle();
  const LeakCounts after = CountLiveObjects();
  const bool same = before == after;
  std::printf("after %5d %-32s DcCache %zu -> %zu, GDI objects %lu -> %lu, GDI+ objects %lu -> %lu %s\n", calls,
              what, before.dcCache, after.dcCache, static_cast<unsigned long>(before.gdi),
              static_cast<unsigned long>(after.gdi), before.gdip, after.gdip, same ? "unchanged" : "CHANGED");
  return same;
}

template <class Call>
bool LeakCheck(const char* what, Call call, int minCalls = kLeakMinCalls) {
  return LeakCheck(what, call, [] {}, minCalls);
}

}  // namespace bench
