// The control skin: its installer, the flags its procedure keeps, and the
// paint path that lays a control's own painting over the tinted skin.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/fatal_error.h"
#include "skin/containers/control_skin.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/engine/control_skin_calls.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kGrey = 0x404040;

class ControlSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    savedTransparency = skin::TransparencyMode;
    skin::SkinChildControls = 1;
  }
  void TearDown() override {
    skin::TransparencyMode = savedTransparency;
    skin::SkinChildControls = 1;
    ComposedFrameTest::TearDown();
  }

  skin::ControlRecord& Control(HWND control) {
    return Record().controls.At(static_cast<int>(skin::prop::Read(control, skin::prop::kControlIndex)));
  }

  int savedTransparency = 0;
};

TEST_F(ControlSkinTest, InstallFillsTheRecordAndTakesAControlOnce) {
  TestWindow plain = MakeChild(frame, 10, 10, 80, 20);
  TestWindow keyed = MakeChild(frame, 10, 40, 80, 20);
  const LONG_PTR nativeProc = GetWindowLongPtrA(plain, GWLP_WNDPROC);

  skin::InstallControlSkin(plain);
  skin::InstallControlSkin(keyed, 0x00FF00, 0, 0, 1);
  const skin::ControlRecord& first = Control(plain);
  EXPECT_EQ(first.hwnd, plain.get());
  EXPECT_EQ(first.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(first.redraw, 0) << "only toolbars start with a redraw";
  EXPECT_EQ(first.dropFrame, 0);
  EXPECT_EQ(first.font.face, skin::kDefaultFontFace);
  EXPECT_EQ(first.font.size, skin::kDefaultFontSize);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(first.oldProc), nativeProc);
  EXPECT_EQ(skin::prop::Read(plain, skin::prop::kControlHostIndex), windowIndex);
  EXPECT_EQ(skin::prop::Read(plain, skin::prop::kControlOldProc), nativeProc);
  EXPECT_EQ(Control(keyed).background, 0x00FF00u);
  EXPECT_EQ(Control(keyed).dropFrame, 1);

  const int count = Record().controls.Count();
  skin::InstallControlSkin(plain, 0x123456);
  EXPECT_EQ(Record().controls.Count(), count);
  EXPECT_EQ(Control(plain).background, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(skin::prop::Read(plain, skin::prop::kControlOldProc), nativeProc)
      << "the procedure never saves itself";
  EXPECT_EQ(SendMessageA(plain, WM_GETTEXTLENGTH, 0, 0), 0) << "messages still reach the control";
}

TEST_F(ControlSkinTest, ProcedureWithoutItsOwnRecordPassesMessagesOn) {
  TestWindow control = MakeChild(frame, 10, 10, 80, 20);
  skin::InstallControlSkin(control);
  // The properties name another control's slot.
  TestWindow other = MakeChild(frame, 10, 40, 80, 20);
  skin::InstallControlSkin(other);
  skin::prop::Write(control, skin::prop::kControlIndex, skin::prop::Read(other, skin::prop::kControlIndex));
  SetWindowTextA(control, "abc");
  EXPECT_EQ(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0), 3);
  SendMessageA(control, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(Control(other).redraw, 0) << "another control's record is not touched";
  skin::prop::Write(control, skin::prop::kControlIndex, 99);
  EXPECT_EQ(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0), 3) << "no fatal report for an index out of range";
}

