// Extraction speed: ExtractArchive, with a progress handler that pumps
// messages as the installer's does, beside a plain minizip loop (first /
// next entry, read, write) over the same archives in the same run.
//
// Archives made here: (a) 600 small text files in 20 folders, (b) one
// deflated file of 12 MB. Each side runs several rounds on fresh target
// folders; the best round counts. Every round's output is compared with
// the archive's bytes; a failed or wrong extraction ends the program with
// status 1. Prints MB/s, files/s and the ratio runtime / reference, and
// whether the goal (at least 0.9 on both) is met; a missed goal is a
// figure, not a failure.
#include <windows.h>

#include "bench/bench_clock.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "unzip.h"
#include "iowin32.h"

#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/window_runtime.h"
#include "runtime/win_handle.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace {

constexpr char kWindow[] = "解压测速";
constexpr char kArchiveControl[] = "ZIP解压";
constexpr int kMinRounds = 7;
constexpr double kMinSecondsPerSide = 2.0;  // more rounds for quick archives: the best one counts
constexpr double kGoal = 0.9;

// Text that deflates about as well as prose: words from a small list,
// picked by a fixed pseudo-random sequence.
class TextMaker {
 public:
  std::string Make(std::size_t bytes) {
    static const char* const kWords[] = {"写作", "素材", "人物", "情节", "the", "story", "chapter", "名字",
                                         "outline", "notes", "场景", "对话", "描写", "time", "river", "城市"};
    std::string text;
    text.reserve(bytes + 16);
    while (text.size() < bytes) {
      text += kWords[Next() % 16];
      text += (Next() % 11 == 0) ? "\r\n" : " ";
    }
    text.resize(bytes);
    return text;
  }

 private:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  std::uint32_t state_ = 12345;
};

struct Archive {
  const char* label;
  std::string path;
  std::uint64_t bytes = 0;  // uncompressed
  int files = 0;
  // Each file's path below the target ("\\"-separated) and its bytes.
  std::vector<std::pair<std::string, std::string>> contents;

  void Add(const std::string& name, const std::string& text) {
    std::string local = name;
    for (char& c : local) {
      if (c == '/') c = '\\';
    }
    contents.emplace_back(local, text);
    bytes += text.size();
    ++files;
  }
};

Archive MakeSmallFiles(const std::string& folder, TextMaker& maker) {
  Archive archive{"600 small files", folder + "\\small.zip"};
  testzip::ZipWriter zip;
  zip.AddFolder("描写素材/");
  for (int f = 0; f < 20; ++f) {
    const std::string dir = "描写素材/分类" + std::to_string(f + 1) + "/";
    zip.AddFolder(dir);
    for (int i = 0; i < 30; ++i) {
      const std::string text = maker.Make(1500 + (f * 30 + i) % 7 * 700);
      const std::string name = dir + "资料" + std::to_string(i + 1) + ".txt";
      zip.AddFile(name, text);
      archive.Add(name, text);
    }
  }
  testzip::WriteFile(archive.path, zip.Finish());
  return archive;
}

Archive MakeLargeFile(const std::string& folder, TextMaker& maker) {
  Archive archive{"one 12 MB file", folder + "\\large.zip"};
  const std::string text = maker.Make(12 * 1024 * 1024);
  testzip::ZipWriter zip;
  zip.AddFile("Quillora.exe", text);
  archive.Add("Quillora.exe", text);
  testzip::WriteFile(archive.path, zip.Finish());
  return archive;
}

double Seconds() { return bench::Now(); }

// The reference: what a program using minizip directly would write.
bool ReferenceExtract(const std::string& zipPath, const std::string& target) {
  CreateDirectoryA(target.c_str(), nullptr);
  zlib_filefunc64_def io{};
  fill_win32_filefunc64A(&io);
  unzFile zip = unzOpen2_64(zipPath.c_str(), &io);
  if (!zip) return false;
  static char buffer[64 * 1024];
  char name[1024];
  bool ok = true;
  for (int status = unzGoToFirstFile(zip); status == UNZ_OK && ok; status = unzGoToNextFile(zip)) {
    unz_file_info64 info{};
    unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
    std::string path = target + "\\" + name;
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    if (path.back() == '\\') {
      CreateDirectoryA(path.c_str(), nullptr);
      continue;
    }
    const rt::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || unzOpenCurrentFile(zip) != UNZ_OK) {
      ok = false;
      continue;
    }
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) {
      DWORD written = 0;
      WriteFile(file.get(), buffer, static_cast<DWORD>(read), &written, nullptr);
    }
    ok = read == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
  }
  unzClose(zip);
  return ok;
}

bool RuntimeExtract(const std::string& zipPath, const std::string& target) {
  return rt::ExtractArchive(kWindow, kArchiveControl, zipPath, target) == rt::kExtractDone;
}

