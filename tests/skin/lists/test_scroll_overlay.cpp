// Scroll-bar overlays: where they lie, how they follow their control, the
// bar painters' pixels and part rectangles, the hit tests that read those
// rectangles, and the four arrow pictures.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/scroll_arrows.h"
#include "skin/lists/scroll_bar_painter.h"
#include "skin/lists/scroll_overlay.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/kept_image_checks.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::Blend;
using quillora_test::DibPixels;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::Rgb;
using quillora_test::TestWindow;
using skin::ScrollBarPart;

constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr DWORD kMultiLine = WS_CHILD | WS_VISIBLE | ES_MULTILINE;

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT BarRect(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, object, &info);
  return info.rcScrollBar;
}

LPARAM ScreenPoint(int x, int y) { return MAKELPARAM(x, y); }

class ScrollOverlayTest : public quillora_test::ComposedFrameTest {
 protected:
  skin::EditRecord& Edit(int index) { return Record().edits.At(index); }
  quillora_test::EngineDefaults settings;
};

TEST_F(ScrollOverlayTest, AShownOverlayCoversItsBarUnderAnyParent) {
  struct Case {
    const char* name;
    DWORD parentStyle;
  };
  for (const Case& c : {Case{"borderless", WS_CHILD | WS_VISIBLE},
                        Case{"bordered with caption", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME}}) {
    SCOPED_TRACE(c.name);
    TestWindow parent = MakeChild(frame, 20, 20, 300, 250, "Static", c.parentStyle);
    TestWindow edit = MakeChild(parent, 15, 12, 200, 120, "Edit", kMultiLine | WS_VSCROLL | WS_HSCROLL);
    skin::SkinEditControls(windowIndex, parent);
    const int index = skin::FindEditRecord(windowIndex, edit);
    ASSERT_GE(index, 1);
    for (auto [overlay, object] : {std::pair{Edit(index).vScrollOverlay, OBJID_VSCROLL},
                                   std::pair{Edit(index).hScrollOverlay, OBJID_HSCROLL}}) {
      ASSERT_NE(overlay, nullptr);
      const RECT bar = BarRect(edit, object);
      const RECT place = ScreenRect(overlay);
      EXPECT_TRUE(EqualRect(&bar, &place)) << place.left << "," << place.top << " vs " << bar.left << ","
                                           << bar.top;
      EXPECT_TRUE(IsWindowVisible(overlay) || !IsWindowVisible(frame));
      EXPECT_TRUE(GetWindowLongPtrA(overlay, GWL_STYLE) & WS_VISIBLE);
    }
  }
}

TEST_F(ScrollOverlayTest, LayoutFollowsAnEditsStylesAndVisibility) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 120, "Edit", kMultiLine | WS_VSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  const HWND overlay = Edit(1).vScrollOverlay;
  ASSERT_NE(overlay, nullptr);
  auto visible = [&] { return (GetWindowLongPtrA(overlay, GWL_STYLE) & WS_VISIBLE) != 0; };

  // Hidden control: the overlay hides and keeps its place.
  const RECT before = ScreenRect(overlay);
  SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) & ~WS_VISIBLE);
  SetWindowPos(edit, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  skin::LayoutScrollOverlays(edit);
  EXPECT_FALSE(visible());
  RECT after = ScreenRect(overlay);
  EXPECT_TRUE(EqualRect(&before, &after));

  // Shown again: the overlay comes back over the bar's new place.
  SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | WS_VISIBLE);
  skin::LayoutScrollOverlays(edit);
  EXPECT_TRUE(visible());
  after = ScreenRect(overlay);
  const RECT bar = BarRect(edit, OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&bar, &after));

  // The bar style lost: the overlay hides, whatever the show argument says.
  SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) & ~WS_VSCROLL);
  skin::LayoutScrollOverlays(edit, std::nullopt, std::nullopt, 1);
  EXPECT_FALSE(visible());
}

