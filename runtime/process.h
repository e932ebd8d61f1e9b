// Programs and the user-interface thread.
#pragma once

#include <windows.h>

#include <string_view>

namespace rt {

// Starts the command line. With `wait` the call returns when the program
// has ended and gives its exit code; without, it gives 0 once started.
// -1 when the program could not be started.
int RunCommandLine(std::string_view commandLine, bool wait = false, int showCommand = SW_SHOWNORMAL);

// Blocks the calling (user-interface) thread.
void SleepMs(unsigned milliseconds);

// Ends the process at once with the exit code.
[[noreturn]] void ExitProgram(int code);

}  // namespace rt
