// Composing a main frame: the cache DCs, the background in every placement,
// tint and caption band, the outline and region, the children made to
// repaint, and the image DCs the caches are made of.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"
#include "skin/core/kept_pictures.h"
#include "skin/core/window_properties.h"
#include "skin/frames/frame_background.h"
#include "skin/frames/image_dc.h"
#include "skin/frames/main_frame_compose.h"
#include "tests/skin/frames/frame_paint_fixture.h"

namespace {

using quillora_test::BitmapSize;
using quillora_test::Brightness;
using quillora_test::Pixel;
using quillora_test::Picture;
using quillora_test::TestWindow;

constexpr gdip::ARGB kRedArgb = 0xFFFF0000, kGreenArgb = 0xFF00FF00, kBlueArgb = 0xFF0000FF,
                     kYellowArgb = 0xFFFFFF00;
constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kYellow = 0x00FFFF;

class ComposeTest : public quillora_test::FramePaintTest {
 protected:
  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
};

TEST_F(ComposeTest, FillsTheCachesAndRecordsTheSize) {
  TestWindow window = InstallerFrame();
  skin::SkinWindowRecord& r = Record();
  r.width = r.height = 0;
  const std::size_t cached = skin::DcCache.size();
  skin::ComposeMainFrame(1, true);

  ASSERT_NE(r.backgroundDc.get(), nullptr);
  ASSERT_NE(r.captionDc.get(), nullptr);
  ASSERT_NE(r.compositionDc.get(), nullptr);
  EXPECT_EQ(r.bottomDc.get(), nullptr);
  EXPECT_EQ(BitmapSize(r.backgroundDc.get()).cx, 570);
  EXPECT_EQ(BitmapSize(r.backgroundDc.get()).cy, 450);
  EXPECT_EQ(BitmapSize(r.captionDc.get()).cx, 570);
  EXPECT_EQ(BitmapSize(r.captionDc.get()).cy, 25);
  EXPECT_EQ(BitmapSize(r.compositionDc.get()).cx, 570);
  EXPECT_EQ(BitmapSize(r.compositionDc.get()).cy, 450);
  EXPECT_EQ(skin::prop::Read(window, skin::prop::kCompositionDc), reinterpret_cast<INT_PTR>(r.compositionDc.get()));
  EXPECT_EQ(r.recompose, 0);
  EXPECT_EQ(r.width, 570);
  EXPECT_EQ(r.height, 450);
  EXPECT_EQ(skin::DcCache.size(), cached + 3);

  // No picture: the flat theme colour, the same in the finished copy.
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 285, 300), 0xECECECu);
  EXPECT_EQ(Pixel(r.compositionDc.get(), 285, 300), 0xECECECu);
  // The caption strip holds the frame before title and buttons.
  EXPECT_EQ(Pixel(r.captionDc.get(), 285, 12), 0xECECECu);

  // The dark outer line, the white inner line inside it.
  EXPECT_LT(Brightness(Pixel(r.backgroundDc.get(), 0, 200)), Brightness(0xECECEC));
  EXPECT_GT(Brightness(Pixel(r.backgroundDc.get(), 1, 200)), Brightness(0xECECEC));
  EXPECT_LT(Brightness(Pixel(r.backgroundDc.get(), 285, 449)), Brightness(0xECECEC));

  // The window's region is the rounded rectangle.
  rt::UniqueRegion got(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window, got.get()), ERROR);
  rt::UniqueRegion want(CreateRoundRectRgn(0, 0, 571, 451, 5, 5));
  // Compared point by point along the edges and corners: Wine hands back
  // the region cut to the window rectangle, so EqualRgn sees the region's
  // last (empty) column differ.
  for (int y : {0, 1, 2, 3, 225, 447, 448, 449, 450})
    for (int x : {0, 1, 2, 3, 285, 567, 568, 569, 570}) {
      EXPECT_EQ(PtInRegion(got.get(), x, y), PtInRegion(want.get(), x, y)) << x << ", " << y;
    }

  // A second compose releases every cache before it replaces it.
  skin::ComposeMainFrame(1, true);
  EXPECT_EQ(skin::DcCache.size(), cached + 3);
}

