// Shell services: folder dialog, special folders, shortcuts, web addresses.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// The folder-browse dialog with an edit field, owned by the active window;
// the program's other top-level windows are disabled while it is open.
// Gives the chosen folder's path or "" when cancelled.
Text BrowseForFolder(std::string_view title);

enum SpecialFolderCode : int {
  kFolderDocuments = 1,
  kFolderFavourites = 2,
  kFolderDesktop = 3,
  kFolderFonts = 4,
  kFolderStartMenu = 5,
  kFolderPrograms = 6,
  kFolderStartup = 7,
  kFolderAppData = 8,
  kFolderWindows = 9,
  kFolderSystem = 10,
  kFolderTemp = 11,
};

// The folder's path, always ending in "\"; "" for an unknown code or failure.
Text SpecialFolder(int code);

// Writes a shell link named `linkName` (".lnk" appended when the name has
// no extension) pointing at `target`, show command SW_SHOW; omitted parts
// are not set.
bool CreateShortcut(std::string_view linkName, std::string_view target,
                    std::optional<std::string_view> description = std::nullopt,
                    std::optional<std::string_view> arguments = std::nullopt,
                    std::optional<std::string_view> workingFolder = std::nullopt);

// Opens the address with the system's default handler.
bool OpenWebAddress(std::string_view address);

}  // namespace rt
