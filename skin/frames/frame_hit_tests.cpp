#include "skin/frames/frame_hit_tests.h"

#include <array>

#include "skin/core/engine_globals.h"
#include "skin/core/window_queries.h"
#include "skin/frames/frame_globals.h"

namespace skin {

namespace {

constexpr int kCorner = 10;  // corner zones reach further in than the edges

struct BorderZoneInfo {
  WORD cursor;         // a system cursor's id
  WPARAM sizeCommand;  // SC_SIZE plus the WMSZ_ side
};

// Zones 1 to 8 in the order they are tested: the size cursors IDC_SIZEWE,
// IDC_SIZENS, IDC_SIZENWSE and IDC_SIZENESW by id.
constexpr std::array<BorderZoneInfo, 8> kZones{{
    {32644, SC_SIZE + WMSZ_LEFT},
    {32644, SC_SIZE + WMSZ_RIGHT},
    {32645, SC_SIZE + WMSZ_TOP},
    {32645, SC_SIZE + WMSZ_BOTTOM},
    {32642, SC_SIZE + WMSZ_TOPLEFT},
    {32643, SC_SIZE + WMSZ_TOPRIGHT},
    {32643, SC_SIZE + WMSZ_BOTTOMLEFT},
    {32642, SC_SIZE + WMSZ_BOTTOMRIGHT},
}};

// The first zone (1-based) that holds the point, 0 when none.
int FindBorderZone(int x, int y, const RECT& client) {
  const int b = BorderZone;
  const int w = client.right;
  const int h = client.bottom;
  if (x <= b && y > kCorner && y < h - kCorner) return 1;
  if (x >= w - b && y > kCorner && y < h - kCorner) return 2;
  if (x > kCorner && y <= b && x < w - kCorner) return 3;
  if (x > kCorner && y >= h - b && x < w - kCorner) return 4;
  if (x <= kCorner && y <= kCorner) return 5;
  if (x >= w - kCorner && y <= kCorner) return 6;
  if (x <= kCorner && y >= h - kCorner) return 7;
  if (x >= w - kCorner && y >= h - kCorner) return 8;
  return 0;
}

const BorderZoneInfo& Zone(int zone) { return kZones[static_cast<std::size_t>(zone - 1)]; }

void ShowZoneCursor(int zone) { SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(Zone(zone).cursor))); }

}  // namespace

int IsInCaption(int windowIndex, LPARAM lParam) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  return x >= record.buttonsX - 2 && x <= record.buttonsX + record.buttonsWidth && y >= 0 &&
                 y <= record.buttonsHeight
             ? 1
             : 0;
}

int FindCaptionButtonAt(int windowIndex, int x, int y) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (x < record.buttonsX || y < record.buttonsY || y > record.buttonsY + record.buttonsHeight) {
    return 0;
  }
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  int number = 0;
  for (const CaptionButtonRecord& button : record.captionButtons) {
    ++number;
    const RectF& r = button.rect;
    if (r.x < fx && fx < r.x + r.width && r.y < fy && fy < r.y + r.height) return number;
  }
  return 0;
}

void SetResizeCursor(int windowIndex, LPARAM lParam, const RECT& client) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.sizable == 0) return;
  const int zone = FindBorderZone(MouseX(lParam), MouseY(lParam), client);
  if (zone != 0) ShowZoneCursor(zone);
}

void BeginDragOrResize(int windowIndex, LPARAM lParam, const RECT& client) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  // A press on the caption buttons belongs to them; the strip's top rows
  // still resize.
  if (x >= record.buttonsX && x <= record.buttonsX + record.buttonsWidth && y >= 3 &&
      y <= record.buttonsHeight) {
    return;
  }
  if (x >= 5 && x <= client.right - 5 && y <= client.bottom - 5 &&
      y >= client.bottom - record.bottomBarHeight) {
    return;
  }
  const HWND hwnd = record.hwnd;
  if (record.frameSwitch != 0 && record.sizable != 0) {
    const int zone = FindBorderZone(x, y, client);
    if (zone != 0) {
      record.recompose = 1;
      ShowZoneCursor(zone);
      SendMessageA(hwnd, WM_SYSCOMMAND, Zone(zone).sizeCommand, 0);
      return;
    }
  }
  // A press over any child, hidden ones included, is not a drag.
  if (record.dragAnywhere != 0 && ChildWindowFromPoint(hwnd, POINT{x, y}) == hwnd) {
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  }
}

int FindBottomBarItemAt(int windowIndex, int x, int y) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.bottomBarHeight <= 0) return 0;
  const XywhRect& bar = record.bottomBarRect;
  if (x < bar.x || x > bar.x + bar.width || y < bar.y || y > bar.y + bar.height) return 0;
  int number = 0;
  for (const XywhRect& r : record.bottomItemRects) {
    ++number;
    if (r.x < x && x < r.x + r.width && r.y < y && y < r.y + r.height) return number;
  }
  return 0;
}

int FindMaximizeButton(int windowIndex) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  int number = 0;
  for (const CaptionButtonRecord& button : record.captionButtons) {
    ++number;
    if (button.kind == CaptionButtonKind::MaximizeRestore) return number;
  }
  return 0;
}

}  // namespace skin
