#include "tests/support/installer_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace qtest {
namespace {

bool SameClass(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool Matches(HWND window, std::string_view className, std::optional<std::string_view> caption) {
  if (!className.empty() && !SameClass(ClassOf(window), className)) return false;
  return !caption || TextOf(window) == *caption;
}

struct TopLevelSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TopLevelSearch*>(context);
  if (ProcessOf(window) == search->processId) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

// Owns a registry key handle.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Owns a module loaded as a data file.
class DataModule {
 public:
  explicit DataModule(const std::string& path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
  ~DataModule() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

void SetRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName, std::string_view value,
                     bool* createdKey) {
  RegistryKey key;
  DWORD disposition = 0;
  if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.out(), &disposition) !=
      ERROR_SUCCESS)
    return;
  if (createdKey) *createdKey = disposition == REG_CREATED_NEW_KEY;
  const std::string data(value);
  RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() + 1));
}

void DeleteRegistryValue(HKEY root, const std::string& keyPath, const std::string& valueName) {
  RegistryKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS) return;
  RegDeleteValueA(key.get(), valueName.c_str());
}

}  // namespace

// ---- Paths ----------------------------------------------------------------------

std::string WindowsPathFromUnix(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::string(path);
  std::string result = "Z:";
  for (char c : path) result += (c == '/') ? '\\' : c;
  return result;
}

std::string InstallerExePath() {
  const char* value = std::getenv("QUILLORA_SETUP_EXE");
  return value ? WindowsPathFromUnix(value) : std::string();
}

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, buffer);
  std::string folder(buffer, length);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// ---- Waiting ----------------------------------------------------------------------

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(stepMs);
  }
}

// ---- Windows and controls ---------------------------------------------------------

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string TextOf(HWND window) {
  // Some controls (the rich edit among them) answer WM_GETTEXTLENGTH with 0
  // and copy nothing into a buffer that is too small, so the buffer starts
  // large and grows until the text fits.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  for (std::size_t size = length + 0x10000; size <= (1u << 24); size *= 2) {
    std::string text(size, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                             &copied))
      return {};
    text.resize(std::strlen(text.c_str()));
    if (text.size() + 1 < size) return text;
  }
  return {};
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

// A handle that is no window is a failed check, not an answer: a control
// that is missing or renamed must not pass for "hidden" or "enabled".
bool IsWindowChecked(HWND window, const char* query) {
  if (IsWindow(window)) return true;
  ADD_FAILURE() << query << " asked of " << window << ", which is no window";
  return false;
}

bool IsShown(HWND window) { return IsWindowChecked(window, "IsShown") && (StyleOf(window) & WS_VISIBLE) != 0; }
bool IsEnabled(HWND window) {
  return IsWindowChecked(window, "IsEnabled") && (StyleOf(window) & WS_DISABLED) == 0;
}

bool IsChecked(HWND checkBox) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

