// Installation speed: the real installer's run, from the click on the
// start button to the enabled finish button, with the writing materials
// ticked, beside the runtime's plain extraction of the same two archives
// (taken from the installer's own resources) in the same run. Alongside:
// a plain minizip loop over the same archives (the extraction's own
// reference), and the same extraction driven by the installer's progress
// handler (pump, bar, status line, short path names, installed-file list)
// in a window holding those controls, to show where the time goes.
//
// The plain extraction leaves out work the run must do besides
// extracting: writing the two archives to temporary ZIP files and deleting
// them, the version file and the uninstall entry. That work is timed here
// on its own and printed; the goal's ratio does not count it in. The run
// pauses 150 and 240 ms by design: those pauses are timed here (the same
// calls) and taken out of the run's time.
//
// Two folders: a short one, whose entry paths fit the status line, and a
// long one, whose paths are shown in their short form. Each side runs
// several rounds into fresh folders and the best round counts. Every
// extraction is checked against the archives' bytes; a failed or wrong
// one ends the benchmark with exit code 1. Goal: run / plain extraction at
// most 1.2 (a missed goal is a figure, not a failure).
//
// usage: bench_install_run [installer.exe]   (default: QUILLORA_SETUP_EXE,
// then QuilloraSetup.exe beside this program's folder)
#include <windows.h>

#include "bench/bench_clock.h"
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unzip.h"
#include "iowin32.h"

#include "app/install_registration.h"
#include "app/install_run.h"
#include "app/installer_variables.h"
#include "app/window_names.h"
#include "resources/resource_ids.h"
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/ini_file.h"
#include "runtime/process.h"
#include "runtime/win_handle.h"
#include "runtime/window_runtime.h"

namespace {

constexpr char kHostWindow[] = "安装测速";
constexpr char kArchiveControl[] = "ZIP解压";
constexpr char kInstallerCaption[] = "Quillora安装程序";
constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";
constexpr int kRounds = 5;
constexpr double kGoal = 1.2;
constexpr DWORD kTimeoutMs = 120000;

double Seconds() { return bench::Now(); }

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

void RemoveTree(const std::string& path) {
  std::string from = path;
  from.push_back('\0');  // the shell takes a list ending in two zeros
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&operation);
}

std::string InstallerPath(int argc, char** argv) {
  std::string path;
  if (argc > 1) {
    path = argv[1];
  } else if (const char* variable = std::getenv("QUILLORA_SETUP_EXE")) {
    path = variable;
  } else {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    path = self;
    path = path.substr(0, path.find_last_of('\\')) + "\\..\\QuilloraSetup.exe";
  }
  if (!path.empty() && path.front() == '/') {  // a Unix path of the build folder
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path.insert(0, "Z:");
  }
  return path;
}

rt::ByteArray ResourceOf(const std::string& exe, int id) {
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  rt::ByteArray bytes;
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  if (const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr)) {
    bytes.assign(data, data + SizeofResource(module, info));
  }
  FreeLibrary(module);
  return bytes;
}

// ---- The archives' own bytes -----------------------------------------------------------

// An archive opened with minizip's own file functions, closed once.
class MinizipArchive {
 public:
  explicit MinizipArchive(const std::string& path) {
    zlib_filefunc64_def io{};
    fill_win32_filefunc64A(&io);
    zip_ = unzOpen2_64(path.c_str(), &io);
  }
  MinizipArchive(const MinizipArchive&) = delete;
  MinizipArchive& operator=(const MinizipArchive&) = delete;
  ~MinizipArchive() {
    if (zip_) unzClose(zip_);
  }
  unzFile get() const { return zip_; }

 private:
  unzFile zip_ = nullptr;
};

// The current entry's name with "/" turned into "\".
std::string EntryName(unzFile zip, unz_file_info64& info) {
  char name[1024] = {};
  if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) return {};
  std::string text = name;
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  return text;
}

bool ReadEntry(unzFile zip, std::string& data) {
  if (unzOpenCurrentFile(zip) != UNZ_OK) return false;
  char buffer[64 * 1024];
  data.clear();
  int read = 0;
  while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) data.append(buffer, static_cast<std::size_t>(read));
  return unzCloseCurrentFile(zip) == UNZ_OK && read == 0;
}

