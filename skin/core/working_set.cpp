#include "skin/core/working_set.h"

#include <windows.h>
#include <psapi.h>

#include "skin/core/engine_globals.h"

namespace skin {

// Trims the process's own working set; no helper program is involved.
void TrimWorkingSet() {
  if (WorkingSetTrimOff == 1) return;
  EmptyWorkingSet(GetCurrentProcess());
}

}  // namespace skin
