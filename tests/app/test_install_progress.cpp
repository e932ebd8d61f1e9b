// The archive control's progress event during an installation and the
// close button, in a window that holds just the controls they work on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/display_path.h"
#include "app/install_run.h"
#include "app/installer_variables.h"
#include "app/progress_display.h"
#include "app/window_names.h"
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/window_runtime.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace {

using testsupport::ReadWholeFile;

// The system's short form of the path asked directly, or the path itself
// when it has none (the status line's rule).
std::string SystemShortPath(const std::string& path) {
  char buffer[255];
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

// The progress display shows at most one state per interval.
constexpr DWORD kShowMs = static_cast<DWORD>(app::kProgressShowIntervalMs);

// Lets the display's interval pass, so the next state shows at once.
void WaitOneInterval() { Sleep(2 * kShowMs); }

// What the status line showed, with the close permission at that moment.
struct Status {
  std::string caption;
  int closeAllowed;
};
std::vector<Status>* gStatusLog = nullptr;
WNDPROC gLabelProc = nullptr;

LRESULT CALLBACK RecordingLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && gStatusLog) {
    gStatusLog->push_back({reinterpret_cast<const char*>(lParam), app::CloseAllowed});
  }
  return CallWindowProcA(gLabelProc, window, message, wParam, lParam);
}

int gBarWrites = 0;
WNDPROC gBarProc = nullptr;

LRESULT CALLBACK CountingBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == PBM_SETPOS) ++gBarWrites;
  return CallWindowProcA(gBarProc, window, message, wParam, lParam);
}

rt::ControlTemplate Control(std::string_view name, rt::ControlKind kind, int top) {
  rt::ControlTemplate control;
  control.name = std::string(name);
  control.kind = kind;
  control.place = {10, top, 500, 24};
  return control;
}

class InstallProgressTest : public testing::Test {
 protected:
  void SetUp() override {
    app::InitInstallerVariables();
    app::ExtractionAllowed = 1;
    rt::WindowTemplate window;
    window.name = std::string(app::kInstallerWindow);
    window.caption = "progress host";
    window.place = {0, 0, 560, 200};
    window.visible = false;
    window.controls.push_back(Control(app::kProgressBar, rt::ControlKind::ProgressBar, 10));
    window.controls.push_back(Control(app::kStatusLabel, rt::ControlKind::Label, 40));
    window.controls.push_back(Control(app::kFolderBox, rt::ControlKind::Edit, 70));
    rt::ControlTemplate archive = Control(app::kArchiveControl, rt::ControlKind::Archive, 0);
    archive.events.progress = app::ExtractProgress;
    archive.events.archiveMain = app::ZipEventZero;
    window.controls.push_back(std::move(archive));
    ASSERT_NE(rt::LoadWindow(window), nullptr);

    HWND label = rt::WindowHandleOf(app::kInstallerWindow, app::kStatusLabel);
    gLabelProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingLabelProc)));
    gStatusLog = &statuses_;
    rt::WriteProperty(app::kInstallerWindow, app::kFolderBox, rt::TextProperty::Text, temp_.path());
  }

  void TearDown() override {
    gStatusLog = nullptr;
    rt::DestroyWindowNow(app::kInstallerWindow);
    rt::ProcessPendingMessages();
  }

  // Extracts the archive into the folder box's folder, as the run does.
  int Extract(const testzip::ZipWriter& zip) {
    const std::string file = temp_ / "setup.zip";
    EXPECT_TRUE(testzip::WriteFile(file, zip.Finish()));
    return rt::ExtractArchive(app::kInstallerWindow, app::kArchiveControl, file, temp_.path());
  }

  // A path of exactly `length` bytes in the folder.
  std::string EntryName(std::size_t length, char fill) const {
    return std::string(length - temp_.path().size() - 1, fill);
  }

  testsupport::TempFolder temp_{"qp"};
  std::vector<Status> statuses_;
};

