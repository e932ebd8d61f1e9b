// The end of a window's skin: tooltip tools, cached DCs and a dialog's own
// background DC released, the saved procedure back, the record removed and
// every remaining window and listed control renumbered.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/frames/main_frame_proc.h"
#include "skin/frames/main_window_skin.h"
#include "skin/frames/skin_release.h"
#include "tests/skin/frames/frame_test_windows.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::MakeFramePopup;
using quillora_test::Recorded;
using quillora_test::RecordedMessages;
using quillora_test::RecordingProc;
using quillora_test::SkinTableGuard;
using quillora_test::TestWindow;

INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

// A skinned frame with one control of every listed kind, overlays and a
// common control included; the controls are kept to read their properties.
struct SkinnedFrame {
  TestWindow window;
  std::vector<TestWindow> controls;  // "Hw_FuID" carriers
  TestWindow common;                 // the "Kj_FuID" carrier
  int index = 0;

  HWND Child() {
    controls.push_back(MakeChild(window, 0, 0, 10, 10));
    return controls.back();
  }
};

void Build(SkinnedFrame& f) {
  f.window = MakeFramePopup(300, 200, WS_MINIMIZEBOX);
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  skin::SkinMainWindow(f.window, s);
  f.index = skin::FindSkinWindow(f.window);
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(f.index);
  const int i = f.index;

  const int list = ListControl(r.listControls, f.Child(), i);
  r.listControls.At(list).vScrollOverlay = f.Child();
  r.listControls.At(list).hScrollOverlay = f.Child();
  ListControl(r.buttons, f.Child(), i);
  ListControl(r.buttons, f.Child(), i);
  const int edit = ListControl(r.edits, f.Child(), i);
  r.edits.At(edit).vScrollOverlay = f.Child();
  r.edits.At(edit).hScrollOverlay = f.Child();
  ListControl(r.combos, f.Child(), i);
  ListControl(r.headers, f.Child(), i);
  ListControl(r.upDowns, f.Child(), i);
  ListControl(r.trackbars, f.Child(), i);
  ListControl(r.progressBars, f.Child(), i);
  ListControl(r.containers, f.Child(), i);
  ListControl(r.statics, f.Child(), i);
  ListControl(r.labels, f.Child(), i);
  f.common = MakeChild(f.window, 0, 0, 10, 10);
  ListControl(r.controls, f.common, i, true);
  // Scroll overlays carry the host index as the installers give it.
  for (HWND overlay : {r.listControls.At(list).vScrollOverlay, r.listControls.At(list).hScrollOverlay,
                       r.edits.At(edit).vScrollOverlay, r.edits.At(edit).hScrollOverlay}) {
    skin::prop::Write(overlay, skin::prop::kHostIndex, i);
  }
}

void ExpectIndexed(const SkinnedFrame& f, int index) {
  EXPECT_EQ(skin::FindSkinWindow(f.window), index);
  EXPECT_EQ(Prop(f.window, skin::prop::kIndex), index);
  for (const TestWindow& control : f.controls) {
    EXPECT_EQ(Prop(control, skin::prop::kHostIndex), index);
  }
  EXPECT_EQ(Prop(f.common, skin::prop::kControlHostIndex), index);
  EXPECT_EQ(Prop(f.common, skin::prop::kHostIndex), 0);
}

class SkinReleaseTest : public ::testing::Test {
 protected:
  SkinTableGuard guard_;
};

TEST_F(SkinReleaseTest, DestroyingTheFirstWindowRenumbersTheOthersAndTheirControls) {
  SkinnedFrame a, b, c;
  Build(a);
  Build(b);
  Build(c);
  ASSERT_EQ(skin::SkinWindowTable.Count(), 3);
  ExpectIndexed(c, 3);

  TestWindow gone = std::move(a.window);
  gone = TestWindow();  // destroys the first frame
  ASSERT_EQ(skin::SkinWindowTable.Count(), 2);
  {
    SCOPED_TRACE("second");
    ExpectIndexed(b, 1);
  }
  {
    SCOPED_TRACE("third");
    ExpectIndexed(c, 2);
  }
  EXPECT_EQ(skin::SkinWindowTable.At(1).hwnd, b.window.get());

  b.window = TestWindow();
  c.window = TestWindow();
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
}

TEST_F(SkinReleaseTest, AWindowNotInTheTableOnlyRewritesTheProperties) {
  SkinnedFrame a, b;
  Build(a);
  Build(b);
  skin::prop::Write(b.window, skin::prop::kIndex, 7);
  skin::prop::Write(b.controls[0], skin::prop::kHostIndex, 9);
  const HWND tip = skin::SkinWindowTable.At(1).tooltip.GetWindow();
  TestWindow stranger = MakeFramePopup(50, 50);

  skin::ReleaseWindowSkin(stranger);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 2);
  ExpectIndexed(a, 1);
  ExpectIndexed(b, 2);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(GetWindowLongPtrA(a.window, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(&skin::MainFrameProc));
}

