// The edit procedure (what it answers, what it passes on, the record flags
// and hot tracking it keeps) and the edit painters' pixels: the frame ring
// in each look, the client keyed out of the composition, the background.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "skin/core/client_area.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_painters.h"
#include "skin/lists/edit_skin.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/kept_image_checks.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::Blend;
using quillora_test::DibRgb;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr std::uint32_t kBackgroundRgb = 0x306090;
constexpr int kVScrollResult = 77;

// The procedure the skin replaced: it notes every message and answers
// scrolls itself, everything else through the edit's own procedure.
std::vector<UINT> seen;
WNDPROC nativeEdit = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  seen.push_back(message);
  if (message == WM_VSCROLL || message == WM_HSCROLL) return kVScrollResult;
  return CallWindowProcA(nativeEdit, hwnd, message, wParam, lParam);
}

bool Seen(UINT message) {
  for (UINT m : seen)
    if (m == message) return true;
  return false;
}

// A 429 x 24 edge-bordered edit at (40, 40) of the frame, over a flat
// background, whose previous procedure is the recorder.
class EditSkinTest : public quillora_test::ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, kBackgroundRgb);
    edit = MakeChild(frame, 40, 40, 429, 24, "Edit", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    nativeEdit = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
    skin::SkinEditControls(windowIndex, frame);
    ASSERT_EQ(skin::prop::Read(edit, skin::prop::kOldProc), reinterpret_cast<INT_PTR>(Recorder));
    seen.clear();
  }

  skin::EditRecord& EditRecord() { return Record().edits.At(1); }
  // A composition pixel of the edit at (x, y) of its window.
  std::uint32_t Ring(int x, int y) { return Rgb(Record().compositionDc.get(), 40 + x, 40 + y); }

  quillora_test::EngineDefaults settings;
  TestWindow edit;
};

TEST_F(EditSkinTest, MessagesAnsweredAndPassedOn) {
  struct Case {
    UINT message;
    int transparency;
    bool passedOn;
  };
  for (const Case& c : {Case{WM_ERASEBKGND, 1, false}, Case{WM_ERASEBKGND, 0, true}, Case{WM_NCPAINT, 0, false},
                        Case{WM_NCPAINT, 1, false}, Case{WM_PAINT, 0, true}, Case{WM_SETTEXT, 0, true},
                        Case{WM_MOUSEWHEEL, 0, true}, Case{WM_WINDOWPOSCHANGING, 0, true},
                        Case{WM_NCMOUSEMOVE, 0, true}}) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message << ", mode " << c.transparency);
    skin::TransparencyMode = c.transparency;
    seen.clear();
    HDC dc = GetDC(edit);
    WPARAM wParam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(dc) : 1;
    LPARAM lParam = c.message == WM_SETTEXT ? reinterpret_cast<LPARAM>("text") : 0;
    WINDOWPOS pos{};
    pos.flags = SWP_NOMOVE | SWP_NOSIZE;
    if (c.message == WM_WINDOWPOSCHANGING) lParam = reinterpret_cast<LPARAM>(&pos);
    const LRESULT result = SendMessageA(edit, c.message, wParam, lParam);
    ReleaseDC(edit, dc);
    EXPECT_EQ(Seen(c.message), c.passedOn);
    if (c.message == WM_ERASEBKGND && c.transparency) {
      EXPECT_EQ(result, 1);
    }
    if (c.message == WM_NCPAINT) {
      EXPECT_EQ(result, DefWindowProcA(edit, WM_NCPAINT, 0xFFFFFFFF, 0));
    }
  }
}

TEST_F(EditSkinTest, ScrollsReturnWhatThePreviousProcedureAnswered) {
  EXPECT_EQ(SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0), kVScrollResult);
  EXPECT_EQ(SendMessageA(edit, WM_HSCROLL, SB_LINERIGHT, 0), kVScrollResult);
  EXPECT_TRUE(Seen(WM_VSCROLL));
  EXPECT_TRUE(Seen(WM_HSCROLL));
}

TEST_F(EditSkinTest, FlagsFollowFocusAndTheButton) {
  SendMessageA(edit, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(EditRecord().focused, 1);
  EXPECT_TRUE(NearRgb(Ring(0, 12), Blend(kWhiteRgb, DibRgb(skin::AccentColour), 180)))
      << "the focus look is painted as soon as the focus arrives";
  SendMessageA(edit, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(EditRecord().focused, 0);
  SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(EditRecord().buttonHeld, 1);
  SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(EditRecord().buttonHeld, 0);
  EXPECT_TRUE(Seen(WM_SETFOCUS) && Seen(WM_KILLFOCUS) && Seen(WM_LBUTTONDOWN) && Seen(WM_LBUTTONUP));
}

TEST_F(EditSkinTest, HotTrackingDrawsTheHoverLookOnceAndALeaveClearsIt) {
  Record().hotKind = skin::HotKind::Button;
  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Record().hot, 1);
  EXPECT_EQ(Record().lastHot, 1);
  EXPECT_EQ(Record().hotKind, skin::HotKind::Edit);
  EXPECT_EQ(Record().hotEditParent, frame.get());
  EXPECT_TRUE(NearRgb(Ring(1, 12), Blend(kWhiteRgb, DibRgb(skin::AccentColour), 180))) << "hover look";

  // A second move within the edit draws nothing new.
  quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0);
  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  EXPECT_EQ(Ring(1, 12), 0u);

  SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().lastHot, 0);
  EXPECT_TRUE(NearRgb(Ring(1, 12), kWhiteRgb)) << "drawn again without hover";
}

