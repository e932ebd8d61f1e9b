#include "skin/lists/tree_view_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/child_clipping.h"
#include "skin/core/client_area.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/control_picture.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"
#include "skin/lists/tree_images.h"

namespace skin {

namespace {

constexpr int kButtonSize = 8;
constexpr int kCheckSize = 11;
constexpr std::size_t kTextBytes = 512;

// A tree left at its default text colour answers -1: its texts and signs
// take the system's window-text colour, not the white of -1's low bytes.
COLORREF Resolved(COLORREF colour) {
  return colour == CLR_NONE || colour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : colour;
}

float F(int value) { return static_cast<float>(value); }

// Toward zero, as the row positions are cut from their float halves.
int Truncated(double value) { return static_cast<int>(value); }

// The painter's questions to the tree. They go straight to the tree's own
// procedure when the painter runs on the tree's thread: the skin procedure
// in front of it would look the record up and read the scroll bars around
// each of the hundreds of questions a paint asks, and none of them changes
// anything it watches.
class TreeQueries {
 public:
  TreeQueries(HWND tree, WNDPROC own) : tree_(tree) {
    if (own != nullptr && GetWindowThreadProcessId(tree, nullptr) == GetCurrentThreadId()) own_ = own;
  }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return own_ != nullptr ? CallWindowProcA(own_, tree_, message, wParam, lParam)
                           : SendMessageA(tree_, message, wParam, lParam);
  }

  HTREEITEM Next(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }

  // TVM_GETITEMRECT: the item goes in through the rectangle.
  LRESULT ItemRect(HTREEITEM item, BOOL textOnly, RECT& rect) const {
    rect = RECT{};
    std::memcpy(&rect, &item, sizeof item);
    return Send(TVM_GETITEMRECT, static_cast<WPARAM>(textOnly), reinterpret_cast<LPARAM>(&rect));
  }

 private:
  HWND tree_ = nullptr;
  WNDPROC own_ = nullptr;
};

// What the lines of a row ask of an item, asked once per item and paint:
// the rows of one parent ask the same of their ancestors again and again.
class TreeFamily {
 public:
  explicit TreeFamily(const TreeQueries& ask) : ask_(ask) {}

  HTREEITEM Parent(HTREEITEM item) { return Of(item).parent; }
  bool HasNext(HTREEITEM item) { return Of(item).hasNext; }
  bool HasPrevious(HTREEITEM item) {
    Member& m = Of(item);
    if (!m.hasPrevious) m.hasPrevious = ask_.Next(item, TVGN_PREVIOUS) != nullptr;
    return *m.hasPrevious;
  }

 private:
  struct Member {
    HTREEITEM parent = nullptr;
    bool hasNext = false;
    std::optional<bool> hasPrevious;
  };

  Member& Of(HTREEITEM item) {
    const auto [at, added] = members_.try_emplace(item);
    if (added) {
      at->second.parent = ask_.Next(item, TVGN_PARENT);
      at->second.hasNext = ask_.Next(item, TVGN_NEXT) != nullptr;
    }
    return at->second;
  }

  const TreeQueries& ask_;
  std::unordered_map<HTREEITEM, Member> members_;
};

// The tree's dotted lines written straight into the bits of a 32-bit DIB:
// the pixels GDI+'s one-pixel dotted pen of alpha 254 gives a horizontal
// or vertical line between whole coordinates. A dot falls on every other
// pixel from the start, the end included; a line of no length draws
// nothing. Each dot is laid over what lies there as GDI+ lays it: the
// colour premultiplied by 254 (rounded) plus what lies beneath by 1/255
// (rounded), and so for the alpha byte. Drawing the lines one by one
// through GDI+ cost most of a tree's paint.
class DottedLines {
 public:
  DottedLines(HDC dc, COLORREF colour) {
    ok_ = SelectedDib32(dc, dib_);
    const std::uint32_t c = static_cast<std::uint32_t>(colour);
    // Blue, green, red: a DIB pixel's byte order.
    const int channels[3] = {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                             static_cast<int>(c & 0xFF)};
    for (int k = 0; k < 3; ++k)
      for (int under = 0; under < 256; ++under) blend_[k][under] = Over(channels[k], under);
    for (int under = 0; under < 256; ++under) blend_[3][under] = Over(255, under);
  }

  // False when the DC holds no 32-bit DIB: the pen draws instead.
  bool ok() const { return ok_; }

  // A square the lines keep off for the rest of the paint.
  void Exclude(const RECT& square) { excluded_.push_back(square); }

