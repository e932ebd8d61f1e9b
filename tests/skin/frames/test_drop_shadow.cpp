// The drop shadow: its window (class, styles, owner, place, properties),
// how it follows its owner, and the picture it pushes, read back from the
// memory DC it is composed in (Xvfb has no compositor to blend it on screen).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_object.h"
#include "gdip/image_encoders.h"
#include "skin/core/dc_cache.h"
#include "skin/core/kept_pictures.h"
#include "runtime/gdi_object.h"
#include "skin/engine/skin_engine.h"
#include "skin/core/window_properties.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/shadow_window.h"
#include "tests/support/gdi_object_count.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

#define EXPECT_WINDOW_AT(hwnd, l, t, r, b)                                                \
  do {                                                                                    \
    const RECT got = WindowRect(hwnd);                                                    \
    EXPECT_TRUE(got.left == (l) && got.top == (t) && got.right == (r) && got.bottom == (b)) \
        << "window at " << got.left << ", " << got.top << ", " << got.right << ", "       \
        << got.bottom;                                                                    \
  } while (0)

// The 32-bit pixels of the bitmap selected into a memory DC, top row first.
class Picture {
 public:
  explicit Picture(HDC dc) {
    DIBSECTION dib{};
    const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32) return;
    width_ = dib.dsBm.bmWidth;
    height_ = dib.dsBm.bmHeight;
    const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    for (int y = 0; y < height_; ++y) {
      const int row = bottomUp ? height_ - 1 - y : y;
      pixels_.insert(pixels_.end(), bits + row * width_, bits + (row + 1) * width_);
    }
  }

  int width() const { return width_; }
  int height() const { return height_; }
  std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  int Alpha(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// The picture a shadow would push now; the DC goes back to the cache.
Picture ShadowPicture(HWND shadow) {
  const skin::CachedDc dc = skin::ComposeShadowPicture(shadow);
  EXPECT_TRUE(dc);
  return Picture(dc.get());
}

rt::ByteArray Square(int size, gdip::ARGB colour) {
  gdip::GdipBitmap bitmap;
  bitmap.Create(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) bitmap.SetPixel(x, y, colour);
  return bitmap.SaveToStream(gdip::kPngFormat);
}

rt::ByteArray RedSquare(int size) { return Square(size, 0xFFFF0000); }

class DropShadowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin::RegisterSkinWindowClass(skin::kShadowWindowClass, skin::ShadowWindowProc);
  }

  // A skinned frame with its frame drawn, as a skinned dialog has it.
  // Hidden unless asked: under Xvfb a window that was on screen takes Wine
  // two seconds to go.
  HWND MakeOwner(int x, int y, int width, int height, bool visible = false) {
    owner = MakePopup(x, y, width, height, nullptr, WS_POPUP | (visible ? WS_VISIBLE : 0));
    index = AddSkinWindow(owner);
    Record().frameSwitch = 1;
    return owner;
  }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(index); }

  quillora_test::SkinTableGuard guard;
  TestWindow owner;
  int index = 0;
};