// A container's anchoring resizes its edits in place: the edit's own
// procedure lays its overlays out again, with no call from outside.
TEST_F(ScrollOverlayTest, OverlaysFollowAnEditResizedThroughItsWindow) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 120, "Edit", kMultiLine | WS_VSCROLL | WS_HSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  struct Case {
    const char* name;
    int x, y, width, height;
    UINT flags;
  };
  for (const Case& c : {Case{"grown in place", 0, 0, 260, 180, SWP_NOMOVE},
                        Case{"shrunk in place", 0, 0, 150, 90, SWP_NOMOVE},
                        Case{"moved and resized", 60, 50, 220, 160, 0}}) {
    SCOPED_TRACE(c.name);
    SetWindowPos(edit, nullptr, c.x, c.y, c.width, c.height, c.flags | SWP_NOZORDER | SWP_NOACTIVATE);
    for (auto [overlay, object] : {std::pair{Edit(1).vScrollOverlay, OBJID_VSCROLL},
                                   std::pair{Edit(1).hScrollOverlay, OBJID_HSCROLL}}) {
      ASSERT_NE(overlay, nullptr);
      const RECT bar = BarRect(edit, object);
      const RECT place = ScreenRect(overlay);
      EXPECT_TRUE(EqualRect(&bar, &place)) << (object == OBJID_VSCROLL ? "vertical: " : "horizontal: ") << place.left
                                           << "," << place.top << "," << place.right << "," << place.bottom
                                           << " vs " << bar.left << "," << bar.top << "," << bar.right << ","
                                           << bar.bottom;
    }
  }
}

TEST_F(ScrollOverlayTest, OtherClassesTakeTheShowArgument) {
  // Any class but the edits' (a list box drops a bar it does not need).
  TestWindow list = MakeChild(frame, 30, 30, 150, 120, "Static", WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  const int index = quillora_test::ListControl(Record().listControls, list, windowIndex);
  const HWND overlay = skin::CreateVScrollOverlay(list, 0);
  Record().listControls.At(index).vScrollOverlay = overlay;
  auto visible = [&] { return (GetWindowLongPtrA(overlay, GWL_STYLE) & WS_VISIBLE) != 0; };
  struct Case {
    bool controlVisible;
    int show;
    bool expected;
  };
  for (const Case& c : {Case{true, -1, true}, Case{false, -1, false}, Case{false, 1, true}, Case{true, 0, false},
                        Case{true, 2, true}}) {
    SCOPED_TRACE(testing::Message() << "visible " << c.controlVisible << ", show " << c.show);
    LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
    SetWindowLongPtrA(list, GWL_STYLE, c.controlVisible ? style | WS_VISIBLE : style & ~WS_VISIBLE);
    skin::LayoutScrollOverlays(list, std::nullopt, std::nullopt, c.show);
    EXPECT_EQ(visible(), c.expected);
  }
  EXPECT_EQ(skin::HasAnyScrollStyle(list), 1);
  EXPECT_EQ(skin::HasAnyScrollStyle(frame), 0);
}

TEST_F(ScrollOverlayTest, HitTestsReadThePaintedRectanglesEdgesIncluded) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 120, "Edit", kMultiLine | WS_VSCROLL | WS_HSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  skin::EditRecord& record = Edit(1);
  const RECT v = ScreenRect(record.vScrollOverlay);
  // Overlapping rectangles: the end arrow is tested before the thumb.
  record.vScrollParts = {RECT{1, 1, 15, 17}, RECT{1, 80, 15, 96}, RECT{1, 60, 15, 90}};
  struct Case {
    int x, y;
    ScrollBarPart expected;
  };
  for (const Case& c : {Case{1, 1, ScrollBarPart::StartArrow}, Case{15, 17, ScrollBarPart::StartArrow},
                        Case{16, 17, ScrollBarPart::None}, Case{8, 18, ScrollBarPart::None},
                        Case{8, 60, ScrollBarPart::Thumb}, Case{8, 85, ScrollBarPart::EndArrow},
                        Case{15, 96, ScrollBarPart::EndArrow}, Case{0, 30, ScrollBarPart::None}}) {
    EXPECT_EQ(skin::HitTestVScroll(edit, ScreenPoint(v.left + c.x, v.top + c.y)), c.expected)
        << c.x << "," << c.y;
  }

  // The horizontal painter's end arrow stops at W - 4.
  const RECT h = ScreenRect(record.hScrollOverlay);
  const int width = h.right - h.left;
  const int height = h.bottom - h.top;
  skin::CachedDc dc = skin::CreateDibDc({0, 0, width, height});
  SCROLLBARINFO info{};
  info.dxyLineButton = 17;
  info.xyThumbTop = 30;
  info.xyThumbBottom = 60;
  skin::DrawHScrollBar(dc.get(), width, height, info, {0xFFFFFF, 160}, ScrollBarPart::None, record.hScrollParts);
  dc.reset();
  const int y = h.top + height / 2;
  EXPECT_EQ(skin::HitTestHScroll(edit, ScreenPoint(h.left + width - 4, y)), ScrollBarPart::EndArrow);
  EXPECT_EQ(skin::HitTestHScroll(edit, ScreenPoint(h.left + width - 3, y)), ScrollBarPart::None);
  EXPECT_EQ(skin::HitTestHScroll(edit, ScreenPoint(h.left + 40, y)), ScrollBarPart::Thumb);
  EXPECT_EQ(skin::HitTestHScroll(edit, ScreenPoint(h.left + 17, y)), ScrollBarPart::StartArrow);
}

