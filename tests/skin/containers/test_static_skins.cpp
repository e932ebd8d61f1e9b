// The static skin: what the installer takes and how, the blank-text test,
// the procedure's answers, and the painting of text, icon and bitmap
// statics on a shown dialog-like window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/containers/static_skins.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr std::uint32_t kGrey = 0x808080;

LONG_PTR ProcOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }
INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

RECT PlaceInParent(HWND hwnd) { return skin::GetRectInParentClient(hwnd); }

class StaticSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    skin::SkinChildControls = 1;
  }
  skin::StaticRecord& Static(HWND hwnd) {
    return Record().statics.At(skin::FindStaticRecord(windowIndex, hwnd));
  }
};

TEST_F(StaticSkinTest, KindAndPlacementFromTheStyleBits) {
  struct Case {
    const char* what;
    DWORD style;
    skin::StaticKind kind;
    skin::ImagePlacement placement;
  };
  const Case cases[] = {
      {"left text", SS_LEFT, skin::StaticKind::Text, skin::ImagePlacement::TopLeft},
      {"text keeps placement 0", SS_LEFT | SS_CENTERIMAGE, skin::StaticKind::Text, skin::ImagePlacement::TopLeft},
      {"etched line", SS_ETCHEDHORZ, skin::StaticKind::Text, skin::ImagePlacement::TopLeft},
      {"icon", SS_ICON, skin::StaticKind::Icon, skin::ImagePlacement::TopLeft},
      {"black frame has the icon bits", SS_BLACKFRAME, skin::StaticKind::Icon, skin::ImagePlacement::TopLeft},
      {"stretched icon", SS_ICON | SS_REALSIZECONTROL, skin::StaticKind::Icon, skin::ImagePlacement::Stretched},
      {"bitmap", SS_BITMAP, skin::StaticKind::Bitmap, skin::ImagePlacement::TopLeft},
      {"centred bitmap", SS_BITMAP | SS_CENTERIMAGE | SS_RIGHTJUST, skin::StaticKind::Bitmap,
       skin::ImagePlacement::Centred},
      {"right-justified bitmap", SS_BITMAP | SS_RIGHTJUST, skin::StaticKind::Bitmap,
       skin::ImagePlacement::RightJustified},
      {"enhanced metafile has the icon bits", SS_ENHMETAFILE, skin::StaticKind::Icon, skin::ImagePlacement::TopLeft},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow s = MakeChild(frame, 10, 10, 60, 30, "Static", WS_CHILD | WS_VISIBLE | c.style);
    const LONG_PTR native = ProcOf(s);
    skin::SkinStatics(windowIndex, frame, 9, 14);
    ASSERT_GT(skin::FindStaticRecord(windowIndex, s), 0);
    EXPECT_EQ(Static(s).kind, c.kind);
    EXPECT_EQ(Static(s).imagePlacement, c.placement);
    EXPECT_EQ(ProcOf(s), reinterpret_cast<LONG_PTR>(skin::StaticSkinProc));
    EXPECT_EQ(Prop(s, skin::prop::kOldProc), native);
    EXPECT_EQ(Static(s).oldProc, reinterpret_cast<WNDPROC>(native));
    EXPECT_EQ(Prop(s, skin::prop::kHostIndex), windowIndex);
    EXPECT_EQ(Prop(s, skin::prop::kIndex), skin::FindStaticRecord(windowIndex, s));
    EXPECT_FALSE(Static(s).font.face.empty());
  }
}

