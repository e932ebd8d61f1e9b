// Composing a control's background from its frame's picture, with the
// tints of the containers around it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;
constexpr std::uint32_t kRedRgb = 0xFF0000;
constexpr std::uint32_t kBlueRgb = 0x0000FF;
constexpr std::uint32_t kGreenRgb = 0x00FF00;

// Releases a composed DC when the test ends.
struct Composed {
  explicit Composed(skin::CachedDc owned) : owner(std::move(owned)), dc(owner.get()) {}
  skin::CachedDc owner;
  HDC dc;
};

class ControlBackgroundTest : public ComposedFrameTest {
 protected:
  static TestWindow MakeTab(HWND parent, int x, int y, int width, int height, DWORD extraStyle = 0,
                            int items = 2) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    TestWindow tab = MakeChild(parent, x, y, width, height, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE | extraStyle);
    for (int i = 0; i < items; ++i) {
      char text[] = "Page";
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    return tab;
  }
};

TEST_F(ControlBackgroundTest, ADirectControlGetsTheFramePixelsBehindIt) {
  TestWindow control = MakeChild(frame, 50, 60, 100, 24);
  {
    Composed whole(skin::ComposeControlBackground(control, {0, 0, 100, 24}));
    ASSERT_NE(whole.dc, nullptr);
    EXPECT_EQ(skin::DcCache.size(), cacheBefore + 1);
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 100; ++x) ASSERT_EQ(Rgb(whole.dc, x, y), FrameRgb(50 + x, 60 + y)) << x << "," << y;

    // An area inside the control starts at its own offset.
    Composed part(skin::ComposeControlBackground(control, {3, 2, 53, 22}));
    EXPECT_EQ(Rgb(part.dc, 0, 0), FrameRgb(53, 62));
    EXPECT_EQ(Rgb(part.dc, 49, 19), FrameRgb(102, 81));
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ControlBackgroundTest, AControlWithoutASkinnedAncestorGetsNoDc) {
  TestWindow stranger = MakePopup(0, 0, 200, 100, nullptr, WS_POPUP);
  TestWindow control = MakeChild(stranger, 5, 5, 50, 20);
  EXPECT_EQ(skin::ComposeControlBackground(control, {0, 0, 50, 20}), nullptr);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore) << "the DC made for it must be released again";
}

TEST_F(ControlBackgroundTest, AContainerInTheFrameTintsItsOwnFace) {
  TestWindow plain = MakeChild(frame, 10, 10, 100, 60);
  TestWindow untinted = MakeChild(frame, 10, 100, 100, 60);
  TestWindow group = MakeChild(frame, 200, 10, 120, 80);
  AddContainer(plain, kRed, 255);
  AddContainer(untinted, 0, 200);  // black is no tint, whatever the alpha
  AddContainer(group, kBlue, 255, skin::ContainerKind::GroupBox, 1);

  Composed plainDc(skin::ComposeControlBackground(plain, {0, 0, 100, 60}));
  EXPECT_EQ(Rgb(plainDc.dc, 0, 0), kRedRgb);
  EXPECT_EQ(Rgb(plainDc.dc, 99, 59), kRedRgb);

  Composed insetDc(skin::ComposeControlBackground(plain, {0, 0, 100, 60}, 4, 10));
  EXPECT_EQ(Rgb(insetDc.dc, 1, 1), FrameRgb(11, 11)) << "outside the inset rounded rectangle";
  EXPECT_EQ(Rgb(insetDc.dc, 50, 30), kRedRgb);

  Composed untintedDc(skin::ComposeControlBackground(untinted, {0, 0, 100, 60}));
  EXPECT_EQ(Rgb(untintedDc.dc, 50, 30), FrameRgb(60, 130));

  // A group box tints inside its rounded frame only: the band at its top
  // (where its caption sits) keeps the frame picture.
  Composed groupDc(skin::ComposeControlBackground(group, {0, 0, 120, 80}));
  EXPECT_EQ(Rgb(groupDc.dc, 60, 2), FrameRgb(260, 12));
  EXPECT_EQ(Rgb(groupDc.dc, 0, 5), FrameRgb(200, 15)) << "the rounded corner";
  EXPECT_EQ(Rgb(groupDc.dc, 60, 40), kBlueRgb);
}

