#include "runtime/shell.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <vector>

#include "runtime/com_ptr.h"
#include "runtime/path_text.h"

namespace rt {
namespace {

// Disables the thread's enabled top-level windows other than the dialog's
// owner (which the dialog disables itself) and enables them again at the end.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }

 private:
  static BOOL CALLBACK DisableOne(HWND window, LPARAM self) {
    auto* me = reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != me->owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      me->disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

// The folder behind a CSIDL, with its "\".
Text ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return WithTrailingSeparator(path);
}

template <UINT (*Get)(char*, UINT)>
Text SystemFolder() {
  char path[MAX_PATH] = {};
  const UINT length = Get(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WithTrailingSeparator(path);
}

UINT WindowsFolder(char* path, UINT size) { return GetWindowsDirectoryA(path, size); }
UINT SystemFolderPath(char* path, UINT size) { return GetSystemDirectoryA(path, size); }
UINT TempFolder(char* path, UINT size) { return GetTempPathA(size, path); }

// True when the last path component carries an extension.
bool HasExtension(std::string_view path) {
  const std::size_t separator = LastSeparator(path);
  const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  return name.find('.') != std::string_view::npos;
}

}  // namespace

Text BrowseForFolder(std::string_view title) {
  const ComApartment apartment;
  const Text caption(title);
  HWND owner = GetActiveWindow();
  char display[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = caption.c_str();
  // The resizable dialog: the classic one has no edit field on every system.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;

  PIDLIST_ABSOLUTE chosen = nullptr;
  {
    const OtherWindowsDisabled disabled(owner);
    chosen = SHBrowseForFolderA(&info);
  }
  if (owner) SetActiveWindow(owner);
  if (!chosen) return {};
  char path[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListA(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  return ok ? Text(path) : Text();
}

Text SpecialFolder(int code) {
  switch (code) {
    case kFolderDocuments: return ShellFolder(CSIDL_PERSONAL);
    case kFolderFavourites: return ShellFolder(CSIDL_FAVORITES);
    case kFolderDesktop: return ShellFolder(CSIDL_DESKTOPDIRECTORY);
    case kFolderFonts: return ShellFolder(CSIDL_FONTS);
    case kFolderStartMenu: return ShellFolder(CSIDL_STARTMENU);
    case kFolderPrograms: return ShellFolder(CSIDL_PROGRAMS);
    case kFolderStartup: return ShellFolder(CSIDL_STARTUP);
    case kFolderAppData: return ShellFolder(CSIDL_APPDATA);
    case kFolderWindows: return SystemFolder<WindowsFolder>();
    case kFolderSystem: return SystemFolder<SystemFolderPath>();
    case kFolderTemp: return SystemFolder<TempFolder>();
    default: return {};
  }
}

bool CreateShortcut(std::string_view linkName, std::string_view target, std::optional<std::string_view> description,
                    std::optional<std::string_view> arguments, std::optional<std::string_view> workingFolder) {
  const ComApartment apartment;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid())))
    return false;
  if (FAILED(link->SetPath(Text(target).c_str()))) return false;
  if (description) link->SetDescription(Text(*description).c_str());
  if (arguments) link->SetArguments(Text(*arguments).c_str());
  if (workingFolder) link->SetWorkingDirectory(Text(*workingFolder).c_str());
  link->SetShowCmd(SW_SHOW);

  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return false;
  Text fileName(linkName);
  if (!HasExtension(fileName)) fileName += ".lnk";
  return SUCCEEDED(file->Save(WideFromAnsi(fileName).c_str(), TRUE));
}

bool OpenWebAddress(std::string_view address) {
  const Text text(address);
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", text.c_str(), nullptr, nullptr,
                                                              SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace rt
