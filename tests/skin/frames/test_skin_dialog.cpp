// Skinned message boxes and their dialog frame, inspected from a timer that
// the box's own modal loop runs: the record and window the skin makes, the
// button layout, the shadow, the hit test and mouse handling, the frame
// picture and its repaint on a theme change, the fade-in, the close
// animation and the clean-up.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <thread>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/image_encoders.h"
#include "runtime/gdi_object.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_theme.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/dialog_fade_in.h"
#include "skin/frames/dialog_frame_proc.h"
#include "skin/frames/message_box.h"
#include "skin/frames/skin_dialog.h"
#include "tests/support/gdi_object_count.h"
#include "tests/support/skin_test_windows.h"
#include "tests/support/window_pixels.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

// ---- Visiting a box from inside its own loop --------------------------------

struct Visit {
  UINT_PTR timer = 0;
  HWND outer = nullptr;  // a box further out, not this visit's
  HWND box = nullptr;
  DWORD seenAt = 0;
  DWORD delay = 0;
  std::function<int(HWND)> inspect;  // gives the id to end the box with, 0: ends it itself
};

std::vector<Visit*> Visits;

struct FindBox {
  HWND outer;
  HWND found = nullptr;
};

BOOL CALLBACK FindBoxProc(HWND hwnd, LPARAM lParam) {
  auto* find = reinterpret_cast<FindBox*>(lParam);
  char className[16] = {};
  GetClassNameA(hwnd, className, sizeof className);
  if (hwnd != find->outer && IsWindowVisible(hwnd) && lstrcmpA(className, "#32770") == 0) {
    find->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

VOID CALLBACK VisitTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto it = std::find_if(Visits.begin(), Visits.end(), [&](Visit* v) { return v->timer == id; });
  if (it == Visits.end()) return;
  Visit& visit = **it;
  if (visit.box == nullptr) {
    FindBox find{visit.outer};
    EnumThreadWindows(GetCurrentThreadId(), FindBoxProc, reinterpret_cast<LPARAM>(&find));
    if (find.found == nullptr) return;
    visit.box = find.found;
    visit.seenAt = GetTickCount();
  }
  if (GetTickCount() - visit.seenAt < visit.delay) return;
  KillTimer(nullptr, id);
  visit.timer = 0;
  Visits.erase(it);
  const int answer = visit.inspect(visit.box);
  if (answer != 0) PostMessageA(visit.box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

// Shows a box (skinned through ShowSkinnedMessageBox, or plain) and runs
// `inspect` in its loop `delay` ms after the box is first seen; gives the
// box's result (the pressed id minus 1).
int ShowVisited(HWND owner, unsigned flags, DWORD delay, std::function<int(HWND)> inspect, bool skinned = true,
                HWND outer = nullptr, const char* text = "请确认 text") {
  Visit visit;
  visit.outer = outer;
  visit.delay = delay;
  visit.inspect = std::move(inspect);
  visit.timer = SetTimer(nullptr, 0, 10, VisitTimer);
  Visits.push_back(&visit);
  const int result = skinned ? skin::ShowSkinnedMessageBox(owner, text, flags, "标题")
                             : MessageBoxExA(owner, text, "标题", flags, 0) - 1;
  if (visit.timer != 0) {
    KillTimer(nullptr, visit.timer);
    Visits.erase(std::remove(Visits.begin(), Visits.end(), &visit), Visits.end());
  }
  return result;
}

// ---- Watching the boxes' messages ----------------------------------------

bool IsBox(HWND hwnd) {
  char className[16] = {};
  GetClassNameA(hwnd, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

struct LayeredState {
  BYTE alpha = 0xAB;
  COLORREF key = 0;
  DWORD flags = 0;
  bool layered = false;
};

LayeredState ReadLayered(HWND hwnd) {
  LayeredState s;
  s.layered = (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  GetLayeredWindowAttributes(hwnd, &s.key, &s.alpha, &s.flags);
  return s;
}

// What the hooks saw of each box.
struct BoxLog {
  std::optional<LayeredState> atFirstPaint;
  std::optional<RECT> focusedAt;  // the window rectangle when it got the focus
};

std::map<HWND, BoxLog> BoxLogs;
HHOOK PaintWatch = nullptr;
HHOOK MessageWatch = nullptr;

LRESULT CALLBACK PaintWatchProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && msg->message == WM_PAINT && IsBox(msg->hwnd) &&
      skin::prop::Read(msg->hwnd, skin::prop::kOldProc) != 0) {
    BoxLog& log = BoxLogs[msg->hwnd];
    if (!log.atFirstPaint) log.atFirstPaint = ReadLayered(msg->hwnd);
  }
  return CallNextHookEx(PaintWatch, code, wParam, lParam);
}

LRESULT CALLBACK MessageWatchProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && IsBox(msg->hwnd) && skin::prop::Read(msg->hwnd, skin::prop::kOldProc) != 0) {
    BoxLog& log = BoxLogs[msg->hwnd];
    RECT r{};
    GetWindowRect(msg->hwnd, &r);
    if (msg->message == WM_SETFOCUS && !log.focusedAt) log.focusedAt = r;
  }
  return CallNextHookEx(MessageWatch, code, wParam, lParam);
}

// The layered window moves without any message reaching it, and no message
// is processed while it animates: a thread of its own watches the box's
// rectangle, its layered attributes and its shadow meanwhile.
class StepWatcher {
 public:
  StepWatcher(HWND box, HWND shadow) : box_(box), shadow_(shadow), thread_([this] { Run(); }) {}
  ~StepWatcher() { Stop(); }

  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }

  std::vector<RECT> rects;           // each new window rectangle, in order
  bool attributesDuringSteps = false;  // an alpha was set while the steps ran
  bool shadowShownDuringSteps = false;

 private:
  void Run() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    RECT last{};
    GetWindowRect(box_, &last);
    const DWORD start = GetTickCount();
    while (!stop_ && IsWindow(box_) && GetTickCount() - start < 10000) {
      RECT r{};
      GetWindowRect(box_, &r);
      if (!EqualRect(&r, &last)) {
        rects.push_back(r);
        last = r;
        BYTE alpha = 0;
        if (GetLayeredWindowAttributes(box_, nullptr, &alpha, nullptr)) attributesDuringSteps = true;
        if (shadow_ != nullptr && IsWindowVisible(shadow_)) shadowShownDuringSteps = true;
      }
      SwitchToThread();
    }
  }

  HWND box_;
  HWND shadow_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The saved procedure of a box, replaced for a while by one that notes
// every message that reaches it.
std::vector<UINT> SavedProcMessages;
WNDPROC RealSavedProc = nullptr;

LRESULT CALLBACK NotingSavedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  SavedProcMessages.push_back(message);
  return CallWindowProcA(RealSavedProc, hwnd, message, wParam, lParam);
}

