#include "skin/lists/combo_painter.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/keyed_composition.h"
#include "skin/lists/scroll_arrows.h"

namespace skin {

namespace {

constexpr LONG_PTR kSimpleBit = 0x1;    // CBS_SIMPLE, also part of CBS_DROPDOWNLIST
constexpr LONG_PTR kDropDownBit = 0x2;  // CBS_DROPDOWN, also part of CBS_DROPDOWNLIST

using gdip::GdipGraphics;

void KeyOut(HDC dc, const RECT& r) { FillKeyColour(dc, r, kComboKeyColour); }

// The child windows' areas: a simple combo box's list (2 pixels inside its
// edge) and edit; a drop-down's edit. Returns the list's rectangle (zero
// without one).
RECT KeyOutChildren(HDC dc, HWND combo, LONG_PTR style) {
  RECT list{};
  if (style & kSimpleBit) {
    for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(combo, child, nullptr, nullptr)) {
      RECT r = GetRectInParentWindow(child);
      if (IsClass(child, "ComboLBox")) {
        list = r;
        InflateRect(&r, -2, -2);
      }
      KeyOut(dc, r);
    }
  } else if (HWND field = FindWindowExA(combo, nullptr, nullptr, nullptr)) {
    KeyOut(dc, GetRectInParentWindow(field));
  }
  return list;
}

bool DrawButtonImage(GdipGraphics& g, const ComboRecord& record, int hover, const RECT& button) {
  gdip::GdipImage image;
  if (!record.buttonImageFile.empty()) {
    image.LoadFromFile(hover == 1 && !record.buttonHotImageFile.empty() ? record.buttonHotImageFile
                                                                         : record.buttonImageFile);
  } else if (!record.buttonImage.empty()) {
    image.LoadFromStream(hover == 1 && !record.buttonHotImage.empty() ? record.buttonHotImage : record.buttonImage);
  } else {
    return false;
  }
  g.DrawImageRect(image, static_cast<float>(button.left), static_cast<float>(button.top),
                  static_cast<float>(button.right - button.left), static_cast<float>(button.bottom - button.top));
  image.Dispose();
  return true;
}

void DrawButton(GdipGraphics& g, HWND combo, int hover, const RECT& button) {
  const auto left = static_cast<float>(button.left);
  const auto top = static_cast<float>(button.top);
  const auto width = static_cast<float>(button.right - button.left);
  const auto height = static_cast<float>(button.bottom - button.top);
  OutlinePath(g, MakeRoundRectPath(left, top, width - 1, height - 1, 4),
              hover ? ToArgb(AccentColour, 200) : ToArgb(kBlack, 35));
  FillPathGradient(g, MakeRoundRectPath(left + 1, top + 1, width - 2, height - 2, 1), MakePair(left + 1, top),
                   MakePair(left + 1, top + height - 2), hover ? ToArgb(kWhite, 100) : ToArgb(kWhite, 30),
                   hover ? ToArgb(AccentColour, 100) : ToArgb(kWhite, 60));
  const ChevronPicture chevron(combo, Chevron::Down);
  gdip::GdipImage* arrow = chevron.get();
  if (arrow == nullptr) return;
  const auto iw = static_cast<float>(arrow->GetWidth());
  const auto ih = static_cast<float>(arrow->GetHeight());
  g.DrawImage(*arrow, left + (width - iw) / 2, top + (height - ih) / 2);
}

void DrawFaceText(GdipGraphics& g, HWND combo, int width, int height) {
  gdip::GdipFont font;
  font.CreateFromName("宋体", 12);
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(static_cast<COLORREF>(prop::Read(combo, prop::kTextColour))));
  gdip::GdipStringFormat format;
  format.Create();
  const RectF layout = MakeRectF(2, static_cast<float>(height - 12) / 2, static_cast<float>(width - 17),
                                 static_cast<float>(height - 4));
  g.DrawString(GetWindowTextCopy(combo), font, brush, layout, format);
}

}  // namespace

void DrawComboFace(HDC dc, int width, int height, const ComboRecord& record, int hover, int focused) {
  const HWND combo = record.hwnd;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  const LONG_PTR style = GetWindowLongPtrA(combo, GWL_STYLE);
  const auto w = static_cast<float>(width);
  const auto h = static_cast<float>(height);

  {
    GdipGraphics plateSurface;
    plateSurface.CreateFromHdc(dc);
    FillRectSolid(plateSurface, {0, 0, w, h}, TransparencyMode ? ToArgb(kWhite, GlobalAlpha) : ToArgb(kWhite));
  }
  const RECT list = KeyOutChildren(dc, combo, style);

  GdipGraphics g;
  g.CreateFromHdc(dc);
  if (style & kSimpleBit) {
    // The separator above the list; with no list it lies above the window.
    const auto top = static_cast<float>(list.top - 1);
    StrokeLine(g, MakePair(0.0f, top), MakePair(static_cast<float>(list.right - list.left + 2), top),
               ToArgb(kBlack, 80));
  }
  OutlineRect(g, {0, 0, w - 1, h - 1}, hover || focused ? ToArgb(AccentColour, 200) : ToArgb(kBlack, 80));
  if (style & kDropDownBit) {
    if (!DrawButtonImage(g, record, hover, info.rcButton)) DrawButton(g, combo, hover, info.rcButton);
    if (style & kSimpleBit) DrawFaceText(g, combo, width, height);
  }
}

void PaintComboBox(int windowIndex, int comboIndex, std::optional<int> hover, std::optional<int> focused) {
  const ComboRecord& record = SkinWindowTable.At(windowIndex).combos.At(comboIndex);
  const HWND combo = record.hwnd;
  RECT window{};
  GetWindowRect(combo, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const CachedDc owned = ComposeControlBackground(combo, {0, 0, width, height});
  if (!owned) return;
  HDC dc = owned.get();
  DrawComboFace(dc, width, height, record, hover.value_or(0), focused.value_or(record.focused));
  {
    rt::WindowDc screen(combo, GetWindowDC(combo));
    TransparentBlt(screen.get(), 0, 0, width, height, dc, 0, 0, width, height, kComboKeyColour);
    ComposeKeyedImage(combo, dc, kComboKeyColour);
  }
}

}  // namespace skin
