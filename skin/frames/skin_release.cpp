#include "skin/frames/skin_release.h"

#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

void DeleteToolTips(SkinWindowRecord& record) {
  const int tools = record.tooltip.GetToolCount();
  for (int id = 1; id <= tools; ++id) record.tooltip.DeleteTool(id);
}

// The bitmap and pattern brush an edit was handed for its colours; the
// properties stay on the window.
void DeleteEditBrushes(SkinWindowRecord& record) {
  for (const EditRecord& edit : record.edits) {
    if (edit.hwnd == nullptr) continue;
    DeleteObject(prop::ReadHandle<HGDIOBJ>(edit.hwnd, prop::kCtlColourBitmap));
    DeleteObject(prop::ReadHandle<HGDIOBJ>(edit.hwnd, prop::kCtlColourBrush));
  }
}

// A skinned dialog makes its background DC itself, outside the cache, and
// leaves its bitmap and the object it pushed out in "Ck_wtjbdx" and
// "Ck_Ycjdx".
void ReleaseDialogBackgroundDc(HWND window, HDC backgroundDc) {
  const auto bitmap = prop::ReadHandle<HGDIOBJ>(window, prop::kDialogBitmap);
  if (bitmap == nullptr) return;
  if (backgroundDc != nullptr) {
    SelectObject(backgroundDc, prop::ReadHandle<HGDIOBJ>(window, prop::kDialogPaintObject));
    DeleteDC(backgroundDc);
  }
  DeleteObject(bitmap);
}

void ReleaseFrameDcs(SkinWindowRecord& record, HWND window) {
  const bool backgroundCached = ReleaseCachedDc(record.backgroundDc);
  ReleaseCachedDc(record.captionDc);
  ReleaseCachedDc(record.bottomDc);
  ReleaseCachedDc(record.compositionDc);
  if (!backgroundCached) ReleaseDialogBackgroundDc(window, record.backgroundDc);
  record.backgroundDc = nullptr;
  record.captionDc = nullptr;
  record.bottomDc = nullptr;
  record.compositionDc = nullptr;
}

}  // namespace

void ReleaseWindowSkin(HWND window) {
  const int index = FindSkinWindow(window);
  if (index >= 1) {
    SkinWindowRecord& record = SkinWindowTable.At(index);
    DeleteToolTips(record);
    if (const auto menu = prop::ReadHandle<HMENU>(window, prop::kMenuToDestroy)) DestroyMenu(menu);
    DeleteEditBrushes(record);
    ReleaseFrameDcs(record, window);
    SetWindowLongPtrA(window, GWLP_WNDPROC, prop::Read(window, prop::kOldProc));
    RemoveSkinWindow(index);
    return;
  }
  RenumberSkinWindows();
}

}  // namespace skin