TEST_F(EditSkinTest, TheBrushPairGoesWithTheEdit) {
  HBRUSH brush = CreateSolidBrush(0x123456);
  HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 4, 4);
  skin::prop::WriteHandle(edit, skin::prop::kCtlColourBrush, brush);
  skin::prop::WriteHandle(edit, skin::prop::kCtlColourBitmap, bitmap);
  DestroyWindow(edit);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(EditSkinTest, AnEditWhosePropertiesNameAnotherRecordIsPassedOnUnpainted) {
  TestWindow impostor = MakeChild(frame, 40, 100, 200, 24, "Edit", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
  nativeEdit = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(impostor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skin::EditSkinProc)));
  skin::prop::Write(impostor, skin::prop::kHostIndex, windowIndex);
  skin::prop::Write(impostor, skin::prop::kIndex, 1);  // the first edit's record
  skin::prop::WriteHandle(impostor, skin::prop::kOldProc, Recorder);
  quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0);
  seen.clear();
  SendMessageA(impostor, WM_NCPAINT, 1, 0);
  SendMessageA(impostor, WM_SETFOCUS, 0, 0);
  EXPECT_TRUE(Seen(WM_NCPAINT)) << "passed on, not answered";
  EXPECT_EQ(EditRecord().focused, 0) << "the other edit's record is left alone";
  EXPECT_EQ(Rgb(Record().compositionDc.get(), 40, 112), 0u);
  DestroyWindow(impostor);
}

TEST(BorderKindTest, StylesGiveTheirBorderClass) {
  struct Case {
    DWORD style, exStyle;
    skin::BorderKind expected;
  };
  TestWindow top = quillora_test::MakePopup(0, 0, 100, 100, nullptr, WS_POPUP);
  for (const Case& c : {Case{0, 0, skin::BorderKind::None}, Case{WS_BORDER, 0, skin::BorderKind::Line},
                        Case{WS_BORDER, WS_EX_CLIENTEDGE, skin::BorderKind::Line},
                        Case{0, WS_EX_CLIENTEDGE, skin::BorderKind::Edge},
                        Case{0, WS_EX_DLGMODALFRAME, skin::BorderKind::Edge},
                        Case{0, WS_EX_STATICEDGE, skin::BorderKind::None}}) {
    TestWindow w = MakeChild(top, 0, 0, 50, 20, "Static", WS_CHILD);
    SetWindowLongPtrA(w, GWL_STYLE, WS_CHILD | c.style);
    SetWindowLongPtrA(w, GWL_EXSTYLE, c.exStyle);
    EXPECT_EQ(skin::GetBorderKind(w), c.expected) << std::hex << c.style << " " << c.exStyle;
  }
}