// ---- Pictures -------------------------------------------------------------

struct Rgb {
  int r, g, b;
  int Sum() const { return r + g + b; }
};

// The 32-bit pixels of the bitmap selected into a memory DC.
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
  Rgb At(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

skin::SkinWindowRecord& RecordOf(HWND box) { return skin::SkinWindowTable.At(skin::FindSkinWindow(box)); }

LPARAM ScreenPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

rt::ByteArray SolidPng(int size, std::uint32_t argb) {
  gdip::GdipBitmap bitmap;
  bitmap.Create(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) bitmap.SetPixel(x, y, argb);
  return bitmap.SaveToStream(gdip::kPngFormat);
}

class SkinDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin::InitSkinEngine(); }

  void SetUp() override {
    skin::SkinWindowTable.Clear();
    BoxLogs.clear();
    skin::ThemeColour = 0x804000;
    skin::ThemeBackground.clear();
    PaintWatch = SetWindowsHookExA(WH_GETMESSAGE, PaintWatchProc, nullptr, GetCurrentThreadId());
    MessageWatch = SetWindowsHookExA(WH_CALLWNDPROC, MessageWatchProc, nullptr, GetCurrentThreadId());
    owner = MakePopup(300, 200, 200, 100, nullptr, WS_POPUP);
  }
  void TearDown() override {
    UnhookWindowsHookEx(PaintWatch);
    UnhookWindowsHookEx(MessageWatch);
    owner = TestWindow();
    skin::SkinWindowTable.Clear();
  }

  TestWindow owner;
};

