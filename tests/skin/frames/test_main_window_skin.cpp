// Skinning a popup as a main frame: the record built from the settings, the
// caption buttons with their images and tooltips, the window's style and
// procedure, the caption-button and bottom-bar layouts, and the embedded
// caption-button images.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/image_encoders.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/frames/bottom_bar.h"
#include "skin/frames/caption_actions.h"
#include "skin/frames/caption_layout.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/main_frame_proc.h"
#include "skin/frames/main_window_skin.h"
#include "tests/skin/frames/frame_test_windows.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::MakeFramePopup;
using quillora_test::RecordingProc;
using quillora_test::SkinTableGuard;
using quillora_test::TestWindow;
using skin::CaptionButtonKind;
using Kind = skin::CaptionButtonKind;

// A picture of one colour; a face made from it loads (without guides it
// slices into one corner).
// Columns left of `split` take the other colour.
rt::ByteArray SmallPicture(int width, int height, gdip::ARGB colour, int split = 0,
                           gdip::ARGB other = 0) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, x < split ? other : colour);
  return bitmap.SaveToStream(gdip::kPngFormat);
}

struct ToolInfo {
  RECT rect{};
  std::string text;
};

ToolInfo GetTool(const skin::Tooltip& tooltip, int id) {
  char buffer[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = tooltip.GetOwner();
  info.uId = static_cast<UINT_PTR>(id);
  info.lpszText = buffer;
  SendMessageA(tooltip.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
  return {info.rect, buffer};
}

bool SameRect(const RECT& r, int l, int t, int rr, int b) {
  return r.left == l && r.top == t && r.right == rr && r.bottom == b;
}

class MainWindowSkinTest : public ::testing::Test {
 protected:
  SkinTableGuard guard_;
};

struct SkinCase {
  const char* name;
  DWORD style;
  std::function<void(skin::MainWindowSettings&)> set;
  int captionHeight;
  int frameSwitch;
  std::vector<Kind> kinds;
  bool tooltips;
};

TEST_F(MainWindowSkinTest, SettingsGiveTheRecordItsButtonsAndTooltips) {
  const std::vector<SkinCase> cases = {
      {"all omitted", 0, [](auto&) {}, 25, 1, {Kind::Close}, false},
      {"caption 10, frame switch 0", WS_MINIMIZEBOX,
       [](auto& s) { s.captionHeight = 10; s.frameSwitch = 0; }, 25, 0, {Kind::Minimize}, false},
      {"caption 25, frame switch 1", WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       [](auto& s) { s.captionHeight = 25; s.frameSwitch = 1; }, 25, 1,
       {Kind::Minimize, Kind::MaximizeRestore, Kind::Close}, true},
      {"caption 32, maximize box", WS_MAXIMIZEBOX, [](auto& s) { s.captionHeight = 32; }, 32, 1,
       {Kind::MaximizeRestore, Kind::Close}, false},
      {"no close, help and menu", WS_MINIMIZEBOX,
       [](auto& s) { s.frameSwitch = 1; s.noClose = 1; s.helpButton = 1; s.menuButton = 1; }, 25,
       1, {Kind::Help, Kind::MainMenu, Kind::Minimize}, true},
      {"every button", WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       [](auto& s) { s.frameSwitch = 2; s.helpButton = 1; s.menuButton = 1; }, 25, 2,
       {Kind::Help, Kind::MainMenu, Kind::Minimize, Kind::MaximizeRestore, Kind::Close}, true},
  };
  const std::map<Kind, std::string> texts = {{Kind::Help, "帮助"}, {Kind::MainMenu, "主菜单"},
                                             {Kind::Minimize, "最小化"},
                                             {Kind::MaximizeRestore, "最大化"}, {Kind::Close, "关闭"}};
  for (const SkinCase& c : cases) {
    SCOPED_TRACE(c.name);
    skin::SkinWindowTable.Clear();
    TestWindow window = MakeFramePopup(570, 450, WS_CLIPCHILDREN | c.style);
    skin::MainWindowSettings settings;
    c.set(settings);
    skin::SkinMainWindow(window, settings);

    ASSERT_EQ(skin::SkinWindowTable.Count(), 1);
    const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
    EXPECT_EQ(r.hwnd, window.get());
    EXPECT_EQ(r.captionHeight, c.captionHeight);
    EXPECT_EQ(r.frameSwitch, c.frameSwitch);
    ASSERT_EQ(r.captionButtons.size(), c.kinds.size());
    int strip = 0;
    for (std::size_t i = 0; i < c.kinds.size(); ++i) {
      SCOPED_TRACE(i);
      const skin::CaptionButtonRecord& b = r.captionButtons[i];
      EXPECT_EQ(b.kind, c.kinds[i]);
      EXPECT_EQ(b.width, c.kinds[i] == Kind::Close ? 38 : 26);
      EXPECT_EQ(b.height, 18);
      EXPECT_EQ(b.image, skin::LoadCaptionButtonImage(c.kinds[i]));
      EXPECT_FALSE(b.image.empty());
      EXPECT_EQ(b.restoreImage.empty(), c.kinds[i] != Kind::MaximizeRestore);
      if (c.kinds[i] == Kind::MaximizeRestore) {
        EXPECT_EQ(b.restoreImage, skin::LoadCaptionButtonImage(c.kinds[i], true));
      }
      EXPECT_EQ(b.tooltipText, texts.at(c.kinds[i]));
      strip += b.width + 1;
    }
    EXPECT_EQ(r.buttonsWidth, strip + 2);
    EXPECT_EQ(r.tooltip.GetWindow() != nullptr, c.tooltips);
    EXPECT_EQ(r.tooltip.GetToolCount(), c.tooltips ? static_cast<int>(c.kinds.size()) : 0);

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CLIPCHILDREN, 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&skin::MainFrameProc));
    EXPECT_EQ(skin::prop::Read(window, skin::prop::kIndex), 1);
    if (!c.tooltips) {
      // The tooltip's own subclassing sits between the frame and the window
      // procedure when there are tips.
      EXPECT_EQ(skin::prop::Read(window, skin::prop::kOldProc),
                reinterpret_cast<INT_PTR>(&RecordingProc));
    }
    EXPECT_EQ(reinterpret_cast<INT_PTR>(r.oldProc), skin::prop::Read(window, skin::prop::kOldProc));
  }
}

