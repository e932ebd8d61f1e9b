// The label skin (installer, procedure, painter) and the redraw test it
// shares with the control skin.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "skin/containers/control_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kGrey = 0x808080;

LRESULT CALLBACK ForeignProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class LabelSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    Fill(Record().compositionDc.get(), kWidth, kHeight, 0);
  }

  TestWindow AddLabel(int x, int y, int width, int height, const char* text = "") {
    TestWindow label = MakeChild(frame, x, y, width, height);
    SetWindowTextA(label, text);
    return label;
  }

  skin::LabelRecord& Label(HWND label) {
    return Record().labels.At(static_cast<int>(skin::prop::Read(label, skin::prop::kIndex)));
  }

  std::uint32_t At(int x, int y) { return Rgb(Record().compositionDc.get(), x, y); }

  // Pixels of the composition image inside the rectangle that differ from
  // the background, and the rows they span.
  struct Ink {
    int count = 0;
    int top = 1 << 30;
    int bottom = -1;
  };
  Ink InkIn(const RECT& r, std::uint32_t background = kGrey) {
    Ink ink;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) != background) {
          ++ink.count;
          ink.top = std::min(ink.top, y);
          ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
  }
};

TEST_F(LabelSkinTest, SkinLabelDefaultsAndProperties) {
  TestWindow label = AddLabel(10, 10, 100, 20);
  const auto nativeProc = GetWindowLongPtrA(label, GWLP_WNDPROC);
  skin::SkinChildControls = 0;  // labels are skinned regardless
  EXPECT_EQ(skin::SkinLabel(label), 1);
  skin::SkinChildControls = 1;

  ASSERT_EQ(Record().labels.Count(), 1);
  const skin::LabelRecord& record = Record().labels.At(1);
  EXPECT_EQ(record.hwnd, label.get());
  EXPECT_EQ(record.textColour, 0u);
  EXPECT_EQ(record.wrap, 0);
  EXPECT_EQ(record.alignment, 0);
  EXPECT_EQ(record.lineAlignment, 1);
  EXPECT_EQ(record.font.face, rt::Text("宋体"));
  EXPECT_EQ(record.font.size, 12);
  EXPECT_EQ(record.font.style, 0);
  EXPECT_EQ(record.halo, 0);
  EXPECT_EQ(record.haloColour, static_cast<COLORREF>(-1));
  EXPECT_EQ(record.needsRepaint, 1);
  EXPECT_EQ(skin::prop::Read(label, skin::prop::kOldProc), nativeProc);
  EXPECT_EQ(skin::prop::Read(label, skin::prop::kHostIndex), windowIndex);
  EXPECT_EQ(skin::prop::Read(label, skin::prop::kIndex), 1);
  EXPECT_EQ(GetWindowLongPtrA(label, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::LabelSkinProc));

  // Given settings; a halo colour switches the halo on.
  TestWindow second = AddLabel(10, 40, 100, 20);
  EXPECT_EQ(skin::SkinLabel(second, rt::Text("黑体"), 14, 1, 0x0000FF, 0xFFFFFF, 2, 0, 1), 1);
  const skin::LabelRecord& given = Label(second);
  EXPECT_EQ(skin::prop::Read(second, skin::prop::kIndex), 2);
  EXPECT_EQ(given.font.face, rt::Text("黑体"));
  EXPECT_EQ(given.font.size, 14);
  EXPECT_EQ(given.font.style, 1);
  EXPECT_EQ(given.textColour, 0x0000FFu);
  EXPECT_EQ(given.halo, 1);
  EXPECT_EQ(given.haloColour, 0xFFFFFFu);
  EXPECT_EQ(given.alignment, 2);
  EXPECT_EQ(given.lineAlignment, 0);
  EXPECT_EQ(given.wrap, 1);
}

