// The working-set trim a main frame asks for when its application is
// deactivated.
#pragma once

namespace skin {

// Trims the process's working set; does nothing while WorkingSetTrimOff
// is set.
void TrimWorkingSet();

}  // namespace skin