TEST_F(ControlSkinTest, MessagesSetRedrawAndHover) {
  TestWindow toolbar = MakeChild(frame, 10, 10, 200, 30, TOOLBARCLASSNAMEA,
                                 WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE);
  TestWindow other = MakeChild(frame, 10, 50, 80, 20);
  skin::SkinToolbars(windowIndex, frame);
  skin::InstallControlSkin(other);
  skin::TransparencyMode = 1;
  struct Case {
    const char* name;
    HWND control;
    UINT message;
    int redrawBefore, active, moving, sizing;
    int redraw, hover;
  };
  const Case cases[] = {
      {"mouse move", other, WM_MOUSEMOVE, 0, 0, 0, 0, 1, 1},
      {"button down", other, WM_LBUTTONDOWN, 0, 0, 0, 0, 1, 0},
      {"leave", other, WM_MOUSELEAVE, 0, 0, 0, 0, 1, 0},
      {"size of a toolbar", toolbar, WM_SIZE, 0, 0, 0, 0, 1, 0},
      {"size of another control", other, WM_SIZE, 0, 0, 0, 0, 0, 0},
      {"toolbar erase, active window", toolbar, WM_ERASEBKGND, 0, 1, 0, 0, 1, 0},
      {"toolbar erase, inactive window", toolbar, WM_ERASEBKGND, 0, 0, 0, 0, 0, 0},
      {"toolbar erase, window dragged", toolbar, WM_ERASEBKGND, 0, 1, 1, 0, 0, 0},
      {"toolbar erase, window sized", toolbar, WM_ERASEBKGND, 0, 0, 1, 1, 1, 0},
      {"toolbar erase keeps a pending redraw", toolbar, WM_ERASEBKGND, 1, 0, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skin::ControlRecord& record = Control(c.control);
    record.redraw = c.redrawBefore;
    record.hover = 0;
    Record().active = c.active;
    Record().moving = c.moving;
    Record().sizing = c.sizing;
    HDC dc = GetDC(c.control);
    const WPARAM wParam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(dc) : 0;
    const LRESULT result = SendMessageA(c.control, c.message, wParam, 0);
    if (c.message == WM_ERASEBKGND) {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
    ReleaseDC(c.control, dc);
    EXPECT_EQ(record.redraw, c.redraw);
    EXPECT_EQ(record.hover, c.hover);
  }
}

// Sums the dark pixels of a rectangle of a DC.
int DarkPixels(HDC dc, int left, int top, int right, int bottom) {
  int dark = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const std::uint32_t rgb = Rgb(dc, x, y);
      if (((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 200) ++dark;
    }
  return dark;
}

TEST_F(ControlSkinTest, StatusBarShowsTheTintedSkinAndKeepsItsText) {
  TestWindow bar = MakeChild(frame, 20, 300, 300, 24, STATUSCLASSNAMEA,
                             WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE);
  SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Quillora"));
  skin::SkinControl(bar);
  HDC composition = Record().compositionDc.get();

  skin::SkinChildControls = 0;
  SendMessageA(bar, WM_PAINT, 0, 0);
  EXPECT_EQ(Rgb(composition, 20 + 250, 300 + 12), 0u) << "painted natively, not into the skin";

  skin::SkinChildControls = 1;
  InvalidateRect(bar, nullptr, FALSE);
  SendMessageA(bar, WM_PAINT, 0, 0);
  RECT client{};
  GetClientRect(bar, &client);
  skin::CachedDc tinted = skin::MakeBackgroundDc(bar);
  ASSERT_TRUE(tinted);
  const std::uint32_t empty = Rgb(composition, 20 + 200, 300 + client.bottom / 2);
  EXPECT_EQ(empty, Rgb(tinted.get(), 200, client.bottom / 2)) << std::hex << empty;
  EXPECT_NE(empty, static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_GT(DarkPixels(composition, 20, 300, 20 + 120, 300 + client.bottom), 5) << "the caption stays";
  tinted.reset();
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ControlSkinTest, ControlWithAChildIsAlsoAContainerWhoseProcedureRunsFirst) {
  TestWindow box = MakeChild(frame, 10, 10, 200, 100, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow inner = MakeChild(box, 10, 20, 80, 20);
  skin::InstallControlSkin(box, std::nullopt, 0x00FF00, 90);
  const int container = Record().containers.Find(box);
  ASSERT_GE(container, 1);
  EXPECT_EQ(Record().containers.At(container).tintColour, 0x00FF00u);
  EXPECT_EQ(skin::prop::Read(box, skin::prop::kOldProc), reinterpret_cast<INT_PTR>(skin::ControlSkinProc))
      << "the container's procedure hands its messages to the control's";
  EXPECT_NE(GetWindowLongPtrA(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::ControlSkinProc));
}

TEST_F(ControlSkinTest, DropButtonFrameRingIsWhiteAndBoxIsDrawn) {
  TestWindow control = MakeChild(frame, 10, 10, 120, 24);
  skin::CachedDc dc = skin::CreateDibDc({0, 0, 120, 24});
  Fill(dc.get(), 120, 24, kGrey);
  skin::PaintDropButtonFrame(control, dc.get());
  EXPECT_EQ(Rgb(dc.get(), 60, 2), 0xFFFFFFu) << "the ring is keyed-out white";
  EXPECT_EQ(Rgb(dc.get(), 30, 12), kGrey) << "the inside is left";
  EXPECT_NE(Rgb(dc.get(), 120 - 18, 12), kGrey) << "the button box";
}

// A shown frame: a control of a class outside the keyed list paints on
// the screen, and its image is read back from there.
class ShownControlSkinTest : public ControlSkinTest {
 protected:
  bool FrameShown() const override { return true; }
};

TEST_F(ShownControlSkinTest, AControlOfAnotherClassDrawsItsTextOverTheSkin) {
  skin::TransparencyMode = 1;
  TestWindow rebar = MakeChild(frame, 20, 40, 200, 30, REBARCLASSNAMEA,
                               WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
  REBARBANDINFOA band{};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_TEXT | RBBIM_STYLE;
  band.fStyle = RBBS_NOGRIPPER;
  char text[] = "Quillora";
  band.lpText = text;
  SendMessageA(rebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  skin::SkinControl(rebar);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  // The band's caption lies in its left part; everything right of it and
  // below the band is the skin, never the button face.
  int skinPixels = 0, face = 0, dark = 0;
  HDC dc = GetDC(rebar);
  for (int y = 1; y < 30; ++y)
    for (int x = 0; x < 200; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (c == kGrey) ++skinPixels;
      else if (c == GetSysColor(COLOR_BTNFACE)) ++face;
      else if (x < 80 && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x30) ++dark;
    }
  ReleaseDC(rebar, dc);
  EXPECT_EQ(face, 0);
  EXPECT_GT(skinPixels, 29 * 200 * 9 / 10) << "the skin behind the band";
  EXPECT_GT(dark, 20) << "the caption's glyphs";
}

void PrintAndExit(const char* text) {
  std::fprintf(stderr, "fatal: %s\n", text);
  std::fflush(stderr);
  std::_Exit(3);
}

// The installers leave a control outside any skinned window as it is; the
// process goes on.
TEST_F(ControlSkinTest, InstallersLeaveAControlOfAnUnskinnedWindowAlone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        rt::SetFatalErrorHandler(PrintAndExit);
        TestWindow stranger(CreateWindowExA(0, "Static", "", WS_POPUP, 300, 0, 200, 100, nullptr, nullptr,
                                            GetModuleHandleA(nullptr), nullptr));
        TestWindow toolbar = MakeChild(stranger, 0, 0, 200, 30, TOOLBARCLASSNAMEA,
                                       WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE);
        TestWindow plain = MakeChild(stranger, 10, 40, 80, 20);
        const LONG_PTR toolbarProc = GetWindowLongPtrA(toolbar, GWLP_WNDPROC);
        const LONG_PTR plainProc = GetWindowLongPtrA(plain, GWLP_WNDPROC);
        const int listed = Record().controls.Count();
        skin::SkinToolbars(windowIndex, stranger);
        skin::InstallControlSkin(plain, 0x123456);
        const bool untouched = GetWindowLongPtrA(toolbar, GWLP_WNDPROC) == toolbarProc &&
                               GetWindowLongPtrA(plain, GWLP_WNDPROC) == plainProc &&
                               skin::prop::Read(toolbar, skin::prop::kCtlColourBitmap) == 0 &&
                               skin::prop::Read(plain, skin::prop::kControlIndex) == 0 &&
                               Record().controls.Count() == listed;
        if (!untouched) std::fprintf(stderr, "a control outside the skinned window was skinned\n");
        std::fflush(stderr);
        std::_Exit(untouched ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
