// The extraction walk behind ExtractArchive, free of windows: it reports
// each step to a listener instead of an archive control's event.
#pragma once

#include <functional>
#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// Told the percent and the entry path after every entry, and once more at
// the end; answering false stops the extraction.
using ExtractionListener = std::function<bool(int percent, const Text& path)>;

// The walk of ExtractArchive (runtime/archive.h); returns kExtractDone,
// kExtractFailed or kExtractNoSuchFile.
int ExtractZipFile(std::string_view zipFile, std::string_view targetFolder, const ExtractionListener& listener);

}  // namespace rt
