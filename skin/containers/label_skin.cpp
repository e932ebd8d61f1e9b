#include "skin/containers/label_skin.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/containers/control_skin.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr COLORREF kNoHalo = static_cast<COLORREF>(-1);
constexpr int kHaloDivisor = 4;

// The record named by the label's own properties; nullptr when they do
// not name this label's record.
LabelRecord* OwnRecord(HWND label) { return FindControlLink(label, &SkinWindowRecord::labels).record; }

LRESULT CallSaved(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(label, LabelSkinProc, message, wParam, lParam);
}

bool SavedIsClassProcedure(HWND label) {
  const auto saved = prop::ReadHandle<WNDPROC>(label, prop::kOldProc);
  return saved != nullptr && saved == reinterpret_cast<WNDPROC>(GetClassLongPtrA(label, GCLP_WNDPROC));
}

}  // namespace

int SkinLabel(HWND label, std::optional<rt::Text> face, std::optional<int> size, int style,
              std::optional<COLORREF> colour, std::optional<COLORREF> haloColour,
              std::optional<int> alignment, std::optional<int> lineAlignment, int wrap) {
  const int windowIndex = FindSkinWindowOfAncestor(label);
  if (SkinWindowTable.Find(windowIndex) == nullptr) return 0;
  if (OwnRecord(label) != nullptr) return 1;
  // Another skin's procedure on this window is not joined by a second one:
  // the two would hand each other its messages.
  const auto fill = [&](LabelRecord& record) {
    record.textColour = colour.value_or(0);
    record.halo = haloColour ? 1 : 0;
    record.haloColour = haloColour.value_or(kNoHalo);
    record.alignment = alignment.value_or(0);
    record.lineAlignment = lineAlignment.value_or(1);
    record.wrap = wrap;
    record.font.face = face ? *face : rt::Text("宋体");
    record.font.size = size.value_or(12);
    record.font.style = style;
    record.needsRepaint = 1;
  };
  return LinkControl(windowIndex, &SkinWindowRecord::labels, label, LabelSkinProc, fill) ? 1 : 0;
}

LRESULT CALLBACK LabelSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelRecord* record = OwnRecord(hwnd);
  if (record == nullptr) return CallSaved(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      record->needsRepaint = 1;
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case WM_SIZE:
      record->needsRepaint = 1;
      break;
    case WM_SHOWWINDOW:
      if (wParam == 1) record->needsRepaint = 1;
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      if (record->needsRepaint == 0) record->needsRepaint = NeedsRedraw(hwnd);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(hwnd);
      if (record->needsRepaint != 0) {
        PaintLabel(hwnd);
      } else {
        PaintBackgroundFromForm(hwnd, paint.get());
      }
      return 0;
    }
    case WM_SETTEXT: {
      // On screen and in the composition image before the window stores it.
      const char* text = reinterpret_cast<const char*>(lParam);
      PaintLabel(hwnd, rt::Text(text != nullptr ? text : ""));
      // The static control paints itself at once on a new text, in its own
      // font and colours, over what the skin just drew; when nothing else
      // sits beneath the skin the text is stored without that paint.
      if (SavedIsClassProcedure(hwnd)) return DefWindowProcA(hwnd, message, wParam, lParam);
      break;
    }
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

void DrawLabel(HDC dc, const RECT& area, const LabelRecord& record, const rt::Text& text) {
  const float w = static_cast<float>(area.right - area.left);
  const float h = static_cast<float>(area.bottom - area.top);
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipFont font;
  font.CreateFromName(record.font.face, static_cast<float>(record.font.size), gdip::FontStyle{record.font.style});
  gdip::GdipStringFormat format;
  const gdip::StringFormatFlags lineLimit = gdip::StringFormatFlags::LineLimit;
  format.Create(record.wrap == 0 ? gdip::StringFormatFlags::NoWrap | lineLimit : lineLimit);
  format.SetAlign(gdip::StringAlignment{record.alignment});
  format.SetLineAlign(gdip::StringAlignment{record.lineAlignment});

  // Two pixels left of the client area and eight wider: the DC clips the rest.
  const RectF layout{-2, 0, w + 8, h};
  if (record.halo == 0) {
    gdip::GdipSolidBrush brush;
    brush.Create(ToArgb(record.textColour, 255));
    graphics.DrawString(text, font, brush, layout, format);
  } else {
    DrawSkinText(graphics, text, layout, record.textColour, record.haloColour, kHaloDivisor,
                 record.font.face, record.font.style, static_cast<float>(record.font.size),
                 record.alignment, record.lineAlignment, record.wrap);
  }
}

void PaintLabel(HWND label, std::optional<rt::Text> text) {
  LabelRecord* record = OwnRecord(label);
  if (record == nullptr) return;
  const rt::Text shown = text ? *text : GetWindowTextCopy(label);

  RECT client{};
  GetClientRect(label, &client);
  const CachedDc image = ComposeControlBackground(label, client);
  if (image.get() == nullptr) return;
  DrawLabel(image.get(), client, *record, shown);

  BlitControlToHost(label, image.get());
  rt::WindowDc target = GetDcWithoutChildren(label);
  BitBlt(target.get(), 0, 0, client.right, client.bottom, image.get(), 0, 0, SRCCOPY);
  record->needsRepaint = 0;
}

}  // namespace skin
