#include "tests/support/install_checks.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <winternl.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace qtest {
namespace {

constexpr char kRecordFlag[] = "--quillora-record-web-address";
constexpr char kHttpCommandKey[] = "Software\\Classes\\http\\shell\\open\\command";

// A program started as the http handler records its address and ends here,
// before any test runs. Command line: <exe> --quillora-record-web-address <file> <address>.
bool RecordWebAddressIfAsked() {
  if (__argc < 4 || std::strcmp(__argv[1], kRecordFlag) != 0) return false;
  HANDLE file = CreateFileA(__argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, __argv[3], static_cast<DWORD>(std::strlen(__argv[3])), &written, nullptr);
    CloseHandle(file);
  }
  ExitProcess(0);
}
[[maybe_unused]] const bool kRecorderChecked = RecordWebAddressIfAsked();

struct ModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using DataModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

template <class T>
struct ComReleaser {
  void operator()(T* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComReleaser<T>>;

// COM for the calling thread while the object lives.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

std::uint16_t Read16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Read16(bytes, at)) | static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16;
}

std::optional<std::string> Inflate(const char* packed, std::size_t packedSize, std::size_t size) {
  std::string data(size, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed));
  stream.avail_in = static_cast<uInt>(packedSize);
  stream.next_out = reinterpret_cast<Bytef*>(data.data());
  stream.avail_out = static_cast<uInt>(size);
  const int status = inflate(&stream, Z_FINISH);
  inflateEnd(&stream);
  if (status != Z_STREAM_END || stream.total_out != size) return std::nullopt;
  return data;
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

std::optional<std::string> ReadText(HKEY root, const char* keyPath) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root, keyPath, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return std::nullopt;
  const RegistryKey key(raw);
  char value[2048] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

void WriteText(HKEY root, const char* keyPath, const std::string& value) {
  HKEY raw = nullptr;
  if (RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS) return;
  const RegistryKey key(raw);
  RegSetValueExA(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

std::string ResourceBytesOf(const std::string& exe, int id) {
  const DataModule module(
      LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return {};
  HRSRC info = FindResourceA(module.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = info ? LoadResource(module.get(), info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string(static_cast<const char*>(data), SizeofResource(module.get(), info));
}

std::vector<ZipEntry> ZipEntries(const std::string& archive) {
  constexpr std::size_t kEndRecordSize = 22;
  if (archive.size() < kEndRecordSize) return {};
  std::size_t end = archive.size() - kEndRecordSize;
  while (Read32(archive, end) != 0x06054B50) {
    if (end == 0) return {};
    --end;
  }
  const std::uint16_t count = Read16(archive, end + 10);
  std::size_t at = Read32(archive, end + 16);
  std::vector<ZipEntry> entries;
  for (std::uint16_t i = 0; i < count; ++i) {
    if (at + 46 > archive.size() || Read32(archive, at) != 0x02014B50) return {};
    ZipEntry entry;
    entry.flags = Read16(archive, at + 8);
    entry.method = Read16(archive, at + 10);
    entry.crc = Read32(archive, at + 16);
    entry.packedSize = Read32(archive, at + 20);
    entry.size = Read32(archive, at + 24);
    const std::uint16_t nameLength = Read16(archive, at + 28);
    const std::uint16_t extraLength = Read16(archive, at + 30);
    const std::uint16_t commentLength = Read16(archive, at + 32);
    entry.localHeaderOffset = Read32(archive, at + 42);
    entry.name = archive.substr(at + 46, nameLength);
    entries.push_back(std::move(entry));
    at += 46 + nameLength + extraLength + commentLength;
  }
  return entries;
}

std::optional<std::string> ZipEntryData(const std::string& archive, const ZipEntry& entry) {
  const std::size_t header = entry.localHeaderOffset;
  if (header + 30 > archive.size() || Read32(archive, header) != 0x04034B50) return std::nullopt;
  const std::size_t data = header + 30 + Read16(archive, header + 26) + Read16(archive, header + 28);
  if (data + entry.packedSize > archive.size()) return std::nullopt;
  std::optional<std::string> content;
  if (entry.method == 0) content = archive.substr(data, entry.packedSize);
  if (entry.method == 8) content = Inflate(archive.data() + data, entry.packedSize, entry.size);
  if (!content || crc32(0, reinterpret_cast<const Bytef*>(content->data()), static_cast<uInt>(content->size())) !=
                      entry.crc)
    return std::nullopt;
  return content;
}

std::optional<ShortcutFields> ReadShortcut(const std::string& linkPath) {
  const ComScope com;
  IShellLinkA* rawLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&rawLink))))
    return std::nullopt;
  const ComPtr<IShellLinkA> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return std::nullopt;
  const ComPtr<IPersistFile> file(rawFile);
  if (FAILED(file->Load(Wide(linkPath).c_str(), STGM_READ))) return std::nullopt;

  ShortcutFields fields;
  char text[1024] = {};
  if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH))) fields.target = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetDescription(text, sizeof text))) fields.description = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) fields.workingFolder = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetArguments(text, sizeof text))) fields.arguments = text;
  link->GetShowCmd(&fields.showCommand);
  return fields;
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  std::string folder(path);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

