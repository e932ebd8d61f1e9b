// The combo-box skin: the face of each style, the border and button looks,
// what the procedure answers itself, and the edit field's brush in
// TransparencyMode.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/combo_painter.h"
#include "skin/lists/combo_skin.h"
#include "skin/lists/edit_installers.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdi_object_count.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::Blend;
using quillora_test::DibRgb;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr std::uint32_t kMarker = 0x123456;
constexpr std::uint32_t kArrowRgb = 0x98C1D6;

std::vector<UINT> seen;
WNDPROC nativeCombo = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  seen.push_back(message);
  return CallWindowProcA(nativeCombo, hwnd, message, wParam, lParam);
}

bool Seen(UINT message) {
  for (UINT m : seen)
    if (m == message) return true;
  return false;
}

RECT RectIn(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  RECT p{};
  GetWindowRect(parent, &p);
  OffsetRect(&r, -p.left, -p.top);
  return r;
}

// A combo box at (40, 40) of the frame, skinned, with the recorder as the
// procedure the skin replaced; the composition holds a marker colour.
class ComboSkinTest : public quillora_test::ComposedFrameTest {
 protected:
  void Make(DWORD style) {
    combo = MakeChild(frame, 40, 40, 160, 150, "ComboBox", WS_CHILD | WS_VISIBLE | style);
    for (const char* item : {"alpha", "beta"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    nativeCombo = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
    skin::SkinEditControls(windowIndex, frame);
    ASSERT_EQ(skin::prop::Read(combo, skin::prop::kIndex), 1);
    GetWindowRect(combo, &window);
    OffsetRect(&window, -window.left, -window.top);
    info.cbSize = sizeof info;
    SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, kMarker);
    seen.clear();
  }
  std::uint32_t Face(int x, int y) { return Rgb(Record().compositionDc.get(), 40 + x, 40 + y); }
  int W() const { return window.right; }
  int H() const { return window.bottom; }
  // Pixels of the drawn arrow's chevron (row 5, columns 2-4 of the picture).
  std::uint32_t ArrowPixel() {
    const RECT& b = info.rcButton;
    const int x = static_cast<int>(b.left + (b.right - b.left - 14) / 2.0f) + 3;
    const int y = static_cast<int>(b.top + (b.bottom - b.top - 14) / 2.0f) + 5;
    return Face(x, y);
  }
  int DarkPixels(int left, int right) {
    int dark = 0;
    for (int y = 2; y < H() - 2; ++y)
      for (int x = left; x < right; ++x)
        if ((Face(x, y) & 0xFF) < 0x80) ++dark;
    return dark;
  }

  quillora_test::EngineDefaults settings;
  TestWindow combo;
  RECT window{};
  COMBOBOXINFO info{};
};

TEST_F(ComboSkinTest, ADropDownListShowsPlateBorderButtonAndText) {
  Make(CBS_DROPDOWNLIST);
  skin::PaintComboBox(windowIndex, 1);
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), Blend(kWhiteRgb, 0, 80))) << "border";
  EXPECT_TRUE(NearRgb(Face(info.rcButton.left - 4, 2), kWhiteRgb)) << "opaque plate";
  EXPECT_TRUE(NearRgb(ArrowPixel(), kArrowRgb)) << "the button's chevron";
  EXPECT_GT(DarkPixels(2, 60), 5) << "the selected item's text";
  for (int x = 0; x < W(); x += 7) EXPECT_NE(Face(x, H() / 2), kMarker) << "nothing keyed at " << x;
}

TEST_F(ComboSkinTest, ADropDownKeysItsEditFieldAndDrawsNoText) {
  Make(CBS_DROPDOWN);
  const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(field, nullptr);
  const RECT r = RectIn(combo, field);
  skin::PaintComboBox(windowIndex, 1);
  EXPECT_EQ(Face((r.left + r.right) / 2, (r.top + r.bottom) / 2), kMarker);
  EXPECT_EQ(Face(r.left + 1, r.top + 1), kMarker);
  EXPECT_TRUE(NearRgb(ArrowPixel(), kArrowRgb));
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), Blend(kWhiteRgb, 0, 80)));
}

TEST_F(ComboSkinTest, ASimpleComboKeysItsChildrenDrawsTheSeparatorAndNoButton) {
  Make(CBS_SIMPLE);
  const HWND list = info.hwndList;
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(GetParent(list), combo.get());
  const RECT l = RectIn(combo, list);
  skin::PaintComboBox(windowIndex, 1);
  EXPECT_EQ(Face(l.left + 5, l.top + 5), kMarker) << "list keyed";
  EXPECT_NE(Face(l.left + 1, (l.top + l.bottom) / 2), kMarker) << "its 2-pixel edge stays painted";
  EXPECT_TRUE(NearRgb(Face(10, l.top - 1), Blend(kWhiteRgb, 0, 80))) << "separator";
  int chevron = 0;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) chevron += NearRgb(Face(x, y), kArrowRgb, 8) ? 1 : 0;
  EXPECT_EQ(chevron, 0) << "no drop button";
}

