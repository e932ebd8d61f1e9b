#include "tests/support/install_session.h"

#include <commctrl.h>
#include <shlobj.h>

#include "tests/support/install_checks.h"

namespace qtest {
namespace {

constexpr char kProductWindowClass[] = "QuilloraStandInWindow";
constexpr char kDiskSpacePrefix[] = "至少需要大约";

HWND FindDiskSpaceLabel(HWND window) {
  for (HWND label : Descendants(window, "Static")) {
    if (TextOf(label).rfind(kDiskSpacePrefix, 0) == 0) return label;
  }
  return nullptr;
}

std::string InFolder(int csidl, const char* name) {
  const std::string folder = ShellFolder(csidl);
  return folder.empty() ? std::string() : folder + "\\" + name;
}

void EndProductPrograms() {
  while (HWND product = FindWindowA(kProductWindowClass, nullptr)) {
    DWORD processId = 0;
    GetWindowThreadProcessId(product, &processId);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) break;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace

bool InstallerSession::Launch() {
  installer_ = StartInstaller();
  if (!installer_.started()) return false;
  window_ = installer_.WaitForWindow(kInstallerCaption);
  if (!window_) return false;
  if (!WaitUntil([&] { return FindDiskSpaceLabel(window_) != nullptr; })) return false;
  folderBox_ = FindDescendant(window_, "Edit");
  startButton_ = Button("开始安装");
  if (!startButton_) startButton_ = Button("开始更新");
  statusLabel_ = Control("Static", "准备安装...");
  progressBar_ = FindDescendant(window_, PROGRESS_CLASSA);
  return folderBox_ && startButton_ && statusLabel_ && progressBar_;
}

HWND InstallerSession::Control(std::string_view className, std::string_view caption) const {
  return FindDescendant(window_, className, caption);
}

void InstallerSession::TypeFolder(const std::string& folder) const {
  SendMessageA(folderBox_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
}

bool InstallerSession::Tick(std::string_view boxCaption) const {
  HWND box = Button(boxCaption);
  if (!box) return false;
  Click(box);
  return WaitUntil([&] { return IsChecked(box); });
}

bool InstallerSession::AcceptAgreement() const {
  return Tick(kAgreementBox) && WaitUntil([&] { return IsEnabled(startButton_); });
}

bool InstallerSession::WaitForFinishButton(DWORD timeoutMs) const {
  HWND finish = Button("完成");
  return finish && WaitUntil([&] { return IsShown(finish) && IsEnabled(finish); }, timeoutMs, 20);
}

int InstallerSession::BarPosition() const {
  return static_cast<int>(SendMessageA(progressBar_, PBM_GETPOS, 0, 0));
}

HWND InstallerSession::FocusedControl() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &gui)) return nullptr;
  return gui.hwndFocus;
}

std::string DesktopShortcut() { return InFolder(CSIDL_DESKTOPDIRECTORY, "Quillora.lnk"); }
std::string StartMenuShortcut() { return InFolder(CSIDL_STARTMENU, "Quillora.lnk"); }
std::string QuickLaunchFolder() { return InFolder(CSIDL_APPDATA, "Microsoft\\Internet Explorer\\Quick Launch"); }
std::string QuickLaunchShortcut() { return QuickLaunchFolder() + "\\Quillora.lnk"; }

void RemoveInstallationTraces() {
  EndProductPrograms();
  DeleteRegistryTree(HKEY_LOCAL_MACHINE, kUninstallKey);
  for (const std::string& link : {DesktopShortcut(), StartMenuShortcut(), QuickLaunchShortcut()}) {
    DeleteFileA(link.c_str());
  }
}

HWND WaitForProductWindow(DWORD timeoutMs) {
  HWND product = nullptr;
  WaitUntil([&] { return (product = FindWindowA(kProductWindowClass, "Quillora")) != nullptr; }, timeoutMs);
  return product;
}

}  // namespace qtest
