#include "skin/frames/dialog_frame.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_string_format.h"
#include "runtime/fatal_error.h"
#include "runtime/gdi_object.h"
#include "runtime/win_handle.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/core/colour_convert.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/message_box.h"
#include "skin/frames/skin_dialog.h"
#include "skin/frames/skin_release.h"

namespace skin {

HANDLE FadeInThread = nullptr;
int FadeInStarted = 0;

namespace {

constexpr COLORREF kColourKey = 0xFF00FF;
constexpr int kFadeSteps = 10;
constexpr int kFadeAlphaStep = 24;
constexpr int kFadeEndAlpha = kFadeSteps * kFadeAlphaStep;  // 240
constexpr DWORD kFadeStopWait = 5000;  // bound on waiting for a fade to stop

// ---- Fade-in -------------------------------------------------------------

// What the fade-in thread owns: its dialog and its copy of the stop event.
struct FadeInContext {
  HWND dialog = nullptr;
  rt::KernelHandle stop;
};

// One dialog's fade-in. A dialog has one from its first paint (or from its
// end, when that comes first) until its WM_NCDESTROY, so that it fades in
// once and never after its close animation has begun.
struct FadeIn {
  HWND dialog = nullptr;
  rt::KernelHandle thread;
  rt::KernelHandle stop;  // set: the thread ends before its next step
};

std::vector<FadeIn> FadeIns;

FadeIn* FindFadeIn(HWND dialog) {
  const auto found = std::find_if(FadeIns.begin(), FadeIns.end(), [&](const FadeIn& f) { return f.dialog == dialog; });
  return found == FadeIns.end() ? nullptr : &*found;
}

void ShowAtFinalAlpha(HWND dialog) {
  SetLayeredWindowAttributes(dialog, kColourKey, kFadeEndAlpha, LWA_COLORKEY | LWA_ALPHA);
}

// Starts the dialog's fade-in unless it has one; a fade that cannot start
// shows the dialog at once at the fade's final alpha.
void StartFadeIn(HWND dialog) {
  if (FindFadeIn(dialog) != nullptr) return;
  FadeIn fade;
  fade.dialog = dialog;
  fade.stop = rt::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  auto context = std::make_unique<FadeInContext>();
  context->dialog = dialog;
  HANDLE copy = nullptr;
  if (fade.stop && DuplicateHandle(GetCurrentProcess(), fade.stop.get(), GetCurrentProcess(), &copy, 0, FALSE,
                                   DUPLICATE_SAME_ACCESS)) {
    context->stop = rt::KernelHandle(copy);
    fade.thread = rt::KernelHandle(CreateThread(nullptr, 0, &FadeInThreadProc, context.get(), 0, nullptr));
  }
  if (fade.thread) {
    context.release();  // the thread frees it
    FadeInThread = fade.thread.get();
  } else {
    ShowAtFinalAlpha(dialog);
  }
  FadeIns.push_back(std::move(fade));
  FadeInStarted = 1;
}

// Tells the dialog's fade-in to stop and waits for it, so no alpha change
// lands after this; a dialog without one gets a finished record, so none
// starts later.
void StopFadeIn(HWND dialog) {
  FadeIn* fade = FindFadeIn(dialog);
  if (fade == nullptr) {
    FadeIns.push_back(FadeIn{dialog, {}, {}});
    FadeInStarted = 1;
    return;
  }
  if (!fade->thread) return;
  if (fade->stop) SetEvent(fade->stop.get());
  WaitForSingleObject(fade->thread.get(), kFadeStopWait);
}

// Stops the dialog's fade-in and closes its handles.
void ForgetFadeIn(HWND dialog) {
  if (FadeIn* fade = FindFadeIn(dialog)) {
    StopFadeIn(dialog);
    if (fade->thread.get() == FadeInThread) FadeInThread = nullptr;
    FadeIns.erase(FadeIns.begin() + (fade - FadeIns.data()));
  }
  FadeInStarted = FadeIns.empty() ? 0 : 1;
}

// ---- Frame colours and pictures ------------------------------------------

// The owner's tint colour when it has a non-negative one, else the theme's.
COLORREF FrameColour() {
  const SkinWindowRecord* owner = SkinWindowTable.Find(prop::Read(MessageBoxOwner, prop::kIndex));
  if (MessageBoxOwner != nullptr && owner != nullptr && static_cast<LONG>(owner->overlayColour) >= 0) {
    return owner->overlayColour;
  }
  return ThemeColour;
}

const rt::ByteArray& FramePicture() {
  const SkinWindowRecord* owner = SkinWindowTable.Find(prop::Read(MessageBoxOwner, prop::kIndex));
  if (MessageBoxOwner != nullptr && owner != nullptr && !owner->backgroundImage.empty()) {
    return owner->backgroundImage;
  }
  return ThemeBackground;
}

void DrawFramePicture(gdip::GdipGraphics& graphics) {
  const rt::ByteArray& bytes = FramePicture();
  if (bytes.empty()) return;
  gdip::GdipBitmap picture;
  if (picture.CreateFromStream(bytes)) graphics.DrawImage(picture, 0, 0);
}

void FillCaptionGradient(gdip::GdipGraphics& graphics, float width) {
  FillRectGradient(graphics, {0, 0, width, 30}, PointF{0, 0}, PointF{0, 31}, ToArgb(kWhite, 60), ToArgb(kWhite, 150));
}

// A new frame bitmap in the record's background DC, which the DC cache
// holds; the properties name the bitmap and what it displaced.
void ReplaceFrameBitmap(SkinWindowRecord& record, int width, int height) {
  record.backgroundDc.reset();
  gdip::GdipBitmap canvas;
  if (!canvas.Create(width, height, gdip::kPixelFormat32bppArgb)) return;
  rt::UniqueBitmap bitmap(canvas.GetHbitmap(gdip::ARGB{0}));
  canvas.Dispose();
  if (!bitmap) return;
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
  prop::WriteHandle(record.hwnd, prop::kDialogBitmap, bitmap.get());
  prop::WriteHandle(record.hwnd, prop::kDialogPaintObject, previous);
  RegisterCachedDc(dc.get(), bitmap.release(), previous);
  record.backgroundDc = CachedDc::Adopt(dc.release());
}

SkinWindowRecord* DialogRecord(HWND dialog, int* windowIndex = nullptr) {
  const INT_PTR index = prop::Read(dialog, prop::kIndex);
  SkinWindowRecord* record = SkinWindowTable.Find(index);
  if (record == nullptr || record->hwnd != dialog) return nullptr;
  if (windowIndex) *windowIndex = static_cast<int>(index);
  return record;
}

LRESULT CallSaved(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto saved = prop::ReadHandle<WNDPROC>(hwnd, prop::kOldProc);
  if (saved == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(saved, hwnd, message, wParam, lParam);
}

}  // namespace

DWORD WINAPI FadeInThreadProc(LPVOID parameter) {
  const std::unique_ptr<FadeInContext> context(static_cast<FadeInContext*>(parameter));
  for (int i = 1; i <= kFadeSteps; ++i) {
    const DWORD pause = static_cast<DWORD>(50 - 5 * i);
    if (WaitForSingleObject(context->stop.get(), pause) == WAIT_OBJECT_0) return 0;
    SetLayeredWindowAttributes(context->dialog, kColourKey, static_cast<BYTE>(kFadeAlphaStep * i),
                               LWA_COLORKEY | LWA_ALPHA);
  }
  return 0;
}

rt::WindowDc GetDialogFrameDc(HWND dialog) {
  rt::WindowDc dc(dialog, GetWindowDC(dialog));
  if (!dc) return dc;
  for (HWND child = FindWindowExA(dialog, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(dialog, child, nullptr, nullptr)) {
    if (!IsWindowVisible(child)) continue;
    const RECT r = GetRectInParentWindow(child);
    ExcludeClipRect(dc.get(), r.left, r.top, r.right, r.bottom);
  }
  return dc;
}

int DialogHitTest(HWND dialog, LPARAM lParam) {
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  RECT r{};
  GetWindowRect(dialog, &r);
  const SkinWindowRecord* record = DialogRecord(dialog);
  const int buttonsX = record ? record->buttonsX : 0;
  if (r.left + buttonsX < x && x < r.right - 5 && r.top + 3 < y && y <= r.top + 20) return HTCLOSE;
  if (y > r.top + 25) return HTCLIENT;
  return HTCAPTION;
}

void DrawDialogTitle(gdip::GdipGraphics& target, const rt::Text& text, const RectF& layout, COLORREF textColour,
                     COLORREF haloColour, int scale, const rt::Text& face, int style, float size, int alignment,
                     int lineAlignment) {
  const int w = static_cast<int>(layout.width), h = static_cast<int>(layout.height);
  if (w <= 0 || h <= 0 || text.empty()) return;
  const int divisor = std::max(scale, 1);

  gdip::GdipBitmap canvas;
  if (!canvas.Create(w, h, gdip::kPixelFormat32bppArgb)) return;
  gdip::GdipGraphics graphics;
  if (!graphics.CreateFromImage(canvas)) return;
  SetSmoothQuality(graphics);

  const gdip::GdipFontCollection installed;
  gdip::GdipFontFamily family;
  family.CreateFromName(face, installed);
  gdip::GdipStringFormat format;
  format.Create();
  format.SetAlign(gdip::StringAlignment{alignment});
  format.SetLineAlign(gdip::StringAlignment{lineAlignment});
  const int em = static_cast<int>(size);
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  const float top = static_cast<float>(divisor) / 2;

  {
    gdip::GdipPath outline;
    outline.Create();
    outline.AddString(text, family, em, RectF{0, top, fw, fh}, gdip::FontStyle{style}, format);
    OutlinePath(graphics, outline, ToArgb(haloColour));
    FillPathSolid(graphics, outline, ToArgb(haloColour));
  }
  {
    // The halo is blurred by a round trip through a smaller picture.
    gdip::GdipBitmap small;
    if (small.Create(std::max(w / divisor, 1), std::max(h / divisor, 1), gdip::kPixelFormat32bppArgb)) {
      {
        gdip::GdipGraphics shrink;
        shrink.CreateFromImage(small);
        SetSmoothQuality(shrink);
        shrink.DrawImageRect(canvas, 0, 0, static_cast<float>(w / divisor), static_cast<float>(h / divisor));
      }
      graphics.Clear(gdip::ARGB{0});
      graphics.DrawImageRect(small, 0, 0, fw, fh);
    }
  }
  {
    gdip::GdipPath ink;
    ink.Create();
    ink.AddString(text, family, em, RectF{0, top - 1, fw, fh}, gdip::FontStyle{style}, format);
    OutlinePath(graphics, ink, ToArgb(haloColour, 200), 2);
    OutlinePath(graphics, ink, ToArgb(textColour, 254));
    FillPathSolid(graphics, ink, ToArgb(textColour));
  }
  graphics.Delete();
  target.DrawImage(canvas, layout.x, layout.y);
}

void DrawDialogCloseButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics, bool graphicsGiven,
                           bool hot) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (buttonIndex < 1 || buttonIndex > static_cast<int>(record.captionButtons.size())) return;
  const CaptionButtonRecord& button = record.captionButtons[static_cast<std::size_t>(buttonIndex - 1)];
  const int x = static_cast<int>(button.rect.x), y = static_cast<int>(button.rect.y);
  const int w = static_cast<int>(button.rect.width), h = static_cast<int>(button.rect.height);
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);