  // GDI and GDI+ drawing made so far lands in the bits first.
  void Begin() const { GdiFlush(); }

  void Horizontal(int x1, int x2, int y) {
    const int step = x2 >= x1 ? 1 : -1;
    const int length = (x2 - x1) * step;
    if (length == 0) return;
    for (int n = 0; n <= length; n += 2) Dot(x1 + n * step, y);
  }

  void Vertical(int x, int y1, int y2) {
    const int step = y2 >= y1 ? 1 : -1;
    const int length = (y2 - y1) * step;
    if (length == 0) return;
    for (int n = 0; n <= length; n += 2) Dot(x, y1 + n * step);
  }

 private:
  static constexpr int kAlpha = 254;

  static std::uint8_t Over(int channel, int under) {
    return static_cast<std::uint8_t>((channel * kAlpha + 127) / 255 + (under * (255 - kAlpha) + 127) / 255);
  }

  void Dot(int x, int y) {
    if (x < 0 || y < 0 || x >= dib_.dsBm.bmWidth || y >= dib_.dsBm.bmHeight) return;
    for (const RECT& r : excluded_)
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return;
    const int row = dib_.dsBmih.biHeight > 0 ? dib_.dsBm.bmHeight - 1 - y : y;
    auto* pixel = static_cast<std::uint8_t*>(dib_.dsBm.bmBits) + static_cast<std::ptrdiff_t>(row) * dib_.dsBm.bmWidthBytes +
                  static_cast<std::ptrdiff_t>(x) * 4;
    for (int k = 0; k < 4; ++k) pixel[k] = blend_[k][pixel[k]];
  }

