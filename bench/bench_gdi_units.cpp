// Unit costs of the system calls the skin's painters are made of, each on
// its own, on the surfaces a paint uses (a 100 x 24 memory DC with a 32-bit
// DIB, the 570 x 450 frame pictures, a control's window DC): window
// lookups, DC and DIB making, blits, text, and the GDI+ objects and
// drawing calls. Later work weighs a paint's calls with these.
//
// Each unit runs several rounds of enough calls to last a few
// milliseconds; the best round counts. Every unit's first call is checked
// (a failed call, or a drawing call that leaves the surface as it was,
// ends the benchmark with exit code 1 after the table).
#include <windows.h>

#include "bench/bench_clock.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_enums.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "gdip/gdiplus_startup.h"
#include "gdip/image_encoders.h"
#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"
#include "skin/core/round_rect_path.h"

namespace {

constexpr int kWidth = 100, kHeight = 24;
constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kChildren = 15;
constexpr int kRounds = 5;
constexpr double kRoundSeconds = 0.004;
constexpr double kIdleSeconds = 30e-6;
constexpr char kCaption[] = "创建桌面快捷方式";
constexpr int kPixelFormat32bppPARGB = 0xE200B;
constexpr int kPixelFormat32bppRGB = 0x22009;
constexpr char kPaintClass[] = "QuilloraUnitsPaint";

LRESULT CALLBACK PaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// A memory DC with a 32-bit DIB of the size, owned.
struct DibSurface {
  rt::UniqueBitmap dib;
  rt::UniqueMemoryDc dc;
  HGDIOBJ previous = nullptr;