TEST_F(DropShadowTest, ShadowIsAnOwnedClickThroughLayeredPopupThatFollowsItsOwner) {
  MakeOwner(200, 150, 300, 200, true);
  ASSERT_TRUE(skin::SetWindowShadow(owner, {.depth = 15, .opacity = 20}));
  const HWND shadow = Record().shadowHwnd;
  ASSERT_NE(shadow, nullptr);

  char className[64] = {};
  GetClassNameA(shadow, className, sizeof className);
  EXPECT_STREQ(className, "yinyWindow");
  const LONG_PTR exStyle = GetWindowLongPtrA(shadow, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT) << "clicks go through to what lies below";
  const LONG_PTR style = GetWindowLongPtrA(shadow, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_VISIBLE) << "shown with its owner";
  EXPECT_EQ(GetWindow(shadow, GW_OWNER), owner.get());
  EXPECT_WINDOW_AT(shadow, 185, 135, 515, 365);

  EXPECT_EQ(Prop(shadow, "Yyck_yysd"), 15);
  EXPECT_EQ(Prop(shadow, "Yyck_yyys"), 0);
  EXPECT_EQ(Prop(shadow, "Yyck_yyWz"), 15);
  EXPECT_EQ(Prop(shadow, "Yyck_Tmd"), 20);
  EXPECT_EQ(Prop(shadow, "Yyck_Glck"), reinterpret_cast<INT_PTR>(owner.get()));
  EXPECT_EQ(Record().shadowDepth, 15);
  EXPECT_EQ(Record().shadowCutOwner, 1);
  EXPECT_EQ(Record().dragByShadow, 0);

  // Moved and resized: the shadow goes to the owner's new rectangle.
  MoveWindow(owner, 250, 180, 320, 220, FALSE);
  skin::AlignShadow(owner);
  EXPECT_WINDOW_AT(shadow, 235, 165, 585, 415);
  skin::AlignShadow(owner, 0, 10, 20, 100, 50);
  EXPECT_WINDOW_AT(shadow, -5, 5, 125, 85);
  skin::AlignShadow(owner, 0, 10, 20);  // only some given: the owner's rectangle
  EXPECT_WINDOW_AT(shadow, 235, 165, 585, 415);

  // Position messages that keep the place or the size carry zeros there.
  WINDOWPOS sizeOnly{owner, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER};
  skin::AlignShadowToWindowPos(owner, sizeOnly);
  EXPECT_WINDOW_AT(shadow, 235, 165, 235 + 430, 165 + 330);
  WINDOWPOS moveOnly{owner, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER};
  skin::AlignShadowToWindowPos(owner, moveOnly);
  EXPECT_WINDOW_AT(shadow, 285, 185, 285 + 350, 185 + 250);

  // A second call updates the same window.
  ASSERT_TRUE(skin::SetWindowShadow(owner, {.depth = 8, .colour = 0x123456, .dragByShadow = 1}));
  EXPECT_EQ(Record().shadowHwnd, shadow);
  EXPECT_EQ(Prop(shadow, "Yyck_yysd"), 8);
  EXPECT_EQ(Prop(shadow, "Yyck_yyys"), 0x123456);
  EXPECT_EQ(Prop(shadow, "Yyck_Tmd"), 80);
  EXPECT_WINDOW_AT(shadow, 242, 172, 578, 408);
  EXPECT_FALSE(GetWindowLongPtrA(shadow, GWL_EXSTYLE) & WS_EX_TRANSPARENT)
      << "a shadow that drags its owner takes clicks";

  owner = TestWindow();
  EXPECT_FALSE(IsWindow(shadow)) << "the shadow goes with its owner";
}

TEST_F(DropShadowTest, OnlySkinnedWindowsGetAShadowAndAHiddenOneStaysPut) {
  TestWindow stranger = MakePopup(0, 0, 100, 100, nullptr, WS_POPUP);
  EXPECT_FALSE(skin::SetWindowShadow(stranger));
  skin::AlignShadow(stranger, 1);  // nothing to align

  MakeOwner(100, 100, 200, 150);
  ASSERT_TRUE(skin::SetWindowShadow(owner));
  const HWND shadow = Record().shadowHwnd;
  EXPECT_FALSE(GetWindowLongPtrA(shadow, GWL_STYLE) & WS_VISIBLE) << "hidden like its owner";
  EXPECT_WINDOW_AT(shadow, 90, 90, 310, 260);
  MoveWindow(owner, 300, 300, 200, 150, FALSE);
  skin::AlignShadow(owner, 1);
  EXPECT_WINDOW_AT(shadow, 90, 90, 310, 260);
}

// Takes the presses a shadow forwards instead of starting the system's
// move loop.
int ownerPresses = 0;
WPARAM lastPressHit = 0;
LRESULT CALLBACK PressRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCLBUTTONDOWN) {
    ++ownerPresses;
    lastPressHit = wParam;
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(DropShadowTest, APressOnTheShadowDragsTheOwnerOnlyWhenAsked) {
  MakeOwner(100, 100, 200, 150);
  SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PressRecordingProc));
  ownerPresses = 0;
  ASSERT_TRUE(skin::SetWindowShadow(owner));
  const HWND shadow = Record().shadowHwnd;
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(ownerPresses, 0);

  ASSERT_TRUE(skin::SetWindowShadow(owner, {.dragByShadow = 1}));
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(ownerPresses, 1);
  EXPECT_EQ(lastPressHit, static_cast<WPARAM>(HTCAPTION));
}