  DIBSECTION dib_{};
  bool ok_ = false;
  std::uint8_t blend_[4][256]{};  // blue, green, red, alpha
  std::vector<RECT> excluded_;
};

// What stays the same for every row of one paint.
struct TreePaint {
  HWND tree = nullptr;
  const ListControlRecord* record = nullptr;
  const TreeQueries* ask = nullptr;
  TreeFamily* family = nullptr;
  LONG_PTR style = 0;
  bool buttons = false;
  bool lines = false;
  bool linesAtRoot = false;
  bool checkBoxes = false;
  bool fullRowSelect = false;
  bool trackSelect = false;
  int indent = 0;
  HIMAGELIST images = nullptr;
  int cx = 0;
  int cy = 0;
  const TreeIconSet* iconSet = nullptr;
  HTREEITEM caret = nullptr;
  HDC dc = nullptr;
  // Made once per paint: the same for every row.
  gdip::GdipFont font;
  gdip::GdipSolidBrush textBrush;
  gdip::GdipSolidBrush caretTextBrush;
  gdip::GdipPen sign;
  DottedLines* dots = nullptr;  // null: the lines go through GDI+'s dotted pen
};

void DrawIcon(gdip::GdipGraphics& g, const TreePaint& p, int index, int x, int y) {
  if (p.iconSet != nullptr) {
    if (gdip::GdipImage* icon = p.iconSet->icons.DecodedPiece(index + 1))
      g.DrawImageRect(*icon, F(x), F(y), F(p.cx), F(p.cy));
    return;
  }
  // Also without an image list, which then draws nothing.
  ImageList_Draw(p.images, index, p.dc, x, y, ILD_TRANSPARENT);
}

void DrawText(gdip::GdipGraphics& g, const TreePaint& p, const gdip::GdipStringFormat& format,
              const rt::Text& text, const RECT& textRect, bool caretRow) {
  const ListControlRecord& r = *p.record;
  const COLORREF colour = caretRow ? r.selectedTextColour : Resolved(r.textColour);
  const float w = F(textRect.right - textRect.left);
  const float h = F(textRect.bottom - textRect.top);
  if (r.textEffect != 0) {
    const COLORREF halo = caretRow ? r.selectedEffectColour : r.effectColour;
    DrawSkinText(g, text, MakeRectF(F(textRect.left), F(textRect.top), w, h), colour, halo, 3, r.font.face,
                 r.font.style, F(r.font.size), 0, 0, std::nullopt, 0, &format);
    return;
  }
  g.DrawString(text, p.font, caretRow ? p.caretTextBrush : p.textBrush,
               MakeRectF(F(textRect.left), F(textRect.top), w, h + 1), format);
}

void DrawCheckBox(gdip::GdipGraphics& g, HWND tree, const TreeRowGeometry& at, int state) {
  const float x = F(at.checkX);
  const float y = F(at.checkY);
  const float s = F(kCheckSize);
  FillRectSolid(g, {x, y, s, s}, ToArgb(kWhite, 180));
  FillRectGradient(g, {x, y, s, s}, MakePair(x, y), MakePair(x, y + s), ToArgb(kBlack, 20), ToArgb(kWhite, 100));
  OutlineRect(g, {x, y, s, s}, ToArgb(kBlack, 254));
  const int bits = StateImageBits(state);
  if (bits == 4) {
    const ControlPicture tick(tree, KeptPicture::TreeTick, TreeCheckImage());
    if (tick.get() != nullptr) g.DrawImageRect(*tick.get(), x, y, 12, 12);
  } else if (bits == 6) {
    const ControlPicture square(tree, KeptPicture::TreePartial, TreePartialImage());
    if (square.get() != nullptr) g.DrawImageRect(*square.get(), x + 2.5f, y + 2.5f, 6, 6);
  }
}

void TurnToPointRight(gdip::GdipBitmap& triangle) { triangle.RotateFlip(gdip::RotateFlipType::Rotate270FlipNone); }

void DrawButton(gdip::GdipGraphics& g, const TreePaint& p, const TreeRowGeometry& at, bool expanded) {
  const float x = F(at.buttonX);
  const float y = F(at.buttonY);
  const float s = F(kButtonSize);
  if (p.record->imageButtons != 0) {
    // The picture points down; a collapsed item's points right.
    const ControlPicture picture(p.tree, expanded ? KeptPicture::DownTriangle : KeptPicture::RightTriangle,
                                 TreeExpandImage(), expanded ? nullptr : &TurnToPointRight);
    gdip::GdipImage* triangle = picture.get();
    if (triangle == nullptr) return;
    const float w = F(static_cast<int>(triangle->GetWidth()));
    const float h = F(static_cast<int>(triangle->GetHeight()));
    g.DrawImageRect(*triangle, x + (s - w) / 2, y + (s - h) / 2, w, h);
    return;
  }
  FillRectSolid(g, {x, y, s, s}, ToArgb(kWhite, 100));
  FillRectGradient(g, {x, y, s, s}, MakePair(x, y), MakePair(x, y + s), ToArgb(kWhite, 245), ToArgb(kBlack, 10));
  OutlineRect(g, {x, y, s, s}, ToArgb(kBlack, 120));
  g.DrawLine(p.sign, x + 2, y + 4, x + 6, y + 4);
  if (!expanded) g.DrawLine(p.sign, x + 4, y + 2, x + 4, y + 6);
}

// The plain way: every line through GDI+'s dotted pen, each row asking the
// tree for its line colour and its family.
void DrawLinesWithPen(gdip::GdipGraphics& g, const TreePaint& p, HTREEITEM item, const TreeRowGeometry& at,
                      const RECT& row, const RECT& textRect, bool hasChildren) {
  const TreeQueries& ask = *p.ask;
  gdip::GdipPen pen;
  pen.Create(ToArgb(static_cast<COLORREF>(ask.Send(TVM_GETLINECOLOR, 0, 0)), 254), 1);
  pen.SetDashStyle(gdip::DashStyle::Dot);
  if (textRect.left <= 0) return;
  // The lines stay off the button square for the rest of the paint.
  if (hasChildren && p.buttons)
    g.SetClipRect(F(at.buttonX), F(at.buttonY), F(kButtonSize), F(kButtonSize), gdip::CombineMode::Exclude);
  const float x = F(at.lineX);
  const float midY = F(at.midY);
  g.DrawLine(pen, F(at.x0 - at.reach), midY, F(at.x0 - 1), midY);
  if (ask.Next(item, TVGN_NEXT) != nullptr) g.DrawLine(pen, x, midY, x, F(row.bottom));
  if (ask.Next(item, TVGN_PREVIOUS) != nullptr || ask.Next(item, TVGN_PARENT) != nullptr)
    g.DrawLine(pen, x, F(row.top + 1), x, midY + 1);
  HTREEITEM ancestor = item;
  for (int k = 1;; ++k) {
    ancestor = ask.Next(ancestor, TVGN_PARENT);
    if (ancestor == nullptr) break;
    if (ask.Next(ancestor, TVGN_NEXT) != nullptr) {
      const float xk = F(at.x0 - k * p.indent - at.reach - 1);
      g.DrawLine(pen, xk, F(row.top), xk, F(row.bottom + 1));
    }
  }
}

// The same lines as pixels, with the family asked once per paint.
void DrawLinesAsPixels(gdip::GdipGraphics& g, const TreePaint& p, HTREEITEM item, const TreeRowGeometry& at,
                       const RECT& row, const RECT& textRect, bool hasChildren) {
  if (textRect.left <= 0) return;
  DottedLines& dots = *p.dots;
  TreeFamily& family = *p.family;
  if (hasChildren && p.buttons) {
    // The rest of the paint's GDI+ drawing keeps off the square as well.
    g.SetClipRect(F(at.buttonX), F(at.buttonY), F(kButtonSize), F(kButtonSize), gdip::CombineMode::Exclude);
    dots.Exclude({at.buttonX, at.buttonY, at.buttonX + kButtonSize, at.buttonY + kButtonSize});
  }
  dots.Begin();
  dots.Horizontal(at.x0 - at.reach, at.x0 - 1, at.midY);
  if (family.HasNext(item)) dots.Vertical(at.lineX, at.midY, row.bottom);
  const HTREEITEM parent = family.Parent(item);
  if (parent != nullptr || family.HasPrevious(item)) dots.Vertical(at.lineX, row.top + 1, at.midY + 1);
  int k = 1;
  for (HTREEITEM ancestor = parent; ancestor != nullptr; ancestor = family.Parent(ancestor), ++k) {
    if (family.HasNext(ancestor)) {
      const int xk = at.x0 - k * p.indent - at.reach - 1;
      dots.Vertical(xk, row.top, row.bottom + 1);
    }
  }
}

// What a row shows of its item: text, images, state and children.
struct RowItem {
  std::array<char, kTextBytes + 1> text{};
  TVITEMA tv{};

