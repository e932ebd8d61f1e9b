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

#include <cstdlib>
#include <functional>

namespace bench {

// True when QUILLORA_BENCH_PROFILE is set.
inline bool ProfileWanted() { return std::getenv("QUILLORA_BENCH_PROFILE") != nullptr; }

// With profiling wanted, runs `call` `calls` times with the system calls
// timed and prints the `rows` costliest; else does nothing. The work is
// taken as a std::function: compiled on its own, it reads the import table
// on every call, where code inlined into main may have read it once before
// the calls were caught.
void Profile(const char* what, int calls, const std::function<void()>& call, int rows = 14);
// The same with `untimed` run after each call, its calls neither caught
// nor counted (closing what the call opened, say).
void Profile(const char* what, int calls, const std::function<void()>& call, const std::function<void()>& untimed,
             int rows = 14);

}  // namespace bench
