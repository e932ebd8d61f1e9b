// Starting and stopping GDI+ for the process.
//
// GDI+ is started once before the first window and shut down at most once,
// after every wrapper the program holds has been destroyed.
#pragma once

#include "gdip/gdip_optional.h"
#include "gdip/gdiplus_api.h"

namespace gdip {

// Token of the running GDI+, 0 while it is not started.
extern ULONG_PTR GdiplusToken;

// Starts GDI+ (version 1 unless given), stores the token in GdiplusToken and
// returns it; a failed start gives 0, and every later flat call fails.
ULONG_PTR StartGdiplus(Opt<int> version = {});

// Shuts GDI+ down with the given token, or with GdiplusToken (which is then
// cleared) when none is given; a zero token makes no call.
void ShutdownGdiplus(Opt<ULONG_PTR> token = {});

}  // namespace gdip
