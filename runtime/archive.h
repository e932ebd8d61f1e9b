// Extraction of ZIP archives through a window's archive control, with its
// progress event (control event 1) after every entry.
#pragma once

#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

enum ExtractResult : int {
  kExtractNoSuchFile = -1,
  kExtractFailed = 0,
  kExtractDone = 1,  // all entries written, or stopped by the progress handler
};

// Creates `targetFolder` with all missing levels, then writes the entries
// of `zipFile` in directory order. Entry i of n goes to the target folder +
// "\" (unless it ends in one) + the entry name with every "/" turned into
// "\"; after it the progress event reports i * 100 / n (truncated) with
// EntryBeingExtracted giving that path, and one more event reports 100 %
// after the last entry. A handler answering false stops the extraction.
// A missing, empty or non-ZIP file gives one event, 0 % with an empty path.
// An entry that cannot be written safely and completely (a name leaving
// the target folder, a write error, a CRC mismatch, truncated data; its
// partial file removed) ends the extraction with the final 100 % event
// carrying the last reported path, and the result kExtractFailed.
int ExtractArchive(std::string_view window, std::string_view archiveControl,
                   std::string_view zipFile, std::string_view targetFolder);

// The path of the entry the current progress event reports ("" before the
// first entry or after a failed start).
Text EntryBeingExtracted(std::string_view window, std::string_view archiveControl);

}  // namespace rt