TEST_F(InstallProgressTest, StatusLineBarListAndClosePermissionFollowTheEntries) {
  ASSERT_LT(temp_.path().size(), 50u);
  const std::string whole = EntryName(60, 'a');               // shown as it is
  const std::string shortened = EntryName(61, 'b') + ".dat";  // shown in its short form
  testzip::ZipWriter zip;
  zip.AddFile(whole, "first").AddFile(shortened, "second");
  WaitOneInterval();
  ASSERT_EQ(Extract(zip), rt::kExtractDone);

  const std::string wholePath = temp_ / whole;
  const std::string longPath = temp_ / shortened;
  const std::string shortPath = SystemShortPath(longPath);
  ASSERT_LT(shortPath.size(), longPath.size()) << "the system gave no short form";
  // Every state in order; the second entry's may be held back and then
  // replaced by the final event's, as it comes within one interval.
  const std::vector<Status> states = {
      {"正在安装..." + wholePath, 0},
      {"正在安装..." + shortPath, 0},
      {"正在安装..." + shortPath, 1},
      {"安装进度...100%", 1},
  };
  ASSERT_GE(statuses_.size(), 3u);
  EXPECT_EQ(statuses_.front().caption, states.front().caption) << "the first state shows at once";
  EXPECT_EQ(statuses_.front().closeAllowed, 0);
  auto next = states.begin();
  for (const Status& status : statuses_) {
    next = std::find_if(next, states.end(), [&](const Status& state) {
      return state.caption == status.caption && state.closeAllowed == status.closeAllowed;
    });
    ASSERT_NE(next, states.end()) << "unexpected or out of order: " << status.caption << " / " << status.closeAllowed;
    ++next;
  }
  EXPECT_EQ(statuses_[statuses_.size() - 2].caption, states[2].caption);
  EXPECT_EQ(statuses_.back().caption, states[3].caption);
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kProgressBar, rt::NumberProperty::Position), 100);
  // The last path twice: its entry and the closing event.
  const std::string list = "\r\n" + wholePath + "\r\n" + longPath + "\r\n" + longPath;
  EXPECT_EQ(app::InstalledFileList, list);
  EXPECT_EQ(ReadWholeFile(temp_ / "del.ini"), list);
}

// Many small entries: each one is listed, but the controls are written at
// most once per interval, and the end state is shown.
TEST_F(InstallProgressTest, ManyEntriesAreListedButShownAtTheDisplaysPace) {
  constexpr int kEntries = 400;
  testzip::ZipWriter zip;
  std::string list;
  for (int i = 0; i < kEntries; ++i) {
    const std::string name = "第" + std::to_string(i) + "篇.txt";
    zip.AddFile(name, "text");
    list += "\r\n" + (temp_ / name);
  }
  list += "\r\n" + (temp_ / ("第" + std::to_string(kEntries - 1) + "篇.txt"));
  HWND bar = rt::WindowHandleOf(app::kInstallerWindow, app::kProgressBar);
  gBarWrites = 0;
  gBarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingBarProc)));

  const DWORD start = GetTickCount();
  ASSERT_EQ(Extract(zip), rt::kExtractDone);
  const DWORD elapsed = GetTickCount() - start;

  EXPECT_EQ(app::InstalledFileList, list);
  const std::size_t intervals = elapsed / kShowMs + 1;
  // One state per interval (the 100 % one writes the status line twice).
  EXPECT_LE(statuses_.size(), intervals + 2) << "in " << elapsed << " ms";
  EXPECT_LE(static_cast<std::size_t>(gBarWrites), intervals + 1) << "in " << elapsed << " ms";
  ASSERT_FALSE(statuses_.empty());
  EXPECT_EQ(statuses_.back().caption, "安装进度...100%");
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kProgressBar, rt::NumberProperty::Position), 100);
}

// A state that no further event follows (a file that is no archive gives
// one 0 % event) still shows once its frame has passed.
TEST_F(InstallProgressTest, AStateHeldBackShowsWithoutAFurtherEvent) {
  testzip::ZipWriter zip;
  zip.AddFile("a.txt", "a");
  ASSERT_EQ(Extract(zip), rt::kExtractDone);
  ASSERT_EQ(statuses_.back().caption, "安装进度...100%");
  const std::string notZip = temp_ / "empty.zip";
  ASSERT_TRUE(testzip::WriteFile(notZip, {}));
  EXPECT_EQ(rt::ExtractArchive(app::kInstallerWindow, app::kArchiveControl, notZip, temp_.path()),
            rt::kExtractFailed);
  EXPECT_EQ(app::CloseAllowed, 0);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 20 * kShowMs && statuses_.back().caption != "正在安装...") {
    rt::ProcessPendingMessages();
    Sleep(1);
  }
  EXPECT_EQ(statuses_.back().caption, "正在安装...");
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kProgressBar, rt::NumberProperty::Position), 0);
}

TEST_F(InstallProgressTest, ListSpansArchivesAndIsRewrittenWholeAtEachEnd) {
  testzip::ZipWriter first;
  first.AddFolder("描写素材").AddFile("描写素材/一.txt", "1");
  testzip::ZipWriter second;
  second.AddFile("二.txt", "2");
  ASSERT_EQ(Extract(first), rt::kExtractDone);
  ASSERT_EQ(Extract(second), rt::kExtractDone);
  const std::string folderEntry = temp_ / "描写素材\\";
  const std::string one = temp_ / "描写素材\\一.txt";
  const std::string two = temp_ / "二.txt";
  EXPECT_EQ(ReadWholeFile(temp_ / "del.ini"),
            "\r\n" + folderEntry + "\r\n" + one + "\r\n" + one + "\r\n" + two + "\r\n" + two);
}