TEST_F(ComposeTest, ADropShadowLeavesOnlyTheOuterLine) {
  TestWindow window = InstallerFrame();
  Record().shadowHwnd = window;  // only its presence is read
  skin::ComposeMainFrame(1, false);
  Record().shadowHwnd = nullptr;
  EXPECT_LT(Brightness(Pixel(Record().backgroundDc.get(), 0, 200)), Brightness(0xECECEC));
  EXPECT_EQ(Pixel(Record().backgroundDc.get(), 1, 200), 0xECECECu);
}

TEST_F(ComposeTest, WithoutPresentationNeitherRegionNorChildrenChange) {
  TestWindow window = InstallerFrame();
  TestWindow list = quillora_test::MakeChild(window, 20, 60, 100, 80);
  quillora_test::ListControl(Record().listControls, list, 1);
  // The frame procedure's own paint must not compose it first.
  Record().recompose = 0;
  UpdateWindow(window);
  ValidateRect(list, nullptr);
  Record().recompose = 1;
  skin::ComposeMainFrame(1, false);
  rt::UniqueRegion got(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, got.get()), ERROR);
  EXPECT_EQ(Record().listControls.At(1).dirty, 0);
  EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
  EXPECT_EQ(Record().recompose, 0);
  EXPECT_EQ(Record().width, 570);
}

TEST_F(ComposeTest, FrameSwitchOffDrawsNoOutlineTitleOrButtons) {
  skin::MainWindowSettings settings = MenuAndNoIcon();
  settings.frameSwitch = 0;
  settings.captionBand = 1;
  settings.bottomBarHeight = 24;
  TestWindow window = InstallerFrame(570, 450, WS_MINIMIZEBOX, settings);
  skin::ThemeBackground = Picture(10, 10, [](int, int) { return kBlueArgb; });
  skin::ThemeMode = 0;
  skin::ComposeMainFrame(1, true);
  const skin::SkinWindowRecord& r = Record();
  EXPECT_EQ(r.captionDc.get(), nullptr);
  ASSERT_NE(r.bottomDc.get(), nullptr);
  rt::UniqueRegion got(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, got.get()), ERROR);
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 5, 5) & 0xFF0000, 0xFF0000u) << "the picture";
  EXPECT_GT(Brightness(Pixel(r.backgroundDc.get(), 300, 2)), Brightness(0xECECEC)) << "the gloss band";
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 0, 200), 0xECECECu) << "no outline";
  // Neither title nor buttons: the caption row is the gloss over the base.
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 30, 12), Pixel(r.backgroundDc.get(), 545, 12));
  // The bar's sheen is drawn.
  EXPECT_GT(Brightness(Pixel(r.backgroundDc.get(), 300, 450 - 20)), Brightness(0xECECEC));
}

struct PlacementCase {
  int mode;
  int left, top;  // where the 40 x 30 picture lands in a 200 x 160 window; -1: stretched
};

