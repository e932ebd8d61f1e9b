// The GDI+ flat interface as this layer calls it.
//
// Every wrapper calls the flat functions through `flat::`, so a call into
// gdiplus.dll is visible as such; the C++ classes of the system header are
// never used.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace gdip {

namespace flat = Gdiplus::DllExports;

using Gdiplus::ARGB;
using Gdiplus::GpStatus;
using Gdiplus::REAL;

}  // namespace gdip
