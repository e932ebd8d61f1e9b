// What the installation records about the installed product besides its
// files: the uninstall entry and the shortcuts.
#pragma once

#include <string_view>

namespace app {

// The uninstall entry "…\Uninstall\Quillora" under HKEY_LOCAL_MACHINE, six
// REG_SZ values in a fixed order, for the installation folder.
void WriteUninstallEntry(std::string_view folder);

// The shortcuts the option boxes ask for, pointing at the folder's
// "Quillora.exe": desktop; start menu and Quick Launch.
void CreateShortcuts(std::string_view folder);

}  // namespace app
