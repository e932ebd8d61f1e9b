// Resource ids of everything embedded in the executables. Shared by the
// resource scripts (through windres' preprocessor) and the C++ code.
#pragma once

#define IDI_APP_ICON 129

#define IDR_PLACEHOLDER_SKIN 9001
#define IDR_PLACEHOLDER_PAYLOAD 9002