TEST_F(DropShadowTest, PictureIsClearOverTheOwnerAndDarkestAtItsEdge) {
  MakeOwner(100, 100, 300, 200);
  ASSERT_TRUE(skin::SetWindowShadow(owner, {.depth = 15, .opacity = 120}));
  const Picture picture = ShadowPicture(Record().shadowHwnd);
  ASSERT_EQ(picture.width(), 330);
  ASSERT_EQ(picture.height(), 230);

  for (auto [x, y] : {std::pair{165, 115}, {15 + 20, 15 + 20}, {314 - 20, 214 - 20}})
    EXPECT_EQ(picture.At(x, y), 0u) << "owner area at " << x << ", " << y;

  // Across the left band, at mid-height: nothing at the far edge, most at
  // the owner's edge; likewise down the top band.
  EXPECT_GT(picture.Alpha(13, 115), 0);
  EXPECT_GT(picture.Alpha(13, 115), picture.Alpha(6, 115));
  EXPECT_GE(picture.Alpha(6, 115), picture.Alpha(0, 115));
  EXPECT_GT(picture.Alpha(165, 13), picture.Alpha(165, 4));
  EXPECT_EQ(picture.At(165, 13) & 0xFFFFFFu, 0u) << "black";
}

TEST_F(DropShadowTest, RenderingWaitsForItsSettingsAndKeepsNothing) {
  // A shadow window whose properties are not set yet draws nothing.
  TestWindow bare(CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT, "yinyWindow", "", WS_POPUP, 0, 0,
                                  50, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  ASSERT_NE(bare.get(), nullptr);
  EXPECT_EQ(skin::ComposeShadowPicture(bare), nullptr);
  skin::prop::Write(bare, "Yyck_yysd", 10);
  EXPECT_EQ(skin::ComposeShadowPicture(bare), nullptr) << "no owner yet";
  TestWindow stranger = MakePopup(0, 0, 30, 20, nullptr, WS_POPUP);
  skin::prop::WriteHandle(bare, "Yyck_Glck", stranger.get());
  skin::prop::Write(bare, "Yyck_yysd", 0);
  EXPECT_EQ(skin::ComposeShadowPicture(bare), nullptr) << "depth 0";

  // An owner that is not skinned still gets the outline; a window of no
  // size still gets a picture of one pixel.
  skin::prop::Write(bare, "Yyck_yysd", 10);
  skin::prop::Write(bare, "Yyck_yyWz", 15);
  skin::prop::Write(bare, "Yyck_Tmd", 200);
  EXPECT_GT(ShadowPicture(bare).Alpha(8, 20), 0);
  MoveWindow(bare, 0, 0, 0, 0, FALSE);
  EXPECT_EQ(ShadowPicture(bare).width(), 1);

  // Rendering over and over leaves no DC, bitmap or other GDI object, and
  // no GDI+ object, behind.
  MakeOwner(100, 100, 200, 150);
  ASSERT_TRUE(skin::SetWindowShadow(owner));
  const HWND shadow = Record().shadowHwnd;
  skin::RenderShadow(shadow);
  const std::size_t cached = skin::DcCache.size();
  const DWORD objects = quillora_test::GdiObjectCount();
  const unsigned long natives = gdip::LiveNativeCount();
  for (int i = 0; i < 5; ++i) skin::RenderShadow(shadow);
  EXPECT_EQ(skin::DcCache.size(), cached);
  EXPECT_EQ(quillora_test::GdiObjectCount(), objects);
  EXPECT_EQ(gdip::LiveNativeCount(), natives);
}

TEST_F(DropShadowTest, CustomImageIsPlacedByItsModeAndKeptOffTheOwner) {
  MakeOwner(100, 100, 300, 200);  // shadow 330 x 230 at depth 15
  struct Case {
    const char* what;
    skin::ShadowSettings settings;
    int probeX, probeY;
    bool red;
  };
  const Case cases[] = {
      {"anchored from the right", {.depth = 15, .image = RedSquare(10), .imageX = -20, .imageY = 5,
                                   .imageOnly = 1}, 330 - 20 - 30 + 2, 7, true},
      {"left of the anchored place", {.depth = 15, .image = RedSquare(10), .imageX = -20, .imageY = 5,
                                      .imageOnly = 1}, 330 - 20 - 30 - 3, 7, false},
      {"anchored from the bottom", {.depth = 15, .image = RedSquare(10), .imageX = 4, .imageY = -12,
                                    .imageOnly = 1}, 6, 230 - 12 - 30 + 2, true},
      {"plain over the owner, cut", {.depth = 15, .image = RedSquare(10), .imageX = 25, .imageY = 25,
                                     .imageMode = 1, .imageOnly = 1}, 27, 27, false},
      {"plain over the owner, not cut", {.depth = 15, .image = RedSquare(10), .imageX = 25,
                                         .imageY = 25, .imageMode = 1, .cutOwner = 0, .imageOnly = 1},
       27, 27, true},
      {"unknown mode", {.depth = 15, .image = RedSquare(10), .imageX = 4, .imageY = 4, .imageMode = 2,
                        .imageOnly = 1}, 6, 6, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(skin::SetWindowShadow(owner, c.settings));
    const Picture picture = ShadowPicture(Record().shadowHwnd);
    EXPECT_EQ(picture.At(c.probeX, c.probeY), c.red ? 0xFFFF0000u : 0u);
    EXPECT_EQ(picture.At(8, 115), 0u) << "only the image is drawn";
  }
}

// The custom picture is kept decoded between renders: another picture, or
// the same after the kept ones were let go, draws what a first render does.
TEST_F(DropShadowTest, AnotherCustomImageIsDrawnNotTheKeptOne) {
  MakeOwner(100, 100, 300, 200);
  skin::ShadowSettings settings{.depth = 15, .image = RedSquare(10), .imageX = 4, .imageY = 4, .imageMode = 1,
                                .imageOnly = 1};
  ASSERT_TRUE(skin::SetWindowShadow(owner, settings));
  EXPECT_EQ(ShadowPicture(Record().shadowHwnd).At(6, 6), 0xFFFF0000u);
  EXPECT_EQ(ShadowPicture(Record().shadowHwnd).At(6, 6), 0xFFFF0000u) << "drawn again from the kept picture";
  settings.image = Square(10, 0xFF0000FF);
  ASSERT_TRUE(skin::SetWindowShadow(owner, settings));
  EXPECT_EQ(ShadowPicture(Record().shadowHwnd).At(6, 6), 0xFF0000FFu);
  skin::ForgetKeptPictures();
  EXPECT_EQ(ShadowPicture(Record().shadowHwnd).At(6, 6), 0xFF0000FFu);
  settings.image.clear();
  ASSERT_TRUE(skin::SetWindowShadow(owner, settings));
  EXPECT_EQ(ShadowPicture(Record().shadowHwnd).At(6, 6), 0u) << "no picture any more";
}

// BuildShadowBitmap into a plain canvas, one probe in each side band.
class ShadowShapeTest : public ::testing::Test {
 protected:
  static constexpr int kW = 200, kH = 150, kD = 10;

  Picture Build(int sides, int depth = kD) {
    rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    rt::UniqueBitmap dib = skin::CreateDib32(kW, kH);
    rt::ScopedSelection selection(dc.get(), dib.get());
    {
      gdip::GdipGraphics graphics;
      EXPECT_TRUE(graphics.CreateFromHdc(dc.get()));
      skin::BuildShadowBitmap(graphics, sides, depth, 0, 255, 0, 0, kW, kH, 0);
    }
    return Picture(dc.get());
  }
};

TEST_F(ShadowShapeTest, SideMasksDrawOnlyTheirBands) {
  struct Probe {
    const char* side;
    int x, y;
  };
  const Probe probes[] = {{"top", 100, 8}, {"bottom", 100, 141}, {"left", 8, 75}, {"right", 191, 75}};
  struct Case {
    int sides;
    bool top, bottom, left, right;
  };
  const Case cases[] = {
      {1, true, false, false, false}, {2, false, true, false, false}, {4, false, false, true, false},
      {8, false, false, false, true}, {5, true, false, true, false},  {10, false, true, false, true},
      {15, true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sides);
    const Picture picture = Build(c.sides);
    const bool expected[] = {c.top, c.bottom, c.left, c.right};
    for (int i = 0; i < 4; ++i) {
      const int alpha = picture.Alpha(probes[i].x, probes[i].y);
      if (expected[i]) EXPECT_GT(alpha, 0) << probes[i].side;
      else EXPECT_EQ(alpha, 0) << probes[i].side;
    }
    EXPECT_EQ(picture.At(kW / 2, kH / 2), 0u) << "never over the owner";
  }
}

TEST_F(ShadowShapeTest, ADepthBelowOneDrawsNothing) {
  for (int depth : {0, -3}) {
    const Picture picture = Build(15, depth);
    for (int y = 0; y < kH; y += 7)
      for (int x = 0; x < kW; x += 7) ASSERT_EQ(picture.At(x, y), 0u) << depth;
  }
}

}  // namespace