TEST_F(StaticSkinTest, TextStaticsGrowOnceAndOtherStaticsNotAtAll) {
  TestWindow text = MakeChild(frame, 20, 30, 100, 16);
  TestWindow icon = MakeChild(frame, 200, 30, 32, 32, "Static", WS_CHILD | WS_VISIBLE | SS_ICON);
  // A scroll-bar overlay is a "Static" of another skin.
  TestWindow overlay = MakeChild(frame, 300, 30, 17, 80);
  skin::prop::Write(overlay, skin::prop::kOldProc, ProcOf(overlay));
  const RECT iconBefore = PlaceInParent(icon);

  skin::SkinChildControls = 0;
  skin::SkinStatics(windowIndex, frame, 9, 14);
  EXPECT_EQ(skin::FindStaticRecord(windowIndex, text), 0);
  skin::SkinChildControls = 1;
  skin::SkinStatics(windowIndex, frame, 9, 14);
  skin::SkinStatics(windowIndex, frame, 9, 14);

  EXPECT_EQ(Record().statics.Count(), 2) << "each static registered once; the overlay left alone";
  const RECT r = PlaceInParent(text);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right - r.left, 109);
  EXPECT_EQ(r.bottom - r.top, 30);
  const RECT iconAfter = PlaceInParent(icon);
  EXPECT_TRUE(EqualRect(&iconBefore, &iconAfter));
  EXPECT_EQ(skin::FindStaticRecord(windowIndex, overlay), 0);
  EXPECT_NE(ProcOf(overlay), reinterpret_cast<LONG_PTR>(skin::StaticSkinProc));
  EXPECT_EQ(skin::FindStaticRecord(windowIndex + 5, text), 0);
}

TEST_F(StaticSkinTest, BlankTextIsSpacesAndWholeFullWidthSpacesOnly) {
  struct Case {
    const char* text;
    bool blank;
  };
  const Case cases[] = {
      {"", true},
      {"   ", true},
      {"\xA1\xA1", true},             // one full-width space
      {" \xA1\xA1  \xA1\xA1", true},  // mixed
      {"a", false},
      {"确定", false},
      {"\xA1 \xA1", false},      // a lead byte and its trail, then a lone lead byte
      {"\xA1\xA1\xA1", false},   // a full-width space and a lone lead byte
      {"\xB0\xA1\xA1\xA1", false},  // "啊" then a full-width space
      {"\xA1\xB0\xA1\xA1", false},  // A1 A1 across two characters is no space
  };
  for (const Case& c : cases) EXPECT_EQ(skin::IsBlankStaticText(c.text), c.blank) << '"' << c.text << '"';
}

TEST_F(StaticSkinTest, ProcedureAnswersAndPassesOn) {
  TestWindow s = MakeChild(frame, 10, 10, 100, 20);
  skin::SkinStatics(windowIndex, frame);
  skin::prop::Write(s, skin::prop::kTextColour, 0x112233);
  skin::prop::Write(s, skin::prop::kDisabledTextColour, 0x445566);
  const HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, 0x000001);
  EXPECT_EQ(SendMessageA(s, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0x000001)
      << "the erase answers the text colour it replaced";
  EXPECT_EQ(GetTextColor(dc), 0x112233u);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EnableWindow(s, FALSE);
  SendMessageA(s, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetTextColor(dc), 0x445566u);
  DeleteDC(dc);

  SetWindowTextA(s, "新文字");
  char text[32] = {};
  GetWindowTextA(s, text, sizeof text);
  EXPECT_STREQ(text, "新文字") << "the saved procedure stores the text";

  // A window whose properties name another static's record is not painted.
  TestWindow impostor = MakeChild(frame, 10, 40, 100, 20);
  const LONG_PTR native = ProcOf(impostor);
  skin::prop::Write(impostor, skin::prop::kOldProc, native);
  skin::prop::Write(impostor, skin::prop::kHostIndex, windowIndex);
  skin::prop::Write(impostor, skin::prop::kIndex, 1);
  SetWindowLongPtrA(impostor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skin::StaticSkinProc));
  SetWindowTextA(impostor, "别的");
  GetWindowTextA(impostor, text, sizeof text);
  EXPECT_STREQ(text, "别的");
  skin::PaintStatic(windowIndex, 9);  // outside the list: nothing

  // The brush a host left on the static goes with it.
  const HBRUSH brush = CreateSolidBrush(0x123456);
  const HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  skin::prop::WriteHandle(s, skin::prop::kCtlColourBrush, brush);
  skin::prop::WriteHandle(s, skin::prop::kCtlColourBitmap, bitmap);
  s = TestWindow();
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

// Statics paint onto themselves only: these tests read the shown window.
class ShownStaticTest : public StaticSkinTest {
 protected:
  bool FrameShown() const override { return true; }
  void SetUp() override {
    StaticSkinTest::SetUp();
    quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
  }
  static COLORREF Pixel(HWND hwnd, int x, int y) {
    rt::WindowDc dc(hwnd);
    return GetPixel(dc.get(), x, y);
  }
  static void Repaint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
};