TEST_F(ComposeTest, EveryPlacementPutsThePictureWhereItBelongs) {
  const PlacementCase cases[] = {
      {0, 0, 0},    {1, 160, 0},  {2, 80, 65},  {3, -1, -1}, {4, 0, 0},   {5, 0, 130},
      {6, 160, 130}, {7, 80, 130}, {8, 160, 65}, {9, 80, 0},  {10, 0, 65},
  };
  const rt::ByteArray quadrants = Picture(40, 30, [](int x, int y) {
    return y < 15 ? (x < 20 ? kRedArgb : kGreenArgb) : (x < 20 ? kBlueArgb : kYellowArgb);
  });
  skin::MainWindowSettings settings;
  settings.frameSwitch = 0;
  TestWindow window = InstallerFrame(200, 160, 0, settings);
  skin::SkinWindowRecord& r = Record();
  r.backgroundImage = quadrants;
  r.backgroundColour = 0x808080;
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.mode);
    r.backgroundMode = c.mode;
    skin::ComposeMainFrame(1, false);
    if (c.left < 0) {
      EXPECT_EQ(Pixel(r.backgroundDc.get(), 50, 40), kRed);
      EXPECT_EQ(Pixel(r.backgroundDc.get(), 150, 40), kGreen);
      EXPECT_EQ(Pixel(r.backgroundDc.get(), 50, 120), kBlue);
      EXPECT_EQ(Pixel(r.backgroundDc.get(), 150, 120), kYellow);
      continue;
    }
    EXPECT_EQ(Pixel(r.backgroundDc.get(), c.left + 10, c.top + 7), kRed);
    EXPECT_EQ(Pixel(r.backgroundDc.get(), c.left + 30, c.top + 7), kGreen);
    EXPECT_EQ(Pixel(r.backgroundDc.get(), c.left + 10, c.top + 22), kBlue);
    EXPECT_EQ(Pixel(r.backgroundDc.get(), c.left + 30, c.top + 22), kYellow);
    // The window's own base colour where the picture is not.
    EXPECT_EQ(Pixel(r.backgroundDc.get(), c.left < 100 ? 190 : 10, c.top < 80 ? 150 : 10), 0x808080u);
  }
  // A mode outside the table draws no picture but the rest.
  r.backgroundMode = 11;
  r.overlayColour = 0x00FFFF;
  r.overlayAlpha = 255;
  skin::ComposeMainFrame(1, false);
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 10, 7), 0x00FFFFu);
}

TEST_F(ComposeTest, TileTopMirrorsEverySecondCopy) {
  skin::MainWindowSettings settings;
  settings.frameSwitch = 0;
  TestWindow window = InstallerFrame(250, 200, 0, settings);
  // The theme picture, 100 x 20: red on its left half, blue on its right.
  skin::ThemeBackground = Picture(100, 20, [](int x, int) { return x < 50 ? kRedArgb : kBlueArgb; });
  skin::ThemeMode = 4;
  skin::ComposeMainFrame(1, false);
  HDC dc = Record().backgroundDc.get();
  EXPECT_EQ(Pixel(dc, 25, 10), kRed);
  EXPECT_EQ(Pixel(dc, 75, 10), kBlue);
  EXPECT_EQ(Pixel(dc, 125, 10), kBlue);  // mirrored
  EXPECT_EQ(Pixel(dc, 175, 10), kRed);
  EXPECT_EQ(Pixel(dc, 225, 10), kRed);   // the picture again
  EXPECT_EQ(Pixel(dc, 125, 60), 0xECECECu);  // below the band
}

TEST_F(ComposeTest, AnOwnPictureReplacesTheThemePictureAndColour) {
  skin::MainWindowSettings settings;
  settings.frameSwitch = 0;
  TestWindow window = InstallerFrame(200, 160, 0, settings);
  skin::ThemeBackground = Picture(200, 160, [](int, int) { return kGreenArgb; });
  skin::ThemeMode = 3;
  skin::SkinWindowRecord& r = Record();
  r.backgroundImage = Picture(10, 10, [](int, int) { return kRedArgb; });
  r.backgroundMode = 0;
  r.backgroundColour = 0x404040;
  skin::ComposeMainFrame(1, false);
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 5, 5), kRed);
  EXPECT_EQ(Pixel(r.backgroundDc.get(), 100, 100), 0x404040u);
}

struct TintCase {
  const char* name;
  COLORREF overlay;
  int alpha;
  int band;
  std::function<void(HDC)> check;
};

