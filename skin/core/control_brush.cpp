#include "skin/core/control_brush.h"

#include <vector>

#include "skin/core/child_clipping.h"
#include "skin/core/control_background.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

void DeleteControlBrush(HWND child) {
  if (auto brush = prop::ReadHandle<HGDIOBJ>(child, prop::kCtlColourBrush)) DeleteObject(brush);
  if (auto bitmap = prop::ReadHandle<HGDIOBJ>(child, prop::kCtlColourBitmap)) DeleteObject(bitmap);
  prop::Write(child, prop::kCtlColourBrush, 0);
  prop::Write(child, prop::kCtlColourBitmap, 0);
}

namespace {

void DeleteHeldBrush(HWND child) {
  if (prop::Read(child, prop::kCtlColourBrush) != 0) DeleteControlBrush(child);
}

// A combo box's drop-down list lives on the desktop, among nobody's
// children, and goes with its combo box unannounced.
void DeleteBrushesOf(HWND child) {
  DeleteHeldBrush(child);
  if (!IsClass(child, "ComboBox")) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(child, &info) || info.hwndList == nullptr || GetParent(info.hwndList) == child) return;
  DeleteHeldBrush(info.hwndList);
  std::erase(BrushOwners, info.hwndList);
}

}  // namespace

void DeleteBrushesOfGoingChildren(HWND host, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_DESTROY) {
    // The handle comes with the message: only a window of this host's own
    // tree is taken at its word.
    const auto child = reinterpret_cast<HWND>(lParam);
    if (child != nullptr && IsChild(host, child)) DeleteBrushesOf(child);
  } else if (message == WM_DESTROY) {
    ForEachChild(host, DeleteBrushesOf);
  }
}

HBRUSH RenewControlBrush(HWND child) {
  DeleteControlBrush(child);
  rt::UniqueBitmap bitmap = MakeBackgroundBitmap(child);
  const HBRUSH brush = CreatePatternBrush(bitmap.get());
  // From here on the child's properties own both objects.
  prop::WriteHandle(child, prop::kCtlColourBrush, brush);
  prop::WriteHandle(child, prop::kCtlColourBitmap, bitmap.release());
  return brush;
}

void DropControlBrushes(HWND window, std::optional<bool> alsoBrushOwners) {
  SkinWindowRecord* record = FindSkinFrame(window).record;
  if (record == nullptr) return;
  for (const ListControlRecord& list : record->listControls) {
    if (list.hwnd != nullptr) DeleteControlBrush(list.hwnd);
  }
  for (const EditRecord& edit : record->edits) {
    if (edit.hwnd != nullptr) DeleteControlBrush(edit.hwnd);
  }
  if (!alsoBrushOwners.value_or(true)) return;
  // A drop-down list may be gone already; its properties went with it.
  for (HWND owner : BrushOwners) {
    if (IsWindow(owner)) DeleteControlBrush(owner);
  }
  BrushOwners.clear();
}

}  // namespace skin
