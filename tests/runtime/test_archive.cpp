// Extraction through an archive control: the event sequence, the paths,
// the results, and archives that must not be written as they ask.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/window_runtime.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace {

using testsupport::ReadWholeFile;
using testsupport::TempFolder;
using testzip::EntryOptions;
using testzip::Method;
using testzip::ZipWriter;

constexpr char kWindow[] = "解压测试窗口";
constexpr char kArchive[] = "ZIP解压";

struct Event {
  int percent;
  std::string path;
  bool operator==(const Event&) const = default;
};

void PrintTo(const Event& event, std::ostream* out) { *out << "{" << event.percent << ", " << event.path << "}"; }

class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    rt::WindowTemplate host;
    host.name = kWindow;
    host.caption = "archive host";
    host.place = {0, 0, 200, 120};
    host.visible = false;
    rt::ControlTemplate archive;
    archive.name = kArchive;
    archive.kind = rt::ControlKind::Archive;
    archive.events.progress = [this](int percent) -> std::optional<bool> {
      events_.push_back({percent, rt::EntryBeingExtracted(kWindow, kArchive)});
      if (stopAfter_ && events_.size() >= *stopAfter_) return false;
      return std::nullopt;
    };
    host.controls.push_back(std::move(archive));
    ASSERT_NE(rt::LoadWindow(host), nullptr);
  }

  void TearDown() override {
    rt::DestroyWindowNow(kWindow);
    rt::ProcessPendingMessages();
  }

  int Extract(const testzip::Bytes& zip, const std::string& target) {
    const std::string file = temp_ / "archive.zip";
    EXPECT_TRUE(testzip::WriteFile(file, zip));
    return rt::ExtractArchive(kWindow, kArchive, file, target);
  }

  std::string Target() const { return temp_ / "目标"; }

  TempFolder temp_;
  std::vector<Event> events_;
  std::optional<std::size_t> stopAfter_;
};

TEST_F(ArchiveTest, EntriesAreWrittenInDirectoryOrderWithAnEventAfterEach) {
  ZipWriter zip;
  zip.AddFolder("资料");
  zip.AddFile("资料/说明.txt", "stored text", testzip::StoredEntry());
  zip.AddFile("资料/子目录/数据.txt", std::string(5000, 'x'));
  zip.AddFile("readme.txt", "");
  const std::string target = Target();
  ASSERT_EQ(Extract(zip.Finish(), target), rt::kExtractDone);

  const std::string base = target + "\\";
  const std::vector<Event> expected{{0, base + "资料\\"},
                                    {25, base + "资料\\说明.txt"},
                                    {50, base + "资料\\子目录\\数据.txt"},
                                    {75, base + "readme.txt"},
                                    {100, base + "readme.txt"}};
  EXPECT_EQ(events_, expected);
  EXPECT_EQ(ReadWholeFile(base + "资料\\说明.txt"), "stored text");
  EXPECT_EQ(ReadWholeFile(base + "资料\\子目录\\数据.txt"), std::string(5000, 'x'));
  EXPECT_TRUE(rt::FileExists(base + "readme.txt"));
}

TEST_F(ArchiveTest, PercentsAreTruncatedAndATrailingSeparatorIsNotDoubled) {
  ZipWriter zip;
  for (int i = 0; i < 7; ++i) zip.AddFile("f" + std::to_string(i) + ".txt", "data");
  const std::string target = Target() + "\\";
  ASSERT_EQ(Extract(zip.Finish(), target), rt::kExtractDone);

  std::vector<int> percents;
  for (const Event& event : events_) percents.push_back(event.percent);
  EXPECT_EQ(percents, (std::vector<int>{0, 14, 28, 42, 57, 71, 85, 100}));
  EXPECT_EQ(events_.front().path, target + "f0.txt");
  EXPECT_EQ(events_.back().path, target + "f6.txt");
}

TEST_F(ArchiveTest, MissingEmptyAndForeignFilesGiveOneEmptyEvent) {
  const std::string missing = temp_ / "没有.zip";
  EXPECT_EQ(rt::ExtractArchive(kWindow, kArchive, missing, Target()), rt::kExtractNoSuchFile);
  EXPECT_EQ(events_, (std::vector<Event>{{0, ""}}));

  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"empty", ""},
      {"text", "this is not an archive, only text that is long enough to fill 32 bytes"},
      {"signature after 32 bytes", std::string(40, ' ') + "PK\x03\x04"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events_.clear();
    const std::string file = temp_ / "foreign.zip";
    ASSERT_TRUE(rt::WriteBytesToFile(file, c.content));
    EXPECT_EQ(rt::ExtractArchive(kWindow, kArchive, file, Target()), rt::kExtractFailed);
    EXPECT_EQ(events_, (std::vector<Event>{{0, ""}}));
  }
  EXPECT_EQ(rt::EntryBeingExtracted(kWindow, kArchive), "");
}

TEST_F(ArchiveTest, AnswerFalseStopsAfterThatEntry) {
  ZipWriter zip;
  zip.AddFile("one.txt", "1").AddFile("two.txt", "2").AddFile("three.txt", "3");
  stopAfter_ = 1;
  EXPECT_EQ(Extract(zip.Finish(), Target()), rt::kExtractDone);
  EXPECT_EQ(events_, (std::vector<Event>{{0, Target() + "\\one.txt"}}));
  EXPECT_FALSE(rt::FileExists(Target() + "\\two.txt"));
}