TEST_F(ControlBackgroundTest, AGroupBoxInATintedContainerShowsTheParentTintAroundItsFrame) {
  TestWindow outer = MakeChild(frame, 20, 20, 300, 200);
  TestWindow group = MakeChild(outer, 10, 10, 120, 80);
  AddContainer(outer, kBlue, 255, skin::ContainerKind::Plain, 1);
  AddContainer(group, kRed, 255, skin::ContainerKind::GroupBox, 1);

  Composed dc(skin::ComposeControlBackground(group, {0, 0, 120, 80}));
  ASSERT_NE(dc.dc, nullptr);
  EXPECT_EQ(Rgb(dc.dc, 60, 2), kBlueRgb) << "band above the frame";
  EXPECT_EQ(Rgb(dc.dc, 0, 5), kBlueRgb) << "outside the top-left corner";
  EXPECT_EQ(Rgb(dc.dc, 60, 40), kRedRgb) << "inside the frame";
  EXPECT_EQ(Rgb(dc.dc, 5, 40), kRedRgb);
}

TEST_F(ControlBackgroundTest, AGroupBoxInAnUntintedContainerKeepsTheFrameAroundIt) {
  TestWindow outer = MakeChild(frame, 20, 20, 300, 200);
  TestWindow group = MakeChild(outer, 10, 10, 120, 80);
  AddContainer(outer, 0, 255, skin::ContainerKind::Plain, 1);
  AddContainer(group, kRed, 255, skin::ContainerKind::GroupBox, 1);

  Composed dc(skin::ComposeControlBackground(group, {0, 0, 120, 80}));
  EXPECT_EQ(Rgb(dc.dc, 60, 2), FrameRgb(90, 32)) << "the container's own painting is not in the frame";
  EXPECT_EQ(Rgb(dc.dc, 60, 40), kRedRgb);
}

TEST_F(ControlBackgroundTest, AControlInsideContainersTakesTheNearestTintingAncestor) {
  TestWindow outer = MakeChild(frame, 20, 20, 400, 300);
  TestWindow middle = MakeChild(outer, 10, 10, 300, 200);
  TestWindow control = MakeChild(middle, 30, 40, 80, 20);
  TestWindow other = MakeChild(outer, 320, 10, 60, 20);
  AddContainer(outer, kGreen, 255, skin::ContainerKind::Plain, 1);
  AddContainer(middle, kRed, 255, skin::ContainerKind::Plain, 0);  // does not tint its children

  Composed dc(skin::ComposeControlBackground(control, {0, 0, 80, 20}));
  EXPECT_EQ(Rgb(dc.dc, 0, 0), kGreenRgb);
  EXPECT_EQ(Rgb(dc.dc, 79, 19), kGreenRgb);

  Record().containers.At(1).tintColour = 0;  // the flagged ancestor stops tinting
  Composed plain(skin::ComposeControlBackground(control, {0, 0, 80, 20}));
  EXPECT_EQ(Rgb(plain.dc, 0, 0), FrameRgb(60, 70)) << "background from the frame, at the control's place";
  Composed beside(skin::ComposeControlBackground(other, {0, 0, 60, 20}));
  EXPECT_EQ(Rgb(beside.dc, 0, 0), FrameRgb(340, 30));
}