void DeleteRegistryTree(HKEY root, const std::string& keyPath) { RegDeleteTreeA(root, keyPath.c_str()); }

std::optional<std::string> CurrentFolderOf(HANDLE process) {
  using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return std::nullopt;

  // PEB.ProcessParameters, then its CurrentDirectory.DosPath: the same
  // layout rule holds for 32- and 64-bit processes of our own bitness.
  const auto* peb = static_cast<const char*>(static_cast<const void*>(basic.PebBaseAddress));
  const void* parameters = nullptr;
  if (!ReadProcessMemory(process, peb + 4 * sizeof(void*), &parameters, sizeof parameters, nullptr))
    return std::nullopt;
  UNICODE_STRING folder{};
  const auto* folderField = static_cast<const char*>(parameters) + 16 + 5 * sizeof(void*);
  if (!ReadProcessMemory(process, folderField, &folder, sizeof folder, nullptr)) return std::nullopt;
  std::wstring wide(folder.Length / sizeof(wchar_t), L'\0');
  if (!ReadProcessMemory(process, folder.Buffer, wide.data(), folder.Length, nullptr)) return std::nullopt;
  return Narrow(wide);
}

std::string ImagePathOf(HANDLE process) {
  char path[MAX_PATH * 2] = {};
  DWORD size = sizeof path;
  if (!QueryFullProcessImageNameA(process, 0, path, &size)) return {};
  return std::string(path, size);
}

bool SamePath(std::string a, std::string b) {
  for (std::string* path : {&a, &b}) {
    while (!path->empty() && path->back() == '\\') path->pop_back();
  }
  return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                                b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

// The shell resolves http addresses through the machine's classes (Wine
// does not read the per-user ones), so the handler goes there and the old
// one comes back afterwards.
ScopedWebAddressRecorder::ScopedWebAddressRecorder()
    : previousCommand_(ReadText(HKEY_LOCAL_MACHINE, kHttpCommandKey)) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  recordFile_ = std::string(folder) + "quillora_web_address_" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileA(recordFile_.c_str());
  std::string command = "\"";
  command += ThisProgram();
  command += "\" ";
  command += kRecordFlag;
  command += " \"" + recordFile_ + "\" \"%1\"";
  WriteText(HKEY_LOCAL_MACHINE, kHttpCommandKey, command);
}

ScopedWebAddressRecorder::~ScopedWebAddressRecorder() {
  if (previousCommand_) {
    WriteText(HKEY_LOCAL_MACHINE, kHttpCommandKey, *previousCommand_);
  } else {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "Software\\Classes\\http");
  }
  DeleteFileA(recordFile_.c_str());
}

std::optional<std::string> ScopedWebAddressRecorder::WaitForAddress(DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    HANDLE file = CreateFileA(recordFile_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char address[2048] = {};
      DWORD read = 0;
      ReadFile(file, address, sizeof address - 1, &read, nullptr);
      CloseHandle(file);
      if (read > 0) return std::string(address, read);
    }
    if (GetTickCount64() >= deadline) return std::nullopt;
    Sleep(25);
  }
}

}  // namespace qtest
