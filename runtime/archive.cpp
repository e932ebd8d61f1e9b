#include "runtime/archive.h"

#include "runtime/window_registry.h"
#include "runtime/zip_extraction.h"

namespace rt {
namespace {

ControlRecord* ArchiveControl(const WindowPtr& window, std::string_view control) {
  if (!window) return nullptr;
  ControlRecord& record = ControlNamed(*window, control);
  return record.archive ? &record : nullptr;
}

}  // namespace

int ExtractArchive(std::string_view window, std::string_view archiveControl, std::string_view zipFile,
                   std::string_view targetFolder) {
  const WindowPtr owner = FindWindowRecord(window);
  ControlRecord* control = ArchiveControl(owner, archiveControl);
  if (!control) return kExtractFailed;
  // `owner` keeps the records alive; a handler that closes the window
  // stops the extraction.
  const std::shared_ptr<ArchiveState> state = control->archive;
  const ProgressHandler handler = control->definition.events.progress;
  const ExtractionListener listener = [&](int percent, const Text& path) {
    if (!owner->handle) return false;
    state->entryBeingExtracted = path;
    if (!handler) return true;
    return handler(percent).value_or(true);
  };
  return ExtractZipFile(zipFile, targetFolder, listener);
}

Text EntryBeingExtracted(std::string_view window, std::string_view archiveControl) {
  const ControlRecord* control = ArchiveControl(FindWindowRecord(window), archiveControl);
  return control ? control->archive->entryBeingExtracted : Text();
}

}  // namespace rt