TEST_F(SkinReleaseTest, ToolsGoButTheTooltipWindowStays) {
  SkinnedFrame a;
  Build(a);
  const HWND tip = skin::SkinWindowTable.At(1).tooltip.GetWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  a.window = TestWindow();
  EXPECT_TRUE(IsWindow(tip));
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(SkinReleaseTest, TheSavedProcedureIsBackAndHearsTheWindowsEnd) {
  TestWindow window = MakeFramePopup(300, 200, WS_MINIMIZEBOX);
  skin::SkinMainWindow(window);
  skin::ReleaseWindowSkin(window);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);

  // Destroyed while skinned, the window's own procedure still gets
  // WM_NCDESTROY, after the release.
  TestWindow second = MakeFramePopup(300, 200);
  skin::SkinMainWindow(second);
  RecordedMessages.clear();
  second = TestWindow();
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
  EXPECT_EQ(Recorded(WM_NCDESTROY).size(), 1u);
}

// The tips subclass the window too; it must still reach its own procedure
// once the skin is gone.
TEST_F(SkinReleaseTest, WithTooltipsTheWindowsOwnProcedureStillHearsIt) {
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  TestWindow live = MakeFramePopup(300, 200, WS_MINIMIZEBOX);
  skin::SkinMainWindow(live, s);
  skin::ReleaseWindowSkin(live);
  RecordedMessages.clear();
  SendMessageA(live, WM_USER + 5, 1, 2);
  EXPECT_EQ(Recorded(WM_USER + 5).size(), 1u);

  TestWindow window = MakeFramePopup(300, 200, WS_MINIMIZEBOX);
  skin::SkinMainWindow(window, s);
  RecordedMessages.clear();
  window = TestWindow();
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
  EXPECT_EQ(Recorded(WM_NCDESTROY).size(), 1u);
}

TEST_F(SkinReleaseTest, TheRecordsCachedDcsAreReleased) {
  const std::size_t before = skin::DcCache.size();
  TestWindow window = MakeFramePopup(300, 200);
  skin::SkinMainWindow(window);
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  const RECT area{0, 0, 30, 20};
  r.backgroundDc = skin::CreateDibDc(area);
  r.captionDc = skin::CreateDibDc(area);
  r.bottomDc = skin::CreateDibDc(area);
  r.compositionDc = skin::CreateDibDc(area);
  ASSERT_EQ(skin::DcCache.size(), before + 4);
  window = TestWindow();
  EXPECT_EQ(skin::DcCache.size(), before);
}

TEST_F(SkinReleaseTest, ADialogsOwnBackgroundDcIsDeletedWithItsBitmap) {
  TestWindow dialog = MakeFramePopup(100, 80);
  quillora_test::AddSkinWindow(dialog);
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 20, 20);
  const HGDIOBJ displaced = SelectObject(dc, bitmap);
  // The dialog hands its DC to the cache, which then owns DC and bitmap.
  ASSERT_TRUE(skin::RegisterCachedDc(dc, bitmap, displaced));
  r.backgroundDc = skin::CachedDc::Adopt(dc);
  skin::prop::WriteHandle(dialog, skin::prop::kDialogBitmap, bitmap);
  skin::prop::WriteHandle(dialog, skin::prop::kDialogPaintObject, displaced);
  const std::size_t cached = skin::DcCache.size() - 1;

  skin::ReleaseWindowSkin(dialog);
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_NE(GetObjectType(displaced), 0u);  // the DC's stock bitmap
  EXPECT_EQ(skin::DcCache.size(), cached);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
}

TEST_F(SkinReleaseTest, AnEditsHandedBrushAndBitmapAreDeleted) {
  TestWindow window = MakeFramePopup(300, 200);
  skin::SkinMainWindow(window);
  skin::SkinWindowRecord& r = skin::SkinWindowTable.At(1);
  TestWindow edit = MakeChild(window, 0, 0, 50, 20, "Edit");
  ListControl(r.edits, edit, 1);
  const HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 8, 8);
  const HBRUSH brush = CreatePatternBrush(bitmap);
  skin::prop::WriteHandle(edit, skin::prop::kCtlColourBitmap, bitmap);
  skin::prop::WriteHandle(edit, skin::prop::kCtlColourBrush, brush);

  skin::ReleaseWindowSkin(window);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(Prop(edit, skin::prop::kCtlColourBrush), reinterpret_cast<INT_PTR>(brush));
}

}  // namespace