TEST_F(MainWindowSkinTest, OmittedSettingsTakeTheirDefaults) {
  skin::ThemeMode = 4;
  TestWindow window = MakeFramePopup(570, 450);
  skin::SkinMainWindow(window);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.sizable, 1);
  EXPECT_EQ(r.showTitle, 1);
  EXPECT_EQ(r.dragAnywhere, 1);
  EXPECT_EQ(r.helpButton, 0);
  EXPECT_EQ(r.menuButton, 0);
  EXPECT_EQ(r.captionBand, 0);
  EXPECT_EQ(r.hideIcon, 0);
  EXPECT_EQ(r.backgroundMode, 4);
  EXPECT_EQ(r.overlayColour, static_cast<COLORREF>(-1));
  EXPECT_EQ(r.overlayAlpha, 255);
  EXPECT_EQ(r.closeButton, 1);
  EXPECT_EQ(r.minimizeButton, 0);
  EXPECT_EQ(r.maximizeButton, 0);
  EXPECT_EQ(r.minTrackWidth, 200);
  EXPECT_EQ(r.minTrackHeight, 150);
  EXPECT_EQ(r.maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.maxTrackHeight, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(r.titleColour, 0xFFFFFFu);
  EXPECT_EQ(r.titleColour2, 0x808080u);
  EXPECT_EQ(r.titleFont.face, "宋体");
  EXPECT_EQ(r.titleFont.size, 12);
  EXPECT_EQ(r.titleFont.style, 1);
  EXPECT_EQ(r.recompose, 1);
  EXPECT_EQ(r.width, 570);
  EXPECT_EQ(r.height, 450);
  EXPECT_TRUE(r.backgroundImage.empty());
  EXPECT_EQ(r.backgroundColour, 0u);
  EXPECT_EQ(r.faceImageLoaded, 0);
  EXPECT_TRUE(r.companions.empty());
  EXPECT_EQ(r.bottomBarHeight, 0);
  EXPECT_TRUE(r.bottomFont.face.empty());
  EXPECT_EQ(skin::BorderZone, 3);
  EXPECT_EQ(skin::CaptionClickRoutine, &skin::OnCaptionButtonClick);
  skin::ThemeMode = 0;
}