TEST_F(InstallProgressTest, NothingHappensWhileExtractionIsNotAllowed) {
  app::ExtractionAllowed = 0;
  testzip::ZipWriter zip;
  zip.AddFile("a.txt", "a").AddFile("b.txt", "b");
  EXPECT_EQ(Extract(zip), rt::kExtractDone) << "a stop is no failure";
  EXPECT_TRUE(statuses_.empty());
  EXPECT_EQ(app::InstalledFileList, "");
  EXPECT_EQ(GetFileAttributesA((temp_ / "b.txt").c_str()), INVALID_FILE_ATTRIBUTES) << "stopped after the first";
  EXPECT_EQ(GetFileAttributesA((temp_ / "del.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallProgressTest, PathWithoutShortFormIsShownAsItIs) {
  const std::string missing = temp_ / "不存在的文件夹\\很长很长的文件名称.txt";
  EXPECT_EQ(app::ShortenPathForDisplay(missing), missing);
}

// The status line's short forms, looked up per folder and per file name,
// are what the system gives for the whole path.
TEST(DisplayPathShortenerTest, GivesTheSystemsShortFormOfEveryPath) {
  const testsupport::TempFolder root("qs");
  const std::string folder = root / "很长的安装目录 名称\\描写素材";
  const std::string other = root / "另一个 很长的目录";
  ASSERT_TRUE(rt::MakeDirectories(folder + "\\人物描写"));
  ASSERT_TRUE(rt::MakeDirectories(other));
  ASSERT_TRUE(testzip::WriteFile(folder + "\\人物描写\\人物描写001.txt", {'x'}));
  for (const char* name : {"abc.txt", "ABCDEFGH.TXT", "long file name.txt", "a.abcd", "x y.z"}) {
    ASSERT_TRUE(testzip::WriteFile(folder + "\\" + name, {'x'})) << name;
  }
  ASSERT_TRUE(testzip::WriteFile(other + "\\素材库.EDT", {'x'}));
  // Subfolders met after their parent: only their own names are looked up.
  ASSERT_TRUE(rt::MakeDirectories(folder + "\\景物 描写\\四季 景色"));
  ASSERT_TRUE(testzip::WriteFile(folder + "\\景物 描写\\四季 景色\\春天的景色.txt", {'x'}));
  const std::string paths[] = {
      folder + "\\人物描写\\人物描写001.txt",
      folder + "\\人物描写\\",  // a folder entry keeps its trailing separator
      folder + "\\abc.txt",
      folder + "\\ABCDEFGH.TXT",
      folder + "\\long file name.txt",
      folder + "\\a.abcd",
      folder + "\\x y.z",
      other + "\\素材库.EDT",
      folder + "\\abc.txt",  // back to a folder seen before
      folder + "\\景物 描写\\",
      folder + "\\景物 描写\\四季 景色\\",
      folder + "\\景物 描写\\四季 景色\\春天的景色.txt",
      folder + "\\景物 描写\\四季 景色\\没有这个文件.txt",
      folder + "\\没有这个目录\\人物描写001.txt",
      folder + "\\没有这个文件.txt",
      root / "没有这个目录\\人物描写001.txt",
  };
  app::DisplayPathShortener shortener;
  for (const std::string& path : paths) {
    EXPECT_EQ(shortener.Shorten(path), SystemShortPath(path)) << path;
    EXPECT_EQ(app::ShortenPathForDisplay(path), SystemShortPath(path)) << path;
  }
}

TEST_F(InstallProgressTest, CloseButtonIsIgnoredOnlyWhileTheBarStandsBetweenOneAndNinetyNine) {
  struct Case {
    int position;
    bool closes;
  };
  for (const Case c : {Case{0, true}, Case{1, false}, Case{50, false}, Case{99, false}, Case{100, true}}) {
    SCOPED_TRACE(c.position);
    if (!rt::IsWindowLoaded(app::kInstallerWindow)) SetUp();
    app::MusicFilePath = temp_ / "bgmusic.mp3";
    ASSERT_TRUE(testzip::WriteFile(app::MusicFilePath, {'I', 'D', '3'}));
    rt::WriteProperty(app::kInstallerWindow, app::kProgressBar, rt::NumberProperty::Position, c.position);
    app::CloseClick();
    rt::ProcessPendingMessages();
    EXPECT_EQ(rt::IsWindowLoaded(app::kInstallerWindow), !c.closes);
    EXPECT_EQ(GetFileAttributesA(app::MusicFilePath.c_str()) == INVALID_FILE_ATTRIBUTES, c.closes);
  }
}

}  // namespace