TEST_F(LabelSkinTest, SkinLabelTakesALabelOnceAndNeverOneOfAnotherSkinOrOutsideASkinnedWindow) {
  TestWindow label = AddLabel(10, 10, 100, 20);
  const auto nativeProc = GetWindowLongPtrA(label, GWLP_WNDPROC);
  ASSERT_EQ(skin::SkinLabel(label, std::nullopt, std::nullopt, 0, 0x0000FF), 1);
  EXPECT_EQ(skin::SkinLabel(label, std::nullopt, 20), 1);
  EXPECT_EQ(Record().labels.Count(), 1);
  EXPECT_EQ(Label(label).font.size, 12) << "the second call changes nothing";
  EXPECT_EQ(Label(label).textColour, 0x0000FFu);
  EXPECT_EQ(skin::prop::Read(label, skin::prop::kOldProc), nativeProc);

  TestWindow taken = AddLabel(10, 40, 100, 20);
  skin::prop::Write(taken, skin::prop::kOldProc, reinterpret_cast<INT_PTR>(ForeignProc));
  EXPECT_EQ(skin::SkinLabel(taken), 0);
  EXPECT_EQ(Record().labels.Count(), 1);
  EXPECT_NE(GetWindowLongPtrA(taken, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::LabelSkinProc));

  TestWindow loose = MakePopup(0, 0, 100, 100, nullptr, WS_POPUP);
  TestWindow outside = MakeChild(loose, 0, 0, 50, 20);
  EXPECT_EQ(skin::SkinLabel(outside), 0);
  EXPECT_EQ(skin::prop::Read(outside, skin::prop::kOldProc), 0);
  EXPECT_EQ(skin::prop::Read(outside, skin::prop::kHostIndex), 0);

  // A label inside a group box is skinned through the group box's window.
  TestWindow group = MakeChild(frame, 200, 200, 150, 100, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow inner = MakeChild(group, 10, 20, 100, 20);
  EXPECT_EQ(skin::SkinLabel(inner), 1);
  EXPECT_EQ(skin::prop::Read(inner, skin::prop::kHostIndex), windowIndex);
  EXPECT_EQ(Label(inner).hwnd, inner.get());
}

// One table for the label's repaint flag and for NeedsRedraw, which decides
// the erase row.
TEST_F(LabelSkinTest, RepaintFlagFollowsMovesSizesShowsAndErasesAsTheHostSays) {
  TestWindow label = AddLabel(10, 10, 100, 20);
  ASSERT_EQ(skin::SkinLabel(label), 1);
  rt::UniqueMemoryDc eraseDc(CreateCompatibleDC(nullptr));

  struct Case {
    UINT message;
    WPARAM wParam;
    int moving, sizing, active;
    int expected;  // the flag after the message, sent to a clean label
  };
  const Case cases[] = {
      {WM_MOVE, 0, 0, 0, 0, 1},        {WM_SIZE, 0, 1, 0, 0, 1},
      {WM_SHOWWINDOW, 1, 1, 0, 0, 1},  {WM_SHOWWINDOW, 0, 0, 0, 1, 0},
      {WM_SHOWWINDOW, 2, 0, 0, 1, 0},  {WM_ERASEBKGND, 0, 0, 0, 0, 0},
      {WM_ERASEBKGND, 0, 0, 0, 1, 1},  {WM_ERASEBKGND, 0, 0, 1, 0, 0},
      {WM_ERASEBKGND, 0, 0, 1, 1, 1},  {WM_ERASEBKGND, 0, 1, 0, 0, 0},
      {WM_ERASEBKGND, 0, 1, 0, 1, 0},  {WM_ERASEBKGND, 0, 1, 1, 0, 1},
      {WM_ERASEBKGND, 0, 1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message " << std::hex << c.message << " wParam " << c.wParam
                                    << " moving " << c.moving << " sizing " << c.sizing << " active "
                                    << c.active);
    Record().moving = c.moving;
    Record().sizing = c.sizing;
    Record().active = c.active;
    Label(label).needsRepaint = 0;
    const WPARAM wParam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(eraseDc.get()) : c.wParam;
    const LRESULT result = SendMessageA(label, c.message, wParam, 0);
    EXPECT_EQ(Label(label).needsRepaint, c.expected);
    if (c.message == WM_ERASEBKGND) {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(GetBkMode(eraseDc.get()), TRANSPARENT);
      EXPECT_EQ(skin::NeedsRedraw(label), c.expected);
      // A dirty label stays dirty whatever the host does.
      Label(label).needsRepaint = 1;
      SendMessageA(label, WM_ERASEBKGND, wParam, 0);
      EXPECT_EQ(Label(label).needsRepaint, 1);
    }
  }
}

TEST_F(LabelSkinTest, NeedsRedrawReadsTheChosenHostPropertyAndRefusesUnknownHosts) {
  TestWindow control = AddLabel(10, 10, 50, 20);
  Record().moving = 0;
  Record().active = 1;
  EXPECT_EQ(skin::NeedsRedraw(control), 0) << "no host property";
  skin::prop::Write(control, skin::prop::kControlHostIndex, windowIndex);
  EXPECT_EQ(skin::NeedsRedraw(control), 0);
  EXPECT_EQ(skin::NeedsRedraw(control, true), 1);
  skin::prop::Write(control, skin::prop::kHostIndex, windowIndex);
  EXPECT_EQ(skin::NeedsRedraw(control), 1);
  for (INT_PTR bad : {INT_PTR{-1}, INT_PTR{0}, INT_PTR{windowIndex + 1}}) {
    skin::prop::Write(control, skin::prop::kHostIndex, bad);
    EXPECT_EQ(skin::NeedsRedraw(control), 0) << bad;
  }
}

TEST_F(LabelSkinTest, PaintLabelDrawsTextColourIntoTheCompositionAndCleansTheRecord) {
  TestWindow label = AddLabel(20, 30, 120, 24, "安装进度安装进度");
  ASSERT_EQ(skin::SkinLabel(label, std::nullopt, std::nullopt, 0, 0x0000FF), 1);
  skin::PaintLabel(label);
  EXPECT_EQ(Label(label).needsRepaint, 0);
  int red = 0;
  for (int y = 30; y < 54; ++y)
    for (int x = 20; x < 140; ++x) {
      const std::uint32_t p = At(x, y);
      if (((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 80) ++red;
    }
  EXPECT_GT(red, 20) << "red glyph pixels for the COLORREF 0x0000FF";
  EXPECT_EQ(At(19, 40), 0u) << "nothing outside the label";
  EXPECT_EQ(At(140, 40), 0u);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);

  // A given text replaces the window text for this paint.
  skin::PaintLabel(label, rt::Text(""));
  EXPECT_EQ(InkIn({20, 30, 140, 54}).count, 0);
}

TEST_F(LabelSkinTest, OneLineIsCutWhileWrapOnBreaksIntoFurtherLines) {
  const char* text = "一二三四五六七八九十一二三四五六七八九十";
  TestWindow single = AddLabel(20, 100, 60, 60, text);
  TestWindow wrapped = AddLabel(120, 100, 60, 60, text);
  ASSERT_EQ(skin::SkinLabel(single), 1);
  ASSERT_EQ(skin::SkinLabel(wrapped, std::nullopt, std::nullopt, 0, std::nullopt, std::nullopt,
                            std::nullopt, std::nullopt, 1),
            1);
  skin::PaintLabel(single);
  skin::PaintLabel(wrapped);
  const Ink one = InkIn({20, 100, 80, 160});
  const Ink many = InkIn({120, 100, 180, 160});
  ASSERT_GT(one.count, 0);
  ASSERT_GT(many.count, 0);
  EXPECT_LT(one.bottom - one.top, 16) << "one line, centred";
  EXPECT_GT(one.top, 110);
  EXPECT_GT(many.bottom - many.top, 30) << "several lines";
}

TEST_F(LabelSkinTest, HaloDrawsAroundTheGlyphs) {
  TestWindow plain = AddLabel(20, 200, 100, 24, "安装");
  TestWindow haloed = AddLabel(200, 200, 100, 24, "安装");
  ASSERT_EQ(skin::SkinLabel(plain), 1);
  ASSERT_EQ(skin::SkinLabel(haloed, std::nullopt, std::nullopt, 0, 0, 0xFFFFFF), 1);
  skin::PaintLabel(plain);
  skin::PaintLabel(haloed);
  EXPECT_GT(InkIn({200, 200, 300, 224}).count, InkIn({20, 200, 120, 224}).count);
}

LRESULT CALLBACK NullTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(LabelSkinTest, NullSetTextPaintsTheLabelEmpty) {
  TestWindow label = AddLabel(20, 30, 120, 24, "安装安装");
  // A plain procedure beneath: it takes a null text as empty.
  SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NullTextProc));
  ASSERT_EQ(skin::SkinLabel(label), 1);
  skin::PaintLabel(label);
  ASSERT_GT(InkIn({20, 30, 140, 54}).count, 0);
  SendMessageA(label, WM_SETTEXT, 0, 0);
  EXPECT_EQ(InkIn({20, 30, 140, 54}).count, 0);
  EXPECT_EQ(Label(label).needsRepaint, 0);
}