TEST_F(EditSkinTest, TheRingShowsEachLook) {
  const std::uint32_t accent = DibRgb(skin::AccentColour);
  struct Case {
    const char* name;
    int transparency, focused, hover;
    std::uint32_t edge, inner;  // at x = 0 and x = 1 of the ring
  };
  const std::uint32_t tinted = Blend(kBackgroundRgb, kWhiteRgb, 160);
  for (const Case& c : {Case{"idle", 0, 0, 0, Blend(kWhiteRgb, 0, 80), kWhiteRgb},
                        Case{"focused", 0, 1, 0, Blend(kWhiteRgb, accent, 180), kWhiteRgb},
                        Case{"hovered", 0, 0, 1, Blend(kWhiteRgb, accent, 90), Blend(kWhiteRgb, accent, 180)},
                        Case{"idle, translucent", 1, 0, 0, Blend(tinted, 0, 80), tinted}}) {
    SCOPED_TRACE(c.name);
    skin::TransparencyMode = c.transparency;
    skin::PaintEditFrame(edit, c.focused, c.hover);
    EXPECT_TRUE(NearRgb(Ring(0, 12), c.edge));
    EXPECT_TRUE(NearRgb(Ring(1, 12), c.inner));
    if (c.hover) {
      EXPECT_TRUE(NearRgb(Ring(427, 12), Blend(kWhiteRgb, accent, 180))) << "inner right edge";
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(EditSkinTest, ALineBorderNeverShowsTheHoverRectangles) {
  SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | WS_BORDER);
  SetWindowLongPtrA(edit, GWL_EXSTYLE, 0);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  ASSERT_EQ(skin::GetBorderKind(edit), skin::BorderKind::Line);
  skin::PaintEditFrame(edit, 0, 1);
  EXPECT_TRUE(NearRgb(Ring(0, 12), Blend(kWhiteRgb, 0, 80)));
}

TEST_F(EditSkinTest, TheClientIsKeyedOutOfTheComposition) {
  quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
  skin::PaintEditFrame(edit);
  const RECT client = skin::GetClientRectInWindow(edit);
  EXPECT_EQ(Ring(client.left + 5, client.top + 5), 0x123456u);
  EXPECT_EQ(Ring((client.left + client.right) / 2, (client.top + client.bottom) / 2), 0x123456u);
  EXPECT_NE(Ring(0, 12), 0x123456u);
}

TEST_F(EditSkinTest, TheBackgroundIsTheHostsUnderTheTint) {
  const RECT client = skin::GetClientRectInWindow(edit);
  const int width = client.right - client.left, height = client.bottom - client.top;
  struct Case {
    const char* name;
    std::optional<int> alpha;
    INT_PTR colour, colourAlpha, alternative;
    std::uint32_t expected;
  };
  for (const Case& c : {Case{"default", std::nullopt, 0, 0, 0, Blend(kBackgroundRgb, kWhiteRgb, 160)},
                        Case{"given alpha", 100, 0, 0, 0, Blend(kBackgroundRgb, kWhiteRgb, 100)},
                        Case{"own tint", std::nullopt, 0x0000FF, 255, 0, 0xFF0000},
                        Case{"alternative tint", std::nullopt, 0x0000FF, 255, 1, 0x0000FF}}) {
    SCOPED_TRACE(c.name);
    skin::prop::Write(edit, skin::prop::kTintColour, c.colour);
    skin::prop::Write(edit, skin::prop::kTintAlpha, c.colourAlpha);
    skin::prop::Write(edit, skin::prop::kAltTint, c.alternative);
    skin::prop::Write(edit, skin::prop::kAltTintColour, 0xFF0000);
    skin::prop::Write(edit, skin::prop::kAltTintAlpha, 255);
    const skin::CachedDc target = skin::CreateDibDc({0, 0, width, height});
    skin::PaintEditBackground(edit, target.get(), c.alpha);
    EXPECT_TRUE(NearRgb(Rgb(target.get(), width / 2, height / 2), c.expected));
  }
}

// A ring repainted in a state it was painted in before copies its kept
// image: whatever the edit went through, each paint leaves what a fresh
// paint leaves.
TEST_F(EditSkinTest, KeptRingImagesAreTheFreshPaints) {
  int focused = 0, hover = 0;
  const auto restyle = [&](LONG_PTR style, LONG_PTR exStyle) {
    SetWindowLongPtrA(edit, GWL_STYLE, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | style);
    SetWindowLongPtrA(edit, GWL_EXSTYLE, exStyle);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  };
  const auto tint = [&](INT_PTR colour, INT_PTR alpha, INT_PTR alternative) {
    skin::prop::Write(edit, skin::prop::kTintColour, colour);
    skin::prop::Write(edit, skin::prop::kTintAlpha, alpha);
    skin::prop::Write(edit, skin::prop::kAltTint, alternative);
    skin::prop::Write(edit, skin::prop::kAltTintColour, 0xFF0000);
    skin::prop::Write(edit, skin::prop::kAltTintAlpha, 200);
  };
  struct Case {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Case> cases = {
      {"idle", [] {}},
      {"focused", [&] { focused = 1; }},
      {"focused and hovered", [&] { hover = 1; }},
      {"hovered", [&] { focused = 0; }},
      {"idle again", [&] { hover = 0; }},
      {"translucent", [] { skin::TransparencyMode = 1; }},
      {"translucent, hovered", [&] { hover = 1; }},
      {"another global alpha", [] { skin::GlobalAlpha = 90; }},
      {"the edit's own tint", [&] { tint(0x0000FF, 120, 0); }},
      {"the alternative tint", [&] { tint(0x0000FF, 120, 1); }},
      {"no tint", [&] { tint(0, 0, 0); }},
      {"another accent", [] { skin::AccentColour = 0x2040C0; }},
      {"another background", [&] { quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x405060); }},
      {"one background pixel under the ring", [&] { quillora_test::DibPixel(Record().backgroundDc.get(), 41, 62) ^= 1u; }},
      {"a line border", [&] { restyle(WS_BORDER, 0); }},
      {"no border", [&] { restyle(0, 0); }},
      {"a client edge again", [&] { restyle(0, WS_EX_CLIENTEDGE); }},
      {"opaque", [] { skin::TransparencyMode = 0; }},
      {"taller and narrower", [&] { SetWindowPos(edit, nullptr, 0, 0, 300, 30, SWP_NOMOVE | SWP_NOZORDER); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.apply();
    RECT place{};
    GetWindowRect(edit, &place);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(quillora_test::KeptPaintsAreFresh(
        [&] {
          quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
          skin::PaintEditFrame(edit, focused, hover);
        },
        [&] { EditRecord().ringImage.Forget(); },
        [&] { return quillora_test::AreaPixels(Record().compositionDc.get(), place); }));
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
