// Placeholder bodies until the services land.
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/ini_file.h"
#include "runtime/music.h"
#include "runtime/process.h"
#include "runtime/registry.h"
#include "runtime/rich_edit.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace rt {
HWND LoadWindow(const WindowTemplate&, std::string_view, bool) { return nullptr; }
HWND WindowHandleOf(std::string_view, std::string_view) { return nullptr; }
bool IsWindowLoaded(std::string_view) { return false; }
int ReadProperty(std::string_view, std::string_view, NumberProperty) { return 0; }
Text ReadProperty(std::string_view, std::string_view, TextProperty) { return {}; }
void WriteProperty(std::string_view, std::string_view, NumberProperty, int) {}
void WriteProperty(std::string_view, std::string_view, TextProperty, std::string_view) {}
void FocusControl(std::string_view, std::string_view) {}
void PopupMenuAtCursor(std::string_view, std::string_view) {}
void DestroyWindowNow(std::string_view) {}
void ProcessPendingMessages() {}
int RunApplication(const WindowTemplate&) { return 0; }
ByteArray WindowSnapshot(HWND) { return {}; }
int ExtractArchive(std::string_view, std::string_view, std::string_view, std::string_view) { return 0; }
Text EntryBeingExtracted(std::string_view, std::string_view) { return {}; }
bool FileExists(std::string_view) { return false; }
bool RemoveFile(std::string_view) { return false; }
bool MakeDirectory(std::string_view) { return false; }
bool MakeDirectories(std::string_view) { return false; }
bool WriteBytesToFile(std::string_view, const ByteArray&) { return false; }
bool WriteBytesToFile(std::string_view, std::string_view) { return false; }
ByteArray ReadFileBytes(std::string_view) { return {}; }
Text ReadIniText(std::string_view, std::string_view, std::string_view, std::string_view f) { return Text(f); }
bool WriteIniText(std::string_view, std::string_view, std::string_view, std::string_view) { return false; }
Text ReadRegistryText(int, std::string_view) { return {}; }
bool WriteRegistryValue(int, std::string_view, std::string_view) { return false; }
bool DeleteRegistryValue(int, std::string_view) { return false; }
int RunCommandLine(std::string_view, bool, int) { return -1; }
void SleepMs(unsigned ms) { Sleep(ms); }
void ExitProgram(int code) { ExitProcess(static_cast<UINT>(code)); }
Text BrowseForFolder(std::string_view) { return {}; }
Text SpecialFolder(int) { return {}; }
bool CreateShortcut(std::string_view, std::string_view, std::optional<std::string_view>,
                    std::optional<std::string_view>, std::optional<std::string_view>) { return false; }
bool OpenWebAddress(std::string_view) { return false; }
bool SetRichEditDefaultFormat(std::string_view, std::string_view, const CharFormat&) { return false; }
bool PlayMusic(int, std::string_view) { return false; }
int MusicPlayState() { return 0; }
bool PauseMusic() { return false; }
bool ResumeMusic() { return false; }
void StopAllSound() {}
}  // namespace rt
