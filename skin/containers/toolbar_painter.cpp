#include "skin/containers/toolbar_painter.h"

#include <commctrl.h>

#include <vector>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_links.h"
#include "skin/core/control_picture.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"
#include "skin/lists/tree_images.h"

namespace skin {

namespace {

constexpr COLORREF kGreyText = 0x808080;
constexpr int kCorner = 5;
constexpr int kDropWidth = 12;  // the drop-down part right of the split line

// Button styles, compared as whole values.
constexpr int kStyleButton = BTNS_BUTTON;
constexpr int kStyleSeparator = BTNS_SEP;
constexpr int kStyleCheck = BTNS_CHECK;
constexpr int kStyleCheckGroup = BTNS_CHECKGROUP;
constexpr int kStyleDropDown = BTNS_DROPDOWN;
constexpr int kStyleWholeDropDown = BTNS_WHOLEDROPDOWN;


ControlRecord* OwnRecord(HWND toolbar) {
  return FindControlLink(toolbar, &SkinWindowRecord::controls, kControlLink).record;
}

bool IsGreyed(int state) {
  return (state & TBSTATE_INDETERMINATE) != 0 || (state & TBSTATE_ENABLED) == 0;
}

bool IsDropStyle(int style) { return style == kStyleDropDown || style == kStyleWholeDropDown; }

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {0, 0};
  rt::UniqueBitmap colour(info.hbmColor);
  rt::UniqueBitmap mask(info.hbmMask);
  BITMAP bitmap{};
  if (colour) {
    GetObjectA(colour.get(), sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
  }
  GetObjectA(mask.get(), sizeof bitmap, &bitmap);
  return {bitmap.bmWidth, bitmap.bmHeight / 2};  // mask and image stacked
}

rt::Text ButtonText(HWND toolbar, int command) {
  const auto length = static_cast<int>(SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, 0));
  if (length <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text.data()));
  return rt::Text(text.data());
}

// A dark line with a light one beside it (one pixel right, or lower).
void EtchedLine(gdip::GdipGraphics& graphics, float x1, float y1, float x2, float y2, bool horizontal) {
  StrokeLine(graphics, {x1, y1}, {x2, y2}, ToArgb(kBlack, 100));
  const float dx = horizontal ? 0.0f : 1.0f;
  const float dy = horizontal ? 1.0f : 0.0f;
  StrokeLine(graphics, {x1 + dx, y1 + dy}, {x2 + dx, y2 + dy}, ToArgb(kWhite, 150));
}

// Background, outline and separator of one button.
void DrawButtonFace(HDC dc, const RECT& button, int index, int style, int state, bool hot,
                    int clientWidth) {
  const auto L = static_cast<float>(button.left);
  const auto T = static_cast<float>(button.top);
  const auto W = static_cast<float>(button.right - button.left);
  const auto H = static_cast<float>(button.bottom - button.top);
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  const gdip::GdipPath path = MakeRoundRectPath(L, T, W, H, kCorner);

  const bool pressed = (state & TBSTATE_PRESSED) != 0;
  const bool checked = (state & TBSTATE_CHECKED) != 0;
  if (pressed) {
    FillPathGradient(graphics, path, {L, T}, {L, T + H}, ToArgb(kBlack, 60), ToArgb(kWhite, 100));
  } else if (checked) {
    FillPathSolid(graphics, path, ToArgb(kWhite, 100));
    FillPathSolid(graphics, path, ToArgb(AccentColour, 16));
    FillPathGlow(graphics, path, ToArgb(kWhite, 100), ToArgb(AccentColour, 80), (W - 4) / W, (H - 4) / H);
  } else if (hot) {
    FillPathSolid(graphics, path, ToArgb(kWhite, 100));
    FillPathSolid(graphics, path, ToArgb(AccentColour, 10));
    FillPathGlow(graphics, path, ToArgb(kWhite, 10), ToArgb(AccentColour, 60), (W - 4) / W, (H - 6) / H);
  }

  if (hot || pressed || checked) {
    if (style != kStyleSeparator) {
      OutlinePath(graphics, path, ToArgb(kBlack, 100));
      OutlinePath(graphics, MakeRoundRectPath(L + 1, T + 1, W - 2, H - 2, kCorner), ToArgb(kWhite, 60));
    }
    if (IsDropStyle(style)) {
      const float x = L + W - kDropWidth;
      EtchedLine(graphics, x, T + 3, x, T + H - 3, false);
    }
  }

  if (style == kStyleSeparator) {
    if (L < 10 && index > 0) {
      // A separator that starts a new row runs across the toolbar.
      const float y = T + H - 5;
      EtchedLine(graphics, L + 3, y, L + static_cast<float>(clientWidth) - 6, y, true);
    } else {
      const float x = L + (W - 2) / 2;
      EtchedLine(graphics, x, T + 3, x, T + H - 3, false);
    }
  }
}

