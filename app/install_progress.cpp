// The archive control's events during an installation run.
#include <windows.h>

#include "app/install_run.h"
#include "app/install_text.h"
#include "app/installer_variables.h"
#include "app/window_names.h"
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

constexpr std::string_view kFileListName = "del.ini";
// Longer paths do not fit the status line and are shown in their short form.
constexpr std::size_t kLongestShownPath = 60;
constexpr DWORD kShortPathBufferSize = 255;

int BarPosition() { return rt::ReadProperty(kInstallerWindow, kProgressBar, rt::NumberProperty::Position); }

void SetStatus(std::string_view text) {
  rt::WriteProperty(kInstallerWindow, kStatusLabel, rt::TextProperty::Caption, text);
}

// The list is rewritten whole, so after each archive it holds everything
// extracted so far.
void WriteInstalledFileList() {
  const rt::Text folder = rt::ReadProperty(kInstallerWindow, kFolderBox, rt::TextProperty::Text);
  rt::WriteBytesToFile(JoinPath(folder, kFileListName), InstalledFileList);
}

}  // namespace

std::optional<bool> ExtractProgress(int percent) {
  if (ExtractionAllowed == 0) return false;
  // The extraction runs on the window's thread: keep the window alive.
  rt::ProcessPendingMessages();

  const rt::Text path = rt::EntryBeingExtracted(kInstallerWindow, kArchiveControl);
  if (!IsBlankText(path)) {
    InstalledFileList += "\r\n";
    InstalledFileList += path;
  }
  rt::WriteProperty(kInstallerWindow, kProgressBar, rt::NumberProperty::Position, percent);
  const rt::Text shown = path.size() > kLongestShownPath ? ShortenPathForDisplay(path) : path;
  const bool finished = BarPosition() >= 100;
  CloseAllowed = finished ? 1 : 0;
  SetStatus("正在安装..." + shown);
  if (finished) {
    SetStatus("安装进度...100%");
    WriteInstalledFileList();
  }
  return std::nullopt;
}

void ZipEventZero(int /*value*/) {}

rt::Text ShortenPathForDisplay(std::string_view path) {
  const rt::Text full(path);
  char buffer[kShortPathBufferSize];
  const DWORD length = GetShortPathNameA(full.c_str(), buffer, kShortPathBufferSize);
  // 0 is a failure; a length beyond the buffer means it did not fit.
  if (length == 0 || length >= kShortPathBufferSize) return full;
  return rt::Text(buffer, length);
}

}  // namespace app