constexpr DWORD kAfterFade = 600;  // the fade takes 225 ms from the first paint

// ---- The skinned box ------------------------------------------------------

TEST_F(SkinDialogTest, BoxBecomesASkinnedLayeredFrameTenPixelsWider) {
  int plainWidth = 0;
  ShowVisited(owner, MB_OKCANCEL, 0, [&](HWND box) {
    plainWidth = WindowRect(box).right - WindowRect(box).left;
    EXPECT_EQ(skin::FindSkinWindow(box), 0);
    return IDOK;
  }, false);
  ASSERT_GT(plainWidth, 0);

  HWND seen = nullptr;
  ShowVisited(owner, MB_OKCANCEL, kAfterFade, [&](HWND box) {
    seen = box;
    EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::DialogFrameProc));
    const int index = skin::FindSkinWindow(box);
    EXPECT_GE(index, 1);
    EXPECT_EQ(skin::prop::Read(box, "Hw_lbID"), index);
    const RECT r = WindowRect(box);
    const int W = r.right - r.left, H = r.bottom - r.top;
    EXPECT_EQ(W, plainWidth + 10);
    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_STYLE) & WS_SYSMENU);

    const LayeredState after = ReadLayered(box);
    EXPECT_TRUE(after.layered);
    EXPECT_EQ(after.alpha, 240);
    EXPECT_EQ(after.key, 0xFF00FFu);
    EXPECT_EQ(after.flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));

    const rt::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(box, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the corners are rounded off";
    EXPECT_TRUE(PtInRegion(region.get(), W / 2, H / 2));

    const skin::SkinWindowRecord& record = RecordOf(box);
    EXPECT_EQ(record.captionHeight, 25);
    EXPECT_EQ(record.closeButton, 1);
    EXPECT_EQ(record.sizable, 0);
    EXPECT_EQ(record.captionButtons.size(), 1u);
    if (record.captionButtons.size() != 1) return IDOK;
    const skin::CaptionButtonRecord& close = record.captionButtons[0];
    EXPECT_EQ(close.kind, skin::CaptionButtonKind::Close);
    EXPECT_EQ(close.tooltipText, "关闭");
    EXPECT_EQ(close.width, 38);
    EXPECT_EQ(close.height, 18);
    EXPECT_FALSE(close.image.empty());
    EXPECT_EQ(close.rect.x, static_cast<float>(W - 36));
    EXPECT_EQ(close.rect.y, 2.0f);
    EXPECT_EQ(close.rect.width, 36.0f);
    EXPECT_EQ(close.rect.height, 22.0f);
    EXPECT_EQ(record.buttonsX, W - 36);
    EXPECT_EQ(record.buttonsWidth, 41);
    EXPECT_EQ(record.buttonsHeight, 22);
    EXPECT_EQ(record.buttonsY, 2);

    // The shadow: owned, the box's rectangle grown by 15, shown with it.
    const HWND shadow = record.shadowHwnd;
    EXPECT_NE(shadow, nullptr);
    char className[32] = {};
    GetClassNameA(shadow, className, sizeof className);
    EXPECT_STREQ(className, "yinyWindow");
    EXPECT_EQ(GetWindow(shadow, GW_OWNER), box);
    EXPECT_TRUE(IsWindowVisible(shadow));
    const RECT s = WindowRect(shadow);
    EXPECT_TRUE(s.left == r.left - 15 && s.top == r.top - 15 && s.right == r.right + 15 && s.bottom == r.bottom + 15);
    return IDOK;
  });
  ASSERT_NE(seen, nullptr);
  ASSERT_TRUE(BoxLogs[seen].atFirstPaint.has_value());
  EXPECT_TRUE(BoxLogs[seen].atFirstPaint->layered);
  EXPECT_EQ(BoxLogs[seen].atFirstPaint->alpha, 0) << "invisible until its first paint";
}

