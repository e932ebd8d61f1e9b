// The archive control's events during an installation run.
#include "app/install_run.h"
#include "app/install_text.h"
#include "app/installer_variables.h"
#include "app/progress_display.h"
#include "app/window_names.h"
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

constexpr std::string_view kFileListName = "del.ini";

// The list is rewritten whole, so after each archive it holds everything
// extracted so far.
void WriteInstalledFileList() {
  const rt::Text folder = rt::ReadProperty(kInstallerWindow, kFolderBox, rt::TextProperty::Text);
  rt::WriteBytesToFile(JoinPath(folder, kFileListName), InstalledFileList);
}

}  // namespace

std::optional<bool> ExtractProgress(int percent) {
  if (ExtractionAllowed == 0) return false;
  // The bar's range is 0 to 100, so it stands at 100 exactly when the event says so.
  const bool finished = percent >= 100;
  ProgressDisplay& display = ProgressDisplay::Instance();
  // The extraction runs on the window's thread: keep the window alive.
  display.PumpMessages(finished);

  rt::Text path = rt::EntryBeingExtracted(kInstallerWindow, kArchiveControl);
  if (!IsBlankText(path)) {
    InstalledFileList += "\r\n";
    InstalledFileList += path;
  }
  CloseAllowed = finished ? 1 : 0;
  display.Update(percent, std::move(path));
  if (finished) WriteInstalledFileList();
  return std::nullopt;
}

void ZipEventZero(int /*value*/) {}

}  // namespace app