  DibSurface(int width, int height)
      : dib(skin::CreateDib32(width, height)), dc(CreateCompatibleDC(nullptr)) {
    previous = SelectObject(dc.get(), dib.get());
  }
  ~DibSurface() { SelectObject(dc.get(), previous); }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC get() const { return dc.get(); }
  const DWORD* Pixels() const {
    DIBSECTION section{};
    skin::SelectedDib32(dc.get(), section);
    return static_cast<const DWORD*>(section.dsBm.bmBits);
  }
  std::string Snapshot(int width, int height) const {
    const auto* bytes = reinterpret_cast<const char*>(Pixels());
    return std::string(bytes, bytes + static_cast<std::size_t>(width) * height * 4);
  }
};

struct Unit {
  std::string group;
  std::string name;
  std::function<bool()> call;  // false when the call failed
};

// Seconds per call: the best of kRounds rounds sized to last kRoundSeconds.
double TimeUnit(const std::function<bool()>& call) {
  const double start = bench::Now();
  call();
  GdiFlush();
  const double once = std::max(bench::Now() - start, 1e-7);
  const int calls = std::clamp(static_cast<int>(kRoundSeconds / once), 3, 20000);
  return bench::BestSecondsPerCall(kRounds, calls, [&] { call(); });
}

// Keeps this thread busy for `seconds` without a system call that could
// reach the server.
void Spin(double seconds) {
  const double until = bench::Now() + seconds;
  while (bench::Now() < until) {
  }
}

// A small picture, stored as PNG: what the glyph pieces and arrows are.
rt::ByteArray PngOf(int width, int height) {
  gdip::GdipBitmap bitmap;
  bitmap.Create(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(x, y, (x + y) % 3 == 0 ? 0x00000000u : 0xFF000000u | static_cast<unsigned>(x * 9 << 8 | y * 7));
  return bitmap.SaveToStream(gdip::kPngFormat);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  gdip::StartGdiplus();
  int status = 0;
  {
    WNDCLASSA paintClass{};
    paintClass.lpfnWndProc = &PaintProc;
    paintClass.hInstance = GetModuleHandleA(nullptr);
    paintClass.lpszClassName = kPaintClass;
    RegisterClassA(&paintClass);
    HWND frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 40, 40, kFrameWidth, kFrameHeight, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND control = nullptr;
    for (int i = 0; i < kChildren; ++i) {
      HWND child = CreateWindowExA(0, "Button", "Option", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20,
                                   20 + 26 * i, kWidth, kHeight, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
      if (i == 7) control = child;
    }
    HWND painted = CreateWindowExA(0, kPaintClass, "", WS_CHILD | WS_VISIBLE, 300, 20, kWidth, kHeight, frame,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    SetPropA(control, "Hw_FuID", reinterpret_cast<HANDLE>(1));
    UpdateWindow(frame);

    DibSurface small(kWidth, kHeight), other(kWidth, kHeight), big(kFrameWidth, kFrameHeight),
        bigOther(kFrameWidth, kFrameHeight);
    PatBlt(small.get(), 0, 0, kWidth, kHeight, WHITENESS);
    PatBlt(big.get(), 0, 0, kFrameWidth, kFrameHeight, WHITENESS);
    // Half-transparent premultiplied pixels for the per-pixel blend.
    {
      auto* pixels = const_cast<DWORD*>(other.Pixels());
      for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = 0x80402010u;
    }
    rt::WindowDc controlDc(control);
    rt::UniqueFont gdiFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));

    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(small.get());
    gdip::GdipFont font;
    font.CreateFromName("宋体", 12.0f, gdip::FontStyle::Regular, gdip::Unit::Pixel);
    gdip::GdipSolidBrush ink;
    ink.Create(0xFF000000);
    gdip::GdipSolidBrush tint;
    tint.Create(0xA0DDCA22);
    gdip::GdipPen pen;
    pen.Create(0xFF2080C0, 1.0f);
    gdip::GdipStringFormat format;
    format.Create(gdip::StringFormatFlags::NoWrap);
    gdip::GdipPath rounded;
    rounded.Create();
    skin::AddRoundRectPath(rounded, 0, 0, kWidth - 1, kHeight - 1, 6);
    const rt::ByteArray smallPng = PngOf(16, 16);
    const rt::ByteArray wholePng = PngOf(kWidth, kHeight);
    gdip::GdipImage icon;
    icon.LoadFromStream(smallPng);
    gdip::GdipBitmap picture;
    picture.CreateFromStream(wholePng);
    const gdip::RectF layout{17, 2, kWidth, kHeight + 1};
    // The same surface seen by GDI+ as a bitmap over the DIB's own bits
    // (bottom-up: the first row is the last in memory).
    gdip::GdipBitmap overDib;
    overDib.CreateFromScan0(kWidth, kHeight, -kWidth * 4, kPixelFormat32bppPARGB,
                            reinterpret_cast<BYTE*>(const_cast<DWORD*>(small.Pixels()) + (kHeight - 1) * kWidth));
    gdip::GdipGraphics onBits;
    onBits.CreateFromImage(overDib);
    gdip::GdipBitmap overDibRgb;  // the same bits taken as opaque 32-bit RGB
    overDibRgb.CreateFromScan0(kWidth, kHeight, -kWidth * 4, kPixelFormat32bppRGB,
                               reinterpret_cast<BYTE*>(const_cast<DWORD*>(small.Pixels()) + (kHeight - 1) * kWidth));
    gdip::GdipGraphics onBitsRgb;
    onBitsRgb.CreateFromImage(overDibRgb);
    gdip::GdipGraphics onBig;
    onBig.CreateFromHdc(big.get());
    gdip::GdipSolidBrush opaque;
    opaque.Create(0xFFDDCA22);

    // A drawing call must change the surface it draws on.
    const auto changes = [&small](const std::function<bool()>& draw) {
      return [&small, draw] {
        PatBlt(small.get(), 0, 0, kWidth, kHeight, WHITENESS);
        GdiFlush();
        const std::string before = small.Snapshot(kWidth, kHeight);
        const bool ok = draw();
        GdiFlush();
        return ok && small.Snapshot(kWidth, kHeight) != before;
      };
    };

    std::vector<Unit> units = {
        {"window lookups", "GetPropA (set)", [&] { return GetPropA(control, "Hw_FuID") != nullptr; }},
        {"window lookups", "GetPropA (never set)", [&] { return GetPropA(control, "Kj_lbID") == nullptr; }},
        {"window lookups", "SetPropA", [&] { return SetPropA(control, "Hw_FuID", reinterpret_cast<HANDLE>(1)) != 0; }},
        {"window lookups", "GetWindowRect", [&] { RECT r; return GetWindowRect(control, &r) != 0; }},
        {"window lookups", "GetClientRect", [&] { RECT r; return GetClientRect(control, &r) != 0; }},
        {"window lookups", "ClientToScreen", [&] { POINT p{0, 0}; return ClientToScreen(control, &p) != 0; }},
        {"window lookups", "GetParent", [&] { return GetParent(control) == frame; }},
        {"window lookups", "GetAncestor (root owner)", [&] { return GetAncestor(control, GA_ROOTOWNER) == frame; }},
        {"window lookups", "GetClassNameA", [&] { char n[64]; return GetClassNameA(control, n, sizeof n) > 0; }},
        {"window lookups", "GetWindowLongPtrA (style)", [&] { return GetWindowLongPtrA(control, GWL_STYLE) != 0; }},
        {"window lookups", "IsWindowVisible", [&] { return IsWindowVisible(control) != 0; }},
        {"window lookups", "GetWindow (first child)", [&] { return GetWindow(frame, GW_CHILD) != nullptr; }},
        {"window lookups", "GetWindow (next sibling)", [&] { return GetWindow(control, GW_HWNDNEXT) != nullptr; }},
        {"window lookups", "FindWindowExA (first child; there is none)", [&] {
           return FindWindowExA(control, nullptr, nullptr, nullptr) == nullptr;
         }},
        {"window lookups", "IsWindow", [&] { return IsWindow(control) != 0; }},
        {"window lookups", "walk 16 children (GetWindow)", [&] {
           int n = 0;
           for (HWND c = GetWindow(frame, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++n;
           return n == kChildren + 1;
         }},
        {"window lookups", "EnumChildWindows, 16 children", [&] {
           int n = 0;
           EnumChildWindows(frame, &CountChild, reinterpret_cast<LPARAM>(&n));
           return n == kChildren + 1;
         }},
        {"window lookups", "GetDC + ReleaseDC", [&] { return ReleaseDC(control, GetDC(control)) == 1; }},
        {"window lookups", "GetWindowDC + ReleaseDC", [&] { return ReleaseDC(control, GetWindowDC(control)) == 1; }},
        {"messages", "SendMessageA WM_NULL, same thread", [&] { SendMessageA(control, WM_NULL, 0, 0); return true; }},
        {"messages", "InvalidateRect + UpdateWindow, empty paint", [&] {
           return InvalidateRect(painted, nullptr, FALSE) && UpdateWindow(painted);
         }},
        {"messages", "RedrawWindow UPDATENOW, empty paint", [&] {
           return RedrawWindow(painted, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW) != 0;
         }},
        {"GDI surfaces", "CreateCompatibleDC + DeleteDC", [] { return static_cast<bool>(rt::UniqueMemoryDc(CreateCompatibleDC(nullptr))); }},
        {"GDI surfaces", "CreateDIBSection 100x24 + DeleteObject", [] { return static_cast<bool>(skin::CreateDib32(kWidth, kHeight)); }},
        {"GDI surfaces", "CreateDIBSection 570x450 + DeleteObject", [] { return static_cast<bool>(skin::CreateDib32(kFrameWidth, kFrameHeight)); }},
        {"GDI surfaces", "memory DC + 100x24 DIB, made and freed", [] { return DibSurface(kWidth, kHeight).Pixels() != nullptr; }},
        {"GDI surfaces", "skin::CreateDibDc 100x24 + release", [] { return static_cast<bool>(skin::CreateDibDc({0, 0, kWidth, kHeight})); }},
        {"GDI surfaces", "SaveDC + RestoreDC", [&] { return RestoreDC(small.get(), SaveDC(small.get())) != 0; }},
        {"GDI surfaces", "ExcludeClipRect + SelectClipRgn(null)", [&] {
           return ExcludeClipRect(small.get(), 2, 2, 8, 8) != ERROR && SelectClipRgn(small.get(), nullptr) != ERROR;
         }},
        {"GDI surfaces", "CreateRectRgn + DeleteObject", [] { return static_cast<bool>(rt::UniqueRegion(CreateRectRgn(0, 0, 9, 9))); }},
        {"GDI surfaces", "GdiFlush", [] { return GdiFlush() != 0; }},
        {"GDI surfaces", "GetDeviceCaps HORZRES, window DC", [&] { return GetDeviceCaps(controlDc.get(), HORZRES) > 0; }},
        {"GDI surfaces", "GetDeviceCaps HORZRES, memory DC", [&] { return GetDeviceCaps(small.get(), HORZRES) > 0; }},
        {"GDI surfaces", "GetObjectType, window DC", [&] { return GetObjectType(controlDc.get()) == OBJ_DC; }},
        {"blits", "BitBlt 100x24 DIB to DIB", [&] { return BitBlt(small.get(), 0, 0, kWidth, kHeight, big.get(), 235, 300, SRCCOPY) != 0; }},
        {"blits", "BitBlt 570x450 DIB to DIB", [&] {
           return BitBlt(bigOther.get(), 0, 0, kFrameWidth, kFrameHeight, big.get(), 0, 0, SRCCOPY) != 0;
         }},
        {"blits", "BitBlt 100x24 DIB onto a window DC", [&] {
           return BitBlt(controlDc.get(), 0, 0, kWidth, kHeight, small.get(), 0, 0, SRCCOPY) != 0;
         }},
        {"blits", "StretchBlt 100x24 to 200x48", [&] {
           return StretchBlt(bigOther.get(), 0, 0, 2 * kWidth, 2 * kHeight, small.get(), 0, 0, kWidth, kHeight, SRCCOPY) != 0;
         }},
        {"blits", "AlphaBlend 100x24, constant alpha", changes([&] {
           return AlphaBlend(small.get(), 0, 0, kWidth, kHeight, other.get(), 0, 0, kWidth, kHeight, {AC_SRC_OVER, 0, 128, 0}) != 0;
         })},
        {"blits", "AlphaBlend 100x24, per-pixel alpha", changes([&] {
           return AlphaBlend(small.get(), 0, 0, kWidth, kHeight, other.get(), 0, 0, kWidth, kHeight,
                             {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}) != 0;
         })},
        {"pixels", "GetPixel on a DIB DC", [&] { return GetPixel(small.get(), 5, 5) != CLR_INVALID; }},
        {"pixels", "SetPixelV on a DIB DC", [&] { return SetPixelV(small.get(), 5, 5, RGB(1, 2, 3)) != 0; }},
        {"GDI drawing", "CreateSolidBrush + FillRect 100x24 + delete", changes([&] {
           rt::UniqueBrush brush(CreateSolidBrush(RGB(20, 90, 200)));
           RECT r{0, 0, kWidth, kHeight};
           return FillRect(small.get(), &r, brush.get()) != 0;
         })},
        {"GDI drawing", "CreateFontA + DeleteObject", [] {
           return static_cast<bool>(
               rt::UniqueFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体")));
         }},
        {"GDI drawing", "DrawTextA, 8 CJK characters", changes([&] {
           rt::ScopedSelection selected(small.get(), gdiFont.get());
           SetBkMode(small.get(), TRANSPARENT);
           RECT r{17, 2, kWidth, kHeight};
           return DrawTextA(small.get(), kCaption, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE) != 0;
         })},
        {"GDI+ objects", "GdipCreateFromHDC + delete, 100x24 DIB", [&] {
           gdip::GdipGraphics g;
           return g.CreateFromHdc(small.get());
         }},
        {"GDI+ objects", "GdipCreateFromHDC + delete, 570x450 DIB", [&] {
           gdip::GdipGraphics g;
           return g.CreateFromHdc(big.get());
         }},
        {"GDI+ objects", "GdipCreateFromHDC + delete, window DC", [&] {
           gdip::GdipGraphics g;
           return g.CreateFromHdc(controlDc.get());
         }},
        {"GDI+ objects", "GdipCreateSolidFill + delete", [] { gdip::GdipSolidBrush b; return b.Create(0x80FF0000); }},
        {"GDI+ objects", "GdipCreatePen1 + delete", [] { gdip::GdipPen p; return p.Create(0xFF000000, 1.0f); }},
        {"GDI+ objects", "GdipCreateStringFormat + delete", [] { gdip::GdipStringFormat f; return f.Create(gdip::StringFormatFlags::NoWrap); }},
        {"GDI+ objects", "font by family name (family + font) + delete", [] {
           gdip::GdipFont f;
           return f.CreateFromName("宋体", 12.0f, gdip::FontStyle::Regular, gdip::Unit::Pixel);
         }},
        {"GDI+ objects", "GdipCreateFontFromDC + delete", [&] {
           rt::ScopedSelection selected(small.get(), gdiFont.get());
           gdip::GdipFont f;
           return f.CreateFromDc(small.get());
         }},
        {"GDI+ objects", "GdipCreatePath + rounded rectangle + delete", [] {
           gdip::GdipPath p;
           p.Create();
           skin::AddRoundRectPath(p, 0, 0, kWidth - 1, kHeight - 1, 6);
           return !p.IsEmpty();
         }},
        {"GDI+ objects", "GdipCreateBitmapFromScan0 100x24 PARGB + dispose", [] {
           gdip::GdipBitmap b;
           return b.CreateFromScan0(kWidth, kHeight, 0, kPixelFormat32bppPARGB);
         }},
        {"GDI+ objects", "decode a 16x16 PNG + dispose", [&] { gdip::GdipImage i; return i.LoadFromStream(smallPng); }},
        {"GDI+ objects", "decode a 100x24 PNG + dispose", [&] { gdip::GdipImage i; return i.LoadFromStream(wholePng); }},
        {"GDI+ objects", "GdipCreateHBITMAPFromBitmap 100x24 + delete", [&] {
           return static_cast<bool>(rt::UniqueBitmap(picture.GetHbitmap()));
         }},
        {"GDI+ drawing", "GdipDrawString, 8 CJK characters", changes([&] {
           return graphics.DrawString(kCaption, font, ink, layout, format);
         })},
        {"GDI+ drawing", "GdipDrawString, 10 Latin characters", changes([&] {
           return graphics.DrawString("Quillora 1", font, ink, layout, format);
         })},
        {"GDI+ drawing", "GdipMeasureString, 8 CJK characters", [&] {
           gdip::RectF bounds{};
           return graphics.MeasureString(kCaption, font, layout, format, bounds) && bounds.width > 0;
         }},
        {"GDI+ drawing", "GdipFillRectangle 100x24, alpha", changes([&] { return graphics.FillRectangle(tint, 0, 0, kWidth, kHeight); })},
        {"GDI+ drawing", "GdipFillPath, rounded 100x24, alpha", changes([&] { return graphics.FillPath(tint, rounded); })},
        {"GDI+ drawing", "GdipDrawPath, rounded 100x24, 1 px pen", changes([&] { return graphics.DrawPath(pen, rounded); })},
        {"GDI+ drawing", "GdipFillRectangle 100x24, opaque", changes([&] { return graphics.FillRectangle(opaque, 0, 0, kWidth, kHeight); })},
        {"GDI+ drawing", "GdipFillRectangle 570x450, alpha", [&] { return onBig.FillRectangle(tint, 0, 0, kFrameWidth, kFrameHeight); }},
        {"GDI+ drawing", "GdipSetClipPath rounded + GdipResetClip", [&] {
           return graphics.SetClipPath(rounded) && graphics.ResetClip();
         }},
        {"GDI+ drawing", "GdipDrawImageRectI 16x16 PNG at 1:1", changes([&] { return graphics.DrawImageRectI(icon, 4, 4, 16, 16); })},
        {"GDI+ drawing", "GdipDrawImageRectI 16x16 PNG to 32x32", changes([&] { return graphics.DrawImageRectI(icon, 4, 0, 32, 32); })},
        {"GDI+ drawing", "GdipDrawImageRectI 100x24 bitmap at 1:1", changes([&] {
           return graphics.DrawImageRectI(picture, 0, 0, kWidth, kHeight);
         })},
        {"GDI+ on a bitmap over the DIB's bits", "GdipCreateBitmapFromScan0 over the bits + graphics", [&] {
           gdip::GdipBitmap bitmap;
           gdip::GdipGraphics g;
           return bitmap.CreateFromScan0(kWidth, kHeight, -kWidth * 4, kPixelFormat32bppPARGB,
                                         reinterpret_cast<BYTE*>(const_cast<DWORD*>(small.Pixels()) + (kHeight - 1) * kWidth)) &&
                  g.CreateFromImage(bitmap);
         }},
        {"GDI+ on a bitmap over the DIB's bits", "GdipFillRectangle 100x24, alpha", changes([&] { return onBits.FillRectangle(tint, 0, 0, kWidth, kHeight); })},
        {"GDI+ on a bitmap over the DIB's bits", "GdipFillPath, rounded 100x24, alpha", changes([&] { return onBits.FillPath(tint, rounded); })},
        {"GDI+ on a bitmap over the DIB's bits", "GdipDrawPath, rounded 100x24, 1 px pen", changes([&] { return onBits.DrawPath(pen, rounded); })},
        {"GDI+ on a bitmap over the DIB's bits", "GdipDrawString, 8 CJK characters", changes([&] {
           return onBits.DrawString(kCaption, font, ink, layout, format);
         })},
        {"GDI+ on a bitmap over the DIB's bits", "GdipDrawImageRectI 16x16 PNG at 1:1", changes([&] { return onBits.DrawImageRectI(icon, 4, 4, 16, 16); })},
        {"GDI+ on a 32-bit RGB bitmap over the DIB's bits", "GdipFillRectangle 100x24, alpha", changes([&] { return onBitsRgb.FillRectangle(tint, 0, 0, kWidth, kHeight); })},
        {"GDI+ on a 32-bit RGB bitmap over the DIB's bits", "GdipFillPath, rounded 100x24, alpha", changes([&] { return onBitsRgb.FillPath(tint, rounded); })},
        {"GDI+ on a 32-bit RGB bitmap over the DIB's bits", "GdipDrawPath, rounded 100x24, 1 px pen", changes([&] { return onBitsRgb.DrawPath(pen, rounded); })},
        {"GDI+ on a 32-bit RGB bitmap over the DIB's bits", "GdipDrawString, 8 CJK characters", changes([&] {
           return onBitsRgb.DrawString(kCaption, font, ink, layout, format);
         })},
        {"GDI+ on a 32-bit RGB bitmap over the DIB's bits", "GdipDrawImageRectI 16x16 PNG at 1:1", changes([&] { return onBitsRgb.DrawImageRectI(icon, 4, 4, 16, 16); })},
    };

    std::printf("unit costs under this system, best of %d rounds (us a call)\n", kRounds);
    std::string group;
    for (const Unit& unit : units) {
      if (unit.group != group) {
        group = unit.group;
        std::printf("%s\n", group.c_str());
      }
      const bool ok = unit.call();
      const double seconds = TimeUnit(unit.call);
      std::printf("  %-50s %10.2f%s\n", unit.name.c_str(), seconds * 1e6, ok ? "" : "   FAILED");
      if (!ok) status = 1;
    }
    // Back to back, a call that goes to the window server finds it awake; in
    // a paint it comes after other work, when the server has gone idle and
    // must be woken (on a busy machine that wait is most of its cost).
    std::printf("server round trips after %.0f us of other work (the call's own share)\n", kIdleSeconds * 1e6);
    const double spin = TimeUnit([] {
      Spin(kIdleSeconds);
      return true;
    });
    const std::pair<const char*, std::function<bool()>> isolated[] = {
        {"GetPropA (set)", [&] { return GetPropA(control, "Hw_FuID") != nullptr; }},
        {"FindWindowExA (first child; there is none)", [&] { return FindWindowExA(control, nullptr, nullptr, nullptr) == nullptr; }},
        {"InvalidateRect + UpdateWindow, empty paint", [&] {
           return InvalidateRect(painted, nullptr, FALSE) && UpdateWindow(painted);
         }},
    };
    for (const auto& [name, call] : isolated) {
      const double both = TimeUnit([&] {
        Spin(kIdleSeconds);
        return call();
      });
      std::printf("  %-50s %10.2f\n", name, std::max(both - spin, 0.0) * 1e6);
    }

    // Whether GDI+ drawing on a bitmap over the DIB's bits gives the pixels
    // its drawing on the DC gives, over a patterned background.
    std::printf("GDI+ on a bitmap over the bits beside GDI+ on the DC: the same pixels?\n");
    DWORD backgroundAlpha = 0;  // what GDI leaves in a 32-bit DIB's fourth byte
    const auto pattern = [&small, &backgroundAlpha] {
      GdiFlush();
      auto* pixels = const_cast<DWORD*>(small.Pixels());
      for (int i = 0; i < kWidth * kHeight; ++i)
        pixels[i] = (static_cast<DWORD>((i * 2654435761u) >> 8) & 0xFFFFFFu) | backgroundAlpha;
    };
    const auto differences = [&](gdip::GdipGraphics& first, gdip::GdipGraphics& second,
                                 const std::function<bool(gdip::GdipGraphics&)>& draw) {
      pattern();
      draw(first);
      GdiFlush();
      const std::string one = small.Snapshot(kWidth, kHeight);
      pattern();
      draw(second);
      GdiFlush();
      const std::string two = small.Snapshot(kWidth, kHeight);
      int count = 0, most = 0;
      for (std::size_t i = 0; i < one.size(); i += 4) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) {
          worst = std::max(worst, std::abs(static_cast<unsigned char>(one[i + c]) - static_cast<unsigned char>(two[i + c])));
        }
        if (worst != 0) ++count;
        most = std::max(most, worst);
      }
      return std::make_pair(count, most);
    };
    gdip::GdipPen faintPen;
    faintPen.Create(0x28000000, 1.0f);
    gdip::GdipBitmap halfClear;
    halfClear.Create(16, 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) halfClear.SetPixel(x, y, 0x80204060u + static_cast<unsigned>(x * 8));
    const std::pair<const char*, std::function<bool(gdip::GdipGraphics&)>> draws[] = {
        {"GdipFillRectangle, alpha", [&](gdip::GdipGraphics& g) { return g.FillRectangle(tint, 0, 0, kWidth, kHeight); }},
        {"GdipFillPath, rounded, alpha", [&](gdip::GdipGraphics& g) { return g.FillPath(tint, rounded); }},
        {"GdipDrawPath, rounded, opaque 1 px pen", [&](gdip::GdipGraphics& g) { return g.DrawPath(pen, rounded); }},
        {"GdipDrawPath, rounded, 1 px pen at alpha 40", [&](gdip::GdipGraphics& g) { return g.DrawPath(faintPen, rounded); }},
        {"GdipDrawString, 8 CJK characters", [&](gdip::GdipGraphics& g) { return g.DrawString(kCaption, font, ink, layout, format); }},
        {"GdipDrawImageRectI 16x16 PNG, opaque pixels", [&](gdip::GdipGraphics& g) { return g.DrawImageRectI(icon, 4, 4, 16, 16); }},
        {"GdipDrawImageRectI 16x16, pixels at alpha 128", [&](gdip::GdipGraphics& g) { return g.DrawImageRectI(halfClear, 4, 4, 16, 16); }},
    };
    const std::pair<const char*, gdip::GdipGraphics*> surfaces[] = {{"32-bit RGB", &onBitsRgb}, {"PARGB", &onBits}};
    for (const auto& [surface, onSurface] : surfaces)
    for (const DWORD alpha : {0x00000000u, 0xFF000000u}) {
      backgroundAlpha = alpha;
      std::printf(" %s bitmap, over a background whose fourth byte is %s\n", surface,
                  alpha == 0 ? "0 (as GDI leaves it)" : "255");
      for (const auto& [name, draw] : draws) {
        const auto [count, most] = differences(graphics, *onSurface, draw);
        if (count == 0) {
          std::printf("  %-50s the same\n", name);
        } else {
          std::printf("  %-50s %d of %d pixels differ, by up to %d\n", name, count, kWidth * kHeight, most);
        }
      }
    }

    std::printf(status == 0 ? "every unit's call did its work\n" : "some units' calls FAILED\n");
    graphics.Delete();
    onBits.Delete();
    onBitsRgb.Delete();
    onBig.Delete();
    DestroyWindow(frame);
  }
  gdip::ShutdownGdiplus();
  return status;
}