TEST_F(ComposeTest, TintAndCaptionBand) {
  skin::MainWindowSettings settings;
  settings.frameSwitch = 0;
  TestWindow window = InstallerFrame(200, 160, 0, settings);
  const COLORREF base = 0x808080;
  skin::ThemeColour = base;
  const TintCase cases[] = {
      {"opaque", 0x0000FF, 255, 0, [](HDC dc) {
         EXPECT_EQ(Pixel(dc, 100, 100), 0x0000FFu);
         EXPECT_EQ(Pixel(dc, 100, 2), 0x0000FFu);
       }},
      {"blended", 0x0000FF, 128, 0, [](HDC dc) {
         const COLORREF p = Pixel(dc, 100, 100);
         EXPECT_GT(GetRValue(p), 0x80);
         EXPECT_LT(GetRValue(p), 0xFF);
         EXPECT_LT(GetGValue(p), 0x80);
         EXPECT_GT(GetGValue(p), 0);
       }},
      {"band with a colour", 0x00FF00, 200, 1, [](HDC dc) {
         const COLORREF top = Pixel(dc, 100, 1), low = Pixel(dc, 100, 23), below = Pixel(dc, 100, 100);
         EXPECT_LT(GetGValue(top), GetGValue(low));  // a fifth of the alpha at the top
         EXPECT_LT(GetRValue(low), 0x60);
         EXPECT_GT(GetGValue(below), 0xD0);
         EXPECT_LT(GetRValue(below), 0x40);
       }},
      {"band without a tint", static_cast<COLORREF>(-1), 255, 1, [base](HDC dc) {
         EXPECT_GT(Brightness(Pixel(dc, 100, 1)), Brightness(Pixel(dc, 100, 23)));
         EXPECT_GT(Brightness(Pixel(dc, 100, 1)), Brightness(base));
         EXPECT_EQ(Pixel(dc, 100, 100), base);
       }},
      {"band with black", 0x000000, 255, 1, [base](HDC dc) {
         EXPECT_GT(Brightness(Pixel(dc, 100, 1)), Brightness(base));  // the white gloss
         EXPECT_EQ(Pixel(dc, 100, 100), 0u);
       }},
  };
  skin::SkinWindowRecord& r = Record();
  for (const TintCase& c : cases) {
    SCOPED_TRACE(c.name);
    r.overlayColour = c.overlay;
    r.overlayAlpha = c.alpha;
    r.captionBand = c.band;
    skin::ComposeMainFrame(1, false);
    c.check(r.backgroundDc.get());
  }
}

TEST_F(ComposeTest, APresentedComposeRepaintsTheFramesOwnControls) {
  TestWindow window = InstallerFrame();
  skin::SkinWindowRecord& r = Record();
  using quillora_test::ListControl;
  using quillora_test::MakeChild;
  TestWindow list = MakeChild(window, 10, 40, 100, 100);
  TestWindow listItem = MakeChild(list, 5, 5, 20, 20);
  TestWindow combo = MakeChild(window, 120, 40, 60, 20);
  TestWindow edit = MakeChild(window, 120, 70, 60, 20);
  TestWindow button = MakeChild(window, 200, 40, 60, 20);
  TestWindow trackbar = MakeChild(window, 200, 70, 60, 20);
  TestWindow progress = MakeChild(window, 200, 100, 60, 20);
  TestWindow upDown = MakeChild(window, 270, 40, 20, 20);
  TestWindow label = MakeChild(window, 300, 40, 60, 20);
  TestWindow container = MakeChild(window, 300, 100, 150, 150);
  TestWindow inner = MakeChild(container, 10, 10, 60, 20);
  ListControl(r.listControls, list, 1);
  ListControl(r.combos, combo, 1);
  ListControl(r.edits, edit, 1);
  ListControl(r.buttons, button, 1);
  ListControl(r.buttons, inner, 1);
  ListControl(r.trackbars, trackbar, 1);
  ListControl(r.progressBars, progress, 1);
  ListControl(r.upDowns, upDown, 1);
  ListControl(r.labels, label, 1);
  ListControl(r.containers, container, 1);
  for (HWND h : {window.get(), list.get(), listItem.get(), combo.get(), edit.get(), button.get(), trackbar.get(),
                 progress.get(), upDown.get(), label.get(), container.get(), inner.get()}) {
    UpdateWindow(h);
    ValidateRect(h, nullptr);
  }

  skin::ComposeMainFrame(1, true);

  EXPECT_EQ(r.listControls.At(1).dirty, 1);
  for (HWND h : {list.get(), listItem.get(), combo.get(), edit.get(), button.get(), trackbar.get(), progress.get(),
                 upDown.get()}) {
    EXPECT_TRUE(GetUpdateRect(h, nullptr, FALSE)) << GetDlgCtrlID(h) << " " << h;
  }
  for (HWND h : {label.get(), container.get(), inner.get()}) {
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE)) << h;
  }
  EXPECT_EQ(r.labels.At(1).needsRepaint, 0);
  EXPECT_EQ(r.containers.At(1).redraw, 0);
}

