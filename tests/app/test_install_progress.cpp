// The archive control's progress event during an installation and the
// close button, in a window that holds just the controls they work on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/install_run.h"
#include "app/installer_variables.h"
#include "app/window_names.h"
#include "runtime/archive.h"
#include "runtime/window_runtime.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace {

using testsupport::ReadWholeFile;

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
  const std::string whole = EntryName(60, 'a');          // shown as it is
  const std::string shortened = EntryName(61, 'b') + ".dat";  // shown in its short form
  testzip::ZipWriter zip;
  zip.AddFile(whole, "first").AddFile(shortened, "second");
  ASSERT_EQ(Extract(zip), rt::kExtractDone);

  const std::string wholePath = temp_ / whole;
  const std::string longPath = temp_ / shortened;
  const std::string shortPath = app::ShortenPathForDisplay(longPath);
  EXPECT_LT(shortPath.size(), longPath.size()) << "the system gave no short form";
  const std::vector<Status> expected = {
      {"正在安装..." + wholePath, 0},
      {"正在安装..." + shortPath, 0},
      {"正在安装..." + shortPath, 1},
      {"安装进度...100%", 1},
  };
  ASSERT_EQ(statuses_.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(statuses_[i].caption, expected[i].caption) << "status " << i;
    EXPECT_EQ(statuses_[i].closeAllowed, expected[i].closeAllowed) << "status " << i;
  }
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kProgressBar, rt::NumberProperty::Position), 100);
  // The last path twice: its entry and the closing event.
  const std::string list = "\r\n" + wholePath + "\r\n" + longPath + "\r\n" + longPath;
  EXPECT_EQ(app::InstalledFileList, list);
  EXPECT_EQ(ReadWholeFile(temp_ / "del.ini"), list);
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