struct ButtonCase {
  const char* name;
  unsigned flags;
  int count;
};

class SkinDialogButtonsTest : public SkinDialogTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(SkinDialogButtonsTest, ButtonsLineUpAlongTheBottomRight) {
  const ButtonCase& c = GetParam();
  ShowVisited(owner, c.flags, 50, [&](HWND box) {
    const RECT r = WindowRect(box);
    const int W = r.right - r.left, H = r.bottom - r.top;
    POINT client{0, 0};
    ClientToScreen(box, &client);
    const int clientTop = client.y - r.top;

    std::vector<RECT> buttons;  // relative to the client area
    for (HWND b = FindWindowExA(box, nullptr, "BUTTON", nullptr); b; b = FindWindowExA(box, b, "BUTTON", nullptr)) {
      RECT br = WindowRect(b);
      MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&br), 2);
      buttons.push_back(br);
    }
    EXPECT_EQ(static_cast<int>(buttons.size()), c.count);
    int total = 5 * (c.count - 1);
    for (const RECT& b : buttons) total += b.right - b.left;
    int x = W - total - 12;
    for (const RECT& b : buttons) {
      const int h = b.bottom - b.top;
      EXPECT_EQ(b.left, x);
      EXPECT_EQ(b.top, H - h - 33);
      x += b.right - b.left + 5;
    }
    const RECT& last = buttons.back();
    EXPECT_EQ(RecordOf(box).buttonBandHeight, H - (last.top + clientTop) + 7);
    return IDCANCEL;
  });
}

INSTANTIATE_TEST_SUITE_P(Boxes, SkinDialogButtonsTest,
                         ::testing::Values(ButtonCase{"One", MB_OK, 1}, ButtonCase{"Two", MB_OKCANCEL, 2},
                                           ButtonCase{"Three", MB_YESNOCANCEL, 3}),
                         [](const ::testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

// ---- Hit test and mouse -----------------------------------------------------

TEST_F(SkinDialogTest, HitTestFindsCloseZoneCaptionAndClient) {
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    const RECT r = WindowRect(box);
    const int W = r.right - r.left;
    struct Point {
      int x, y, expected;
    };
    const Point points[] = {
        {W - 20, 10, HTCLOSE},  {W - 35, 4, HTCLOSE},   {W - 6, 20, HTCLOSE},   {W - 36, 10, HTCAPTION},
        {W - 5, 10, HTCAPTION}, {W - 20, 3, HTCAPTION}, {W - 20, 21, HTCAPTION}, {40, 10, HTCAPTION},
        {40, 25, HTCAPTION},    {40, 26, HTCLIENT},     {W - 20, 40, HTCLIENT},
    };
    for (const Point& p : points) {
      EXPECT_EQ(skin::DialogHitTest(box, ScreenPoint(r.left + p.x, r.top + p.y)), p.expected)
          << "at " << p.x << ", " << p.y;
      EXPECT_EQ(SendMessageA(box, WM_NCHITTEST, 0, ScreenPoint(r.left + p.x, r.top + p.y)), p.expected);
    }
    return IDOK;
  });
}