  if (!graphicsGiven) {
    if (!record.backgroundDc || !graphics.CreateFromHdc(record.backgroundDc.get())) return;
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetClipRect(fx, fy + 2, fw - 2, fh);
    if (hot) {
      const gdip::GdipPath face = MakeRoundRectPath(fx + 6, fy + 2, fw - 12, fh - 4, 5);
      FillPathGradient(graphics, face, PointF{fx + 3, fy + 2}, PointF{fx + 3, fy + fh - 2}, ToArgb(kWhite, 10),
                       ToArgb(kRed, 200));
      OutlinePath(graphics, face, ToArgb(kBlack, 100));
      OutlineRoundRect(graphics, {fx + 7, fy + 3, fw - 14, fh - 6}, 3, ToArgb(kWhite, 130));
    } else {
      RECT r{};
      GetWindowRect(record.hwnd, &r);
      const float W = static_cast<float>(r.right - r.left), H = static_cast<float>(r.bottom - r.top);
      const COLORREF colour = FrameColour();
      graphics.Clear(ToArgb(colour));
      DrawFramePicture(graphics);
      FillRectSolid(graphics, {0, 0, W, H}, ToArgb(colour, 150));
      FillRectSolid(graphics, {0, 0, W, H}, ToArgb(kWhite, 50));
      FillRectGradient(graphics, {0, 0, W, 31}, PointF{0, 0}, PointF{0, 31}, ToArgb(kWhite, 60), ToArgb(kWhite, 150));
    }
  }