  RowItem(const TreeQueries& ask, HTREEITEM item) {
    text.fill(' ');
    text.back() = '\0';
    tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE | TVIF_HANDLE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    tv.hItem = item;
    tv.pszText = text.data();
    tv.cchTextMax = static_cast<int>(text.size());
    ask.Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    text.back() = '\0';
  }
  RowItem(const RowItem&) = delete;
  RowItem& operator=(const RowItem&) = delete;

  const char* Text() const { return tv.pszText ? tv.pszText : ""; }
};

void DrawRow(gdip::GdipGraphics& g, const TreePaint& p, const gdip::GdipStringFormat& format, HTREEITEM item,
             const RECT& row) {
  const ListControlRecord& r = *p.record;
  const TreeQueries& ask = *p.ask;
  RECT textRect{};
  ask.ItemRect(item, TRUE, textRect);
  const RowItem data(ask, item);
  const TVITEMA& tv = data.tv;
  const bool caretRow = item == p.caret;
  const TreeRowGeometry at = GetTreeRowGeometry(row, textRect, p.cx, p.checkBoxes, p.buttons);

  // Row fill: the caret row, or with track-select the row under the mouse.
  const RECT& fill = p.fullRowSelect ? row : textRect;
  const float fx = F(fill.left), fy = F(fill.top);
  const float fw = F(fill.right - fill.left - 1), fh = F(fill.bottom - fill.top - 1);
  if (caretRow) {
    FillRectSolid(g, {fx, fy, fw, fh}, ToArgb(r.selectionFill, 120));
    OutlineRect(g, {fx, fy, fw, fh}, ToArgb(kBlack, 80));
  } else if (p.trackSelect && r.lastMouseX >= row.left && r.lastMouseX <= row.right && r.lastMouseY >= row.top &&
             r.lastMouseY < row.bottom) {
    FillRectSolid(g, {fx, fy, fw, fh}, ToArgb(r.hoverFill, 60));
    OutlineRect(g, {fx, fy, fw, fh}, ToArgb(kBlack, 30));
  }

  DrawIcon(g, p, caretRow ? tv.iSelectedImage : tv.iImage, at.iconX, at.iconY);
  DrawText(g, p, format, rt::Text(data.Text()), textRect, caretRow);
  if (p.checkBoxes) DrawCheckBox(g, p.tree, at, static_cast<int>(tv.state));

  const bool hasChildren = tv.cChildren > 0;
  const bool expanded = (StateFlagBits(static_cast<int>(tv.state)) & TVIS_EXPANDED) != 0;
  if (hasChildren && p.buttons) {
    const bool showsButton = p.linesAtRoot || (p.dots != nullptr ? p.family->Parent(item) : ask.Next(item, TVGN_PARENT)) != nullptr;
    if (showsButton) DrawButton(g, p, at, expanded);
  }
  if (!p.lines) return;
  if (p.dots != nullptr) {
    DrawLinesAsPixels(g, p, item, at, row, textRect, hasChildren);
  } else {
    DrawLinesWithPen(g, p, item, at, row, textRect, hasChildren);
  }
}

// Everything the rows' look depends on besides the ground under them: two
// paints with equal keys over equal grounds give the same pixels. False
// for a tree whose pictures (an image list, an icon set) could change
// unseen: it is painted anew each time.
bool MakeRowsKey(HWND tree, const ListControlRecord& r, const DIBSECTION& dib, LookKey& key) {
  const TreeQueries ask(tree, r.oldProc);
  if (ask.Send(TVM_GETIMAGELIST, TVSIL_NORMAL, 0) != 0 || prop::Read(tree, prop::kTreeIconSet) != 0) return false;
  const LONG_PTR style = GetWindowLongPtrA(tree, GWL_STYLE);
  key.Add(dib.dsBm.bmWidth);
  key.Add(dib.dsBm.bmHeight);
  key.Add(style);
  for (COLORREF c : {r.textColour, r.selectedTextColour, r.selectionFill, r.hoverFill, r.effectColour,
                     r.selectedEffectColour})
    key.Add(c);
  key.Add(r.textEffect);
  key.Add(r.imageButtons);
  key.Add(r.font.size);
  key.Add(r.font.style);
  key.AddBytes(r.font.face.data(), r.font.face.size());
  if ((style & TVS_TRACKSELECT) != 0) {
    key.Add(r.lastMouseX);
    key.Add(r.lastMouseY);
  }
  key.Add(ask.Send(TVM_GETLINECOLOR, 0, 0));
  key.Add(ask.Send(TVM_GETINDENT, 0, 0));
  key.Add(ask.Next(nullptr, TVGN_CARET));
  TreeFamily family(ask);
  HTREEITEM item = ask.Next(nullptr, TVGN_FIRSTVISIBLE);
  for (;;) {
    RECT row{};
    const LRESULT got = ask.ItemRect(item, FALSE, row);
    key.Add(got);
    if (got == 1) {
      RECT textRect{};
      ask.ItemRect(item, TRUE, textRect);
      const RowItem data(ask, item);
      key.Add(item);
      key.Add(row);
      key.Add(textRect);
      key.AddBytes(data.Text(), std::strlen(data.Text()));
      key.Add(data.tv.iImage);
      key.Add(data.tv.iSelectedImage);
      key.Add(data.tv.state);
      key.Add(data.tv.cChildren);
      key.Add(family.HasPrevious(item));
      for (HTREEITEM at = item; at != nullptr; at = family.Parent(at)) key.Add(family.HasNext(at));
    }
    if (got <= 0) break;
    item = ask.Next(item, TVGN_NEXTVISIBLE);
  }
  return true;
}

// The rows drawn into `dc` over the ground it holds, or the record's kept
// image of them copied when neither the rows nor the ground have changed
// since it was made.
void DrawTreeRowsKept(HWND tree, ListControlRecord& record, HDC dc) {
  DIBSECTION dib{};
  LookKey key;
  if (!SelectedDib32(dc, dib) || !MakeRowsKey(tree, record, dib, key)) {
    record.keptRows.Forget();
    DrawTreeRows(tree, record, dc);
    return;
  }
  record.keptRows.Finish(dc, key, [&] {
    DrawTreeRows(tree, record, dc);
    return true;
  });
}

}  // namespace

