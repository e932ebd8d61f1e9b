// The number of GDI objects the process holds, for leak checks.
#pragma once

#include <windows.h>

namespace quillora_test {

// GetGuiResources where the system counts; Wine does not (it answers 0),
// but its GetObjectType accepts a bare handle-table index, so there the
// live entries of the table are counted instead.
inline DWORD GdiObjectCount() {
  if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  DWORD live = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return live;
}

}  // namespace quillora_test