// The drop-down arrow: the tree's expand triangle.
rt::ByteArray DropArrowImage() { return TreeExpandImage(); }

void DrawCaption(HDC dc, const rt::Text& text, const RectF& layout, COLORREF colour,
                 const ControlRecord& record) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(colour, 255));
  gdip::GdipFont font;
  font.CreateFromName(record.font.face, static_cast<float>(record.font.size), gdip::FontStyle{record.font.style});
  gdip::GdipStringFormat format;
  format.Create(gdip::StringFormatFlags::MeasureTrailingSpaces);
  format.SetAlign(gdip::StringAlignment::Center);
  format.SetLineAlign(gdip::StringAlignment::Center);
  format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
  graphics.DrawString(text, font, brush, layout, format);
}

}  // namespace

COLORREF GreyedIconPixel(COLORREF pixel, int state) {
  const int r = GetRValue(pixel);
  const int g = GetGValue(pixel);
  const int b = GetBValue(pixel);
  if (pixel == 0 || (r == g && g == b)) return 0;
  const int a = (r + g + b) / 3;
  const int red = (state & TBSTATE_INDETERMINATE) != 0 ? a + 20 : a;
  return RGB(red & 0xFF, a & 0xFF, a & 0xFF);
}

void DrawGreyedIcon(HDC dc, int x, int y, HICON icon, int state) {
  const SIZE size = IconSize(icon);
  if (size.cx <= 0 || size.cy <= 0) return;
  const CachedDc image = CreateDibDc({0, 0, size.cx, size.cy});
  if (!image) return;
  DrawIconEx(image.get(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  for (int py = 0; py < size.cy; ++py) {
    for (int px = 0; px < size.cx; ++px) {
      SetPixel(image.get(), px, py, GreyedIconPixel(GetPixel(image.get(), px, py), state));
    }
  }
  // Black is the key: neutral and empty pixels stay out.
  TransparentBlt(dc, x, y, size.cx, size.cy, image.get(), 0, 0, size.cx, size.cy, 0);
}

ToolbarButtonLayout LayoutToolbarButton(const RECT& button, int style, int state, bool list,
                                        int iconWidth, int iconHeight) {
  const int L = button.left;
  const int T = button.top;
  const int W = button.right - button.left;
  const int H = button.bottom - button.top;
  const int IW = iconWidth;
  const int IH = iconHeight;
  const bool greyed = IsGreyed(state);
  const bool drop = IsDropStyle(style);
  ToolbarButtonLayout layout;
  layout.greyedText = greyed;
  const POINT plain = list ? POINT{L + 2, T + (H - IH) / 2} : POINT{L + (W - IW) / 2, T + 2};
  const POINT dropped = list ? POINT{L + 2, T + (H - IH) / 2} : POINT{L + (W - IW - 10) / 2, T + 2};

  if (style == kStyleButton || style == kStyleCheck || style == kStyleCheckGroup) {
    layout.icon = true;
    layout.greyedIcon = greyed;
    layout.iconAt = plain;
  } else if (drop) {
    layout.icon = true;
    layout.arrow = true;
    // A whole drop-down button greys its icon only when no state bit other
    // than indeterminate is set.
    layout.greyedIcon = style == kStyleDropDown ? greyed
                                                : (state == 0 || state == TBSTATE_INDETERMINATE);
    layout.iconAt = layout.greyedIcon ? plain : dropped;
  }

  const int dropWidth = drop ? kDropWidth : 0;
  const auto f = [](int v) { return static_cast<float>(v); };
  layout.caption = list ? RectF{f(L + IW), f(T + 2), f(W - IW - dropWidth), f(H)}
                        : RectF{f(L), f(T + IH), f(W - dropWidth), f(H - IH)};
  return layout;
}

void PaintToolbarButton(HWND toolbar, int index, HDC dc, bool hot) {
  const ControlRecord* record = OwnRecord(toolbar);
  if (record == nullptr) return;
  TBBUTTON button{};
  SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  RECT rect{};
  SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  const int state = button.fsState;
  const int style = button.fsStyle;
  if ((state & TBSTATE_HIDDEN) != 0) return;

  const auto images = prop::ReadHandle<HIMAGELIST>(toolbar, prop::kCtlColourBitmap);
  const HICON icon = images != nullptr ? ImageList_GetIcon(images, button.iBitmap, ILD_TRANSPARENT) : nullptr;
  const SIZE iconSize = IconSize(icon);
  const rt::Text caption = ButtonText(toolbar, button.idCommand);
  const bool list = (SendMessageA(toolbar, TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0;
  RECT client{};
  GetClientRect(toolbar, &client);

  DrawButtonFace(dc, rect, index, style, state, hot, client.right - client.left);
  const ToolbarButtonLayout layout =
      LayoutToolbarButton(rect, style, state, list, iconSize.cx, iconSize.cy);
  if (icon != nullptr && layout.icon) {
    if (layout.greyedIcon) {
      DrawGreyedIcon(dc, layout.iconAt.x, layout.iconAt.y, icon, state);
    } else {
      DrawIconEx(dc, layout.iconAt.x, layout.iconAt.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    }
  }
  if (layout.arrow) {
    const ControlPicture picture(toolbar, KeptPicture::DownTriangle, DropArrowImage());
    if (gdip::GdipImage* arrow = picture.get()) {
      gdip::GdipGraphics graphics;
      graphics.CreateFromHdc(dc);
      const int top = rect.top + (rect.bottom - rect.top - static_cast<int>(arrow->GetHeight())) / 2;
      graphics.DrawImageRect(*arrow, static_cast<float>(rect.right - 8), static_cast<float>(top),
                             static_cast<float>(arrow->GetWidth()), static_cast<float>(arrow->GetHeight()));
    }
  }
  if (icon != nullptr) DestroyIcon(icon);

  if (!caption.empty()) {
    const auto colour = layout.greyedText ? kGreyText
                                          : static_cast<COLORREF>(prop::Read(toolbar, prop::kTextColour));
    DrawCaption(dc, caption, layout.caption, colour, *record);
  }
}

void PaintToolbar(HWND toolbar) {
  ControlRecord* record = OwnRecord(toolbar);
  if (record == nullptr) return;
  const auto count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
  const auto hotItem = static_cast<int>(SendMessageA(toolbar, TB_GETHOTITEM, 0, 0));
  RECT client{};
  GetClientRect(toolbar, &client);
  const CachedDc image = ComposeControlBackground(toolbar, client);
  if (image) {
    for (int i = 0; i < count; ++i) PaintToolbarButton(toolbar, i, image.get(), i == hotItem);
    BlitControlToHost(toolbar, image.get(), true);
    rt::WindowDc target = GetDcWithoutChildren(toolbar);
    BitBlt(target.get(), 0, 0, client.right - client.left, client.bottom - client.top, image.get(), 0, 0,
           SRCCOPY);
  }
  record->redraw = 0;
}

}  // namespace skin