// What the composition held, and what the window's text was, when the
// procedure beneath the skin got WM_SETTEXT.
struct SetTextSeen {
  int ink = -1;
  char windowText[32] = {};
};
SetTextSeen g_seen;
HDC g_composition = nullptr;
WNDPROC g_native = nullptr;

LRESULT CALLBACK SpyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    g_seen.ink = 0;
    for (int y = 30; y < 54; ++y)
      for (int x = 20; x < 140; ++x)
        if (Rgb(g_composition, x, y) != kGrey) ++g_seen.ink;
    GetWindowTextA(hwnd, g_seen.windowText, sizeof g_seen.windowText);
  }
  return CallWindowProcA(g_native, hwnd, message, wParam, lParam);
}

TEST_F(LabelSkinTest, SetTextIsInTheCompositionBeforeTheWindowStoresIt) {
  TestWindow label = AddLabel(20, 30, 120, 24, "");
  g_native = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyProc)));
  g_composition = Record().compositionDc.get();
  ASSERT_EQ(skin::SkinLabel(label), 1);
  skin::PaintLabel(label);
  ASSERT_EQ(InkIn({20, 30, 140, 54}).count, 0);

  SetWindowTextA(label, "安装完成");
  EXPECT_GT(g_seen.ink, 0) << "painted before the procedure beneath stored it";
  EXPECT_STREQ(g_seen.windowText, "");
  EXPECT_EQ(GetWindowTextLengthA(label), 8);
}