// Every pixel of a memory DC's 32-bit DIB, alpha byte included.
std::vector<std::uint32_t> Bits(HDC dc) {
  const SIZE size = BitmapSize(dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(size.cx) * size.cy);
  HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, size.cy, bits.data(), &info, DIB_RGB_COLORS), size.cy);
  return bits;
}

struct KeptLookCase {
  const char* name;
  std::function<void(skin::SkinWindowRecord&, HWND)> change;
};

// A compose finds the background layer and the frame's pictures kept from
// the one before; whatever changed between them, it paints what a compose
// with nothing kept paints.
TEST_F(ComposeTest, AComposeFromWhatIsKeptPaintsWhatAFreshOnePaints) {
  const auto plain = [](gdip::ARGB colour) { return [colour](int x, int y) { return (x + y) % 7 ? colour : kRedArgb; }; };
  const KeptLookCase cases[] = {
      {"nothing", [](skin::SkinWindowRecord&, HWND) {}},
      {"the size", [](skin::SkinWindowRecord&, HWND w) {
         SetWindowPos(w, nullptr, 0, 0, 420, 330, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
       }},
      {"the theme picture", [&](skin::SkinWindowRecord&, HWND) {
         skin::ThemeBackground = Picture(60, 40, plain(kBlueArgb));
       }},
      {"the theme colour", [](skin::SkinWindowRecord&, HWND) { skin::ThemeColour = 0x204060; }},
      {"the placement", [](skin::SkinWindowRecord&, HWND) { skin::ThemeMode = 2; }},
      {"to the tiled band", [](skin::SkinWindowRecord&, HWND) { skin::ThemeMode = 4; }},
      {"an own picture", [&](skin::SkinWindowRecord& r, HWND) {
         r.backgroundImage = Picture(50, 30, plain(kYellowArgb));
         r.backgroundMode = 3;
         r.backgroundColour = 0x303030;
       }},
      {"the bottom-bar picture", [&](skin::SkinWindowRecord& r, HWND) {
         r.bottomItems.at(0).image = Picture(16, 16, plain(kBlueArgb));
       }},
      {"no theme picture", [](skin::SkinWindowRecord&, HWND) { skin::ThemeBackground.clear(); }},
  };
  for (const KeptLookCase& c : cases) {
    SCOPED_TRACE(c.name);
    skin::SkinWindowTable.Clear();
    skin::ThemeColour = 0xECECEC;
    skin::ThemeMode = 3;
    skin::ThemeBackground = Picture(60, 40, plain(kGreenArgb));
    skin::MainWindowSettings settings = MenuAndNoIcon();
    settings.bottomBarHeight = 24;
    skin::BottomBarItem item;
    item.width = -1;
    item.text = "WWW";
    item.image = Picture(16, 16, plain(kGreenArgb));
    settings.bottomItems = std::vector<skin::BottomBarItem>{item};
    TestWindow window = InstallerFrame(570, 450, WS_MINIMIZEBOX, settings);
    skin::SkinWindowRecord& r = Record();
    skin::ComposeMainFrame(1, false);
    skin::ComposeMainFrame(1, false);
    c.change(r, window);
    skin::ComposeMainFrame(1, false);
    const std::vector<std::uint32_t> kept = Bits(r.backgroundDc.get());
    const std::vector<std::uint32_t> keptBar = Bits(r.bottomDc.get());

    r.backgroundLayer = skin::FrameBackgroundLayer{};
    skin::ForgetKeptPictures();
    skin::ComposeMainFrame(1, false);
    EXPECT_EQ(BitmapSize(r.backgroundDc.get()).cx, r.width);
    EXPECT_TRUE(kept == Bits(r.backgroundDc.get())) << "the frame";
    EXPECT_TRUE(keptBar == Bits(r.bottomDc.get())) << "the bottom bar";
  }
}

// The region is set again only when the size changed; it always matches
// the frame's size.
TEST_F(ComposeTest, TheRegionFollowsTheSizeAcrossComposes) {
  TestWindow window = InstallerFrame();
  const auto expectRegion = [&](int w, int h) {
    rt::UniqueRegion got(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, got.get()), ERROR);
    rt::UniqueRegion want(CreateRoundRectRgn(0, 0, w + 1, h + 1, 5, 5));
    for (int y : {0, 1, 2, h / 2, h - 3, h - 2, h - 1})
      for (int x : {0, 1, 2, w / 2, w - 3, w - 2, w - 1}) {
        EXPECT_EQ(PtInRegion(got.get(), x, y), PtInRegion(want.get(), x, y)) << x << ", " << y;
      }
  };
  skin::ComposeMainFrame(1, true);
  expectRegion(570, 450);
  skin::ComposeMainFrame(1, true);
  expectRegion(570, 450);
  SetWindowPos(window, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  skin::ComposeMainFrame(1, true);
  expectRegion(400, 300);
  // A label that draws only its text is painted over by the frame's copy:
  // it paints itself again, also when the region stayed as it was.
  TestWindow label = quillora_test::MakeChild(window, 20, 60, 100, 20, "Static", WS_CHILD | WS_VISIBLE,
                                              WS_EX_TRANSPARENT);
  for (int i = 0; i < 2; ++i) {
    UpdateWindow(label);
    ValidateRect(label, nullptr);
    skin::ComposeMainFrame(1, true);
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE)) << i;
  }
  // A region put there by anything else is replaced.
  SetWindowRgn(window, CreateRectRgn(0, 0, 100, 100), FALSE);
  skin::ComposeMainFrame(1, true);
  expectRegion(400, 300);
}