int CountFiles(const std::string& folder) {
  int count = 0;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      count += CountFiles(folder + "\\" + name);
    else
      ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

// Empty when the target holds exactly the archive's files with their
// bytes; else what differs first.
std::string Difference(const Archive& archive, const std::string& target) {
  for (const auto& [name, text] : archive.contents) {
    if (testsupport::ReadWholeFile(target + "\\" + name) != text) return name + " differs from the archive's bytes";
  }
  const int files = CountFiles(target);
  if (files != archive.files) return std::to_string(files) + " files written, " + std::to_string(archive.files) + " in the archive";
  return {};
}

struct Timing {
  const char* side;
  double seconds = 1e30;  // best round
  double total = 0;
  int rounds = 0;
  std::string wrong;  // what was wrong with a round's output
};

template <class Extract>
void TimeOneRound(Extract extract, const Archive& archive, const std::string& target, Timing& timing) {
  testsupport::RemoveTree(target);
  const double start = Seconds();
  const bool ok = extract(archive.path, target);
  const double elapsed = Seconds() - start;
  timing.wrong = ok ? Difference(archive, target) : "the extraction reported a failure";
  timing.total += elapsed;
  ++timing.rounds;
  if (elapsed < timing.seconds) timing.seconds = elapsed;
}

double MegabytesPerSecond(const Archive& archive, const Timing& timing) {
  return static_cast<double>(archive.bytes) / (1024.0 * 1024.0) / timing.seconds;
}

// Returns the ratio of the runtime's speed to the reference's; nullopt
// when a side's output was wrong.
std::optional<double> Measure(const Archive& archive, const std::string& folder) {
  Timing reference{"reference"}, runtime{"ExtractArchive"};
  const std::string referenceTarget = folder + "\\reference";
  const std::string runtimeTarget = folder + "\\runtime";
  // Alternate, so both sides see the same machine state.
  while (reference.rounds < kMinRounds || reference.total < kMinSecondsPerSide) {
    TimeOneRound(ReferenceExtract, archive, referenceTarget, reference);
    TimeOneRound(RuntimeExtract, archive, runtimeTarget, runtime);
    if (!reference.wrong.empty() || !runtime.wrong.empty()) break;
  }
  testsupport::RemoveTree(referenceTarget);
  testsupport::RemoveTree(runtimeTarget);
  for (const Timing* side : {&reference, &runtime}) {
    if (side->wrong.empty()) continue;
    std::printf("%s, %s, round %d: %s\n", archive.label, side->side, side->rounds, side->wrong.c_str());
    return std::nullopt;
  }
  const double ratio = reference.seconds / runtime.seconds;
  std::printf("%-16s %3d  %9.1f MB/s %8.0f files/s   %9.1f MB/s %8.0f files/s   %5.2f  goal %s\n", archive.label,
              reference.rounds, MegabytesPerSecond(archive, reference), archive.files / reference.seconds,
              MegabytesPerSecond(archive, runtime), archive.files / runtime.seconds, ratio,
              ratio >= kGoal ? "met" : "missed");
  return ratio;
}

rt::WindowTemplate HostWindow() {
  rt::WindowTemplate window;
  window.name = kWindow;
  window.place = {0, 0, 300, 100};
  window.visible = false;
  rt::ControlTemplate archive;
  archive.name = kArchiveControl;
  archive.kind = rt::ControlKind::Archive;
  archive.events.progress = [](int) -> std::optional<bool> {
    rt::ProcessPendingMessages();  // as the installer's progress handler does
    return std::nullopt;
  };
  window.controls.push_back(archive);
  return window;
}

}  // namespace

int main() {
  const testsupport::TempFolder temp("bench_extract");
  const std::string& folder = temp.path();
  if (!rt::LoadWindow(HostWindow())) {
    std::printf("could not create the host window\n");
    return 1;
  }

  TextMaker maker;
  const Archive smallArchive = MakeSmallFiles(folder, maker);
  const Archive largeArchive = MakeLargeFile(folder, maker);
  std::printf("archive        rounds  reference (minizip loop)         ExtractArchive (pumping messages)"
              "   ratio (best rounds)\n");
  const std::optional<double> small = Measure(smallArchive, folder);
  const std::optional<double> large = small ? Measure(largeArchive, folder) : std::nullopt;
  rt::DestroyWindowNow(kWindow);
  rt::ProcessPendingMessages();
  if (!small || !large) return 1;
  const double smallRatio = *small, largeRatio = *large;
  std::printf("ratios: small files %.2f, large file %.2f (goal: at least %.1f on both): goal %s\n", smallRatio,
              largeRatio, kGoal, smallRatio >= kGoal && largeRatio >= kGoal ? "met" : "missed");
  std::printf("every round's files matched the archives' bytes\n");
  return 0;
}