// Every entry of the archive is in the folder with the archive's bytes;
// prints the first difference.
bool MatchesArchive(const std::string& zipPath, const std::string& folder) {
  const MinizipArchive archive(zipPath);
  if (!archive.get()) return false;
  std::string expected;
  for (int status = unzGoToFirstFile(archive.get()); status != UNZ_END_OF_LIST_OF_FILE;
       status = unzGoToNextFile(archive.get())) {
    unz_file_info64 info{};
    const std::string name = status == UNZ_OK ? EntryName(archive.get(), info) : std::string();
    if (name.empty()) return false;
    const std::string path = folder + "\\" + name;
    if (name.back() == '\\') {
      const DWORD attributes = GetFileAttributesA(path.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::printf("missing folder %s\n", path.c_str());
        return false;
      }
      continue;
    }
    if (!ReadEntry(archive.get(), expected) || rt::ReadFileBytes(path) != rt::ByteArray(expected.begin(), expected.end())) {
      std::printf("wrong or missing file %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

// The reference: what a program using minizip directly would write.
bool MinizipExtract(const std::string& zipPath, const std::string& target) {
  rt::MakeDirectories(target);
  const MinizipArchive archive(zipPath);
  if (!archive.get()) return false;
  static char buffer[64 * 1024];
  for (int status = unzGoToFirstFile(archive.get()); status != UNZ_END_OF_LIST_OF_FILE;
       status = unzGoToNextFile(archive.get())) {
    unz_file_info64 info{};
    const std::string name = status == UNZ_OK ? EntryName(archive.get(), info) : std::string();
    if (name.empty()) return false;
    const std::string path = target + "\\" + name;
    if (name.back() == '\\') {
      CreateDirectoryA(path.c_str(), nullptr);
      continue;
    }
    const rt::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || unzOpenCurrentFile(archive.get()) != UNZ_OK) return false;
    int read = 0;
    while ((read = unzReadCurrentFile(archive.get(), buffer, sizeof buffer)) > 0) {
      DWORD written = 0;
      if (!WriteFile(file.get(), buffer, static_cast<DWORD>(read), &written, nullptr)) return false;
    }
    if (read != 0 || unzCloseCurrentFile(archive.get()) != UNZ_OK) return false;
  }
  return true;
}

// ---- Extraction in this process ------------------------------------------------------

// The plain side: an archive control whose handler does nothing.
bool LoadHostWindow() {
  rt::WindowTemplate host;
  host.name = kHostWindow;
  host.caption = kHostWindow;
  host.place = {0, 0, 200, 100};
  host.visible = false;
  rt::ControlTemplate archive;
  archive.name = kArchiveControl;
  archive.kind = rt::ControlKind::Archive;
  archive.events.progress = [](int) -> std::optional<bool> { return std::nullopt; };
  host.controls.push_back(std::move(archive));
  return rt::LoadWindow(host) != nullptr;
}

// A window named like the installer's with the controls its progress
// handler works on.
bool LoadProgressHostWindow() {
  rt::WindowTemplate host;
  host.name = std::string(app::kInstallerWindow);
  host.caption = kHostWindow;
  host.place = {0, 0, 560, 120};
  auto control = [](std::string_view name, rt::ControlKind kind, int top) {
    rt::ControlTemplate made;
    made.name = std::string(name);
    made.kind = kind;
    made.place = {10, top, 520, 24};
    return made;
  };
  host.controls.push_back(control(app::kProgressBar, rt::ControlKind::ProgressBar, 10));
  host.controls.push_back(control(app::kStatusLabel, rt::ControlKind::Label, 40));
  host.controls.push_back(control(app::kFolderBox, rt::ControlKind::Edit, 70));
  rt::ControlTemplate archive = control(app::kArchiveControl, rt::ControlKind::Archive, 0);
  archive.events.progress = app::ExtractProgress;
  host.controls.push_back(std::move(archive));
  app::ExtractionAllowed = 1;
  return rt::LoadWindow(host) != nullptr;
}

// Both archives into a fresh folder; the seconds, or a negative number
// when an extraction failed or wrote anything other than the archives'
// bytes.
template <typename Extract>
double Timed(Extract extract, const std::vector<std::string>& zips, const std::string& target) {
  RemoveTree(target);
  const double start = Seconds();
  for (const std::string& zip : zips) {
    if (!extract(zip, target)) return -1;
  }
  const double elapsed = Seconds() - start;
  for (const std::string& zip : zips) {
    if (!MatchesArchive(zip, target)) return -1;
  }
  RemoveTree(target);
  return elapsed;
}

double TimedExtraction(std::string_view window, const std::vector<std::string>& zips, const std::string& target) {
  return Timed(
      [&](const std::string& zip, const std::string& folder) {
        return rt::ExtractArchive(window, kArchiveControl, zip, folder) == rt::kExtractDone;
      },
      zips, target);
}

// What the run does besides extracting, as the installer does it: the two
// temporary ZIP files written and deleted, the version file and the
// uninstall entry.
double LeftOutWork(const std::vector<rt::ByteArray>& archives, const std::string& target) {
  RemoveTree(target);
  rt::MakeDirectories(target);
  const double start = Seconds();
  for (std::size_t i = 0; i < archives.size(); ++i) {
    const std::string zip = target + "\\" + std::to_string(i) + ".zip";
    if (!rt::WriteBytesToFile(zip, archives[i])) return -1;
    rt::RemoveFile(zip);
  }
  rt::WriteIniText(target + "\\系统配置.ini", "系统配置", "版本号", "03.41.50");
  app::WriteUninstallEntry(target);
  const double elapsed = Seconds() - start;
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kUninstallKey);
  RemoveTree(target);
  return elapsed;
}

// The run's two designed pauses, made with the same calls.
double DesignedPauses() {
  const double start = Seconds();
  rt::SleepMs(150);
  rt::SleepMs(240);
  return Seconds() - start;
}

// ---- The installer's run --------------------------------------------------------------

// Every look at the installer's windows is a request to the window
// server, which the installer's own file and window calls wait behind:
// looked at every millisecond, the run measured about a tenth slower. The
// run's end is looked for every kRunPollMs (its figure a few milliseconds
// late at most); the rest waits more patiently.
constexpr DWORD kRunPollMs = 4;
constexpr DWORD kSetupPollMs = 1;

bool WaitFor(const auto& condition, DWORD pollMs = kSetupPollMs, DWORD timeoutMs = kTimeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(pollMs);
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

struct ChildSearch {
  std::string_view className;
  std::string_view caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ChildSearch*>(context);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, std::string(search->className).c_str()) != 0) return TRUE;
  if (!search->caption.empty() && TextOf(child) != search->caption) return TRUE;
  search->found = child;
  return FALSE;
}

HWND FindChild(HWND window, std::string_view className, std::string_view caption = {}) {
  ChildSearch search{className, caption};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A started installer, ended when this goes.
class Installer {
 public:
  explicit Installer(const std::string& exe) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
      return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
  Installer(const Installer&) = delete;
  Installer& operator=(const Installer&) = delete;
  ~Installer() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 10000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
  }

  // The window, once the start-up checks have filled the disk-space label.
  HWND WaitForWindow() const {
    HWND window = nullptr;
    WaitFor([&] {
      window = FindWindowA(nullptr, kInstallerCaption);
      DWORD owner = 0;
      if (window) GetWindowThreadProcessId(window, &owner);
      return window && owner == id_ && IsWindowVisible(window) && FindChild(window, "Button", "关闭") &&
             FindChild(window, "Static", "准备安装...");
    });
    return window;
  }

  bool started() const { return process_ != nullptr; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// One run from the start click to the enabled finish button; negative when
// it failed or did not install the archives' files.
double InstallerRun(const std::string& exe, const std::string& folder, const std::vector<std::string>& zips) {
  RemoveTree(folder);
  Installer installer(exe);
  if (!installer.started()) return -1;
  HWND window = installer.WaitForWindow();
  if (!window) return -1;
  HWND start = FindChild(window, "Button", "开始安装");
  HWND finish = FindChild(window, "Button", "完成");
  HWND materials = FindChild(window, "Button", "安装写作素材资料");
  HWND agreement = FindChild(window, "Button", "已阅读并同意Quillora");
  HWND folderBox = FindChild(window, "Edit");
  if (!start || !finish || !materials || !agreement || !folderBox) return -1;

  SendMessageA(folderBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  Click(materials);
  Click(agreement);
  if (!WaitFor([&] { return IsWindowEnabled(start) != FALSE; })) return -1;
  if (SendMessageA(materials, BM_GETCHECK, 0, 0) != BST_CHECKED) return -1;

  const double begin = Seconds();
  Click(start);
  const bool finished = WaitFor([&] { return IsWindowVisible(finish) && IsWindowEnabled(finish); }, kRunPollMs);
  const double elapsed = Seconds() - begin;
  bool installed = finished;
  for (const std::string& zip : zips) installed = installed && MatchesArchive(zip, folder);

  if (HWND close = FindChild(window, "Button", "关闭")) Click(close);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kUninstallKey);
  RemoveTree(folder);
  return installed ? elapsed : -1;
}

}  // namespace

struct Best {
  double seconds = 1e9;
  void Take(double round) { seconds = round < seconds ? round : seconds; }
};

int main(int argc, char** argv) {
  const std::string exe = InstallerPath(argc, argv);
  const rt::ByteArray program = ResourceOf(exe, IDR_MAIN_PROGRAM_ARCHIVE);
  const rt::ByteArray materials = ResourceOf(exe, IDR_MATERIALS_ARCHIVE);
  if (program.empty() || materials.empty()) {
    std::printf("no archives in %s\n", exe.c_str());
    return 1;
  }
  const std::string work = TempFolder() + "quillora_bench_install\\";
  RemoveTree(work);
  rt::MakeDirectories(work);
  const std::vector<std::string> zips = {work + "Quillora.zip", work + "写作素材包.zip"};
  if (!rt::WriteBytesToFile(zips[0], program) || !rt::WriteBytesToFile(zips[1], materials)) {
    std::printf("could not write the archives into %s\n", work.c_str());
    return 1;
  }
  if (!LoadHostWindow() || !LoadProgressHostWindow()) {
    std::printf("could not create the host windows\n");
    return 1;
  }

  const double megabytes = static_cast<double>(program.size() + materials.size()) / (1024.0 * 1024.0);
  std::printf("archives: %.2f MB (program + materials), best of %d rounds\n", megabytes, kRounds);
  const struct {
    const char* label;
    std::string folder;
  } folders[] = {
      {"short folder (paths shown whole)", "C:\\Quillora 测速"},
      {"long folder (paths shown short)", work + "安装 测速\\Quillora"},
  };
  bool allMet = true;
  for (const auto& place : folders) {
    Best minizip, plain, handled, leftOut, pauses, run;
    for (int round = 0; round < kRounds; ++round) {
      const double minizipRound = Timed(MinizipExtract, zips, place.folder);
      const double plainRound = TimedExtraction(kHostWindow, zips, place.folder);
      // The handler writes the installed-file list into the box's folder.
      rt::WriteProperty(app::kInstallerWindow, app::kFolderBox, rt::TextProperty::Text, place.folder);
      app::InstalledFileList.clear();
      const double handledRound = TimedExtraction(app::kInstallerWindow, zips, place.folder);
      const double leftOutRound = LeftOutWork({program, materials}, place.folder);
      const double pausesRound = DesignedPauses();
      const double runRound = InstallerRun(exe, place.folder, zips);
      if (minizipRound < 0 || plainRound < 0 || handledRound < 0 || leftOutRound < 0 || runRound < 0) {
        std::printf("%s: round %d failed (minizip %.3f, plain %.3f, handled %.3f, other work %.3f, run %.3f)\n",
                    place.label, round + 1, minizipRound, plainRound, handledRound, leftOutRound, runRound);
        RemoveTree(work);
        return 1;
      }
      minizip.Take(minizipRound);
      plain.Take(plainRound);
      handled.Take(handledRound);
      leftOut.Take(leftOutRound);
      pauses.Take(pausesRound);
      run.Take(runRound);
    }
    const double runWithoutPauses = run.seconds - pauses.seconds;
    const double ratio = runWithoutPauses / plain.seconds;
    allMet = allMet && ratio <= kGoal;
    std::printf("%s: %s\n", place.label, place.folder.c_str());
    std::printf("  minizip loop (reference of the extraction)   %8.3f s\n", minizip.seconds);
    std::printf("  plain extraction (ExtractArchive)            %8.3f s  (%.2f x minizip loop)\n", plain.seconds,
                plain.seconds / minizip.seconds);
    std::printf("  with the installer's progress handler        %8.3f s  (%.2f x plain)\n", handled.seconds,
                handled.seconds / plain.seconds);
    std::printf("  work besides extracting, left out of plain   %8.3f s  (temporary ZIP files written and\n"
                "                                                            deleted, version file, uninstall entry)\n",
                leftOut.seconds);
    std::printf("  installer run, start click to finish         %8.3f s\n", run.seconds);
    std::printf("    of which designed pauses (150 + 240 ms)    %8.3f s  (timed here)\n", pauses.seconds);
    std::printf("    without the pauses                         %8.3f s  (%.2f x plain + work besides)\n",
                runWithoutPauses, runWithoutPauses / (plain.seconds + leftOut.seconds));
    std::printf("  goal: run without pauses / plain extraction %.2f, at most %.1f: %s\n", ratio, kGoal,
                ratio <= kGoal ? "met" : "missed");
  }
  std::printf("goal %s for both folders\n", allMet ? "met" : "missed");
  RemoveTree(work);
  return 0;
}
