// A copy of the installer under another name, for the tests that need the
// product running beside the installer.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/installer_driver.h"

namespace apptest {

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A copy of the installer under another file name, in a folder of its own,
// removed with the object.
class InstallerCopy {
 public:
  explicit InstallerCopy(const std::string& fileName)
      : folder_(qtest::TempFolder() + "quillora-startup-test\\"), path_(folder_ + fileName) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    copied_ = CopyFileA(qtest::InstallerExePath().c_str(), path_.c_str(), FALSE) != FALSE;
  }
  InstallerCopy(const InstallerCopy&) = delete;
  InstallerCopy& operator=(const InstallerCopy&) = delete;
  ~InstallerCopy() {
    // The copy's process may take a moment to release its image.
    qtest::WaitUntil([&] { return DeleteFileA(path_.c_str()) || !FileExists(path_); }, 5000);
    RemoveDirectoryA(folder_.c_str());
  }
  bool copied() const { return copied_; }
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  bool copied_ = false;
};

}  // namespace apptest
