#include "skin/frames/skin_release.h"

#include "skin/core/dc_cache.h"
#include "skin/core/control_links.h"
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

// Every frame DC, a skinned dialog's own background DC included, is held
// by an owner of the DC cache, which releases it with its bitmap.
void ReleaseFrameDcs(SkinWindowRecord& record) {
  record.backgroundDc.reset();
  record.captionDc.reset();
  record.bottomDc.reset();
  record.compositionDc.reset();
}

}  // namespace

void ReleaseWindowSkin(HWND window) {
  const int index = FindSkinWindow(window);
  if (index >= 1) {
    SkinWindowRecord& record = SkinWindowTable.At(index);
    DeleteToolTips(record);
    if (const auto menu = prop::ReadHandle<HMENU>(window, prop::kMenuToDestroy)) DestroyMenu(menu);
    DeleteEditBrushes(record);
    ReleaseFrameDcs(record);
    RestoreSavedProcedure(window);
    RemoveSkinWindow(index);
    return;
  }
  RenumberSkinWindows();
}

}  // namespace skin
