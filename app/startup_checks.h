// The checks at the end of the installer window's creation: no running
// product, the Windows version, then the installation state.
#pragma once

#include <string_view>

#include "runtime/byte_array.h"

namespace app {

// Refuses to run beside the product (ends the process), warns on any
// Windows but 7 (Cancel ends the process), refreshes the installation
// state and allows extraction.
void RunStartupChecks();

// True when another process runs the executable `name`: compared byte for
// byte when `exact`, otherwise ignoring the case of ASCII letters. The
// calling process itself never counts.
bool IsProcessRunning(std::string_view name, bool exact);

// Warns when the system is not Windows 7; ends the process on Cancel.
void CheckOsVersion();

// 1 Windows 2000, 2 XP, 3 Server 2003, 4 Vista, 5 Windows 7, 6 Windows 8,
// -1 anything else; from the version GetVersion reports.
int GetOsVersionCode();
// The same for a given major and minor version.
int OsVersionCodeOf(int major, int minor);
// The warning's name of a version code.
rt::Text OsVersionName(int code);

// The warning text for a code on a 32- or 64-bit system.
rt::Text OsVersionWarning(int code, bool thirtyTwoBit);

// True unless this process runs under WOW64.
bool IsThirtyTwoBitSystem();
bool IsWow64();

}  // namespace app
