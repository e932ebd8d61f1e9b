// Button paint speed: a skinned 82 x 26 push button and a 141 x 24 check
// box painted in a 570 x 450 skinned frame, each beside the native paint
// of an unskinned twin and beside the floor every skinned paint stands on
// (compose the background, put the image into the host, copy it onto the
// control), in the same run; and one hover-fade step beside a full paint.
//
// Each measure runs several rounds; the best round counts. Prints the
// times per paint, the ratios (goals: a paint at most 3x its floor, a fade
// step at most 1/10 of a paint), and DcCache's size, the process's GDI
// object count and the live GDI+ objects over the leak check's paints of
// each look (all must be unchanged).
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "gdip/gdiplus_startup.h"
#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/buttons/button_installers.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/buttons/hover_fades.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kPushWidth = 82, kPushHeight = 26;
constexpr int kCheckWidth = 141, kCheckHeight = 24;
constexpr int kPaintsPerRound = 500;
constexpr int kStepsPerRound = 5000;
constexpr int kRounds = 3;
constexpr double kPaintGoal = 3.0;
constexpr double kFadeGoal = 0.1;

using bench::Now;

HWND Child(HWND parent, const char* className, DWORD style, int x, int y, int width, int height, const char* text) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// A skinned frame with a patterned picture; a skinned push button and
// check box, and their unskinned twins.
struct Stage {
  HWND frame = nullptr;
  HWND push = nullptr, check = nullptr, nativePush = nullptr, nativeCheck = nullptr;

  Stage() {
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 50, 50, kFrameWidth, kFrameHeight, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    auto record = skin::MakeSkinWindowRecord(frame);
    record->width = kFrameWidth;
    record->height = kFrameHeight;
    record->backgroundDc = skin::CreateDibDc({0, 0, kFrameWidth, kFrameHeight});
    record->compositionDc = skin::CreateDibDc({0, 0, kFrameWidth, kFrameHeight});
    for (int y = 0; y < kFrameHeight; y += 8)
      for (int x = 0; x < kFrameWidth; x += 8) SetPixel(record->backgroundDc.get(), x, y, RGB(x & 0xFF, y & 0xFF, 90));
    const int index = skin::SkinWindowTable.Append(std::move(record));
    skin::prop::Write(frame, skin::prop::kIndex, index);

    push = Child(frame, "Button", BS_PUSHBUTTON, 40, 40, kPushWidth, kPushHeight, "确定(&O)");
    check = Child(frame, "Button", BS_AUTOCHECKBOX, 40, 100, kCheckWidth, kCheckHeight, "创建桌面快捷方式");
    nativePush = Child(frame, "Button", BS_PUSHBUTTON, 300, 40, kPushWidth, kPushHeight, "确定(&O)");
    nativeCheck = Child(frame, "Button", BS_AUTOCHECKBOX, 300, 100, kCheckWidth, kCheckHeight, "创建桌面快捷方式");
    skin::SkinPushButtons(index, frame);
    skin::SkinCheckButtons(index, frame);
  }

  ~Stage() {
    skin::StopAllFades();
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    skin::SkinWindowTable.Clear();
  }
};

void PaintPush(HWND push, int state) {
  HDC dc = GetDC(push);  // as the owner-draw request hands it over
  const RECT client{0, 0, kPushWidth, kPushHeight};
  skin::PaintPushButton(push, dc, state, &client);
  ReleaseDC(push, dc);
}

