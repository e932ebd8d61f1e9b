#include "skin/lists/header_skin.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/hot_control.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/list_installers.h"

namespace skin {

namespace {

constexpr int kDeadZone = 5;  // pixels at each item edge that hit no item
constexpr int kTextCapacity = 260;

struct DestroyIconHandle {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = rt::UniqueGdiHandle<HICON, DestroyIconHandle>;

LRESULT PassOn(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(header, HeaderSkinProc, message, wParam, lParam);
}

int ItemCount(HWND header) { return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)); }

RECT ItemRect(HWND header, int zeroBasedIndex) {
  RECT r{};
  SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(zeroBasedIndex), reinterpret_cast<LPARAM>(&r));
  return r;
}

bool IsListView(HWND window) { return IsClass(window, "SysListView32"); }

void SkinOneHeader(int windowIndex, HWND header) {
  // Stand-alone headers take their control's font too, so their texts are
  // drawn.
  const auto fill = [&](HeaderRecord& record) {
    record.font = GetControlFont(header);
    record.buttons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) != 0 ? 1 : 0;
  };
  const auto linked = LinkControl(windowIndex, &SkinWindowRecord::headers, header, HeaderSkinProc, fill);
  if (linked) linked->imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
}

template <class Visit>
void ForEachChildOfClass(HWND parent, const char* className, Visit visit) {
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
       child = FindWindowExA(parent, child, className, nullptr)) {
    children.push_back(child);
  }
  for (HWND child : children) visit(child);
}

// One item: composed in its own memory DC and copied onto `dc` at the
// item's place.
void PaintItem(HWND header, const HeaderRecord& record, int item, int count, int margin, HDC dc) {
  RECT r = ItemRect(header, item - 1);
  std::string text(kTextCapacity, ' ');
  HDITEMA info{};
  info.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
  info.pszText = text.data();
  info.cchTextMax = kTextCapacity;
  SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&info));
  const rt::Text caption(info.pszText != nullptr ? info.pszText : "");
  UniqueIcon icon;
  if ((info.fmt & HDF_IMAGE) != 0 && record.imageList != nullptr) {
    icon.reset(ImageList_GetIcon(record.imageList, info.iImage, ILD_TRANSPARENT));
  }

  const int width = r.right - r.left, height = r.bottom - r.top;
  int paintWidth = width;
  if (item == count) {
    // The last column's background reaches the list view's right edge.
    const HWND parent = GetParent(header);
    RECT parentClient{};
    if (parent != nullptr && IsListView(parent) && GetClientRect(parent, &parentClient) &&
        r.right < parentClient.right) {
      paintWidth = parentClient.right - r.left;
      r.right = r.left + paintWidth;
    }
  }
  CachedDc memory = ComposeControlBackground(header, r);
  if (!memory) return;
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory.get());
    const float top = float(r.top), fw = float(width), fh = float(height);
    {
      gdip::GdipPath base;
      base.Create();
      base.AddRectangle(0, top, float(paintWidth), fh);
      FillPathSolid(g, base, ToArgb(kWhite, TransparencyMode != 0 ? GlobalAlpha : 255));
      if (record.buttons != 0) {
        FillPathGradient(g, base, MakePair(0.0f, top), MakePair(0.0f, top + fh), ToArgb(kWhite, 80),
                         ToArgb(AccentColour, 120));
      } else {
        FillPathGradient(g, base, MakePair(0.0f, top), MakePair(0.0f, top + fh), ToArgb(AccentColour, 60),
                         ToArgb(AccentColour, 10));
      }
    }
    const PointF from = MakePair(0.0f, top), to = MakePair(0.0f, top + fh);
    if (record.buttons != 0 && record.hover == 1 && item == record.hotItem) {
      FillRectGradient(g, {0, top, fw, fh}, from, to, ToArgb(AccentColour, 60), ToArgb(kBlack, 30));
    }
    if (record.buttons != 0 && item == record.pressedItem) {
      FillRectGradient(g, {0, top, fw, fh}, from, to, ToArgb(kBlack, 30), ToArgb(kWhite, 120));
    }
    {
      gdip::GdipLinearGradientBrush fade;
      fade.Create(MakePair(fw - 1, top), MakePair(fw - 1, top + fh), ToArgb(kBlack, 60), ToArgb(kWhite, 50));
      gdip::GdipPen separator;
      separator.CreateFromBrush(fade, 1);
      g.DrawLine(separator, fw - 1, top, fw - 1, top + fh);
    }

    const int textWidth = MeasureTextWidth(caption, record.font.face, record.font.size, record.font.style);
    int iconW = 0, iconH = 0;
    gdip::GdipBitmap bitmap;
    if (icon && bitmap.CreateFromHicon(icon.get())) {
      iconW = int(bitmap.GetWidth());
      iconH = int(bitmap.GetHeight());
    }
    const bool fits = iconW + margin + textWidth < width;
    int x = margin;
    if ((info.fmt & HDF_RIGHT) != 0) {
      if (fits) x = width - iconW - textWidth;  // flush with the item's edge
    } else if ((info.fmt & HDF_CENTER) != 0) {
      if (fits) x = (width - iconW - margin - textWidth) / 2;
    }
    if (iconW != 0) g.DrawImageRect(bitmap, float(x), (fh - float(iconH)) / 2, float(iconW), float(iconH));

    gdip::GdipFont font;
    font.CreateFromName(record.font.face, float(record.font.size), gdip::FontStyle{record.font.style});
    gdip::GdipStringFormat format;
    format.Create();
    format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
    gdip::GdipSolidBrush black;
    black.Create(ToArgb(kBlack, 255));
    // The text starts at the top of its item.
    g.DrawString(caption, font, black,
                 gdip::RectF{float(x + iconW), 0, float(width - iconW - 2 * margin), fh}, format);
  }
  BitBlt(dc, r.left, r.top, paintWidth, r.bottom - r.top, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace

void SkinHeaders(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check
  ForEachChildOfClass(parent, "SysHeader32", [&](HWND header) { SkinOneHeader(windowIndex, header); });
  ForEachChildOfClass(parent, "SysListView32", [&](HWND list) {
    // A list view without a header at this moment keeps an unskinned one.
    if (HWND header = FindWindowExA(list, nullptr, "SysHeader32", nullptr)) SkinOneHeader(windowIndex, header);
  });
}

int HitTestHeaderItem(int windowIndex, int recordIndex, LPARAM lParam) {
  const HeaderRecord& record = SkinWindowTable.At(windowIndex).headers.At(recordIndex);
  const int x = MouseX(lParam);
  const int count = ItemCount(record.hwnd);
  for (int i = 1; i <= count; ++i) {
    const RECT r = ItemRect(record.hwnd, i - 1);
    if (r.left + kDeadZone <= x && x <= r.right - kDeadZone) return i;
  }
  return 0;
}

void PaintHeader(int windowIndex, int recordIndex) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->headers.Contains(recordIndex)) return;
  const HeaderRecord& record = host->headers.At(recordIndex);
  const HWND header = record.hwnd;
  if (header == nullptr) return;
  // Without items nothing is painted or copied; the client area stays.
  const int count = ItemCount(header);
  if (count <= 0) return;
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  rt::WindowDc dc(header);
  for (int item = 1; item <= count; ++item) PaintItem(header, record, item, count, margin, dc.get());
  BlitControlToHost(header, dc.get());
}