int StateImageBits(int state) { return (state & 0x7800) >> 11; }

int StateFlagBits(int state) { return state & 0x7F; }

TreeRowGeometry GetTreeRowGeometry(const RECT& row, const RECT& text, int iconWidth, bool checkBoxes,
                                   bool buttons) {
  TreeRowGeometry at;
  at.iconX = text.left - iconWidth - 2;
  at.iconY = text.top;
  at.x0 = at.iconX;
  const int rowHeight = row.bottom - row.top;
  if (checkBoxes) {
    at.checkX = at.iconX - kCheckSize - (iconWidth > 0 ? 2 : 0);
    at.checkY = Truncated(row.top + (rowHeight - kCheckSize) / 2.0);
    at.x0 = at.checkX;
  }
  at.buttonX = at.x0 - kButtonSize - 8;
  at.buttonY = Truncated(row.top + (rowHeight - kButtonSize) / 2.0);
  at.reach = buttons ? kButtonSize + 3 : kButtonSize;
  at.midY = Truncated(row.top + rowHeight / 2.0 + 1);
  at.lineX = at.x0 - at.reach - 1;
  return at;
}

void DrawTreeRows(HWND tree, const ListControlRecord& record, HDC dc, TreeLineDrawing lines) {
  // The plain way also asks through the tree's whole procedure chain.
  const TreeQueries ask(tree, lines == TreeLineDrawing::Pixels ? record.oldProc : nullptr);
  TreeFamily family(ask);
  TreePaint p;
  p.tree = tree;
  p.record = &record;
  p.ask = &ask;
  p.family = &family;
  p.dc = dc;
  p.style = GetWindowLongPtrA(tree, GWL_STYLE);
  p.buttons = (p.style & TVS_HASBUTTONS) != 0;
  p.lines = (p.style & TVS_HASLINES) != 0;
  p.linesAtRoot = (p.style & TVS_LINESATROOT) != 0;
  p.checkBoxes = (p.style & TVS_CHECKBOXES) != 0;
  // With lines, neither full-row select nor track select counts.
  p.fullRowSelect = !p.lines && (p.style & TVS_FULLROWSELECT) != 0;
  p.trackSelect = !p.lines && (p.style & TVS_TRACKSELECT) != 0;

  gdip::GdipGraphics g;
  g.CreateFromHdc(dc);
  gdip::GdipStringFormat format;
  format.CreateGenericTypographic();
  format.SetFlags(gdip::StringFormatFlags::NoWrap | gdip::StringFormatFlags::LineLimit);
  format.SetLineAlign(gdip::StringAlignment::Center);
  if (record.textEffect == 0) {
    p.font.CreateFromName(record.font.face, F(record.font.size), gdip::FontStyle{record.font.style});
    p.textBrush.Create(ToArgb(Resolved(record.textColour), 254));
    p.caretTextBrush.Create(ToArgb(record.selectedTextColour, 254));
  }
  if (p.buttons) p.sign.Create(ToArgb(Resolved(record.textColour), 254), 1);
  std::optional<DottedLines> dots;
  if (p.lines && lines == TreeLineDrawing::Pixels) {
    dots.emplace(dc, static_cast<COLORREF>(ask.Send(TVM_GETLINECOLOR, 0, 0)));
    if (dots->ok()) p.dots = &*dots;
  }

  p.indent = static_cast<int>(ask.Send(TVM_GETINDENT, 0, 0));
  p.images = reinterpret_cast<HIMAGELIST>(ask.Send(TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  if (p.images != nullptr) ImageList_GetIconSize(p.images, &p.cx, &p.cy);
  // An icon set named by an index outside the list is not used.
  const INT_PTR set = prop::Read(tree, prop::kTreeIconSet);
  if (set >= 1 && set <= static_cast<INT_PTR>(TreeIconSets.size()))
    p.iconSet = &TreeIconSets[static_cast<std::size_t>(set - 1)];
  p.caret = ask.Next(nullptr, TVGN_CARET);

  // Down to the first item without a row rectangle: the null item after
  // the last expanded one.
  HTREEITEM item = ask.Next(nullptr, TVGN_FIRSTVISIBLE);
  for (;;) {
    RECT row{};
    const LRESULT got = ask.ItemRect(item, FALSE, row);
    if (got == 1) DrawRow(g, p, format, item, row);
    if (got <= 0) break;
    item = ask.Next(item, TVGN_NEXTVISIBLE);
  }
}

void PaintTreeView(HWND tree) {
  ListControlRecord* record = FindControlLink(tree, &SkinWindowRecord::listControls).record;
  if (record == nullptr) return;
  RECT client{};
  GetClientRect(tree, &client);

  record->textColour = static_cast<COLORREF>(SendMessageA(tree, TVM_GETTEXTCOLOR, 0, 0));
  FontSpec font = GetControlFont(tree);
  if (!font.face.empty()) record->font.face = std::move(font.face);
  if (font.size != 0) record->font.size = font.size;
  record->font.style = font.style;

  // The client area's own place in the window, so that a bordered tree's
  // background meets the skin around it.
  const CachedDc image = ComposeControlBackground(tree, GetClientRectInWindow(tree));
  if (!image) return;
  DrawTreeRowsKept(tree, *record, image.get());
  BlitControlToHost(tree, image.get());
  const rt::WindowDc screen = GetDcWithoutChildren(tree);
  BitBlt(screen.get(), 0, 0, client.right, client.bottom, image.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