TEST_F(MainWindowSkinTest, GivenSettingsReachTheRecord) {
  skin::NineGridImage face;
  ASSERT_EQ(face.Load(SmallPicture(6, 5, 0xFF336699)), 1);
  TestWindow window = MakeFramePopup(570, 450);
  skin::MainWindowSettings s;
  s.sizable = 0;
  s.showTitle = 0;
  s.captionBand = 1;
  s.backgroundMode = 7;
  s.overlayColour = 0x123456;
  s.overlayAlpha = 90;
  s.hideIcon = 1;
  s.dragAnywhere = 0;
  s.faceImage = &face;
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.sizable, 0);
  EXPECT_EQ(r.showTitle, 0);
  EXPECT_EQ(r.captionBand, 1);
  EXPECT_EQ(r.backgroundMode, 7);
  EXPECT_EQ(r.overlayColour, 0x123456u);
  EXPECT_EQ(r.overlayAlpha, 90);
  EXPECT_EQ(r.hideIcon, 1);
  EXPECT_EQ(r.dragAnywhere, 0);
  EXPECT_EQ(r.faceImageLoaded, 1);
  EXPECT_EQ(r.faceImage.IsLoaded(), 1);
  EXPECT_EQ(r.faceImage.GetImageSize1(), face.GetImageSize1());

  // An empty face is not taken.
  TestWindow second = MakeFramePopup(570, 450);
  skin::NineGridImage empty;
  s.faceImage = &empty;
  skin::SkinMainWindow(second, s);
  EXPECT_EQ(skin::SkinWindowTable.At(2).faceImageLoaded, 0);
}

TEST_F(MainWindowSkinTest, BackgroundPictureGivesColourAndImageByMode) {
  // Its right-hand tenth is COLORREF 0x804020, the rest another colour.
  const rt::ByteArray picture = SmallPicture(40, 30, 0xFF204080, 36, 0xFF000000);
  struct Case {
    int mode;
    bool copied;
  };
  for (const Case c : {Case{0, false}, Case{1, false}, Case{4, true}}) {
    SCOPED_TRACE(c.mode);
    skin::SkinWindowTable.Clear();
    TestWindow window = MakeFramePopup(570, 450);
    skin::MainWindowSettings s;
    s.backgroundImage = picture;
    s.backgroundMode = c.mode;
    skin::SkinMainWindow(window, s);
    const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
    EXPECT_EQ(r.backgroundColour, 0x804020u);
    EXPECT_EQ(r.backgroundImage == picture, c.copied);
    gdip::GdipBitmap composed;
    ASSERT_TRUE(composed.CreateFromStream(r.backgroundImage));
    EXPECT_EQ(composed.GetWidth(), 40u);
  }
  // An own picture that does not decode: black base colour, no picture.
  skin::SkinWindowTable.Clear();
  TestWindow window = MakeFramePopup(570, 450);
  skin::MainWindowSettings s;
  s.backgroundImage = rt::ByteArray{1, 2, 3, 4};
  s.backgroundMode = 0;
  skin::SkinMainWindow(window, s);
  EXPECT_EQ(skin::SkinWindowTable.At(1).backgroundColour, 0u);
  EXPECT_TRUE(skin::SkinWindowTable.At(1).backgroundImage.empty());
}

TEST_F(MainWindowSkinTest, ASecondCallOnTheSameWindowChangesNothing) {
  TestWindow window = MakeFramePopup(570, 450, WS_MINIMIZEBOX);
  skin::SkinMainWindow(window);
  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_CLIPCHILDREN);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const INT_PTR saved = skin::prop::Read(window, skin::prop::kOldProc);

  skin::MainWindowSettings s;
  s.captionHeight = 40;
  s.helpButton = 1;
  skin::SkinMainWindow(window, s);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 1);
  EXPECT_EQ(skin::SkinWindowTable.At(1).captionHeight, 25);
  EXPECT_EQ(skin::SkinWindowTable.At(1).captionButtons.size(), 2u);
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE), style);
  EXPECT_EQ(skin::prop::Read(window, skin::prop::kOldProc), saved);
}

