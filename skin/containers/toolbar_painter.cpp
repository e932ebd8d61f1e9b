#include "skin/containers/toolbar_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/containers/control_skin.h"
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

// Puts a paint's questions to the native toolbar straight. A message sent
// passes the skin's procedure first, which finds the record through the
// window's properties, a window-server call each, for every question of
// every button; the answers are the native procedure's either way.
struct NativeToolbar {
  HWND toolbar = nullptr;
  WNDPROC native = nullptr;  // nullptr: send

  NativeToolbar(HWND hwnd, const ControlRecord& record) : toolbar(hwnd) {
    if (record.hwnd == hwnd && record.oldProc != nullptr && record.oldProc != ControlSkinProc) native = record.oldProc;
  }
  LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return native != nullptr ? CallWindowProcA(native, toolbar, message, wParam, lParam)
                             : SendMessageA(toolbar, message, wParam, lParam);
  }
};

rt::Text ButtonText(const NativeToolbar& toolbar, int command) {
  const auto length = static_cast<int>(toolbar.Ask(TB_GETBUTTONTEXTA, command, 0));
  if (length <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  toolbar.Ask(TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text.data()));
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
void DrawButtonFace(gdip::GdipGraphics& graphics, const RECT& button, int index, int style, int state, bool hot,
                    int clientWidth) {
  const auto L = static_cast<float>(button.left);
  const auto T = static_cast<float>(button.top);
  const auto W = static_cast<float>(button.right - button.left);
  const auto H = static_cast<float>(button.bottom - button.top);
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

// The caption's brush for one colour, kept while the colour stays.
struct KeptBrush {
  COLORREF colour = 0;
  gdip::GdipSolidBrush brush;

  gdip::GdipSolidBrush& For(COLORREF wanted) {
    if (brush.IsEmpty() || colour != wanted) {
      brush.Create(ToArgb(wanted, 255));
      colour = wanted;
    }
    return brush;
  }
};

struct DestroyIconHandle {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = rt::UniqueGdiHandle<HICON, DestroyIconHandle>;

// Icons made of an image list's pictures, kept while the list holds the
// same pictures. Drawing from the list straight is not the same: its
// translucent pixels come out a shade apart from the icon's.
struct KeptIcons {
  HIMAGELIST list = nullptr;
  int count = 0;
  SIZE size{};
  std::vector<std::uint8_t> bytes;  // the list's pictures and masks
  std::vector<UniqueIcon> icons;    // by picture, each made when first drawn
};

// One button as a paint reads it from the toolbar.
struct ButtonFacts {
  int image = 0;
  int command = 0;
  int state = 0;
  int style = 0;
  std::array<LONG, 4> rect{};  // TB_GETITEMRECT
  rt::Text caption;
  bool operator==(const ButtonFacts&) const = default;
};

}  // namespace

// What a toolbar's paints keep between them: the caption's font, format
// and brushes, made again when what they are made from changes.
struct ToolbarKit {
  FontSpec fontMadeFrom;
  gdip::GdipFont font;
  gdip::GdipStringFormat format;
  KeptBrush text;
  KeptBrush greyed;
  KeptIcons icons;
  // The toolbar as last drawn: while nothing it was drawn from changes, a
  // full paint copies it back.
  FinishedImage look;
};

namespace {

ToolbarKit& KitOf(ControlRecord& record) {
  if (!record.toolbarKit) record.toolbarKit = std::make_shared<ToolbarKit>();
  ToolbarKit& kit = *record.toolbarKit;
  const FontSpec& wanted = record.font;
  if (kit.font.IsEmpty() || kit.fontMadeFrom.face != wanted.face || kit.fontMadeFrom.size != wanted.size ||
      kit.fontMadeFrom.style != wanted.style) {
    kit.font.CreateFromName(wanted.face, static_cast<float>(wanted.size), gdip::FontStyle{wanted.style});
    kit.fontMadeFrom = wanted;
  }
  if (kit.format.IsEmpty()) {
    kit.format.Create(gdip::StringFormatFlags::MeasureTrailingSpaces);
    kit.format.SetAlign(gdip::StringAlignment::Center);
    kit.format.SetLineAlign(gdip::StringAlignment::Center);
    kit.format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
  }
  return kit;
}

// What every button of one paint shares, read once per paint.
struct ToolbarPaint {
  HWND toolbar = nullptr;
  ToolbarKit* kit = nullptr;
  HIMAGELIST images = nullptr;
  int imageCount = 0;
  SIZE imageSize{};
  std::vector<std::uint8_t> imageBytes;  // the list's pictures and masks
  bool list = false;
  int clientWidth = 0;
  COLORREF textColour = 0;
};

// The bytes of a bitmap, whatever kind it is; empty without one.
void AppendBitmapBytes(HBITMAP bitmap, std::vector<std::uint8_t>& bytes) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return;
  const std::size_t size = static_cast<std::size_t>(info.bmWidthBytes) * static_cast<std::size_t>(info.bmHeight);
  const std::size_t at = bytes.size();
  bytes.resize(at + size);
  const LONG read = GetBitmapBits(bitmap, static_cast<LONG>(size), bytes.data() + at);
  bytes.resize(at + static_cast<std::size_t>(read > 0 ? read : 0));
}

ToolbarPaint ReadToolbarPaint(HWND toolbar, ControlRecord& record) {
  ToolbarPaint paint;
  paint.toolbar = toolbar;
  paint.kit = &KitOf(record);
  paint.images = prop::ReadHandle<HIMAGELIST>(toolbar, prop::kCtlColourBitmap);
  if (paint.images != nullptr) {
    paint.imageCount = ImageList_GetImageCount(paint.images);
    int w = 0, h = 0;
    if (ImageList_GetIconSize(paint.images, &w, &h)) paint.imageSize = {w, h};
    IMAGEINFO info{};
    if (paint.imageCount > 0 && ImageList_GetImageInfo(paint.images, 0, &info)) {
      AppendBitmapBytes(info.hbmImage, paint.imageBytes);
      AppendBitmapBytes(info.hbmMask, paint.imageBytes);
    }
  }
  // Icons of pictures the list no longer holds are let go.
  KeptIcons& icons = paint.kit->icons;
  if (icons.list != paint.images || icons.count != paint.imageCount || icons.size.cx != paint.imageSize.cx ||
      icons.size.cy != paint.imageSize.cy || icons.bytes != paint.imageBytes) {
    icons.icons.clear();
    icons.icons.resize(static_cast<std::size_t>(paint.imageCount));
    icons.list = paint.images;
    icons.count = paint.imageCount;
    icons.size = paint.imageSize;
    icons.bytes = paint.imageBytes;
  }
  paint.list = (NativeToolbar(toolbar, record).Ask(TB_GETSTYLE) & TBSTYLE_LIST) != 0;
  RECT client{};
  GetClientRect(toolbar, &client);
  paint.clientWidth = client.right - client.left;
  paint.textColour = static_cast<COLORREF>(prop::Read(toolbar, prop::kTextColour));
  return paint;
}

// The kept icon of the list's picture `index` (valid), made when first
// needed; nullptr when it cannot be made.
HICON IconOf(const ToolbarPaint& paint, int index) {
  UniqueIcon& icon = paint.kit->icons.icons[static_cast<std::size_t>(index)];
  if (!icon) icon.reset(ImageList_GetIcon(paint.images, index, ILD_TRANSPARENT));
  return icon.get();
}

// Greys the w x h pixels at the corner of the 32-bit DIB section selected
// into `dc` as GreyedIconPixel says, each written as SetPixel writes it.
void GreyDibCorner(HDC dc, int w, int h, int state) {
  DIBSECTION dib{};
  if (!SelectedDib32(dc, dib)) return;
  GdiFlush();
  auto* bits = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
  const int stride = dib.dsBm.bmWidthBytes;
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  for (int py = 0; py < h && py < dib.dsBm.bmHeight; ++py) {
    const int row = bottomUp ? dib.dsBm.bmHeight - 1 - py : py;
    std::uint8_t* p = bits + static_cast<std::ptrdiff_t>(stride) * row;
    for (int px = 0; px < w && px < dib.dsBm.bmWidth; ++px, p += 4) {
      const COLORREF grey = GreyedIconPixel(RGB(p[2], p[1], p[0]), state);
      p[0] = GetBValue(grey);
      p[1] = GetGValue(grey);
      p[2] = GetRValue(grey);
      p[3] = 0;
    }
  }
}

// Draws a picture of w x h through `draw` (given a DC and a corner) in
// grey at (x, y): neutral and empty pixels stay out.
template <class Draw>
void DrawGreyed(HDC dc, int x, int y, int w, int h, int state, Draw draw) {
  if (w <= 0 || h <= 0) return;
  const CachedDc image = CreateDibDc({0, 0, w, h});
  if (!image) return;
  draw(image.get());
  GreyDibCorner(image.get(), w, h, state);
  // Black is the key: neutral and empty pixels stay out.
  TransparentBlt(dc, x, y, w, h, image.get(), 0, 0, w, h, 0);
}

void DrawCaption(gdip::GdipGraphics& graphics, const rt::Text& text, const RectF& layout, COLORREF colour,
                 ToolbarKit& kit, bool greyed) {
  gdip::GdipSolidBrush& brush = greyed ? kit.greyed.For(colour) : kit.text.For(colour);
  graphics.DrawString(text, kit.font, brush, layout, kit.format);
}

ButtonFacts ReadButton(const NativeToolbar& toolbar, int index) {
  TBBUTTON button{};
  toolbar.Ask(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
  RECT rect{};
  toolbar.Ask(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  ButtonFacts facts;
  facts.image = button.iBitmap;
  facts.command = button.idCommand;
  facts.state = button.fsState;
  facts.style = button.fsStyle;
  facts.rect = {rect.left, rect.top, rect.right, rect.bottom};
  // A hidden button is not drawn: its caption is not needed.
  if ((facts.state & TBSTATE_HIDDEN) == 0) facts.caption = ButtonText(toolbar, button.idCommand);
  return facts;
}

// Button `index` (0-based), as `facts` hold it, into `dc`, which holds the
// toolbar's client area, drawn with `graphics` on the same DC.
void PaintButton(const ToolbarPaint& paint, int index, const ButtonFacts& facts, HDC dc,
                 gdip::GdipGraphics& graphics, bool hot) {
  const int state = facts.state;
  const int style = facts.style;
  if ((state & TBSTATE_HIDDEN) != 0) return;
  const RECT rect{facts.rect[0], facts.rect[1], facts.rect[2], facts.rect[3]};

  // A button without a picture of the list (no list, I_IMAGENONE, another
  // list's index) is laid out without one.
  const bool hasImage = paint.images != nullptr && facts.image >= 0 && facts.image < paint.imageCount;
  const SIZE iconSize = hasImage ? paint.imageSize : SIZE{0, 0};

  DrawButtonFace(graphics, rect, index, style, state, hot, paint.clientWidth);
  const ToolbarButtonLayout layout = LayoutToolbarButton(rect, style, state, paint.list, iconSize.cx, iconSize.cy);
  const HICON icon = hasImage && layout.icon ? IconOf(paint, facts.image) : nullptr;
  if (icon != nullptr) {
    if (layout.greyedIcon) {
      DrawGreyed(dc, layout.iconAt.x, layout.iconAt.y, iconSize.cx, iconSize.cy, state, [&](HDC image) {
        DrawIconEx(image, 0, 0, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
      });
    } else {
      DrawIconEx(dc, layout.iconAt.x, layout.iconAt.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    }
  }
  if (layout.arrow) {
    const ControlPicture picture(paint.toolbar, KeptPicture::DownTriangle, DropArrowImage());
    if (gdip::GdipImage* arrow = picture.get()) {
      const int top = rect.top + (rect.bottom - rect.top - static_cast<int>(arrow->GetHeight())) / 2;
      graphics.DrawImageRect(*arrow, static_cast<float>(rect.right - 8), static_cast<float>(top),
                             static_cast<float>(arrow->GetWidth()), static_cast<float>(arrow->GetHeight()));
    }
  }

  if (!facts.caption.empty()) {
    const COLORREF colour = layout.greyedText ? kGreyText : paint.textColour;
    DrawCaption(graphics, facts.caption, layout.caption, colour, *paint.kit, layout.greyedText);
  }
}

// Everything a toolbar's look depends on beside the pixels under it.
LookKey KeyOfLook(const ToolbarPaint& paint, const ControlRecord& record, const RECT& client, int hot,
                  const std::vector<ButtonFacts>& buttons) {
  LookKey key;
  key.Add(client.right - client.left).Add(client.bottom - client.top).Add(paint.list).Add(hot);
  key.Add(paint.textColour).Add(AccentColour);
  key.Add(record.font.face).Add(record.font.size).Add(record.font.style);
  key.Add(paint.images).Add(paint.imageCount).Add(paint.imageSize);
  key.AddBytes(paint.imageBytes.data(), paint.imageBytes.size());  // the list's pictures and masks
  key.Add(buttons.size());
  for (const ButtonFacts& button : buttons) {
    key.Add(button.image).Add(button.command).Add(button.state).Add(button.style).Add(button.rect);
    key.Add(button.caption);
  }
  return key;
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
  DrawGreyed(dc, x, y, size.cx, size.cy, state,
             [&](HDC image) { DrawIconEx(image, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL); });
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
  ControlRecord* record = OwnRecord(toolbar);
  if (record == nullptr) return;
  const ToolbarPaint paint = ReadToolbarPaint(toolbar, *record);
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  PaintButton(paint, index, ReadButton(NativeToolbar(toolbar, *record), index), dc, graphics, hot);
}

void PaintToolbar(HWND toolbar) {
  ControlRecord* record = OwnRecord(toolbar);
  if (record == nullptr) return;
  const NativeToolbar native(toolbar, *record);
  const auto count = static_cast<int>(native.Ask(TB_BUTTONCOUNT));
  const auto hotItem = static_cast<int>(native.Ask(TB_GETHOTITEM));
  RECT client{};
  GetClientRect(toolbar, &client);
  const CachedDc image = ComposeControlBackground(toolbar, client);
  if (image) {
    const ToolbarPaint paint = ReadToolbarPaint(toolbar, *record);
    std::vector<ButtonFacts> buttons;
    buttons.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) buttons.push_back(ReadButton(native, i));
    paint.kit->look.Finish(image.get(), KeyOfLook(paint, *record, client, hotItem, buttons), [&] {
      gdip::GdipGraphics graphics;
      graphics.CreateFromHdc(image.get());
      for (int i = 0; i < count; ++i)
        PaintButton(paint, i, buttons[static_cast<std::size_t>(i)], image.get(), graphics, i == hotItem);
      return true;
    });
    BlitControlToHost(toolbar, image.get(), true);
    rt::WindowDc target = GetDcWithoutChildren(toolbar);
    BitBlt(target.get(), 0, 0, client.right - client.left, client.bottom - client.top, image.get(), 0, 0,
           SRCCOPY);
  }
  record->redraw = 0;
}

}  // namespace skin
