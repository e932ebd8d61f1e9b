// A fresh folder under the temporary folder, removed with all its content
// when the object goes. Paths are ANSI (code page 936 under the tests).
#pragma once

#include <string>
#include <string_view>

namespace testsupport {

class TempFolder {
 public:
  explicit TempFolder(std::string_view prefix = "qt");
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  // The folder, without a trailing "\".
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string operator/(std::string_view name) const;

 private:
  std::string path_;
};

// Deletes a file or a folder tree (read-only files too).
void RemoveTree(const std::string& path);

// The whole content of a file, or an empty string.
std::string ReadWholeFile(const std::string& path);

}  // namespace testsupport