TEST_F(ShownStaticTest, TextBlankTextIconAndBitmapStatics) {
  TestWindow text = MakeChild(frame, 20, 20, 160, 20);
  SetWindowTextA(text, "安装程序将继续");
  TestWindow blank = MakeChild(frame, 20, 60, 100, 20);
  SetWindowTextA(blank, " \xA1\xA1 ");
  TestWindow notBlank = MakeChild(frame, 20, 100, 100, 20);
  SetWindowTextA(notBlank, "\xA1 \xA1");
  TestWindow icon = MakeChild(frame, 220, 20, 48, 48, "Static", WS_CHILD | WS_VISIBLE | SS_ICON);
  const HICON owned = CopyIcon(LoadIconA(nullptr, IDI_INFORMATION));
  SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(owned), 0);
  SetWindowPos(icon, nullptr, 0, 0, 48, 48, SWP_NOMOVE | SWP_NOZORDER);  // the static fitted itself to the icon

  // A 10 x 10 red bitmap in 40 x 30 statics at each placement.
  const HDC screen = GetDC(nullptr);
  const HBITMAP red = CreateCompatibleBitmap(screen, 10, 10);
  ReleaseDC(nullptr, screen);
  {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, red);
    const RECT all{0, 0, 10, 10};
    const HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  struct Placement {
    DWORD style;
    POINT redAt, greyAt;
  };
  const Placement placements[] = {
      {0, {3, 3}, {30, 25}},
      {SS_CENTERIMAGE, {20, 15}, {3, 3}},
      {SS_RIGHTJUST, {36, 26}, {3, 3}},
      {SS_REALSIZECONTROL, {3, 26}, {-1, -1}},
  };
  std::vector<TestWindow> bitmaps;
  int x = 300;
  for (const Placement& p : placements) {
    bitmaps.push_back(MakeChild(frame, x, 20, 40, 30, "Static", WS_CHILD | WS_VISIBLE | SS_BITMAP | p.style));
    SendMessageA(bitmaps.back(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red));
    SetWindowPos(bitmaps.back(), nullptr, 0, 0, 40, 30, SWP_NOMOVE | SWP_NOZORDER);
    x += 50;
  }

  skin::SkinStatics(windowIndex, frame, 9, 14);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  int black = 0, white = 0, other = 0;
  for (int y = 0; y < 34; ++y)
    for (int px = 0; px < 169; ++px) {
      const COLORREF c = Pixel(text, px, y);
      if (GetRValue(c) < 0x30 && GetGValue(c) < 0x30 && GetBValue(c) < 0x30) ++black;
      else if (GetRValue(c) > 0xC0 && GetGValue(c) > 0xC0 && GetBValue(c) > 0xC0) ++white;
      else if (c != RGB(0x80, 0x80, 0x80)) ++other;
    }
  EXPECT_GT(black, 20) << "black text; other pixels " << other;
  EXPECT_GT(white, 20) << "a white halo around it";

  EXPECT_EQ(Pixel(blank, 50, 10), GetSysColor(COLOR_BTNFACE)) << "a blank text is painted by the static itself";
  EXPECT_EQ(Pixel(notBlank, 50, 10), RGB(0x80, 0x80, 0x80)) << "A1 20 A1 is text: painted over the skin";

  for (int i = 0; i < 50; ++i) Repaint(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(owned, &info)) << "the static's icon stays valid";
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(Pixel(icon, 44, 44), RGB(0x80, 0x80, 0x80)) << "unstretched: the skin right of and below the icon";

  for (std::size_t i = 0; i < bitmaps.size(); ++i) {
    SCOPED_TRACE(i);
    const Placement& p = placements[i];
    EXPECT_EQ(Pixel(bitmaps[i], p.redAt.x, p.redAt.y), RGB(255, 0, 0));
    if (p.greyAt.x >= 0) {
      EXPECT_EQ(Pixel(bitmaps[i], p.greyAt.x, p.greyAt.y), RGB(0x80, 0x80, 0x80));
    }
  }
  bitmaps.clear();
  icon = TestWindow();
  DestroyIcon(owned);
  DeleteObject(red);
}

}  // namespace
