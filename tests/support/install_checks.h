// Checks of what an installation leaves behind: the archives embedded in
// the installer (read back from its executable), shell links, registry
// keys, another process's working folder, and a stand-in web browser that
// records the address it was asked to open.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qtest {

// The RCDATA resource `id` of an executable (Windows path); "" when absent.
std::string ResourceBytesOf(const std::string& exe, int id);

// One entry of a ZIP archive's central directory.
struct ZipEntry {
  std::string name;  // as stored (code page 936 here), "/" separated
  std::uint16_t method = 0;
  std::uint16_t flags = 0;
  std::uint32_t crc = 0;
  std::uint32_t packedSize = 0;
  std::uint32_t size = 0;
  std::uint32_t localHeaderOffset = 0;
};

// The entries in directory order; empty for anything that is not a ZIP.
std::vector<ZipEntry> ZipEntries(const std::string& archive);

// The entry's data (stored or deflated); nothing when it cannot be read.
std::optional<std::string> ZipEntryData(const std::string& archive, const ZipEntry& entry);

// The fields of a shell link file.
struct ShortcutFields {
  std::string target;
  std::string description;
  std::string workingFolder;
  std::string arguments;
  int showCommand = 0;
};
std::optional<ShortcutFields> ReadShortcut(const std::string& linkPath);

// A shell folder (CSIDL_...) without its trailing "\"; "" on failure.
std::string ShellFolder(int csidl);

// Deletes a registry key with everything below it.
void DeleteRegistryTree(HKEY root, const std::string& keyPath);

// The current folder of another process of the same bitness, read from its
// process parameters.
std::optional<std::string> CurrentFolderOf(HANDLE process);

// The image path of a running process.
std::string ImagePathOf(HANDLE process);

// Paths compare without case and without a trailing "\".
bool SamePath(std::string a, std::string b);

// Makes this test program the system's handler of http addresses while it
// lives: a program started for an address writes it to a file and ends.
class ScopedWebAddressRecorder {
 public:
  ScopedWebAddressRecorder();
  ScopedWebAddressRecorder(const ScopedWebAddressRecorder&) = delete;
  ScopedWebAddressRecorder& operator=(const ScopedWebAddressRecorder&) = delete;
  ~ScopedWebAddressRecorder();

  // The recorded address, once it arrives within the time.
  std::optional<std::string> WaitForAddress(DWORD timeoutMs) const;

 private:
  std::string recordFile_;
  std::optional<std::string> previousCommand_;
};

}  // namespace qtest
