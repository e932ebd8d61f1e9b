#include "runtime/files.h"

#include <windows.h>

#include "runtime/win_handle.h"

namespace rt {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// True when byte `c` starts a two-byte character of the ANSI code page, so
// the byte after it is never a separator even when it reads as '\'.
bool IsLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

bool WriteFileContent(std::string_view path, const void* data, std::size_t size) {
  const Text name(path);
  FileHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  return WriteAll(file.get(), data, size);
}

}  // namespace

bool FileExists(std::string_view path) {
  const Text name(path);
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RemoveFile(std::string_view path) {
  const Text name(path);
  if (DeleteFileA(name.c_str())) return true;
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
  SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(name.c_str()) != FALSE;
}

bool MakeDirectory(std::string_view path) {
  const Text name(path);
  if (CreateDirectoryA(name.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectories(std::string_view path) {
  while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
  if (path.empty()) return false;
  if (MakeDirectory(path)) return true;
  // Create the parent first, then this level.
  std::size_t cut = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i])) {
      ++i;
    } else if (IsSeparator(path[i])) {
      cut = i;
    }
  }
  if (cut == std::string_view::npos || cut == 0) return false;
  const std::string_view parent = path.substr(0, cut);
  if (parent.size() == 2 && parent[1] == ':') return false;  // a drive that does not exist
  return MakeDirectories(parent) && MakeDirectory(path);
}

bool WriteBytesToFile(std::string_view path, std::span<const std::uint8_t> bytes) {
  return WriteFileContent(path, bytes.data(), bytes.size());
}

bool WriteBytesToFile(std::string_view path, std::string_view text) {
  return WriteFileContent(path, text.data(), text.size());
}

ByteArray ReadFileBytes(std::string_view path) {
  const Text name(path);
  FileHandle file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return {};
  ByteArray bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr) ||
        read == 0)
      break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace rt
