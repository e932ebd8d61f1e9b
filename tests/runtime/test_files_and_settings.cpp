// Files, INI texts, registry texts, special folders and shortcuts, read
// back through the system's own interfaces.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/com_ptr.h"
#include "runtime/files.h"
#include "runtime/ini_file.h"
#include "runtime/path_text.h"
#include "runtime/registry.h"
#include "runtime/shell.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ReadWholeFile;
using testsupport::TempFolder;

TEST(FilesTest, WriteBytesCreatesOrTruncatesWithoutATerminatingZero) {
  const TempFolder temp;
  const std::string file = temp / "数据.bin";
  ASSERT_TRUE(rt::WriteBytesToFile(file, rt::ByteArray{1, 2, 0, 3}));
  EXPECT_EQ(ReadWholeFile(file), std::string("\x01\x02\x00\x03", 4));
  ASSERT_TRUE(rt::WriteBytesToFile(file, std::string_view("安装")));
  EXPECT_EQ(ReadWholeFile(file), "安装");
  ASSERT_TRUE(rt::WriteBytesToFile(file, rt::ByteArray{}));
  EXPECT_TRUE(rt::FileExists(file));
  EXPECT_EQ(ReadWholeFile(file), "");
  EXPECT_FALSE(rt::WriteBytesToFile(temp / "没有\\文件.bin", std::string_view("x")));
}

TEST(FilesTest, MakeDirectoryCreatesOneLevelAndRemoveFileTakesReadOnlyFiles) {
  const TempFolder temp;
  EXPECT_FALSE(rt::MakeDirectory(temp / "一\\二"));
  EXPECT_TRUE(rt::MakeDirectory(temp / "一"));
  EXPECT_TRUE(rt::MakeDirectory(temp / "一"));  // already there
  EXPECT_TRUE(rt::MakeDirectory(temp / "一\\二"));
  EXPECT_TRUE(rt::MakeDirectories(temp / "三\\四\\五\\"));
  EXPECT_TRUE(rt::FileExists(temp / "三\\四\\五"));

  const std::string file = temp / "只读.txt";
  ASSERT_TRUE(rt::WriteBytesToFile(file, std::string_view("x")));
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(rt::RemoveFile(file));
  EXPECT_FALSE(rt::FileExists(file));
  EXPECT_FALSE(rt::RemoveFile(file));
}

TEST(IniFileTest, TextsRoundTripAndMissingOnesGiveTheDefault) {
  const TempFolder temp;
  const std::string file = temp / "系统配置.ini";
  EXPECT_EQ(rt::ReadIniText(file, "系统配置", "版本号", " 默认 "), " 默认 ");
  ASSERT_TRUE(rt::WriteIniText(file, "系统配置", "版本号", "03.41.50"));
  EXPECT_EQ(rt::ReadIniText(file, "系统配置", "版本号", "x"), "03.41.50");
  EXPECT_EQ(rt::ReadIniText(file, "系统配置", "其他", "x"), "x");
  EXPECT_EQ(rt::ReadIniText(file, "别的", "版本号", ""), "");
  ASSERT_TRUE(rt::WriteIniText(file, "系统配置", "空", ""));
  EXPECT_EQ(rt::ReadIniText(file, "系统配置", "空", "x"), "");
  const std::string longValue(3000, 'v');
  ASSERT_TRUE(rt::WriteIniText(file, "系统配置", "长", longValue));
  EXPECT_EQ(rt::ReadIniText(file, "系统配置", "长"), longValue);
}

TEST(RegistryTest, LocalMachineTextsRoundTripAsRegSz) {
  constexpr char kKey[] = "SOFTWARE\\QuilloraRuntimeTest\\卸载";
  const std::string path = std::string(kKey) + "\\softURL";
  EXPECT_EQ(rt::ReadRegistryText(rt::kRootLocalMachine, path), "");
  ASSERT_TRUE(rt::WriteRegistryValue(rt::kRootLocalMachine, path, "C:\\程序\\Quillora\\"));
  EXPECT_EQ(rt::ReadRegistryText(rt::kRootLocalMachine, path), "C:\\程序\\Quillora\\");

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "softURL", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

  ASSERT_TRUE(rt::WriteRegistryValue(rt::kRootLocalMachine, path, ""));
  EXPECT_EQ(rt::ReadRegistryText(rt::kRootLocalMachine, path), "");
  EXPECT_TRUE(rt::DeleteRegistryValue(rt::kRootLocalMachine, path));
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\QuilloraRuntimeTest");
  EXPECT_EQ(rt::ReadRegistryText(99, path), "");
}