void NativePaint(HWND control) { RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// What every skinned paint does besides drawing.
void Floor(HWND control, int width, int height) {
  skin::CachedDc memoryOwner = skin::ComposeControlBackground(control, {0, 0, width, height});
  HDC memory = memoryOwner.get();
  skin::BlitControlToHost(control, memory);
  HDC dc = GetDC(control);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  ReleaseDC(control, dc);
  memoryOwner.reset();
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  const ULONG_PTR token = gdip::StartGdiplus();
  skin::SkinChildControls = 1;
  skin::AccentColour = 0xDDCA22;
  skin::GlyphStrip.Load(rt::LoadEmbeddedBytes(IDR_GLYPH_STRIP));
  int status = 0;
  {
    Stage stage;
    Pump();
    PaintPush(stage.push, 0);  // warm up what the system makes once (fonts, brushes)
    skin::PaintCheckBox(stage.check, 0);

    const double push = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { PaintPush(stage.push, 0); });
    const double pushNative = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { NativePaint(stage.nativePush); });
    const double pushFloor = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { Floor(stage.push, kPushWidth, kPushHeight); });
    const double check = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { skin::PaintCheckBox(stage.check, 0); });
    const double checkNative = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { NativePaint(stage.nativeCheck); });
    const double checkFloor =
        bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] { Floor(stage.check, kCheckWidth, kCheckHeight); });

    // One fade step: the blend a timer tick does, from a prepared image
    // onto the button's own DC.
    skin::CachedDc imageOwner = skin::ComposeControlBackground(stage.push, {0, 0, kPushWidth, kPushHeight});
    HDC image = imageOwner.get();
    HDC screen = GetDC(stage.push);
    int alpha = 50;
    const double step = bench::BestSecondsPerCall(kRounds, kStepsPerRound, [&] {
      skin::BlendWithConstantAlpha(screen, 0, 0, kPushWidth, kPushHeight, image, 0, 0, kPushWidth, kPushHeight, alpha);
      alpha = alpha >= 250 ? 50 : alpha + 25;
    });
    ReleaseDC(stage.push, screen);
    imageOwner.reset();

    std::printf("push button %dx%d:  skinned paint %8.1f us, native twin %8.1f us, floor %8.1f us\n", kPushWidth,
                kPushHeight, push * 1e6, pushNative * 1e6, pushFloor * 1e6);
    std::printf("check box %dx%d:   skinned paint %8.1f us, native twin %8.1f us, floor %8.1f us\n", kCheckWidth,
                kCheckHeight, check * 1e6, checkNative * 1e6, checkFloor * 1e6);
    std::printf("hover fade step:      %8.2f us\n", step * 1e6);
    const double pushRatio = push / pushFloor, checkRatio = check / checkFloor, fadeRatio = step / push;
    bench::PrintGoal("push paint / floor", pushRatio, kPaintGoal);
    bench::PrintGoal("check-box paint / floor", checkRatio, kPaintGoal);
    bench::PrintGoal("fade step / push paint", fadeRatio, kFadeGoal);
    std::printf("for scale, skinned / native: push %.2f, check box %.2f\n", push / pushNative, check / checkNative);

    // Where a check-box paint goes beyond its floor: it looks its font up by
    // name and lays out its caption; its two glyph pieces are kept decoded
    // (the decode line says what each would cost a paint otherwise).
    skin::CachedDc surfaceOwner = skin::ComposeControlBackground(stage.check, {0, 0, kCheckWidth, kCheckHeight});
    HDC surface = surfaceOwner.get();
    const double decode = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [] {
      gdip::GdipImage piece;
      piece.LoadFromStream(skin::GlyphStrip.GetPiece(5));
    });
    const double font = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [] {
      gdip::GdipFont f;
      f.CreateFromName("宋体", 12.0f, gdip::FontStyle::Regular, gdip::Unit::Pixel);
    });
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(surface);
    gdip::GdipFont captionFont;
    captionFont.CreateFromName("宋体", 12.0f, gdip::FontStyle::Regular, gdip::Unit::Pixel);
    gdip::GdipSolidBrush ink;
    ink.Create(0xFE000000);
    gdip::GdipStringFormat format;
    format.Create(gdip::StringFormatFlags::NoWrap);
    const double text = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [&] {
      graphics.DrawString("创建桌面快捷方式", captionFont, ink, gdip::RectF{17, 2, kCheckWidth, kCheckHeight + 1},
                          format);
    });
    graphics.Delete();
    surfaceOwner.reset();
    std::printf("  check-box paint split: piece decode %.1f us (x2), font by name %.1f us, caption %.1f us\n",
                decode * 1e6, font * 1e6, text * 1e6);

    // Leak check: paints of every look.
    struct Look {
      const char* name;
      void (*paint)(Stage&);
    };
    const Look looks[] = {
        {"push normal", [](Stage& s) { PaintPush(s.push, 0); }},
        {"push pressed", [](Stage& s) { PaintPush(s.push, ODS_SELECTED); }},
        {"push focus", [](Stage& s) { PaintPush(s.push, ODS_FOCUS); }},
        {"push disabled", [](Stage& s) { PaintPush(s.push, ODS_DISABLED); }},
        {"push hover", [](Stage& s) { PaintPush(s.push, ODS_HOTLIGHT); }},
        {"check box", [](Stage& s) { skin::PaintCheckBox(s.check, 0); }},
        {"check box hover", [](Stage& s) { skin::PaintCheckBox(s.check, ODS_HOTLIGHT); }},
        {"check box disabled", [](Stage& s) { skin::PaintCheckBox(s.check, ODS_DISABLED); }},
        {"check box frame 4", [](Stage& s) { skin::PaintCheckBox(s.check, 0, 4); }},
    };
    SendMessageA(stage.check, BM_SETCHECK, BST_CHECKED, 0);
    for (const Look& look : looks) {
      look.paint(stage);
      skin::StopAllFades();
      char what[64];
      std::snprintf(what, sizeof what, "paints of %s:", look.name);
      if (!bench::LeakCheck(what, [&] { look.paint(stage); }, [] { skin::StopAllFades(); })) status = 1;
    }
    SendMessageA(stage.check, BM_SETCHECK, BST_UNCHECKED, 0);
    bench::Profile("push button paint", 300, [&] { PaintPush(stage.push, 0); });
    bench::Profile("check-box paint", 300, [&] { skin::PaintCheckBox(stage.check, 0); });
    bench::Profile("push button floor", 300, [&] { Floor(stage.push, kPushWidth, kPushHeight); });
  }
  gdip::ShutdownGdiplus(token);
  return status;
}