class ShownLabelTest : public LabelSkinTest {
 protected:
  bool FrameShown() const override { return true; }
};

TEST_F(ShownLabelTest, CleanPaintCopiesTheCompositionAndDirtyPaintDrawsAnew) {
  TestWindow label = AddLabel(20, 30, 120, 24, "安装");
  ASSERT_EQ(skin::SkinLabel(label), 1);
  UpdateWindow(frame);
  Label(label).needsRepaint = 0;
  Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
  InvalidateRect(label, nullptr, FALSE);
  UpdateWindow(label);
  rt::WindowDc screen(label);
  EXPECT_EQ(GetPixel(screen.get(), 5, 5), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetPixel(screen.get(), 100, 20), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(Label(label).needsRepaint, 0);

  Label(label).needsRepaint = 1;
  InvalidateRect(label, nullptr, FALSE);
  UpdateWindow(label);
  EXPECT_EQ(Label(label).needsRepaint, 0);
  EXPECT_EQ(At(20 + 100, 30 + 20), kGrey) << "drawn anew over the background";
  EXPECT_EQ(GetPixel(screen.get(), 100, 20), RGB(0x80, 0x80, 0x80));
}

}  // namespace

namespace {

// A text change is shown as the skin drew it: the static beneath stores
// the text but does not paint its own look over the label.
TEST_F(ShownLabelTest, SetTextLeavesTheSkinnedTextOnScreen) {
  TestWindow label = AddLabel(20, 30, 120, 24, "");
  ASSERT_EQ(skin::SkinLabel(label), 1);
  UpdateWindow(frame);
  SetWindowTextA(label, "安装完成");
  EXPECT_EQ(GetWindowTextLengthA(label), 8);
  rt::WindowDc screen(label);
  int differing = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 120; ++x) {
      const COLORREF shown = GetPixel(screen.get(), x, y);
      const std::uint32_t composed = At(20 + x, 30 + y);
      if (RGB(composed >> 16 & 0xFF, composed >> 8 & 0xFF, composed & 0xFF) != shown) ++differing;
    }
  EXPECT_EQ(differing, 0);
}

}  // namespace
