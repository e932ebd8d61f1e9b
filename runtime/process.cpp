#include "runtime/process.h"

#include "runtime/byte_array.h"
#include "runtime/music.h"
#include "runtime/win_handle.h"

namespace rt {

int RunCommandLine(std::string_view commandLine, bool wait, int showCommand) {
  Text line(commandLine);  // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return -1;
  const KernelHandle process(info.hProcess);
  const KernelHandle thread(info.hThread);
  if (!wait) return 0;
  WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return static_cast<int>(code);
}

void SleepMs(unsigned milliseconds) { Sleep(milliseconds); }

void ExitProgram(int code) {
  EndMusic();  // no sound thread may still hold its file when the process goes
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace rt