TEST_F(ArchiveTest, TargetLevelsAndParentFoldersAreCreatedAndReadOnlyFilesOverwritten) {
  const std::string target = temp_ / "a\\b\\c";
  ASSERT_TRUE(rt::MakeDirectories(target + "\\later"));
  const std::string existing = target + "\\later\\old.txt";
  ASSERT_TRUE(rt::WriteBytesToFile(existing, std::string_view("old content")));
  ASSERT_TRUE(SetFileAttributesA(existing.c_str(), FILE_ATTRIBUTE_READONLY));

  ZipWriter zip;
  zip.AddFile("无目录/深/文件.txt", "nested");  // its folders have no entries
  zip.AddFile("later/old.txt", "new");
  zip.AddFolder("later");                      // folder entry after its file
  ASSERT_EQ(Extract(zip.Finish(), target), rt::kExtractDone);

  EXPECT_EQ(ReadWholeFile(target + "\\无目录\\深\\文件.txt"), "nested");
  EXPECT_EQ(ReadWholeFile(existing), "new");
  EXPECT_EQ(GetFileAttributesA(existing.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(events_.back(), (Event{100, target + "\\later\\"}));
}

// A hostile entry stops the extraction before anything is written for it;
// the final event repeats the last good path.
TEST_F(ArchiveTest, NamesLeavingTheTargetFolderAreNeverWritten) {
  const char* const hostile[] = {
      "../逃出.txt",        "..\\逃出.txt",      "sub/../../逃出.txt", "sub\\..\\..\\逃出.txt",
      "/逃出.txt",          "\\逃出.txt",        "C:/逃出.txt",        "C:逃出.txt",
      "sub/.. /../逃出.txt", "ok.txt:stream",
  };
  // Where a careless join would put a rooted or drive-relative name: the
  // drive's root, and the current folder (made a fresh one here).
  const std::string current = temp_ / "当前";
  ASSERT_TRUE(CreateDirectoryA(current.c_str(), nullptr));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
  const std::vector<std::string> elsewhere = {temp_.path().substr(0, 3) + "逃出.txt", "C:\\逃出.txt",
                                              current + "\\逃出.txt"};
  for (const std::string& path : elsewhere) ASSERT_FALSE(rt::FileExists(path)) << path << " is left from before";

  for (const char* name : hostile) {
    SCOPED_TRACE(name);
    events_.clear();
    const std::string target = temp_ / "深\\目标";
    ZipWriter zip;
    zip.AddFile("ok.txt", "fine").AddFile(name, "escaped").AddFile("after.txt", "never");
    EXPECT_EQ(Extract(zip.Finish(), target), rt::kExtractFailed);
    EXPECT_EQ(events_, (std::vector<Event>{{0, target + "\\ok.txt"}, {100, target + "\\ok.txt"}}));
    EXPECT_FALSE(rt::FileExists(temp_ / "深\\逃出.txt"));
    EXPECT_FALSE(rt::FileExists(temp_ / "逃出.txt"));
    EXPECT_FALSE(rt::FileExists(target + "\\after.txt"));
    for (const std::string& path : elsewhere) {
      EXPECT_FALSE(rt::FileExists(path)) << path;
      DeleteFileA(path.c_str());
    }
    testsupport::RemoveTree(temp_ / "深");
  }
  SetCurrentDirectoryA(previous);
}

TEST_F(ArchiveTest, CorruptOrTruncatedDataFailsAndLeavesNoPartialFile) {
  const std::string data(200000, 'q');
  struct Case {
    const char* name;
    EntryOptions options;
  };
  const Case cases[] = {
      {"deflated, wrong CRC", testzip::WithWrongCrc(Method::Deflated)},
      {"stored, wrong CRC", testzip::WithWrongCrc(Method::Stored)},
      {"deflated, data cut", testzip::WithDataCut(Method::Deflated, 100)},
      {"stored, data cut", testzip::WithDataCut(Method::Stored, 150000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events_.clear();
    const std::string target = Target();
    ZipWriter zip;
    zip.AddFile("first.txt", "good").AddFile("broken.bin", data, c.options).AddFile("after.txt", "x");
    EXPECT_EQ(Extract(zip.Finish(), target), rt::kExtractFailed);
    EXPECT_EQ(events_, (std::vector<Event>{{0, target + "\\first.txt"}, {100, target + "\\first.txt"}}));
    EXPECT_FALSE(rt::FileExists(target + "\\broken.bin"));
    EXPECT_FALSE(rt::FileExists(target + "\\after.txt"));
    testsupport::RemoveTree(target);
  }
}

TEST_F(ArchiveTest, AFailureOnTheFirstEntryReportsAnEmptyPath) {
  ZipWriter zip;
  zip.AddFile("../up.txt", "x");
  EXPECT_EQ(Extract(zip.Finish(), Target()), rt::kExtractFailed);
  EXPECT_EQ(events_, (std::vector<Event>{{100, ""}}));
}

}  // namespace