std::vector<HWND> TopLevelWindows(DWORD processId, std::string_view className,
                                  std::optional<std::string_view> caption) {
  TopLevelSearch search{processId, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  std::vector<HWND> matching;
  for (HWND window : search.found) {
    if (Matches(window, className, caption)) matching.push_back(window);
  }
  return matching;
}

HWND FindTopLevelWindow(DWORD processId, std::string_view className, std::optional<std::string_view> caption) {
  const std::vector<HWND> found = TopLevelWindows(processId, className, caption);
  return found.empty() ? nullptr : found.front();
}

std::vector<HWND> Descendants(HWND parent, std::string_view className, std::optional<std::string_view> caption) {
  std::vector<HWND> all;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> matching;
  for (HWND window : all) {
    if (Matches(window, className, caption)) matching.push_back(window);
  }
  return matching;
}

HWND FindDescendant(HWND parent, std::string_view className, std::optional<std::string_view> caption) {
  const std::vector<HWND> found = Descendants(parent, className, caption);
  return found.empty() ? nullptr : found.front();
}

bool IsResponsive(HWND window, DWORD timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

// ---- Input ---------------------------------------------------------------------------

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PostLeftClick(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void MoveWindowTo(HWND window, int left, int top) {
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PostClose(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void SetCursorTo(int x, int y) { SetCursorPos(x, y); }

// ---- Message boxes ---------------------------------------------------------------------

MessageBoxView ReadMessageBox(HWND dialog) {
  MessageBoxView view;
  view.dialog = dialog;
  view.owner = GetWindow(dialog, GW_OWNER);
  view.caption = TextOf(dialog);
  if (HWND message = GetDlgItem(dialog, 0xFFFF)) view.text = TextOf(message);
  for (HWND child : Descendants(dialog, "Button")) {
    if (IsShown(child)) view.buttons.push_back(GetDlgCtrlID(child));
  }
  return view;
}

std::optional<MessageBoxView> WaitForMessageBox(DWORD processId, std::optional<std::string_view> caption,
                                                DWORD timeoutMs) {
  HWND dialog = nullptr;
  const bool found = WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(processId, "#32770", caption)) {
          // The box is complete once its message text is there.
          if (IsShown(window) && GetDlgItem(window, 0xFFFF)) {
            dialog = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  if (!found) return std::nullopt;
  return ReadMessageBox(dialog);
}

void PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// ---- Processes -----------------------------------------------------------------------------

ProcessUnderTest::ProcessUnderTest(ProcessUnderTest&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

ProcessUnderTest& ProcessUnderTest::operator=(ProcessUnderTest&& other) noexcept {
  if (this != &other) {
    Release();
    process_ = std::exchange(other.process_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

ProcessUnderTest::~ProcessUnderTest() { Release(); }

void ProcessUnderTest::Release() {
  if (!process_) return;
  if (running()) Terminate();
  CloseHandle(process_);
  process_ = nullptr;
  id_ = 0;
}

ProcessUnderTest ProcessUnderTest::Start(const std::string& exe, const std::string& arguments,
                                         const std::string& folder) {
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::string workingFolder = folder;
  if (workingFolder.empty()) workingFolder = exe.substr(0, exe.find_last_of('\\') + 1);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  ProcessUnderTest started;
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    return started;
  CloseHandle(info.hThread);
  started.process_ = info.hProcess;
  started.id_ = info.dwProcessId;
  return started;
}

bool ProcessUnderTest::running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> ProcessUnderTest::WaitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

HWND ProcessUnderTest::WaitForWindow(std::string_view caption, DWORD timeoutMs) const {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        for (HWND candidate : TopLevelWindows(id_, {}, caption)) {
          if (IsShown(candidate)) {
            window = candidate;
            return true;
          }
        }
        return !running();
      },
      timeoutMs);
  return window;
}

bool ProcessUnderTest::IsWow64() const {
  BOOL wow64 = FALSE;
  return process_ && IsWow64Process(process_, &wow64) && wow64;
}

void ProcessUnderTest::Terminate() {
  if (!process_) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, 10000);
}

ProcessUnderTest StartInstaller() { return ProcessUnderTest::Start(InstallerExePath()); }

// ---- Resources ----------------------------------------------------------------------------------

std::size_t ResourceSizeOf(const std::string& exe, int id) {
  DataModule module(exe);
  if (!module.get()) return 0;
  HRSRC info = FindResourceA(module.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  return info ? SizeofResource(module.get(), info) : 0;
}

// ---- Registry -----------------------------------------------------------------------------------

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName) {
  RegistryKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  std::string value(size + 1, '\0');
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(std::strlen(value.c_str()));
  return value;
}

ScopedRegistryText::ScopedRegistryText(HKEY root, std::string keyPath, std::string valueName,
                                       std::string_view value)
    : root_(root), keyPath_(std::move(keyPath)), valueName_(std::move(valueName)) {
  previous_ = ReadRegistryText(root_, keyPath_, valueName_);
  SetRegistryText(root_, keyPath_, valueName_, value, &createdKey_);
}

ScopedRegistryText::~ScopedRegistryText() {
  if (previous_) {
    SetRegistryText(root_, keyPath_, valueName_, *previous_, nullptr);
    return;
  }
  DeleteRegistryValue(root_, keyPath_, valueName_);
  if (createdKey_) RegDeleteKeyA(root_, keyPath_.c_str());
}

ScopedRegistryAbsence::ScopedRegistryAbsence(HKEY root, std::string keyPath, std::string valueName)
    : root_(root), keyPath_(std::move(keyPath)), valueName_(std::move(valueName)) {
  previous_ = ReadRegistryText(root_, keyPath_, valueName_);
  DeleteRegistryValue(root_, keyPath_, valueName_);
}

ScopedRegistryAbsence::~ScopedRegistryAbsence() {
  if (previous_) SetRegistryText(root_, keyPath_, valueName_, *previous_, nullptr);
}

ScopedWindowsVersion::ScopedWindowsVersion(std::string exeName, std::string_view version)
    : value_(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + exeName, "Version", version) {}

}  // namespace qtest
