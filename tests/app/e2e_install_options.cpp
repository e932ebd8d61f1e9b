// An installation with every option ticked: shortcuts, writing materials,
// the installed-file list, and the finish that starts the product and
// opens the community page.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/install_checks.h"
#include "tests/support/install_session.h"
#include "tests/support/installer_driver.h"
#include "tests/support/temp_folder.h"

namespace {

using qtest::InstallerSession;
using qtest::TextOf;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WindowsName(std::string name) {
  for (char& c : name) {
    if (c == '/') c = '\\';
  }
  return name;
}

bool IsHexKey(const std::string& text) {
  if (text.size() != 64) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

// The Quick Launch folder exists only while the test needs it.
class ScopedQuickLaunchFolder {
 public:
  ScopedQuickLaunchFolder() : path_(qtest::QuickLaunchFolder()) {
    created_ = !Exists(path_) && SHCreateDirectoryExA(nullptr, path_.c_str(), nullptr) == ERROR_SUCCESS;
  }
  ScopedQuickLaunchFolder(const ScopedQuickLaunchFolder&) = delete;
  ScopedQuickLaunchFolder& operator=(const ScopedQuickLaunchFolder&) = delete;
  ~ScopedQuickLaunchFolder() {
    if (created_) testsupport::RemoveTree(path_);
  }

 private:
  std::string path_;
  bool created_ = false;
};

class InstallOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set";
    qtest::RemoveInstallationTraces();
  }
  void TearDown() override { qtest::RemoveInstallationTraces(); }

  testsupport::TempFolder temp_{"qo"};
  InstallerSession session_;
};