TEST_F(SkinDialogTest, CloseButtonTurnsRedUnderTheMouseAndBackOnTheCaption) {
  ShowVisited(owner, MB_OK, kAfterFade, [&](HWND box) {
    const RECT r = WindowRect(box);
    const int W = r.right - r.left;
    skin::SkinWindowRecord& record = RecordOf(box);
    // Left of the cross, inside the hot face.
    const int px = W - 27, py = 18;
    const Rgb normal = Picture(record.backgroundDc.get()).At(px, py);

    SendMessageA(box, WM_NCMOUSEMOVE, HTCLOSE, ScreenPoint(r.left + W - 20, r.top + 10));
    EXPECT_EQ(record.closeHot, 1);
    const Rgb hot = Picture(record.backgroundDc.get()).At(px, py);
    EXPECT_GT(hot.r, hot.b + 60) << "red face";
    EXPECT_GT(hot.r, hot.g + 60);

    SendMessageA(box, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(r.left + 40, r.top + 10));
    EXPECT_EQ(record.closeHot, 0);
    const Rgb back = Picture(record.backgroundDc.get()).At(px, py);
    EXPECT_EQ(back.r, normal.r);
    EXPECT_EQ(back.g, normal.g);
    EXPECT_EQ(back.b, normal.b);
    return IDOK;
  });
}

TEST_F(SkinDialogTest, ReleaseOnTheCloseZoneEndsTheBoxAsAClosedBox) {
  const int result = ShowVisited(owner, MB_YESNOCANCEL, 50, [&](HWND box) {
    const RECT r = WindowRect(box);
    // A press alone does nothing.
    EXPECT_EQ(SendMessageA(box, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(r.right - 20, r.top + 10)), 0);
    EXPECT_TRUE(IsWindowVisible(box));
    SendMessageA(box, WM_NCLBUTTONUP, HTCLOSE, ScreenPoint(r.right - 20, r.top + 10));
    return 0;
  });
  EXPECT_EQ(result, IDCANCEL - 1);
}

TEST_F(SkinDialogTest, YesAndNoGiveFiveAndSix) {
  EXPECT_EQ(ShowVisited(owner, MB_YESNO, 20, [](HWND) { return IDYES; }), 5);
  EXPECT_EQ(ShowVisited(owner, MB_YESNO, 20, [](HWND) { return IDNO; }), 6);
}

TEST_F(SkinDialogTest, UiStateInitializeIsSwallowedOtherChangesReachTheBox) {
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    RealSavedProc = skin::prop::ReadHandle<WNDPROC>(box, skin::prop::kOldProc);
    skin::prop::WriteHandle(box, skin::prop::kOldProc, &NotingSavedProc);
    SavedProcMessages.clear();
    EXPECT_EQ(SendMessageA(box, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0), 0);
    EXPECT_EQ(std::count(SavedProcMessages.begin(), SavedProcMessages.end(), WM_CHANGEUISTATE), 0) << "swallowed";
    for (WORD action : {UIS_SET, UIS_CLEAR}) {
      SavedProcMessages.clear();
      SendMessageA(box, WM_CHANGEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
      EXPECT_EQ(std::count(SavedProcMessages.begin(), SavedProcMessages.end(), WM_CHANGEUISTATE), 1)
          << "action " << action << " reaches the box's own procedure";
    }
    skin::prop::WriteHandle(box, skin::prop::kOldProc, RealSavedProc);
    return IDOK;
  });
}

// ---- Frame picture ----------------------------------------------------------

