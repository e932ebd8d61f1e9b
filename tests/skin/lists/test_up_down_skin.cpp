// The up-down skin: the installer, which half a point is in, when the
// procedure repaints, what it answers itself, and the painted halves.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/list_installers.h"
#include "skin/lists/up_down_skin.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/kept_image_checks.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr std::uint32_t kMarker = 0x123456;

std::vector<UINT> seen;
WNDPROC nativeUpDown = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  seen.push_back(message);
  return CallWindowProcA(nativeUpDown, hwnd, message, wParam, lParam);
}

struct Channels {
  int r, g, b;
};
Channels Split(std::uint32_t dib) { return {int((dib >> 16) & 0xFF), int((dib >> 8) & 0xFF), int(dib & 0xFF)}; }

// Up-down controls at (40, 40) of the frame, skinned; the first one's
// native procedure sits behind the recorder.
class UpDownSkinTest : public quillora_test::ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
  }
  HWND Make(int width, int height, DWORD style = 0, bool recorded = false) {
    controls.push_back(MakeChild(frame, 40 + 60 * static_cast<int>(controls.size()), 40, width, height,
                                 UPDOWN_CLASSA, WS_CHILD | WS_VISIBLE | style));
    const HWND control = controls.back();
    if (recorded) {
      nativeUpDown = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
    }
    return control;
  }
  void SkinAll() {
    skin::SkinUpDowns(windowIndex, frame);
    quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, kMarker);
    seen.clear();
  }
  std::uint32_t At(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return quillora_test::Rgb(Record().compositionDc.get(), origin.x + x, origin.y + y);
  }
  void Mark() { quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, kMarker); }
  bool Repainted(HWND control) { return At(control, 5, 5) != kMarker; }

  quillora_test::EngineDefaults settings;
  std::vector<TestWindow> controls;
};

TEST_F(UpDownSkinTest, TheInstallerTakesEachControlOnce) {
  const HWND vertical = Make(20, 40);
  const HWND horizontal = Make(40, 20, UDS_HORZ);
  const auto native = GetWindowLongPtrA(vertical, GWLP_WNDPROC);
  skin::SkinUpDowns(windowIndex, frame);
  skin::SkinUpDowns(windowIndex, frame);  // a second run skips listed controls
  ASSERT_EQ(Record().upDowns.Count(), 2);
  const skin::UpDownRecord& first = Record().upDowns.At(1);
  EXPECT_EQ(first.hwnd, vertical);
  EXPECT_EQ(first.horizontal, 0);
  EXPECT_EQ(Record().upDowns.At(2).horizontal, 1);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(first.oldProc), native);
  EXPECT_EQ(skin::prop::Read(vertical, skin::prop::kOldProc), native);
  EXPECT_EQ(skin::prop::Read(horizontal, skin::prop::kIndex), 2);
  EXPECT_EQ(skin::prop::Read(horizontal, skin::prop::kHostIndex), windowIndex);
  EXPECT_EQ(GetWindowLongPtrA(vertical, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::UpDownSkinProc));
  SendMessageA(vertical, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // passed on once, not to itself

  skin::SkinChildControls = 0;
  Make(20, 40);
  skin::SkinUpDowns(windowIndex, frame);
  EXPECT_EQ(Record().upDowns.Count(), 2);
}

TEST_F(UpDownSkinTest, HitTestSplitsAtTheTruncatedMiddle) {
  Make(20, 20);
  Make(20, 21);
  Make(40, 20, UDS_HORZ);
  SkinAll();
  struct Case {
    int record, x, y, half;
  };
  const Case cases[] = {
      {1, 5, 10, 0}, {1, 5, 11, 1}, {1, 5, 0, 0}, {1, 5, -3, 0},  // 20 high: the middle line is the first half
      {2, 5, 10, 0}, {2, 5, 11, 1},                               // 21 high splits at 10 too
      {3, 20, 5, 0}, {3, 21, 5, 1}, {3, 25, 0, 1}, {3, -4, 5, 0},  // horizontal: by x
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.record << ": " << c.x << "," << c.y);
    EXPECT_EQ(skin::HitTestUpDown(windowIndex, c.record, MAKELPARAM(c.x, c.y)), c.half);
  }
}

TEST_F(UpDownSkinTest, TheMouseRepaintsOncePerChangeOfHalf) {
  const HWND control = Make(20, 40, 0, true);
  SkinAll();
  struct Move {
    int y;
    bool repaint;
  };
  const Move moves[] = {{5, true}, {8, false}, {15, false}, {30, true}, {35, false}, {2, true}};
  for (const Move& m : moves) {
    SCOPED_TRACE(m.y);
    Mark();
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, m.y));
    EXPECT_EQ(Repainted(control), m.repaint);
  }
  EXPECT_EQ(Record().hotKind, skin::HotKind::UpDown);
  EXPECT_EQ(Record().upDowns.At(1).hover, 1);
  // A press is stored, not painted: the pressed look comes with the next paint.
  Mark();
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 30));
  EXPECT_FALSE(Repainted(control));
  EXPECT_EQ(Record().upDowns.At(1).pressed, 1);
  SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 30));
  Mark();
  SendMessageA(control, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(Repainted(control));
  EXPECT_EQ(Record().upDowns.At(1).hover, 0);
  EXPECT_EQ(Record().lastHot, 0);
  for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSELEAVE}) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), message), seen.end()) << "passed on: " << message;
  }
}