TEST_F(MainWindowSkinTest, CaptionButtonsSitAtTheClientAreasRightEdge) {
  TestWindow window = MakeFramePopup(570, 450, WS_MINIMIZEBOX);
  skin::MainWindowSettings s;
  s.menuButton = 1;
  s.frameSwitch = 1;
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.buttonsWidth, 95);
  EXPECT_EQ(r.buttonsX, 476);
  EXPECT_EQ(r.buttonsY, 0);
  EXPECT_EQ(r.buttonsHeight, 22);
  const skin::RectF rects[] = {{478, 1, 26, 18}, {505, 1, 26, 18}, {532, 1, 40, 18}};
  const RECT tools[] = {{478, 1, 504, 19}, {505, 1, 531, 19}, {532, 1, 572, 19}};
  const char* texts[] = {"主菜单", "最小化", "关闭"};
  ASSERT_EQ(r.captionButtons.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(r.captionButtons[static_cast<std::size_t>(i)].rect, rects[i]);
    const ToolInfo tool = GetTool(r.tooltip, i + 1);
    EXPECT_TRUE(SameRect(tool.rect, tools[i].left, tools[i].top, tools[i].right, tools[i].bottom))
        << tool.rect.left << ", " << tool.rect.top << ", " << tool.rect.right << ", "
        << tool.rect.bottom;
    EXPECT_EQ(tool.text, texts[i]);
  }
}

TEST_F(MainWindowSkinTest, ANewTooltipTextReachesItsToolAtTheNextLayout) {
  TestWindow window = MakeFramePopup(570, 450, WS_MAXIMIZEBOX);
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  skin::SkinMainWindow(window, s);
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  r.captionButtons[0].tooltipText = "还原";
  EXPECT_EQ(GetTool(r.tooltip, 1).text, "最大化");
  skin::LayoutCaptionButtons(1);
  EXPECT_EQ(GetTool(r.tooltip, 1).text, "还原");
}

TEST_F(MainWindowSkinTest, WithoutButtonsTheStripIsTwoPixelsAtTheRightEdge) {
  TestWindow window = MakeFramePopup(570, 450);
  skin::MainWindowSettings s;
  s.frameSwitch = 0;
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_TRUE(r.captionButtons.empty());
  EXPECT_EQ(r.buttonsWidth, 2);
  EXPECT_EQ(r.buttonsX, 569);
}

TEST_F(MainWindowSkinTest, BottomBarItemsShareWhatTheFixedOnesLeave) {
  TestWindow window = MakeFramePopup(600, 400);
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  s.bottomBarHeight = 24;
  s.bottomItems = std::vector<skin::BottomBarItem>{
      {100, "a", {}, 1}, {-1, "b", {}, 2}, {-1, "c", {}, 3}, {50, "d", {}, 4}};
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.bottomBarHeight, 24);
  EXPECT_EQ(r.bottomBarRect.x, 3);
  EXPECT_EQ(r.bottomBarRect.y, 372);
  EXPECT_EQ(r.bottomBarRect.width, 594);
  EXPECT_EQ(r.bottomBarRect.height, 24);
  const int xs[] = {3, 103, 325, 547};
  const int widths[] = {100, 222, 222, 50};
  ASSERT_EQ(r.bottomItemRects.size(), 4u);
  ASSERT_EQ(r.bottomItems.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(r.bottomItemRects[i].x, xs[i]);
    EXPECT_EQ(r.bottomItemRects[i].y, 372);
    EXPECT_EQ(r.bottomItemRects[i].width, widths[i]);
    EXPECT_EQ(r.bottomItemRects[i].height, 24);
    EXPECT_EQ(r.bottomItems[i].textColour, static_cast<COLORREF>(i + 1));
  }
  EXPECT_EQ(r.bottomItems[1].text, "b");
  EXPECT_EQ(r.bottomTextColour2, 0xFFFFFFu);
  EXPECT_EQ(r.bottomFont.face, "宋体");
  EXPECT_EQ(r.bottomFont.size, 12);

  // A wider client gives the shares the difference.
  SetWindowPos(window, nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  skin::LayoutBottomBar(1);
  EXPECT_EQ(r.bottomBarRect.width, 694);
  EXPECT_EQ(r.bottomItemRects[1].width, 272);
  EXPECT_EQ(r.bottomItemRects[3].x, 647);
}