TEST_F(SkinDialogTest, FramePictureHasCaptionBodyAndBandInTheThemeColour) {
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    const RECT r = WindowRect(box);
    const int W = r.right - r.left, H = r.bottom - r.top;
    const skin::SkinWindowRecord& record = RecordOf(box);
    const int B = record.buttonBandHeight;
    const Picture picture(record.backgroundDc.get());
    EXPECT_GT(B, 0);
    EXPECT_EQ(picture.width(), W);
    EXPECT_EQ(picture.height(), H);
    if (B <= 0 || picture.width() != W || picture.height() != H) return IDOK;

    // The theme colour 0x804000 is blue-green: blue leads through the white.
    const Rgb body = picture.At(W - 8, (30 + H - B) / 2);
    EXPECT_GT(body.b, body.r + 10);
    // The caption carries less white than the body below it.
    const Rgb caption = picture.At(W - 60, 12);
    EXPECT_LT(caption.Sum() + 30, body.Sum());
    // The band line: opaque white under black at alpha 60, greyer than both
    // sides.
    const Rgb line = picture.At(W / 2, H - B);
    const Rgb above = picture.At(W / 2, H - B - 2);
    const Rgb below = picture.At(W / 2, H - B + 2);
    EXPECT_NEAR(line.r, 195, 3);
    EXPECT_NEAR(line.g, 195, 3);
    EXPECT_NEAR(line.b, 195, 3);
    EXPECT_NE(above.b, line.b);
    EXPECT_NE(below.b, line.b);
    return IDOK;
  });
}

TEST_F(SkinDialogTest, FrameTakesTheOwnersTintAndPicture) {
  const int ownerIndex = AddSkinWindow(owner);
  skin::SkinWindowTable.At(ownerIndex).overlayColour = 0x0000C0;  // red
  // A point of the box's body, right of its text.
  const auto bodyOf = [](HWND box) {
    const RECT r = WindowRect(box);
    const int bodyY = (30 + r.bottom - r.top - RecordOf(box).buttonBandHeight) / 2;
    return Picture(RecordOf(box).backgroundDc.get()).At(r.right - r.left - 8, bodyY);
  };
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    const Rgb body = bodyOf(box);
    EXPECT_GT(body.r, body.b + 10) << "the owner's tint";
    return IDOK;
  });

  // A control's "Hw_lbID" is its list index, which may equal the owner's
  // window index: a box owned by it takes the theme colour.
  TestWindow control = quillora_test::MakeChild(owner, 0, 0, 20, 20);
  skin::prop::Write(control, skin::prop::kIndex, ownerIndex);
  ShowVisited(control, MB_OK, 50, [&](HWND box) {
    const Rgb body = bodyOf(box);
    EXPECT_GT(body.b, body.r + 10) << "the theme colour, not the owner's tint";
    return IDOK;
  });

  // A negative tint falls back to the theme colour; the owner's picture is
  // drawn at its natural size from the corner.
  skin::SkinWindowTable.At(ownerIndex).overlayColour = static_cast<COLORREF>(-1);
  skin::SkinWindowTable.At(ownerIndex).backgroundImage = SolidPng(60, 0xFF00FF00);
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    const RECT r = WindowRect(box);
    // In the caption, where the least white lies over the colours, left of
    // the title and of the close button.
    const Picture picture(RecordOf(box).backgroundDc.get());
    const Rgb inside = picture.At(4, 3);
    const Rgb outside = picture.At(r.right - r.left - 60, 3);
    EXPECT_GT(inside.g, outside.g + 20) << "the owner's picture";

    EXPECT_GT(outside.b, outside.r + 10) << "the theme colour";
    return IDOK;
  });
}

// What an open box shows at a point of its body, right of its text.
Rgb ShownBody(HWND box) {
  const RECT r = WindowRect(box);
  const int y = r.top + (30 + r.bottom - r.top - RecordOf(box).buttonBandHeight) / 2;
  const std::uint32_t c = quillora_test::WindowSurfaceRgb(box, r.right - 8, y);
  return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)};
}

// Dispatches the thread's messages for about `milliseconds`.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
}

TEST_F(SkinDialogTest, ThemeChangeRepaintsAnOpenBoxInTheNewColour) {
  ShowVisited(owner, MB_OK, 50, [&](HWND box) {
    const Rgb before = ShownBody(box);
    EXPECT_GT(before.b, before.r + 10) << "the blue-green theme colour";

    skin::SetSkinTheme("", {}, 0x0000C0);  // red
    const Rgb now = ShownBody(box);
    EXPECT_GT(now.r, now.b + 10) << "the box shows the new colour as the call returns";
    PumpFor(100);
    const Rgb later = ShownBody(box);
    EXPECT_GT(later.r, later.b + 10) << "and keeps it through its own paints";
    return IDOK;
  });
}