TEST(ImageDc, BlankOrPictureAtItsOwnSize) {
  const std::size_t cached = skin::DcCache.size();
  const skin::CachedDc blankDc = skin::CreateImageDc(30, 20);
  HDC blank = blankDc.get();
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(skin::DcCache.size(), cached + 1);
  EXPECT_EQ(BitmapSize(blank).cx, 30);
  EXPECT_EQ(BitmapSize(blank).cy, 20);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 30;
  info.bmiHeader.biHeight = -20;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> bits(30 * 20, 0xDEADBEEF);
  HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(blank, OBJ_BITMAP));
  ASSERT_EQ(GetDIBits(blank, bitmap, 0, 20, bits.data(), &info, DIB_RGB_COLORS), 20);
  for (std::uint32_t p : bits) ASSERT_EQ(p, 0u) << "fully transparent";
  EXPECT_TRUE(skin::ReleaseCachedDc(blank));

  const skin::CachedDc pictureDc = skin::CreateImageDc(30, 20, Picture(7, 5, [](int, int) { return kGreenArgb; }));
  HDC picture = pictureDc.get();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(BitmapSize(picture).cx, 7);
  EXPECT_EQ(BitmapSize(picture).cy, 5);
  EXPECT_EQ(Pixel(picture, 3, 2), kGreen);
  EXPECT_TRUE(skin::ReleaseCachedDc(picture));

  EXPECT_EQ(skin::CreateImageDc(30, 20, rt::ByteArray{1, 2, 3}), nullptr);
  EXPECT_EQ(skin::DcCache.size(), cached);
}

}  // namespace