TEST_F(MainWindowSkinTest, BottomBarWithoutItemsIsOneItemSpanningIt) {
  TestWindow window = MakeFramePopup(600, 400);
  skin::MainWindowSettings s;
  s.frameSwitch = 0;
  s.bottomBarHeight = 30;
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.bottomBarRect.x, 0);
  EXPECT_EQ(r.bottomBarRect.y, 369);
  EXPECT_EQ(r.bottomBarRect.width, 600);
  ASSERT_EQ(r.bottomItems.size(), 1u);
  EXPECT_EQ(r.bottomItems[0].width, -1);
  ASSERT_EQ(r.bottomItemRects.size(), 1u);
  EXPECT_EQ(r.bottomItemRects[0].x, 0);
  EXPECT_EQ(r.bottomItemRects[0].width, 600);
  EXPECT_EQ(r.bottomItemRects[0].height, 30);
}

TEST_F(MainWindowSkinTest, ABarHeightOfZeroIgnoresTheItems) {
  TestWindow window = MakeFramePopup(600, 400);
  skin::MainWindowSettings s;
  s.bottomBarHeight = 0;
  s.bottomItems = std::vector<skin::BottomBarItem>{{100, "a", {}, 1}};
  skin::SkinMainWindow(window, s);
  const skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  EXPECT_EQ(r.bottomBarHeight, 0);
  ASSERT_EQ(r.bottomItems.size(), 1u);
  EXPECT_EQ(r.bottomItems[0].width, 0);
  EXPECT_TRUE(r.bottomItems[0].text.empty());
  EXPECT_TRUE(r.bottomFont.face.empty());
}

// The six embedded images: 32-bit RGBA in their sizes, a white glyph and a
// soft dark shadow on a transparent ground.
TEST(CaptionButtonImages, WhiteGlyphsWithAShadowOnAClearGround) {
  struct Case {
    CaptionButtonKind kind;
    bool restore;
    UINT width;
  };
  for (const Case c : {Case{Kind::Help, false, 26}, Case{Kind::MainMenu, false, 26},
                       Case{Kind::Minimize, false, 26}, Case{Kind::MaximizeRestore, false, 26},
                       Case{Kind::MaximizeRestore, true, 26}, Case{Kind::Close, false, 38}}) {
    SCOPED_TRACE(static_cast<int>(c.kind) * 10 + c.restore);
    gdip::GdipBitmap image;
    ASSERT_TRUE(image.CreateFromStream(skin::LoadCaptionButtonImage(c.kind, c.restore)));
    EXPECT_EQ(image.GetWidth(), c.width);
    EXPECT_EQ(image.GetHeight(), 18u);
    EXPECT_EQ(image.GetPixelFormat(), 0x26200A);  // 32-bit ARGB
    EXPECT_EQ(image.GetPixel(0, 0) >> 24, 0u);
    int white = 0, shadow = 0;
    for (int y = 0; y < 18; ++y) {
      for (int x = 0; x < static_cast<int>(c.width); ++x) {
        const gdip::ARGB p = image.GetPixel(x, y);
        const unsigned alpha = p >> 24, red = (p >> 16) & 0xFF;
        if (alpha == 255 && red == 255) ++white;
        if (alpha > 0 && alpha < 200 && red < 64) ++shadow;
      }
    }
    EXPECT_GE(white, 10);
    EXPECT_GE(shadow, 5);
  }
  EXPECT_TRUE(skin::LoadCaptionButtonImage(Kind::Custom).empty());
  EXPECT_NE(skin::LoadCaptionButtonImage(Kind::MaximizeRestore),
            skin::LoadCaptionButtonImage(Kind::MaximizeRestore, true));
}

}  // namespace