TEST(SpecialFolderTest, EveryCodeGivesAFolderEndingInASeparator) {
  for (int code = rt::kFolderDocuments; code <= rt::kFolderTemp; ++code) {
    SCOPED_TRACE(code);
    const std::string folder = rt::SpecialFolder(code);
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(rt::EndsWithSeparator(folder));
    EXPECT_EQ(folder.find("\\\\", 3), std::string::npos);
  }
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  EXPECT_EQ(rt::SpecialFolder(rt::kFolderTemp), temp);
  EXPECT_EQ(rt::SpecialFolder(0), "");
  EXPECT_EQ(rt::SpecialFolder(12), "");
}

struct LinkFields {
  std::string path, description, arguments, workingFolder;
};

LinkFields ReadLink(const std::string& file) {
  LinkFields fields;
  const rt::ComApartment apartment;
  rt::ComPtr<IShellLinkA> link;
  EXPECT_TRUE(SUCCEEDED(
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid())));
  rt::ComPtr<IPersistFile> persist;
  EXPECT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, persist.OutVoid())));
  EXPECT_TRUE(SUCCEEDED(persist->Load(rt::WideFromAnsi(file).c_str(), STGM_READ)));
  char text[MAX_PATH] = {};
  link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
  fields.path = text;
  text[0] = '\0';
  link->GetDescription(text, MAX_PATH);
  fields.description = text;
  text[0] = '\0';
  link->GetArguments(text, MAX_PATH);
  fields.arguments = text;
  text[0] = '\0';
  link->GetWorkingDirectory(text, MAX_PATH);
  fields.workingFolder = text;
  return fields;
}

TEST(ShortcutTest, LinkFieldsReadBackThroughTheShellLink) {
  const TempFolder temp;
  const std::string target = temp / "程序\\Quillora.exe";
  ASSERT_TRUE(rt::MakeDirectory(temp / "程序"));
  ASSERT_TRUE(rt::WriteBytesToFile(target, std::string_view("MZ")));

  ASSERT_TRUE(rt::CreateShortcut(temp / "快捷", target, "Quillora", "-a -b", temp / "程序"));
  ASSERT_TRUE(rt::FileExists(temp / "快捷.lnk"));
  const LinkFields full = ReadLink(temp / "快捷.lnk");
  EXPECT_EQ(full.path, target);
  EXPECT_EQ(full.description, "Quillora");
  EXPECT_EQ(full.arguments, "-a -b");
  EXPECT_EQ(full.workingFolder, temp / "程序");
  // Wine's link reader gives the show command back as 1 whatever the file
  // holds, so it is read from the link header (ShowCommand at 0x3C).
  const std::string raw = ReadWholeFile(temp / "快捷.lnk");
  ASSERT_GE(raw.size(), 0x40u);
  EXPECT_EQ(static_cast<unsigned char>(raw[0x3C]), SW_SHOW);

  // A name with an extension keeps it; omitted parts stay unset.
  ASSERT_TRUE(rt::CreateShortcut(temp / "只有目标.lnk", target));
  EXPECT_FALSE(rt::FileExists(temp / "只有目标.lnk.lnk"));
  const LinkFields bare = ReadLink(temp / "只有目标.lnk");
  EXPECT_EQ(bare.path, target);
  EXPECT_EQ(bare.description, "");
  EXPECT_EQ(bare.arguments, "");
  EXPECT_EQ(bare.workingFolder, "");

  EXPECT_FALSE(rt::CreateShortcut(temp / "没有目录\\链接", target));
}

}  // namespace