// ---- Fade-in, close animation, clean-up --------------------------------------

TEST_F(SkinDialogTest, BoxAnsweredAtOnceStillPlaysEveryStepOfItsCloseAnimation) {
  HWND seen = nullptr;
  std::optional<StepWatcher> watcher;
  ShowVisited(owner, MB_OK, 20, [&](HWND box) {
    seen = box;
    // The box hands itself the focus as it ends only when one of its
    // buttons holds it; a window of another test program on the same
    // display may have kept the box from being activated.
    if (!IsChild(box, GetFocus())) SetFocus(GetDlgItem(box, IDOK));
    watcher.emplace(box, RecordOf(box).shadowHwnd);
    return IDOK;
  });
  ASSERT_NE(seen, nullptr);
  ASSERT_TRUE(watcher.has_value());
  watcher->Stop();
  const BoxLog& log = BoxLogs[seen];
  ASSERT_TRUE(log.focusedAt.has_value()) << "the box took the focus as it ended";
  const auto steps = skin::CloseEffectSteps(skin::CloseEffect::ShrinkFade, *log.focusedAt);
  std::vector<RECT> expected;
  for (const skin::CloseStep& step : steps) {
    if (step.width > 0 && step.height > 0) {
      expected.push_back(RECT{step.x, step.y, step.x + step.width, step.y + step.height});
    }
  }
  // Every step moved the window, in order: none was refused, and the last
  // place is the last step's.
  ASSERT_EQ(watcher->rects.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(EqualRect(&watcher->rects[i], &expected[i])) << "step " << i + 1;
  }
  EXPECT_FALSE(watcher->attributesDuringSteps) << "the fade-in had ended before the first step";
  EXPECT_FALSE(watcher->shadowShownDuringSteps) << "the shadow hides when the box takes the focus";
  EXPECT_EQ(skin::FadeInThread, nullptr);
  EXPECT_EQ(skin::FadeInStarted, 0);
}

TEST_F(SkinDialogTest, SecondBoxOpenedFromTheFirstsLoopFadesIn) {
  ShowVisited(owner, MB_OK, 100, [&](HWND first) {
    ShowVisited(first, MB_OK, kAfterFade, [&](HWND second) {
      EXPECT_NE(second, first);
      EXPECT_GE(skin::FindSkinWindow(second), 1);
      EXPECT_EQ(ReadLayered(second).alpha, 240);
      return IDOK;
    }, true, first);
    EXPECT_EQ(ReadLayered(first).alpha, 240);
    return IDOK;
  });
}

TEST_F(SkinDialogTest, TenBoxesLeaveNothingBehindAndThePlainDialogAfterIsNotSkinned) {
  ShowVisited(owner, MB_OK, 20, [](HWND) { return IDOK; });  // warms the caches up
  const int windows = skin::SkinWindowTable.Count();
  const std::size_t dcs = skin::DcCache.size();
  const DWORD gdiObjects = quillora_test::GdiObjectCount();
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);

  for (int i = 0; i < 10; ++i) ShowVisited(owner, MB_OKCANCEL, 20, [](HWND) { return IDOK; });

  EXPECT_EQ(skin::SkinWindowTable.Count(), windows);
  EXPECT_EQ(skin::DcCache.size(), dcs);
  EXPECT_EQ(quillora_test::GdiObjectCount(), gdiObjects);
  DWORD handlesAfter = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
  EXPECT_EQ(handlesAfter, handles);
  EXPECT_EQ(skin::MessageBoxHook, nullptr);

  ShowVisited(owner, MB_OK, 20, [](HWND box) {
    EXPECT_EQ(skin::FindSkinWindow(box), 0);
    EXPECT_NE(GetWindowLongPtrA(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::DialogFrameProc));
    return IDOK;
  }, false);
}

}  // namespace
