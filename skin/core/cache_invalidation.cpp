#include "skin/core/cache_invalidation.h"

#include "skin/core/child_clipping.h"
#include "skin/core/control_links.h"
#include "skin/core/custom_draw.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_record.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"

namespace skin {

void InvalidateWindowCaches(HWND window, bool containersOnly) {
  const SkinFrame frame = FindSkinFrame(window);
  if (!frame) return;
  SkinWindowRecord* record = frame.record;
  const INT_PTR windowIndex = frame.index;

  for (ContainerRecord& container : record->containers) {
    container.redraw = 1;
    container.childChanged = 1;
  }
  if (containersOnly) return;
  for (ControlRecord& control : record->controls) control.redraw = 1;
  for (LabelRecord& label : record->labels) label.needsRepaint = 1;
  for (ListControlRecord& list : record->listControls) list.dirty = 1;

  for (std::size_t k = 1; k <= CustomDrawTable.size(); ++k) {
    if (prop::Read(CustomDrawTable[k - 1].hwnd, prop::kHostIndex) == windowIndex)
      CallCustomDrawRoutine(static_cast<int>(k), 1, 1, 0);
  }
}

void InvalidateVisibleChildren(HWND window) {
  ForEachChild(window, [](HWND child) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

void MarkContainerDirty(HWND control) {
  HWND parent = GetParent(control);
  if (!parent) return;
  const INT_PTR host = prop::Read(parent, prop::kHostIndex);
  if (!SkinWindowTable.Contains(host)) return;
  const int container = FindContainerRecord(static_cast<int>(host), parent);
  if (container < 1 || prop::Read(parent, prop::kCustomDrawIndex) != 0) return;
  SkinWindowTable.At(static_cast<int>(host)).containers.At(container).childChanged = 1;
}

}  // namespace skin