TEST_F(UpDownSkinTest, NonClientPaintAndErasingAreAnsweredByTheSkin) {
  const HWND control = Make(20, 40, WS_BORDER, true);
  SkinAll();
  EXPECT_EQ(SendMessageA(control, WM_NCPAINT, 1, 0), 1);
  HDC dc = GetDC(control);
  EXPECT_EQ(SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(control, dc);
  EXPECT_TRUE(seen.empty());
}

TEST_F(UpDownSkinTest, TheHotHalfHasAnAccentOutlineAndTheUpperHalfIsWhiterOnTop) {
  const HWND control = Make(20, 40);
  SkinAll();
  // Normal look: the first half (alpha 60 at its top) is whiter than the
  // second (alpha 20); the accent's red is low, so whiter is redder.
  skin::PaintUpDown(windowIndex, 1, 0, 0);
  const Channels top = Split(At(control, 2, 2)), lower = Split(At(control, 2, 22));
  EXPECT_GT(top.r, lower.r + 4);
  const Channels calmEdge = Split(At(control, 0, 10));
  EXPECT_LT(calmEdge.b - calmEdge.r, 80);

  skin::PaintUpDown(windowIndex, 1, 1, 0, MAKELPARAM(5, 5));  // hover over the first half
  const Channels hotEdge = Split(At(control, 0, 10)), otherEdge = Split(At(control, 0, 30));
  EXPECT_GT(hotEdge.b - hotEdge.r, 100) << "accent outline";
  EXPECT_LT(otherEdge.b - otherEdge.r, 80);

  // A paint not caused by the mouse takes the hot half from the last
  // button message; pressed, that half runs from accent to white.
  Record().upDowns.At(1).hover = 1;
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 30));
  skin::PaintUpDown(windowIndex, 1);
  const Channels pressedEdge = Split(At(control, 0, 30)), firstEdge = Split(At(control, 0, 10));
  EXPECT_GT(pressedEdge.b - pressedEdge.r, 100);
  EXPECT_LT(firstEdge.b - firstEdge.r, 80);
  const Channels pressedTop = Split(At(control, 2, 22)), pressedBottom = Split(At(control, 2, 37));
  EXPECT_LT(pressedTop.r, pressedBottom.r) << "accent at the top, white at the bottom";
  SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 30));
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(UpDownSkinTest, AControlWhosePropertiesNameNoRecordIsPassedOn) {
  const HWND control = Make(20, 40, 0, true);
  SkinAll();
  skin::prop::Write(control, skin::prop::kIndex, 5);
  SendMessageA(control, WM_NCPAINT, 1, 0);
  SendMessageA(control, WM_PAINT, 0, 0);
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_NCPAINT)), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_PAINT)), seen.end());
  EXPECT_FALSE(Repainted(control));
}

// An up-down repainted in a state it was painted in before copies its
// kept image: whatever it went through, each paint leaves what a fresh
// paint leaves.
TEST_F(UpDownSkinTest, KeptImagesAreTheFreshPaints) {
  const HWND vertical = Make(20, 40);
  const HWND horizontal = Make(40, 20, UDS_HORZ);
  SkinAll();
  int hover = 0, pressed = 0;
  LPARAM position = MAKELPARAM(5, 5);
  struct Case {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Case> cases = {
      {"idle", [] {}},
      {"hover over the first half", [&] { hover = 1; }},
      {"hover over the second half", [&] { position = MAKELPARAM(30, 30); }},
      {"pressed in the second half", [&] { pressed = 1; }},
      {"pressed in the first half", [&] { position = MAKELPARAM(5, 5); }},
      {"pressed, no hover", [&] { hover = 0; }},
      {"idle, the mouse elsewhere", [&] {
         pressed = 0;
         position = MAKELPARAM(30, 30);
       }},
      {"another accent", [] { skin::AccentColour = 0x2040C0; }},
      {"hover again", [&] { hover = 1; }},
      {"another background",
       [&] { quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x405060); }},
      {"one background pixel changed", [&] {
         for (HWND control : {vertical, horizontal}) {
           POINT at{3, 3};
           MapWindowPoints(control, frame, &at, 1);
           quillora_test::DibPixel(Record().backgroundDc.get(), at.x, at.y) ^= 1u;
         }
       }},
      {"larger", [&] {
         SetWindowPos(vertical, nullptr, 0, 0, 24, 50, SWP_NOMOVE | SWP_NOZORDER);
         SetWindowPos(horizontal, nullptr, 0, 0, 50, 24, SWP_NOMOVE | SWP_NOZORDER);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.apply();
    for (int index : {1, 2}) {
      SCOPED_TRACE(index == 1 ? "vertical" : "horizontal");
      const HWND control = Record().upDowns.At(index).hwnd;
      RECT place{};
      GetWindowRect(control, &place);
      MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&place), 2);
      EXPECT_TRUE(quillora_test::KeptPaintsAreFresh(
          [&] {
            Mark();
            skin::PaintUpDown(windowIndex, index, hover, pressed, position);
          },
          [&] { Record().upDowns.At(index).image.Forget(); },
          [&] { return quillora_test::AreaPixels(Record().compositionDc.get(), place); }));
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