  gdip::GdipImage image;
  if (image.LoadFromStream(button.image)) graphics.DrawImage(image, fx, fy + 3);

  if (!graphicsGiven) {
    graphics.Delete();
    const rt::WindowDc window = GetDialogFrameDc(record.hwnd);
    if (window) BitBlt(window.get(), x, y, w, h, record.backgroundDc.get(), x, y, SRCCOPY);
  }
}

void PaintDialogFrame(HWND dialog) {
  int windowIndex = 0;
  SkinWindowRecord* found = DialogRecord(dialog, &windowIndex);
  if (found == nullptr) return;
  SkinWindowRecord& record = *found;
  RECT r{};
  GetWindowRect(dialog, &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  if (W <= 0 || H <= 0) return;
  const int B = record.buttonBandHeight;
  const float fw = static_cast<float>(W), fh = static_cast<float>(H), fb = static_cast<float>(B);

  ReplaceFrameBitmap(record, W, H);
  if (!record.backgroundDc) return;
  {
    gdip::GdipGraphics graphics;
    if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBicubic);

    const gdip::GdipPath frame = MakeRoundRectPath(0, 0, fw - 1, fh - 1, 6, true);

    const COLORREF colour = FrameColour();
    FillPathSolid(graphics, frame, ToArgb(colour));
    DrawFramePicture(graphics);
    FillPathSolid(graphics, frame, ToArgb(colour, 150));
    FillPathSolid(graphics, frame, ToArgb(kWhite, 50));
    graphics.SetClipPath(frame);

    FillCaptionGradient(graphics, fw);
    FillRectGradient(graphics, {0, 30, fw, fh - fb - 30}, PointF{0, 29}, PointF{0, fh - fb + 6}, ToArgb(kWhite, 150),
                     ToArgb(kWhite, 225));
    if (B > 0) {
      FillRectGradient(graphics, {0, fh - fb, fw, fb}, PointF{0, fh - fb}, PointF{0, fh}, ToArgb(kWhite, 220),
                       ToArgb(kWhite, 100));
    }

    graphics.SetSmoothingMode(gdip::SmoothingMode::Default);
    graphics.SetPixelOffsetMode(gdip::PixelOffsetMode::Default);
    StrokeLine(graphics, {2, fh - fb}, {fw - 2, fh - fb}, ToArgb(kWhite));
    StrokeLine(graphics, {2, fh - fb}, {fw - 2, fh - fb}, ToArgb(kBlack, 60));

    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBicubic);
    graphics.ResetClip();
    OutlinePath(graphics, frame, ToArgb(kWhite, 200));
    OutlinePath(graphics, frame, ToArgb(kBlack, 150));

    DrawDialogTitle(graphics, GetWindowTextCopy(dialog), RectF{8, -3, fw, 30}, kBlack, kWhite, 4, "黑体", 0, 12, 0, 1);

    const int buttons = static_cast<int>(record.captionButtons.size());
    for (int i = 1; i <= buttons; ++i) DrawDialogCloseButton(windowIndex, i, graphics, true, false);
  }
  const rt::WindowDc window = GetDialogFrameDc(dialog);
  if (window) BitBlt(window.get(), 0, 0, W, H, record.backgroundDc.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK DialogFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  int index = 0;
  SkinWindowRecord* record = DialogRecord(hwnd, &index);
  if (record == nullptr) {
    if (message == WM_NCDESTROY) ForgetFadeIn(hwnd);
    return CallSaved(hwnd, message, wParam, lParam);
  }

  switch (message) {
    case WM_CLOSE:
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCDESTROY: {
      ForgetFadeIn(hwnd);
      const auto saved = prop::ReadHandle<WNDPROC>(hwnd, prop::kOldProc);
      ReleaseWindowSkin(hwnd);
      return saved ? CallWindowProcA(saved, hwnd, message, wParam, lParam)
                   : DefWindowProcA(hwnd, message, wParam, lParam);
    }

    case WM_CHANGEUISTATE:
      if (LOWORD(wParam) == UIS_INITIALIZE) return 0;
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SETFOCUS:
      if (record->shadowHwnd != nullptr) ShowWindow(record->shadowHwnd, SW_HIDE);
      // The fade-in ends first: an alpha change after the window has turned
      // layered for the animation would freeze it.
      StopFadeIn(hwnd);
      AnimateShrinkFade(hwnd);
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_ACTIVATE:
      RemoveMessageBoxHook();
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SIZE: {
      RECT r{};
      GetWindowRect(hwnd, &r);
      HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5);
      if (region != nullptr && SetWindowRgn(hwnd, region, TRUE) == 0) DeleteObject(region);
      LayoutDialogCaption(index);
      return CallSaved(hwnd, message, wParam, lParam);
    }

    case WM_PAINT: {
      {
        const rt::PaintScope paint(hwnd);
        PaintDialogFrame(hwnd);
      }
      StartFadeIn(hwnd);
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    case WM_CTLCOLORSTATIC:
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCPAINT:
      return 0;

    case WM_NCACTIVATE:
      return 1;

    case WM_NCHITTEST:
      return DialogHitTest(hwnd, lParam);

    case WM_NCLBUTTONDOWN:
      if (wParam == HTCLOSE) return 0;
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCMOUSEMOVE:
      if (wParam == HTCLOSE) {
        if (record->closeHot == 0) {
          gdip::GdipGraphics graphics;
          DrawDialogCloseButton(index, 1, graphics, false, true);
          record->closeHot = 1;
        }
        return 0;
      }
      if (record->closeHot == 1) {
        gdip::GdipGraphics graphics;
        DrawDialogCloseButton(index, 1, graphics, false, false);
        record->closeHot = 0;
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCLBUTTONUP:
      if (wParam == HTCLOSE) {
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_DRAWITEM:
      if (lParam != 0) RouteDrawItem(index, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SHOWWINDOW:
      // The platform may place the buttons after the hook has run: the
      // first show lays them out once more.
      if (wParam != 0 && record->shownComposed == 0) {
        record->shownComposed = 1;
        LayoutDialogButtons(index);
      }
      if (record->shadowHwnd != nullptr && record->maximized == 0) {
        ShowWindow(record->shadowHwnd, SW_SHOWNA);
        AlignShadow(hwnd);
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_WINDOWPOSCHANGED:
      if (lParam != 0) {
        const auto& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        if (position.cx > 0 && position.cy > 0) AlignShadowToWindowPos(hwnd, position);
      }
      return CallSaved(hwnd, message, wParam, lParam);

    default:
      return CallSaved(hwnd, message, wParam, lParam);
  }
}

}  // namespace skin
