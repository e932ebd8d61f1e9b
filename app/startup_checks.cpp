#include "app/startup_checks.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cmath>

#include "app/background_music.h"
#include "app/install_state.h"
#include "app/installed_files.h"
#include "app/installer_variables.h"
#include "app/message_flags.h"
#include "app/window_names.h"
#include "runtime/process.h"
#include "runtime/win_handle.h"
#include "runtime/window_runtime.h"
#include "skin/frames/message_box.h"

namespace app {
namespace {

constexpr int kWindows7 = 5;
constexpr int kCancelResult = 1;

struct OsVersion {
  int code;
  double value;
  const char* name;
};

constexpr OsVersion kOsVersions[] = {
    {1, 5.0, "Windows 2000"},  {2, 5.1, "Windows XP"}, {3, 5.2, "Windows Server 2003"},
    {4, 6.0, "Windows Vista"}, {5, 6.1, "Windows 7"},  {6, 6.2, "Windows 8"},
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b, bool exact) {
  if (a.size() != b.size()) return false;
  if (exact) return a == b;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

HWND InstallerWindowHandle() { return rt::WindowHandleOf(kInstallerWindow); }

// A refusing check ends the process; the music file goes first.
[[noreturn]] void LeaveInstaller() {
  DiscardMusicFile();
  rt::ExitProgram(0);
}

}  // namespace

void RunStartupChecks() {
  if (IsProcessRunning(kProgramName, false)) {
    skin::ShowSkinnedMessageBox(InstallerWindowHandle(), "请关闭正在运行的Quillora,否则可能导致安装失败!",
                                kNoticeFlags, "安装提示");
    LeaveInstaller();
  }
  CheckOsVersion();
  RefreshInstallState();
  ExtractionAllowed = 1;
  rt::FocusControl(kInstallerWindow, kFolderBox);
}

bool IsProcessRunning(std::string_view name, bool exact) {
  // A failed snapshot is INVALID_HANDLE_VALUE, like a failed CreateFile.
  const rt::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0));
  if (!snapshot) return false;
  const DWORD self = GetCurrentProcessId();
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ProcessID != self && SameName(entry.szExeFile, name, exact)) return true;
  }
  return false;
}

void CheckOsVersion() {
  const int code = GetOsVersionCode();
  if (code == kWindows7) return;
  const int answer = skin::ShowSkinnedMessageBox(InstallerWindowHandle(), OsVersionWarning(code, IsThirtyTwoBitSystem()),
                                                 kVersionWarningFlags, "安装警告");
  if (answer == kCancelResult) LeaveInstaller();
}

int GetOsVersionCode() {
  const DWORD version = GetVersion();
  return OsVersionCodeOf(LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)));
}

int OsVersionCodeOf(int major, int minor) {
  const double v = major + minor / 10.0;
  for (const OsVersion& known : kOsVersions) {
    if (std::fabs(v - known.value) <= 1e-7) return known.code;
  }
  return -1;
}

rt::Text OsVersionName(int code) {
  for (const OsVersion& known : kOsVersions) {
    if (known.code == code) return known.name;
  }
  return "未知系统";
}

rt::Text OsVersionWarning(int code, bool thirtyTwoBit) {
  rt::Text text = "您的电脑是";
  text += thirtyTwoBit ? "32" : "64";
  text += "位";
  text += OsVersionName(code);
  text += "操作系统\r\n\r\n建议:请将Quillora安装在Windows 7操作系统中\r\n\r\n确定要继续安装Quillora吗?";
  return text;
}

bool IsThirtyTwoBitSystem() { return !IsWow64(); }

bool IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  FARPROC found = kernel ? GetProcAddress(kernel, "IsWow64Process") : nullptr;
  if (!found) return false;
  const auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(found));
  BOOL wow64 = FALSE;
  if (!isWow64Process(GetCurrentProcess(), &wow64)) return false;
  return wow64 != FALSE;
}

}  // namespace app
