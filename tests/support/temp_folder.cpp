#include "tests/support/temp_folder.h"

#include <windows.h>

#include <memory>

namespace testsupport {
namespace {

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};

struct FileCloser {
  void operator()(HANDLE file) const { CloseHandle(file); }
};

}  // namespace

TempFolder::TempFolder(std::string_view prefix) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::string(temp) + std::string(prefix) + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found{};
  HANDLE raw = FindFirstFileA((path + "\\*").c_str(), &found);
  if (raw != INVALID_HANDLE_VALUE) {
    const std::unique_ptr<void, FindCloser> find(raw);
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") RemoveTree(path + "\\" + name);
    } while (FindNextFileA(find.get(), &found));
  }
  RemoveDirectoryA(path.c_str());
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE raw = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return {};
  const std::unique_ptr<void, FileCloser> file(raw);
  std::string content(GetFileSize(file.get(), nullptr), '\0');
  DWORD read = 0;
  ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
  content.resize(read);
  return content;
}

}  // namespace testsupport