TEST_F(ScrollOverlayTest, PaintingStoresThePartsTheControlReports) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 150, "Edit", kMultiLine | WS_VSCROLL | WS_HSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line of text that is long enough to scroll sideways\r\n";
  SetWindowTextA(edit, text.c_str());
  skin::PaintVScrollBar(edit);
  skin::PaintHScrollBar(edit);

  SCROLLBARINFO v{}, h{};
  v.cbSize = h.cbSize = sizeof v;
  GetScrollBarInfo(edit, OBJID_VSCROLL, &v);
  GetScrollBarInfo(edit, OBJID_HSCROLL, &h);
  const RECT vo = ScreenRect(Edit(1).vScrollOverlay);
  const RECT ho = ScreenRect(Edit(1).hScrollOverlay);
  const int vw = vo.right - vo.left, vh = vo.bottom - vo.top;
  const int hw = ho.right - ho.left, hh = ho.bottom - ho.top;
  // Expectations come from the values read: Wine reports the thumb length
  // where Windows reports the arrow size.
  ASSERT_GE(v.dxyLineButton, 1);
  ASSERT_GE(v.xyThumbBottom - v.xyThumbTop, 1);
  const skin::ScrollPartRects vExpected = {RECT{1, 1, vw - 2, 17}, RECT{1, vh - 17, vw - 2, vh - 1},
                                           RECT{1, v.xyThumbTop, v.dxyLineButton + 1, v.xyThumbBottom}};
  const skin::ScrollPartRects hExpected = {RECT{1, 1, 17, hh - 2}, RECT{hw - 17, 1, hw - 4, hh - 1},
                                           RECT{h.xyThumbTop, 1, h.xyThumbBottom, h.dxyLineButton + 1}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(EqualRect(&Edit(1).vScrollParts[i], &vExpected[i])) << "vertical part " << i;
    EXPECT_TRUE(EqualRect(&Edit(1).hScrollParts[i], &hExpected[i])) << "horizontal part " << i;
  }

  // The bar's image went into the host's composition at the overlay's place.
  const RECT frameRect = ScreenRect(frame);
  const int x = vo.left - frameRect.left + vw / 2;
  const int y = vo.top - frameRect.top + vh / 2;
  EXPECT_NE(Rgb(Record().compositionDc.get(), x, y), 0u);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ScrollOverlayTest, AControlWhosePropertiesNameAnotherRecordIsNotPainted) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 150, "Edit", kMultiLine | WS_VSCROLL);
  TestWindow impostor = MakeChild(frame, 250, 30, 200, 150, "Edit", kMultiLine | WS_VSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  // The impostor claims the first edit's record.
  skin::prop::Write(impostor, skin::prop::kIndex, 1);
  const skin::ScrollPartRects before = Edit(1).vScrollParts;
  skin::PaintVScrollBar(impostor, ScrollBarPart::Thumb);
  EXPECT_TRUE(EqualRect(&before[2], &Edit(1).vScrollParts[2]));
  EXPECT_EQ(skin::HitTestVScroll(impostor, 0), ScrollBarPart::None);
  skin::prop::Write(impostor, skin::prop::kHostIndex, 99);
  skin::PaintVScrollBar(impostor);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

// A bar of 17 x 200 over black, thumb from 40 to 80.
class BarPixelsTest : public ::testing::Test {
 protected:
  static constexpr int kW = 17, kH = 200;
  void SetUp() override { info.dxyLineButton = 17, info.xyThumbTop = 40, info.xyThumbBottom = 80; }
  void TearDown() override { dc.reset(); }

  bool Paint(skin::BarTint tint, ScrollBarPart hot = ScrollBarPart::None) {
    dc = skin::CreateDibDc({0, 0, kW, kH});
    return skin::DrawVScrollBar(dc.get(), kW, kH, info, tint, hot, parts);
  }
  std::uint32_t At(int x, int y) { return Rgb(dc.get(), x, y); }

  quillora_test::EngineDefaults settings;
  SCROLLBARINFO info{};
  skin::ScrollPartRects parts{};
  skin::CachedDc dc;
};

TEST_F(BarPixelsTest, TheTrackIsTintedThenLightenedAlongX) {
  ASSERT_TRUE(Paint({0xFFFFFF, 160}));
  // At x = 8 the track's gradient runs at about 40 + 40 * 8.5 / 17.
  const std::uint32_t tinted = Blend(0, kWhiteRgb, 160);
  EXPECT_TRUE(NearRgb(At(8, 120), Blend(tinted, kWhiteRgb, 60), 5));
  EXPECT_GT(At(15, 120) & 0xFF, At(1, 120) & 0xFF) << "lighter towards the right";

  ASSERT_TRUE(Paint({0x0000FF, 255}));  // the control's own tint: red
  const std::uint32_t pixel = At(8, 120);
  EXPECT_TRUE(NearRgb(pixel, Blend(0xFF0000, kWhiteRgb, 60), 5));
}

TEST_F(BarPixelsTest, TheThumbIsDrawnOnlyOnAnAvailableBar) {
  ASSERT_TRUE(Paint({0xFFFFFF, 160}));
  EXPECT_FALSE(NearRgb(At(8, 60), At(8, 120), 4)) << "thumb";
  const RECT thumb{1, 40, 18, 80};
  EXPECT_TRUE(EqualRect(&parts[2], &thumb));

  info.rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
  ASSERT_TRUE(Paint({0xFFFFFF, 160}));
  EXPECT_TRUE(NearRgb(At(8, 60), At(8, 120), 1)) << "no thumb on an unavailable bar";
}

TEST_F(BarPixelsTest, TheHotStartArrowIsFilledUnlessTheBarIsUnavailable) {
  ASSERT_TRUE(Paint({0xFFFFFF, 160}));
  const std::uint32_t idle = At(3, 14);
  ASSERT_TRUE(Paint({0xFFFFFF, 160}, ScrollBarPart::StartArrow));
  const std::uint32_t hot = At(3, 14);
  EXPECT_GT(hot & 0xFF, (idle & 0xFF) + 40) << std::hex << hot << " vs " << idle;

  info.rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
  ASSERT_TRUE(Paint({0xFFFFFF, 160}, ScrollBarPart::StartArrow));
  EXPECT_TRUE(NearRgb(At(3, 14), idle, 1));
}

TEST_F(BarPixelsTest, AVerticalBarWithoutThumbIsLeftAloneAHorizontalOneIsNot) {
  info.xyThumbBottom = info.xyThumbTop;
  parts[0] = RECT{7, 7, 7, 7};
  EXPECT_FALSE(Paint({0xFFFFFF, 160}));
  EXPECT_EQ(At(8, 120), 0u);
  EXPECT_EQ(parts[0].left, 7) << "the rectangles keep their last values";

  const skin::CachedDc horizontal = skin::CreateDibDc({0, 0, 200, 17});
  skin::DrawHScrollBar(horizontal.get(), 200, 17, info, {0xFFFFFF, 160}, ScrollBarPart::None, parts);
  EXPECT_NE(Rgb(horizontal.get(), 100, 8), 0u);
}

TEST(ScrollArrowsTest, EachArrowIsAFourteenPixelChevronOfTwentyFourPixels) {
  struct Case {
    const char* name;
    rt::ByteArray png;
    std::uint32_t colour;
  };
  const Case cases[] = {{"up", skin::ScrollArrowUp(), 0xFF98C1D6}, {"down", skin::ScrollArrowDown(), 0xFF98C1D6},
                        {"left", skin::ScrollArrowLeft(), 0xFF98C1D6},
                        {"right", skin::ScrollArrowRight(), 0xFF8CB6CC}};
  gdip::GdipBitmap left, right;
  left.CreateFromStream(skin::ScrollArrowLeft());
  right.CreateFromStream(skin::ScrollArrowRight());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gdip::GdipBitmap image;
    ASSERT_TRUE(image.CreateFromStream(c.png));
    ASSERT_EQ(image.GetWidth(), 14u);
    ASSERT_EQ(image.GetHeight(), 14u);
    int opaque = 0;
    for (int y = 0; y < 14; ++y) {
      for (int x = 0; x < 14; ++x) {
        const std::uint32_t pixel = image.GetPixel(x, y);
        if (pixel >> 24 == 0) continue;
        EXPECT_EQ(pixel, c.colour) << x << "," << y;
        ++opaque;
      }
    }
    EXPECT_EQ(opaque, 24);
  }
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 14; ++x) EXPECT_EQ(left.GetPixel(x, y) >> 24, right.GetPixel(13 - x, y) >> 24);

  gdip::GdipBitmap up;
  up.CreateFromStream(skin::ScrollArrowUp());
  EXPECT_EQ(up.GetPixel(6, 4) >> 24, 255u);
  EXPECT_EQ(up.GetPixel(5, 4) >> 24, 0u);
  EXPECT_EQ(up.GetPixel(2, 8) >> 24, 255u);
  EXPECT_EQ(up.GetPixel(6, 8) >> 24, 0u);
}

