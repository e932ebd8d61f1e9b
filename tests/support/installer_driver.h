// Drives the real installer from a test program in the same Wine prefix:
// starts it, finds its windows and controls by class and caption, reads
// texts and states, clicks, answers message boxes, waits with timeouts,
// reads the exit code, and sets the registry values the installer reads.
//
// Texts are CP936 bytes, like the installer's own; test sources compiled
// with the project's flags compare them with plain literals.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qtest {

// Default wait of every Wait* helper.
inline constexpr DWORD kDefaultTimeoutMs = 15000;

// ---- Paths ---------------------------------------------------------------

// "/a/b.exe" -> "Z:\a\b.exe"; a path that is already a Windows path is kept.
std::string WindowsPathFromUnix(std::string_view path);

// The installer under test, from QUILLORA_SETUP_EXE, as a Windows path;
// "" when the variable is unset.
std::string InstallerExePath();

// The user's temporary folder, ending in "\".
std::string TempFolder();

// ---- Waiting -------------------------------------------------------------

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD stepMs = 25);

// ---- Windows and controls --------------------------------------------------

std::string ClassOf(HWND window);
std::string TextOf(HWND window);  // WM_GETTEXT, works across processes
DWORD ProcessOf(HWND window);
RECT WindowRectOf(HWND window);
LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);
// WS_VISIBLE / not WS_DISABLED; a handle that is no window fails the
// running test (and answers false).
bool IsShown(HWND window);
bool IsEnabled(HWND window);
bool IsChecked(HWND checkBox);

// Top-level windows of a process, in z-order. An empty class or caption
// matches any; classes compare without case, captions exactly.
std::vector<HWND> TopLevelWindows(DWORD processId, std::string_view className = {},
                                  std::optional<std::string_view> caption = std::nullopt);
HWND FindTopLevelWindow(DWORD processId, std::string_view className,
                        std::optional<std::string_view> caption = std::nullopt);

// Descendants of a window at any depth, in creation order.
std::vector<HWND> Descendants(HWND parent, std::string_view className = {},
                              std::optional<std::string_view> caption = std::nullopt);
HWND FindDescendant(HWND parent, std::string_view className,
                    std::optional<std::string_view> caption = std::nullopt);

// True when the window answers a sent message within the time.
bool IsResponsive(HWND window, DWORD timeoutMs = 2000);

// ---- Input ----------------------------------------------------------------

// Posts BM_CLICK, so a click that opens a modal box does not block the test.
void Click(HWND button);

// Posts a left-button press and release at the window's client centre.
void PostLeftClick(HWND window);

// Moves a top-level window of another process (SetWindowPos).
void MoveWindowTo(HWND window, int left, int top);

// Asks a window to close as the title bar's close button does.
void PostClose(HWND window);

// Moves the real mouse pointer.
void SetCursorTo(int x, int y);

// ---- Message boxes -----------------------------------------------------------

struct MessageBoxView {
  HWND dialog = nullptr;
  HWND owner = nullptr;           // the window the box belongs to
  std::string caption;
  std::string text;               // the message, from the static control 0xFFFF
  std::vector<int> buttons;       // ids of the visible push buttons (IDOK, IDCANCEL...)
};

// Reads a message box ("#32770") window.
MessageBoxView ReadMessageBox(HWND dialog);

// Waits for a message box of the process (optionally with that caption).
std::optional<MessageBoxView> WaitForMessageBox(DWORD processId,
                                                std::optional<std::string_view> caption = std::nullopt,
                                                DWORD timeoutMs = kDefaultTimeoutMs);

// Presses the button with that id (IDOK, IDYES...) of a dialog.
void PressButton(HWND dialog, int id);

// ---- Processes -----------------------------------------------------------------

// A started program, ended (if still running) and released when the owner goes.
class ProcessUnderTest {
 public:
  ProcessUnderTest() = default;
  ProcessUnderTest(ProcessUnderTest&& other) noexcept;
  ProcessUnderTest& operator=(ProcessUnderTest&& other) noexcept;
  ProcessUnderTest(const ProcessUnderTest&) = delete;
  ProcessUnderTest& operator=(const ProcessUnderTest&) = delete;
  ~ProcessUnderTest();

  // Starts `exe` (Windows path) with the arguments, in `folder` (default:
  // the exe's folder). Empty (see started()) when it could not be started.
  static ProcessUnderTest Start(const std::string& exe, const std::string& arguments = {},
                                const std::string& folder = {});

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_; }
  bool running() const;

  // Waits for the process to end; its exit code, or nothing on time-out.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs) const;

  // A visible top-level window of the process with the caption (any class).
  HWND WaitForWindow(std::string_view caption, DWORD timeoutMs = kDefaultTimeoutMs) const;

  // True when the process runs under WOW64.
  bool IsWow64() const;

  // Ends the process (exit code 1) and waits for it.
  void Terminate();

 private:
  void Release();
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Starts the installer under test.
ProcessUnderTest StartInstaller();

// ---- Resources of an executable ---------------------------------------------------

// Byte length of the RCDATA resource `id` of the executable; 0 when absent.
std::size_t ResourceSizeOf(const std::string& exe, int id);

// ---- Registry and Windows version ------------------------------------------------

// Sets a REG_SZ value for the life of the object and puts back what was
// there before (or removes the value, and any key it had to create).
class ScopedRegistryText {
 public:
  ScopedRegistryText(HKEY root, std::string keyPath, std::string valueName, std::string_view value);
  ScopedRegistryText(const ScopedRegistryText&) = delete;
  ScopedRegistryText& operator=(const ScopedRegistryText&) = delete;
  ~ScopedRegistryText();

 private:
  HKEY root_;
  std::string keyPath_;
  std::string valueName_;
  std::optional<std::string> previous_;
  bool createdKey_ = false;
};

// Removes a value for the life of the object and puts it back afterwards.
class ScopedRegistryAbsence {
 public:
  ScopedRegistryAbsence(HKEY root, std::string keyPath, std::string valueName);
  ScopedRegistryAbsence(const ScopedRegistryAbsence&) = delete;
  ScopedRegistryAbsence& operator=(const ScopedRegistryAbsence&) = delete;
  ~ScopedRegistryAbsence();

 private:
  HKEY root_;
  std::string keyPath_;
  std::string valueName_;
  std::optional<std::string> previous_;
};

// A REG_SZ value, or nothing when absent.
std::optional<std::string> ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName);

// Makes Wine report a Windows version ("winxp", "vista", "win7", "win8",
// "win10"...) to one program, named by its file name, while the object lives.
class ScopedWindowsVersion {
 public:
  ScopedWindowsVersion(std::string exeName, std::string_view version);

 private:
  ScopedRegistryText value_;
};

}  // namespace qtest