LRESULT CALLBACK HeaderSkinProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(header, &SkinWindowRecord::headers);
  // A header whose properties do not name its own record is left alone.
  if (!linked) return PassOn(header, message, wParam, lParam);
  const auto [host, record, w, i] = linked;

  switch (message) {
    case WM_NCDESTROY:
      // The image list belongs to whoever set it on the header (a list
      // view's header: the list view), which releases it; the skin only
      // forgets it.
      record->imageList = nullptr;
      break;
    case WM_MOUSEMOVE: {
      // A header repaints as its hot item changes, whether or not the
      // pointer has just entered it.
      EnterHotControl(header, *host, i, HotKind::Header);
      record->hover = 1;
      record->hotItem = HitTestHeaderItem(w, i, lParam);
      if (record->hotItem != record->lastPaintedHot && record->hotItem > 0 && record->buttonDown == 0) {
        PaintHeader(w, i);
        record->lastPaintedHot = record->hotItem;
      } else if (record->hotItem == 0) {
        record->lastPaintedHot = 0;
        record->hover = 0;
        PaintHeader(w, i);
      }
      break;
    }
    case WM_MOUSELEAVE:
      LeaveHotControl(*host);
      record->lastPaintedHot = 0;
      record->hotItem = 0;
      record->hover = 0;
      PaintHeader(w, i);
      break;
    case WM_MOVE:
      PaintHeader(w, i);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(header);
      PaintHeader(w, i);
      return 0;
    }
    case WM_LBUTTONDOWN:
      // The pressed look comes with the header's next paint.
      record->buttonDown = 1;
      if (record->hotItem > 0) record->pressedItem = record->hotItem;
      break;
    case WM_LBUTTONUP:
      record->buttonDown = 0;
      record->pressedItem = 0;
      break;
    default:
      break;
  }
  return PassOn(header, message, wParam, lParam);
}

}  // namespace skin