// A control's chevrons are decoded once and kept in its skinned window's
// record; a control outside any skinned window gets its own for the paint.
// Either way the bar looks the same.
TEST_F(ScrollOverlayTest, ChevronsAreKeptInTheWindowsRecordAndDrawnTheSame) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 150, "Edit", kMultiLine | WS_VSCROLL);
  const skin::ChevronPicture first(edit, skin::Chevron::Up);
  const skin::ChevronPicture again(edit, skin::Chevron::Up);
  const skin::ChevronPicture down(edit, skin::Chevron::Down);
  ASSERT_NE(first.get(), nullptr);
  EXPECT_EQ(first.get(), again.get()) << "kept, not decoded again";
  EXPECT_NE(first.get(), down.get());
  EXPECT_EQ(first.get(), Record().keptPictures[0].Get(skin::ScrollArrowUp()));

  const skin::ChevronPicture loose(nullptr, skin::Chevron::Up);
  ASSERT_NE(loose.get(), nullptr);
  EXPECT_NE(loose.get(), first.get());

  SCROLLBARINFO info{};
  info.dxyLineButton = 17;
  info.xyThumbTop = 30;
  info.xyThumbBottom = 60;
  info.rgstate[0] = 0;
  skin::ScrollPartRects parts{};
  auto draw = [&](HWND control) {
    skin::CachedDc dc = skin::CreateDibDc({0, 0, 17, 196});
    skin::DrawVScrollBar(dc.get(), 17, 196, info, {0xFFFFFF, 160}, ScrollBarPart::None, parts, control);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 196; ++y)
      for (int x = 0; x < 17; ++x) pixels.push_back(Rgb(dc.get(), x, y));
    return pixels;
  };
  const std::vector<std::uint32_t> kept = draw(edit);
  EXPECT_EQ(kept, draw(nullptr));
  // The up chevron is drawn: its opaque pixel at (6, 4) of the 14 x 14
  // picture lands inside the top arrow button.
  EXPECT_NE(kept[static_cast<std::size_t>((1 + 2 + 4) * 17 + 1 + 6)], kept[static_cast<std::size_t>(8 * 17 + 1)]);
}

}  // namespace