// The colour a background pixel must have: `under` with `tint` laid over it
// at `alpha` (0: no tint).
std::uint32_t Blend(std::uint32_t under, std::uint32_t tint, int alpha) {
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const int u = static_cast<int>((under >> shift) & 0xFF), t = static_cast<int>((tint >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>((t * alpha + u * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

bool Near(std::uint32_t got, std::uint32_t want) {
  for (int shift : {0, 8, 16}) {
    const int g = static_cast<int>((got >> shift) & 0xFF), w = static_cast<int>((want >> shift) & 0xFF);
    if (std::abs(g - w) > 2) return false;
  }
  return true;
}

// A panel's own picture: unlike the frame's at every place.
constexpr std::uint32_t PanelRgb(int x, int y) {
  return (static_cast<std::uint32_t>((x * 3) & 0xFF) << 16) | (static_cast<std::uint32_t>((y * 5) & 0xFF) << 8) | 0x80;
}

// Every pixel of a composed background, wherever the control stands, is the
// picture behind it (the frame's, or a panel's) with the tint of the
// container that tints it: the reference is worked out here from the
// windows' places, not by the code under test.
TEST_F(ControlBackgroundTest, EveryPixelIsThePictureBehindTheControlUnderItsContainersTint) {
  constexpr COLORREF kTint = RGB(200, 40, 120);
  constexpr std::uint32_t kTintRgb = 0xC82878;
  constexpr int kAlpha = 160;
  constexpr int kPanelWidth = 200, kPanelHeight = 150;

  // A panel keeps its picture in a DC of its own.
  const skin::CachedDc panelPicture = skin::CreateDibDc({0, 0, kPanelWidth, kPanelHeight});
  quillora_test::DibPixels panelBits(panelPicture.get());
  for (int y = 0; y < kPanelHeight; ++y)
    for (int x = 0; x < kPanelWidth; ++x) panelBits.at(x, y) = PanelRgb(x, y);
  const auto makePanel = [&](HWND parent, int x, int y) {
    TestWindow panel = MakeChild(parent, x, y, kPanelWidth, kPanelHeight);
    skin::prop::Write(panel, skin::prop::kPanelMark, 1);
    skin::prop::WriteHandle(panel, skin::prop::kPanelDc, panelPicture.get());
    return panel;
  };

  struct Placement {
    const char* name;
    std::vector<TestWindow> windows;  // outermost first; the control last
    HWND pictureOwner;                // whose picture lies behind: the frame or a panel
    int alpha;                        // of kTint over it; 0 for none
  };
  std::vector<Placement> placements;
  {
    Placement p{"straight in the window", {}, frame, 0};
    p.windows.push_back(MakeChild(frame, 50, 60, 100, 24));
    placements.push_back(std::move(p));
  }
  {
    Placement p{"inside a tinted group box", {}, frame, kAlpha};
    p.windows.push_back(MakeChild(frame, 20, 120, 160, 100));
    AddContainer(p.windows.back(), kTint, kAlpha, skin::ContainerKind::GroupBox, 1);
    p.windows.push_back(MakeChild(p.windows.back(), 12, 30, 100, 24));
    placements.push_back(std::move(p));
  }
  {
    Placement p{"in a tab page", {}, frame, kAlpha};
    p.windows.push_back(MakeTab(frame, 300, 40, 220, 160));
    AddContainer(p.windows.back(), kTint, kAlpha, skin::ContainerKind::TabControl, 1);
    p.windows.push_back(MakeChild(p.windows.back(), 20, 70, 100, 24));
    placements.push_back(std::move(p));
  }
  {
    Placement p{"in a plain container inside a tinting one", {}, frame, kAlpha};
    p.windows.push_back(MakeChild(frame, 20, 250, 250, 180));
    AddContainer(p.windows.back(), kTint, kAlpha, skin::ContainerKind::Plain, 1);
    p.windows.push_back(MakeChild(p.windows.back(), 10, 10, 200, 120));
    AddContainer(p.windows.back(), RGB(0, 255, 0), 255, skin::ContainerKind::Plain, 0);
    p.windows.push_back(MakeChild(p.windows.back(), 30, 40, 100, 24));
    placements.push_back(std::move(p));
  }
  {
    Placement p{"on a panel", {}, nullptr, 0};
    p.windows.push_back(makePanel(frame, 330, 250));
    p.pictureOwner = p.windows.back();
    p.windows.push_back(MakeChild(p.windows.back(), 15, 25, 100, 24));
    placements.push_back(std::move(p));
  }
  {
    Placement p{"on a panel inside a tinting container", {}, nullptr, 0};
    p.windows.push_back(MakeChild(frame, 280, 210, 280, 230));
    AddContainer(p.windows.back(), kTint, kAlpha, skin::ContainerKind::Plain, 1);
    p.windows.push_back(makePanel(p.windows.back(), 40, 50));
    p.pictureOwner = p.windows.back();
    p.windows.push_back(MakeChild(p.windows.back(), 60, 90, 100, 24));
    placements.push_back(std::move(p));
  }

  const RECT areas[] = {{0, 0, 100, 24}, {7, 3, 90, 21}};
  for (const Placement& p : placements) {
    const HWND control = p.windows.back();
    RECT place{}, origin{};
    GetWindowRect(control, &place);
    GetWindowRect(p.pictureOwner, &origin);
    const bool onPanel = p.pictureOwner != frame.get();
    for (const RECT& area : areas) {
      Composed dc(skin::ComposeControlBackground(control, area));
      ASSERT_NE(dc.dc, nullptr) << p.name;
      int wrong = 0;
      for (int y = 0; y < area.bottom - area.top; ++y)
        for (int x = 0; x < area.right - area.left; ++x) {
          const int px = place.left - origin.left + area.left + x, py = place.top - origin.top + area.top + y;
          const std::uint32_t want = Blend(onPanel ? PanelRgb(px, py) : FrameRgb(px, py), kTintRgb, p.alpha);
          const std::uint32_t got = Rgb(dc.dc, x, y);
          if (!Near(got, want) && ++wrong <= 3)
            ADD_FAILURE() << p.name << ", area from " << area.left << "," << area.top << ": pixel " << x << ","
                          << y << " is " << std::hex << got << ", not " << want;
        }
      EXPECT_EQ(wrong, 0) << p.name;
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore + 1) << "only the panel's picture remains";
}

TEST_F(ControlBackgroundTest, AGroupBoxOnATintedPanelTakesItsBandFromThePanelPicture) {
  TestWindow outer = MakeChild(frame, 20, 20, 300, 200);
  TestWindow group = MakeChild(outer, 10, 10, 120, 80);
  AddContainer(outer, kBlue, 255, skin::ContainerKind::Plain, 1);
  AddContainer(group, kRed, 255, skin::ContainerKind::GroupBox, 1);
  const skin::CachedDc picture = skin::CreateDibDc({0, 0, 300, 200});
  Fill(picture.get(), 300, 200, kGreenRgb);
  skin::prop::Write(outer, skin::prop::kPanelMark, 1);
  skin::prop::WriteHandle(outer, skin::prop::kPanelDc, picture.get());

  Composed dc(skin::ComposeControlBackground(group, {0, 0, 120, 80}));
  ASSERT_NE(dc.dc, nullptr);
  EXPECT_EQ(Rgb(dc.dc, 60, 2), kGreenRgb) << "band above the frame: the panel's picture, not the panel's tint";
  EXPECT_EQ(Rgb(dc.dc, 0, 5), kGreenRgb) << "outside the top-left corner";
  EXPECT_EQ(Rgb(dc.dc, 60, 40), kRedRgb) << "inside the frame";
}

TEST_F(ControlBackgroundTest, AHalfTransparentTintBlendsWithTheFrame) {
  TestWindow plain = MakeChild(frame, 0, 0, 40, 40);
  Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x000000);
  AddContainer(plain, 0xFFFFFF, 128);
  Composed dc(skin::ComposeControlBackground(plain, {0, 0, 40, 40}));
  const std::uint32_t pixel = Rgb(dc.dc, 20, 20);
  for (int shift : {0, 8, 16}) {
    const int channel = static_cast<int>((pixel >> shift) & 0xFF);
    EXPECT_NEAR(channel, 128, 3) << std::hex << pixel;
  }
}

TEST_F(ControlBackgroundTest, ATabControlInTheFrameTintsItsPageOnlyInsideAContainerAllOfIt) {
  TestWindow tab = MakeTab(frame, 40, 40, 200, 150);
  AddContainer(tab, kRed, 255, skin::ContainerKind::TabControl, 1);
  const RECT page = skin::GetTabPageRect(tab);
  ASSERT_GT(page.top, 1);

  Composed dc(skin::ComposeControlBackground(tab, {0, 0, 200, 150}));
  EXPECT_EQ(Rgb(dc.dc, 150, page.top / 2), FrameRgb(190, 40 + page.top / 2)) << "tab row";
  EXPECT_EQ(Rgb(dc.dc, 100, page.top + 20), kRedRgb) << "page";
  EXPECT_EQ(Rgb(dc.dc, page.right - 1, page.bottom - 1), FrameRgb(40 + page.right - 1, 40 + page.bottom - 1))
      << "the page shape is one pixel narrower and lower";

  TestWindow holder = MakeChild(frame, 300, 40, 250, 200);
  TestWindow inner = MakeTab(holder, 10, 10, 200, 150);
  AddContainer(holder, kBlue, 255, skin::ContainerKind::Plain, 1);
  AddContainer(inner, kRed, 255, skin::ContainerKind::TabControl, 1);
  Composed innerDc(skin::ComposeControlBackground(inner, {0, 0, 200, 150}));
  EXPECT_EQ(Rgb(innerDc.dc, 150, 2), kRedRgb);
  EXPECT_EQ(Rgb(innerDc.dc, 100, 100), kRedRgb);
}

TEST_F(ControlBackgroundTest, TabPageRectLeavesOutEveryRowOfTabs) {
  TestWindow tab = MakeTab(frame, 10, 10, 120, 200, TCS_MULTILINE, 8);
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  ASSERT_GE(rows, 2) << "eight tabs in 120 pixels take several rows";
  RECT item{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const RECT page = skin::GetTabPageRect(tab);
  EXPECT_EQ(page.top, rows * (item.bottom - item.top) + 1);
  EXPECT_EQ(page.left, 0);
  EXPECT_EQ(page.right, 120);
  EXPECT_EQ(page.bottom, 200);

  TestWindow bottom = MakeTab(frame, 200, 10, 300, 200, TCS_BOTTOM, 2);
  SendMessageA(bottom, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const RECT bottomPage = skin::GetTabPageRect(bottom);
  EXPECT_EQ(bottomPage.top, 0);
  EXPECT_EQ(bottomPage.bottom, 200 - (item.bottom - item.top) - 1);
}

TEST_F(ControlBackgroundTest, BackgroundDcAndBitmapLayTheControlTintOverTheComposedBackground) {
  TestWindow control = MakeChild(frame, 50, 60, 100, 24);
  skin::prop::Write(control, skin::prop::kTintColour, kGreen);
  skin::prop::Write(control, skin::prop::kTintAlpha, 255);
  {
    Composed dc(skin::MakeBackgroundDc(control));
    ASSERT_NE(dc.dc, nullptr);
    EXPECT_EQ(Rgb(dc.dc, 0, 0), kGreenRgb);
    EXPECT_EQ(Rgb(dc.dc, 99, 23), kGreenRgb);
  }

  // Neither property set: white at GlobalAlpha.
  TestWindow plain = MakeChild(frame, 200, 60, 30, 10);
  const int savedAlpha = skin::GlobalAlpha;
  skin::GlobalAlpha = 255;
  rt::UniqueBitmap bitmap = skin::MakeBackgroundBitmap(plain);
  skin::GlobalAlpha = savedAlpha;
  ASSERT_TRUE(bitmap);
  BITMAP info{};
  GetObjectA(bitmap.get(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 30);
  EXPECT_EQ(info.bmHeight, 10);
  rt::UniqueMemoryDc reader(CreateCompatibleDC(nullptr));
  rt::ScopedSelection selected(reader.get(), bitmap.get());
  EXPECT_EQ(Rgb(reader.get(), 15, 5), 0xFFFFFFu);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ControlBackgroundTest, AnUnskinnedControlsBitmapIsTheThemeColourFaintlyOverWhite) {
  TestWindow stranger = MakePopup(0, 0, 40, 30, nullptr, WS_POPUP);
  const COLORREF savedTheme = skin::ThemeColour;
  skin::ThemeColour = 0x000000;
  rt::UniqueBitmap bitmap = skin::MakeBackgroundBitmap(stranger);
  skin::ThemeColour = savedTheme;
  ASSERT_TRUE(bitmap);
  rt::UniqueMemoryDc reader(CreateCompatibleDC(nullptr));
  rt::ScopedSelection selected(reader.get(), bitmap.get());
  const COLORREF pixel = GetPixel(reader.get(), 20, 15);
  // 30/255 of black over white.
  EXPECT_NEAR(GetRValue(pixel), 225, 3);
  EXPECT_NEAR(GetGValue(pixel), 225, 3);
  EXPECT_NEAR(GetBValue(pixel), 225, 3);
}

}  // namespace