TEST_F(InstallOptionsTest, EveryOptionTickedInstallsAllAndFinishesIntoTheProduct) {
  // The box ends in "\": no path may come out with a doubled separator.
  const std::string typed = temp_ / "全部 选项\\";
  const std::string folder = typed.substr(0, typed.size() - 1);
  const std::string program = folder + "\\Quillora.exe";
  const ScopedQuickLaunchFolder quickLaunch;
  const qtest::ScopedWebAddressRecorder browser;

  ASSERT_TRUE(session_.Launch());
  for (const char* box : {qtest::kDesktopShortcutBox, qtest::kStartMenuShortcutBox, qtest::kMaterialsBox,
                          qtest::kRunAfterInstallBox, qtest::kJoinGroupBox}) {
    ASSERT_TRUE(session_.Tick(box)) << box;
  }
  ASSERT_TRUE(session_.AcceptAgreement());
  session_.TypeFolder(typed);

  // While the files come out, what the run reads stays locked. A look
  // counts only when the run was under way before it (the bar has moved)
  // and still is after it (no usable finish button yet): after a successful run
  // the inputs stay locked anyway.
  const std::vector<std::pair<std::string, HWND>> inputs = {
      {qtest::kDesktopShortcutBox, session_.Button(qtest::kDesktopShortcutBox)},
      {qtest::kStartMenuShortcutBox, session_.Button(qtest::kStartMenuShortcutBox)},
      {qtest::kMaterialsBox, session_.Button(qtest::kMaterialsBox)},
      {"目录框", session_.folderBox()},
      {"更改路径", session_.Button("更改路径")}};
  HWND finish = session_.Button("完成");
  ASSERT_NE(finish, nullptr);
  session_.ClickStart();
  bool started = false;
  int looksDuringRun = 0;
  std::vector<std::string> statusesDuringRun;  // each text once, in the order seen
  std::string unlocked;
  qtest::WaitUntil(
      [&] {
        started = started || session_.BarPosition() > 0;
        std::string open;
        for (const auto& [name, control] : inputs)
          if (qtest::IsEnabled(control)) open += name + " ";
        const std::string status = TextOf(session_.statusLabel());
        const bool finished = IsWindowVisible(finish) && IsWindowEnabled(finish);
        if (started && !finished) {
          ++looksDuringRun;
          if (statusesDuringRun.empty() || statusesDuringRun.back() != status) statusesDuringRun.push_back(status);
          if (!open.empty()) unlocked = open;
        }
        return finished;
      },
      60000, 5);
  EXPECT_GT(looksDuringRun, 0) << "the run was never seen under way";
  // A long path is shown in its short form, where the folder has its short
  // name: either counts.
  char shortMaterials[MAX_PATH] = {};
  GetShortPathNameA((folder + "\\描写素材").c_str(), shortMaterials, MAX_PATH);
  const std::string shortName = std::string(shortMaterials).substr(std::string(shortMaterials).rfind('\\') + 1);
  bool materialsSeen = false;
  for (const std::string& status : statusesDuringRun) {
    materialsSeen = materialsSeen || status.find("\\描写素材\\") != std::string::npos ||
                    (!shortName.empty() && status.find("\\" + shortName + "\\") != std::string::npos);
  }
  EXPECT_TRUE(materialsSeen) << "the materials were never seen coming out (short name " << shortName << ")";
  EXPECT_EQ(unlocked, "") << "open while extracting";
  ASSERT_TRUE(session_.WaitForFinishButton());
  EXPECT_EQ(session_.BarPosition(), 100);
  EXPECT_EQ(TextOf(session_.statusLabel()), "安装进度...100%");

  // Shortcuts: desktop and start menu fully described, Quick Launch bare.
  struct Link {
    std::string path;
    bool described;
  };
  for (const Link& link : {Link{qtest::DesktopShortcut(), true}, Link{qtest::StartMenuShortcut(), true},
                           Link{qtest::QuickLaunchShortcut(), false}}) {
    SCOPED_TRACE(link.path);
    const auto fields = qtest::ReadShortcut(link.path);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->target, program);
    EXPECT_EQ(fields->arguments, "");
    // Link files keep only normal, maximized and minimized: SW_SHOW comes
    // back as SW_SHOWNORMAL.
    EXPECT_EQ(fields->showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(fields->description, link.described ? "Quillora" : "");
    if (link.described) {
      EXPECT_TRUE(qtest::SamePath(fields->workingFolder, folder)) << fields->workingFolder;
      EXPECT_EQ(fields->workingFolder.find("\\\\"), std::string::npos) << fields->workingFolder;
    } else {
      EXPECT_EQ(fields->workingFolder, "");
    }
  }
  for (const char* name : {"softURL", "DisplayIcon", "UninstallString"}) {
    const std::string value =
        qtest::ReadRegistryText(HKEY_LOCAL_MACHINE, qtest::kUninstallKey, name).value_or("<absent>");
    EXPECT_EQ(value.find("\\\\"), std::string::npos) << name << " = " << value;
  }
  EXPECT_EQ(qtest::ReadRegistryText(HKEY_LOCAL_MACHINE, qtest::kUninstallKey, "DisplayIcon"), program);

  // Every materials entry on disk with its data, and listed in directory
  // order after the program, each archive's last path twice.
  const std::string archive = qtest::ResourceBytesOf(qtest::InstallerExePath(), IDR_MATERIALS_ARCHIVE);
  const std::vector<qtest::ZipEntry> entries = qtest::ZipEntries(archive);
  ASSERT_EQ(entries.size(), 625u);
  std::string list = "\r\n" + program + "\r\n" + program;
  int mismatches = 0;
  for (const qtest::ZipEntry& entry : entries) {
    EXPECT_EQ(entry.name.rfind("描写素材/", 0), 0u) << entry.name;
    EXPECT_EQ(entry.flags & 0x800, 0) << "names are code page 936, not UTF-8";
    const std::string path = folder + "\\" + WindowsName(entry.name);
    list += "\r\n" + path;
    if (entry.name.back() == '/') {
      if (!Exists(path)) ++mismatches;
    } else if (testsupport::ReadWholeFile(path) != qtest::ZipEntryData(archive, entry).value_or("?")) {
      ++mismatches;
    }
  }
  list += "\r\n" + folder + "\\" + WindowsName(entries.back().name);
  EXPECT_EQ(mismatches, 0) << "materials missing or different on disk";
  EXPECT_TRUE(testsupport::ReadWholeFile(folder + "\\del.ini") == list) << "del.ini differs";
  EXPECT_FALSE(Exists(folder + "\\写作素材包.zip"));

  // The finish starts the product from its folder and opens the page.
  qtest::Click(session_.Button("完成"));
  HWND product = qtest::WaitForProductWindow();
  ASSERT_NE(product, nullptr) << "Quillora.exe did not start";
  EXPECT_TRUE(qtest::WaitUntil([&] { return qtest::FindDescendant(product, "Static", "Quillora 03.41.50"); }))
      << "the product window shows no version";
  DWORD productId = 0;
  GetWindowThreadProcessId(product, &productId);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, productId);
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(qtest::SamePath(qtest::ImagePathOf(process), program)) << qtest::ImagePathOf(process);
  const auto workingFolder = qtest::CurrentFolderOf(process);
  CloseHandle(process);
  ASSERT_TRUE(workingFolder.has_value());
  EXPECT_TRUE(qtest::SamePath(*workingFolder, folder)) << *workingFolder;

  const auto address = browser.WaitForAddress(qtest::kDefaultTimeoutMs);
  ASSERT_TRUE(address.has_value()) << "the community page was not opened";
  const std::string prefix = "/wpa/qunwpa?idkey=";
  const std::size_t path = address->find(prefix);
  ASSERT_NE(path, std::string::npos) << *address;
  EXPECT_EQ(address->rfind("http://", 0), 0u) << *address;
  EXPECT_TRUE(IsHexKey(address->substr(path + prefix.size()))) << *address;

  EXPECT_EQ(session_.process().WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