namespace {

// A bar repainted in a state it was painted in before copies its kept
// image: whatever the bars went through, each paint leaves the pixels and
// part rectangles a fresh paint leaves.
TEST_F(ScrollOverlayTest, KeptBarImagesAreTheFreshPaints) {
  TestWindow edit = MakeChild(frame, 30, 30, 200, 150, "Edit", kMultiLine | WS_VSCROLL | WS_HSCROLL);
  skin::SkinEditControls(windowIndex, frame);
  std::string text;
  for (int i = 0; i < 60; ++i) text += "line of text that is long enough to scroll sideways\r\n";
  SetWindowTextA(edit, text.c_str());
  ScrollBarPart hot = ScrollBarPart::None;
  const RECT frameRect = ScreenRect(frame);
  const auto placeOf = [&](HWND overlay) {
    RECT r = ScreenRect(overlay);
    OffsetRect(&r, -frameRect.left, -frameRect.top);
    return r;
  };

  struct Case {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Case> cases = {
      {"first paint", [] {}},
      {"hot thumb", [&] { hot = ScrollBarPart::Thumb; }},
      {"hot start arrow", [&] { hot = ScrollBarPart::StartArrow; }},
      {"hot end arrow", [&] { hot = ScrollBarPart::EndArrow; }},
      {"nothing hot", [&] { hot = ScrollBarPart::None; }},
      {"scrolled down", [&] { SendMessageA(edit, EM_LINESCROLL, 0, 20); }},
      {"scrolled right", [&] { SendMessageA(edit, EM_LINESCROLL, 30, 0); }},
      {"disabled", [&] { EnableScrollBar(edit, SB_BOTH, ESB_DISABLE_BOTH); }},
      {"enabled", [&] { EnableScrollBar(edit, SB_BOTH, ESB_ENABLE_BOTH); }},
      {"hot thumb again", [&] { hot = ScrollBarPart::Thumb; }},
      {"the control's own tint",
       [&] {
         skin::prop::Write(edit, skin::prop::kTintColour, 0x0000FF);
         skin::prop::Write(edit, skin::prop::kTintAlpha, 90);
       }},
      {"another accent", [] { skin::AccentColour = 0x2040C0; }},
      {"another global alpha", [&] {
         skin::prop::Write(edit, skin::prop::kTintColour, 0);
         skin::prop::Write(edit, skin::prop::kTintAlpha, 0);
         skin::GlobalAlpha = 100;
       }},
      {"another background under the bars",
       [&] {
         DibPixels pixels(Record().backgroundDc.get());
         for (int y = 0; y < kHeight; ++y)
           for (int x = 0; x < kWidth; ++x) pixels.at(x, y) ^= 0x00204080u;
       }},
      {"one background pixel under each bar",
       [&] {
         DibPixels pixels(Record().backgroundDc.get());
         const RECT v = placeOf(Edit(1).vScrollOverlay), h = placeOf(Edit(1).hScrollOverlay);
         pixels.at(v.left + 3, v.bottom - 30) ^= 1u;
         pixels.at(h.right - 30, h.top + 3) ^= 1u;
       }},
      {"taller and wider", [&] { SetWindowPos(edit, nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.apply();
    for (const bool vertical : {true, false}) {
      SCOPED_TRACE(vertical ? "vertical" : "horizontal");
      const HWND overlay = vertical ? Edit(1).vScrollOverlay : Edit(1).hScrollOverlay;
      const RECT place = placeOf(overlay);
      EXPECT_TRUE(quillora_test::KeptPaintsAreFresh(
          [&] {
            quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
            vertical ? skin::PaintVScrollBar(edit, hot) : skin::PaintHScrollBar(edit, hot);
          },
          [&] { (vertical ? Edit(1).vScrollImage : Edit(1).hScrollImage).Forget(); },
          [&] {
            std::vector<std::uint32_t> shown = quillora_test::AreaPixels(Record().compositionDc.get(), place);
            for (const RECT& r : vertical ? Edit(1).vScrollParts : Edit(1).hScrollParts)
              shown.insert(shown.end(), {std::uint32_t(r.left), std::uint32_t(r.top), std::uint32_t(r.right),
                                         std::uint32_t(r.bottom)});
            return shown;
          }));
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
