// The theme: its variables from each kind of call, the recomposition of
// every skinned window and the brushes it throws away; a frame's title
// style.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "gdip/gdip_image.h"
#include "skin/core/control_brush.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/engine/skin_theme.h"
#include "skin/frames/background_picture.h"
#include "skin/frames/main_frame_compose.h"
#include "tests/skin/frames/frame_paint_fixture.h"

namespace {

using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::Picture;
using quillora_test::TestWindow;

HBRUSH GiveBrush(HWND control) {
  const HBRUSH brush = CreateSolidBrush(0x123456);
  skin::prop::WriteHandle(control, skin::prop::kCtlColourBrush, brush);
  return brush;
}

bool IsLive(HGDIOBJ object) { return GetObjectType(object) != 0; }

class SkinThemeTest : public quillora_test::FramePaintTest {
 protected:
  SkinThemeTest() { skin::BrushOwners.clear(); }
  ~SkinThemeTest() override { skin::BrushOwners.clear(); }

  // A picture of one colour, so its average is exactly that colour.
  static rt::ByteArray Plain(COLORREF colour) {
    const gdip::ARGB argb = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    return Picture(40, 30, [argb](int, int) { return argb; });
  }
};

TEST_F(SkinThemeTest, ThemeVariablesFromEachKindOfCall) {
  const rt::ByteArray picture = Plain(0x336699);
  const rt::ByteArray none;

  // The installer's call: everything given, the bytes kept unchanged.
  skin::SetSkinTheme("", picture, 0xECECEC, 0xC0C0C0, 3);
  EXPECT_EQ(skin::ThemeColour, 0xECECECu);
  EXPECT_EQ(skin::AccentColour, 0xC0C0C0u);
  EXPECT_EQ(skin::ThemeMode, 3);
  EXPECT_EQ(skin::ThemeBackground, picture);

  // A picture alone: its average colour, followed by an accent of -1; mode 4.
  skin::SetSkinTheme("", picture, std::nullopt, static_cast<COLORREF>(-1));
  EXPECT_EQ(skin::ThemeColour, 0x336699u);
  EXPECT_EQ(skin::AccentColour, 0x336699u);
  EXPECT_EQ(skin::ThemeMode, 4);
  EXPECT_EQ(skin::ThemeBackground, picture);

  // Neither picture nor colour: only the accent changes, an omitted one
  // back to its default.
  skin::SetSkinTheme("", none, std::nullopt, 0x010203);
  EXPECT_EQ(skin::AccentColour, 0x010203u);
  skin::SetSkinTheme("", none);
  EXPECT_EQ(skin::AccentColour, 0xDDCA22u);
  EXPECT_EQ(skin::ThemeColour, 0x336699u);
  EXPECT_EQ(skin::ThemeMode, 4);
  EXPECT_EQ(skin::ThemeBackground, picture);

  // A colour alone drops the picture and keeps the mode.
  skin::SetSkinTheme("", none, 0x445566, static_cast<COLORREF>(-1));
  EXPECT_EQ(skin::ThemeColour, 0x445566u);
  EXPECT_EQ(skin::AccentColour, 0x445566u);
  EXPECT_EQ(skin::ThemeMode, 4);
  EXPECT_TRUE(skin::ThemeBackground.empty());
}

TEST_F(SkinThemeTest, PicturesFadeForModesZeroAndOneAndComeFromFilesAsPng) {
  const rt::ByteArray picture = Plain(0x336699);
  skin::SetSkinTheme("", picture, 0xFFFFFF, std::nullopt, 0);
  EXPECT_EQ(skin::ThemeBackground, skin::ComposeBackgroundImage(picture, std::nullopt, 0xFFFFFF));
  skin::SetSkinTheme("", picture, 0xFFFFFF, std::nullopt, 1);
  EXPECT_EQ(skin::ThemeBackground, skin::ComposeBackgroundImage(picture, std::nullopt, 0xFFFFFF, 0));

  // A file is read and handed on as PNG bytes of the same picture; the file
  // wins over bytes.
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "quillora_theme_test.png";
  {
    gdip::GdipImage image;
    ASSERT_TRUE(image.LoadFromStream(Plain(0x102030)));
    ASSERT_TRUE(image.SaveToFile(file, rt::Text(gdip::kBmpFormat)));
  }
  skin::SetSkinTheme(file, picture, std::nullopt, std::nullopt, 3);
  EXPECT_EQ(skin::ThemeColour, 0x102030u);
  ASSERT_GE(skin::ThemeBackground.size(), 8u);
  EXPECT_EQ(skin::ThemeBackground[1], 'P');
  gdip::GdipImage back;
  ASSERT_TRUE(back.LoadFromStream(skin::ThemeBackground));
  EXPECT_EQ(back.GetWidth(), 40u);
  EXPECT_EQ(back.GetHeight(), 30u);
  std::remove(file.c_str());
}

TEST_F(SkinThemeTest, VisibleWindowsAreRecomposedAndEveryWindowDropsItsBrushes) {
  TestWindow shown = InstallerFrame();
  TestWindow hidden = InstallerFrame();
  ShowWindow(hidden, SW_HIDE);
  skin::SkinWindowRecord& shownRecord = skin::SkinWindowTable.At(1);
  skin::SkinWindowRecord& hiddenRecord = skin::SkinWindowTable.At(2);

  TestWindow edit = MakeChild(hidden, 10, 60, 100, 20, "Edit");
  TestWindow list = MakeChild(shown, 10, 60, 100, 80, "ListBox");
  TestWindow dropList = MakeChild(shown, 200, 60, 100, 80);
  ListControl(hiddenRecord.edits, edit, 2);
  ListControl(shownRecord.listControls, list, 1);
  const HBRUSH brushes[] = {GiveBrush(edit), GiveBrush(list), GiveBrush(dropList)};
  skin::BrushOwners.push_back(dropList);

  skin::SetSkinTheme("", {}, 0x808080);
  EXPECT_NE(shownRecord.backgroundDc.get(), nullptr);
  EXPECT_EQ(shownRecord.recompose, 0);
  EXPECT_EQ(hiddenRecord.backgroundDc.get(), nullptr) << "hidden windows wait for their next composition";
  for (HWND control : {edit.get(), list.get(), dropList.get()}) {
    EXPECT_EQ(skin::prop::Read(control, skin::prop::kCtlColourBrush), 0);
  }
  for (HBRUSH brush : brushes) EXPECT_FALSE(IsLive(brush));
  EXPECT_TRUE(skin::BrushOwners.empty());

  // The composition carries the new theme colour.
  EXPECT_EQ(quillora_test::Pixel(shownRecord.backgroundDc.get(), 285, 300), 0x808080u);
}

TEST_F(SkinThemeTest, DroppingOneWindowsBrushesCanLeaveTheDropDownLists) {
  TestWindow frame = InstallerFrame();
  TestWindow dropList = MakeChild(frame, 200, 60, 100, 80);
  const HBRUSH brush = GiveBrush(dropList);
  skin::BrushOwners.push_back(dropList);
  skin::DropControlBrushes(frame, false);
  EXPECT_TRUE(IsLive(brush));
  EXPECT_EQ(skin::BrushOwners.size(), 1u);
  TestWindow plain = MakeChild(frame, 10, 10, 10, 10);
  skin::DropControlBrushes(plain);  // not a skinned window
  EXPECT_TRUE(IsLive(brush));
  // Nor is a control whose list index equals the frame's window index.
  skin::prop::Write(plain, skin::prop::kIndex, skin::FindSkinWindow(frame));
  skin::DropControlBrushes(plain);
  EXPECT_TRUE(IsLive(brush));
  skin::DropControlBrushes(frame);
  EXPECT_FALSE(IsLive(brush));
}

// A skinned message box is repainted by its own painter: the main-frame
// composer leaves no caches or composition link on it.
TEST_F(SkinThemeTest, ASkinnedBoxIsNotComposedAsAMainFrame) {
  TestWindow box(CreateWindowExA(0, "#32770", "box", WS_POPUP, 40, 40, 300, 150, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr));
  ShowWindow(box, SW_SHOWNOACTIVATE);
  const int index = quillora_test::AddSkinWindow(box);
  skin::SkinWindowTable.At(index).frameSwitch = 1;
  skin::SkinWindowTable.At(index).captionHeight = 25;
  skin::SetSkinTheme("", {}, 0x808080);
  EXPECT_EQ(skin::SkinWindowTable.At(index).captionDc.get(), nullptr);
  EXPECT_EQ(skin::SkinWindowTable.At(index).compositionDc.get(), nullptr);
  EXPECT_EQ(skin::prop::Read(box, skin::prop::kCompositionDc), 0);
}

// Pixels of the title area that are mostly red.
int RedTitlePixels(HDC dc) {
  int red = 0;
  for (int y = 5; y < 30; ++y)
    for (int x = 3; x < 200; ++x) {
      const COLORREF c = quillora_test::Pixel(dc, x, y);
      if (GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90) ++red;
    }
  return red;
}

TEST_F(SkinThemeTest, TitleStyleSetBeforeTheFirstShowIsDrawnByTheFirstComposition) {
  TestWindow frame = InstallerFrame();
  EXPECT_TRUE(skin::SetFrameTitleStyle(frame, rt::Text("宋体"), 16, 0x0000FF, static_cast<COLORREF>(-1), 1, 0));
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.backgroundDc.get(), nullptr) << "nothing is drawn before the first composition";
  EXPECT_EQ(r.titleFont.size, 16);
  EXPECT_EQ(r.titleColour, 0x0000FFu);
  skin::ComposeMainFrame(1, false);
  EXPECT_GT(RedTitlePixels(r.backgroundDc.get()), 10);

  // On a composed frame the title is redrawn at once; what is not given
  // stays.
  EXPECT_TRUE(skin::SetFrameTitleStyle(frame, std::nullopt, std::nullopt, 0x00FF00));
  EXPECT_EQ(RedTitlePixels(r.backgroundDc.get()), 0);
  EXPECT_EQ(r.titleFont.size, 16);
  EXPECT_EQ(r.titleColour2, static_cast<COLORREF>(-1));
}

TEST_F(SkinThemeTest, TitleStyleOfAWindowThatIsNotSkinnedIsRefused) {
  TestWindow plain = quillora_test::MakeFramePopup(100, 100);
  EXPECT_FALSE(skin::SetFrameTitleStyle(plain, rt::Text("Arial"), 20));
  // A released window keeps its "Hw_lbID", now naming another record.
  TestWindow other = InstallerFrame();
  skin::prop::Write(plain, skin::prop::kIndex, 1);
  EXPECT_FALSE(skin::SetFrameTitleStyle(plain, rt::Text("Arial"), 20));
  EXPECT_NE(skin::SkinWindowTable.At(1).titleFont.size, 20);
  EXPECT_FALSE(skin::SetFrameTitleStyle(nullptr, rt::Text("Arial"), 20));
}

}  // namespace
