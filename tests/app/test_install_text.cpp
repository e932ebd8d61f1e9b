// The text rules of the installation run: blank folder texts and path joins.
#include <gtest/gtest.h>

#include <string>

#include "app/install_text.h"

namespace {

TEST(InstallTextTest, BlankMeansOnlyHalfAndFullWidthSpaces) {
  struct Case {
    std::string text;
    bool blank;
  };
  const Case cases[] = {
      {"", true},
      {"   ", true},
      {"　　", true},
      {" 　 　", true},
      {"C:\\", false},
      {"  a ", false},
      {"　安装", false},
      // "啊" is B0 A1: its trail byte followed by the lead of a full-width
      // space must not be read as one.
      {"啊　", false},
      {"\t", false},
  };
  for (const Case& c : cases) EXPECT_EQ(app::IsBlankText(c.text), c.blank) << c.text;
}

TEST(InstallTextTest, JoinPathPutsExactlyOneSeparator) {
  struct Case {
    std::string folder;
    std::string joined;
  };
  const Case cases[] = {
      {"D:\\Apps\\Quillora", "D:\\Apps\\Quillora\\Quillora.exe"},
      {"D:\\Apps\\Quillora\\", "D:\\Apps\\Quillora\\Quillora.exe"},
      {"D:\\", "D:\\Quillora.exe"},
      // "誠" ends in the byte 5C: a character, not a separator.
      {"D:\\誠", "D:\\誠\\Quillora.exe"},
      {"D:\\誠\\", "D:\\誠\\Quillora.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::JoinPath(c.folder, "Quillora.exe"), c.joined) << c.folder;
}

}  // namespace
