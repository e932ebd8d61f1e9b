// Where a paint's time goes, call by call: with QUILLORA_BENCH_PROFILE set,
// a benchmark runs a piece of work again with every call the program makes
// into the system's DLLs (GDI, USER, GDI+, common controls, kernel, OLE)
// counted and timed, and prints the costliest per piece of work.
//
// The calls are caught in the program's own import table, so a call that
// one system DLL makes into another is part of its caller's time. A call's
// "self" time leaves out the caught calls made inside it: for a call that
// runs our window procedures (DispatchMessage, SendMessage, RedrawWindow,
// UpdateWindow, CallWindowProc) it still holds our code run there. What no
// caught call holds is our own code. Only the main thread is timed. The
// x86_64 build only says that it does not profile.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "bench/bench_clock.h"

namespace bench {

// True when QUILLORA_BENCH_PROFILE is set.
inline bool ProfileWanted() { return std::getenv("QUILLORA_BENCH_PROFILE") != nullptr; }

namespace api_profile {

// Catches the calls (once per process); false where that is not done.
bool Install();
void Reset();
// The table of the last run: `calls` pieces of work in `seconds`.
void Print(const char* what, int calls, double seconds, int rows);

}  // namespace api_profile

// With profiling wanted, runs `call` `calls` times with the system calls
// timed and prints the `rows` costliest; else does nothing.
template <class Call>
void Profile(const char* what, int calls, Call call, int rows = 14) {
  if (!ProfileWanted()) return;
  if (!api_profile::Install()) {
    std::printf("profile of %s: not available in this build\n", what);
    return;
  }
  call();  // warm
  api_profile::Reset();
  const double start = Now();
  for (int i = 0; i < calls; ++i) call();
  GdiFlush();
  const double seconds = Now() - start;
  api_profile::Print(what, calls, seconds, rows);
}

}  // namespace bench