TEST_F(ComboSkinTest, HoverAndFocusTurnTheBorderToTheAccent) {
  Make(CBS_DROPDOWNLIST);
  const std::uint32_t accent = Blend(kWhiteRgb, DibRgb(skin::AccentColour), 200);
  skin::PaintComboBox(windowIndex, 1, 1);
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), accent));
  EXPECT_TRUE(NearRgb(Face(info.rcButton.left, (info.rcButton.top + info.rcButton.bottom) / 2),
                      Blend(kWhiteRgb, DibRgb(skin::AccentColour), 200)))
      << "the hovered button's outline";
  skin::PaintComboBox(windowIndex, 1, 0, 1);
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), accent));
  skin::PaintComboBox(windowIndex, 1, 0, 0);
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), Blend(kWhiteRgb, 0, 80)));
}

TEST_F(ComboSkinTest, PaintsAreAnsweredByTheSkin) {
  Make(CBS_DROPDOWNLIST);
  SendMessageA(combo, WM_PAINT, 0, 0);
  EXPECT_FALSE(Seen(WM_PAINT));
  EXPECT_TRUE(NearRgb(Face(0, H() / 2), Blend(kWhiteRgb, 0, 80)));
  EXPECT_EQ(SendMessageA(combo, WM_NCPAINT, 1, 0), DefWindowProcA(combo, WM_NCPAINT, 0xFFFFFFFF, 0));
  EXPECT_FALSE(Seen(WM_NCPAINT));
  HDC dc = GetDC(combo);
  EXPECT_EQ(SendMessageA(combo, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(combo, dc);
  EXPECT_FALSE(Seen(WM_ERASEBKGND));
  EXPECT_EQ(SendMessageA(combo, CB_RESETCONTENT, 0, 0), 0);
  EXPECT_TRUE(Seen(CB_RESETCONTENT));
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboSkinTest, LosingTheFocusToItsOwnFieldDropsTheAccentBorder) {
  skin::TransparencyMode = 1;
  Make(CBS_DROPDOWN);
  const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  SendMessageA(combo, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(Record().combos.At(1).focused, 1);
  const std::uint32_t focusedBorder = Face(0, H() / 2);
  SendMessageA(combo, WM_KILLFOCUS, reinterpret_cast<WPARAM>(field), 0);
  EXPECT_EQ(Record().combos.At(1).focused, 0);
  EXPECT_TRUE(Seen(WM_KILLFOCUS));
  EXPECT_NE(Face(0, H() / 2), focusedBorder) << "repainted without the focus";
}

TEST_F(ComboSkinTest, InTransparencyModeTheFieldGetsAFreshBrushEachTime) {
  skin::TransparencyMode = 1;
  Make(CBS_DROPDOWN);
  const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  HDC dc = GetDC(field);
  const auto answer = [&] {
    return reinterpret_cast<HBRUSH>(
        SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));
  };
  const HBRUSH first = answer();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(skin::prop::ReadHandle<HBRUSH>(field, skin::prop::kCtlColourBrush), first);
  const auto firstBitmap = skin::prop::ReadHandle<HBITMAP>(field, skin::prop::kCtlColourBitmap);
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  const HBRUSH second = answer();
  EXPECT_EQ(skin::prop::ReadHandle<HBRUSH>(field, skin::prop::kCtlColourBrush), second);
  EXPECT_EQ(GetObjectType(first), 0u) << "the previous brush is deleted";
  EXPECT_EQ(GetObjectType(firstBitmap), 0u) << "and its bitmap";
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_FALSE(Seen(WM_CTLCOLOREDIT));

  skin::TransparencyMode = 0;
  answer();
  EXPECT_TRUE(Seen(WM_CTLCOLOREDIT)) << "passed on outside TransparencyMode";
  EXPECT_EQ(skin::prop::ReadHandle<HBRUSH>(field, skin::prop::kCtlColourBrush), second);
  ReleaseDC(field, dc);
}

// The combo box colours its field in TransparencyMode whether or not the
// field has a skin of its own (it has none when the mode came on after the
// combo box was skinned): the pair it hands the field goes with the combo
// box, however often one is made and taken down.
TEST_F(ComboSkinTest, TheFieldsBrushGoesWithTheComboBox) {
  for (const int modeWhenSkinned : {1, 0}) {
    SCOPED_TRACE(modeWhenSkinned ? "field skinned too" : "field without a skin");
    const auto round = [&] {
      skin::TransparencyMode = modeWhenSkinned;
      combo = MakeChild(frame, 40, 40, 160, 150, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN);
      skin::SkinEditControls(windowIndex, frame);
      ASSERT_NE(skin::prop::Read(combo, skin::prop::kIndex), 0) << "skinned";
      skin::TransparencyMode = 1;
      const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
      ASSERT_NE(field, nullptr);
      SendMessageA(field, WM_PAINT, 0, 0);
      ASSERT_NE(skin::prop::Read(field, skin::prop::kCtlColourBrush), 0) << "the field asked for its colours";
      combo = TestWindow();
    };
    // A first round lets the skin make what it keeps for good.
    round();
    const DWORD before = quillora_test::GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
      round();
      if (HasFatalFailure()) return;
    }
    EXPECT_EQ(quillora_test::GdiObjectCount(), before);
  }
}

TEST_F(ComboSkinTest, AComboWhosePropertiesNameAnotherRecordIsPassedOn) {
  Make(CBS_DROPDOWNLIST);
  skin::prop::Write(combo, skin::prop::kIndex, 2);
  SendMessageA(combo, WM_PAINT, 0, 0);
  EXPECT_TRUE(Seen(WM_PAINT));
  EXPECT_EQ(Face(0, H() / 2), kMarker);
}

}  // namespace
