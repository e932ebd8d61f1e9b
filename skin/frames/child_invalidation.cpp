#include "skin/frames/child_invalidation.h"

#include "skin/core/child_clipping.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

template <class Record, class Act>
void ForDirectChildren(ControlList<Record>& list, HWND frame, Act act) {
  for (Record& record : list) {
    if (record.hwnd != nullptr && GetParent(record.hwnd) == frame) act(record.hwnd);
  }
}

// Sets `mark` on the record of hwnd in `list`; false when it is not there.
template <class Record, class Mark>
bool MarkListed(ControlList<Record>& list, HWND hwnd, Mark mark) {
  const int index = list.Find(hwnd);
  if (index == 0) return false;
  mark(list.At(index));
  return true;
}

}  // namespace

void InvalidateSkinnedChild(HWND hwnd, bool withChildren) {
  if (SkinWindowRecord* record = SkinWindowTable.Find(prop::Read(hwnd, prop::kHostIndex))) {
    MarkListed(record->containers, hwnd, [](ContainerRecord& r) { r.redraw = r.childChanged = 1; }) ||
        MarkListed(record->controls, hwnd, [](ControlRecord& r) { r.redraw = 1; }) ||
        MarkListed(record->labels, hwnd, [](LabelRecord& r) { r.needsRepaint = 1; }) ||
        MarkListed(record->listControls, hwnd, [](ListControlRecord& r) { r.dirty = 1; });
  }
  InvalidateRect(hwnd, nullptr, TRUE);
  if (!withChildren) return;
  ForEachChild(hwnd, [](HWND child) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

void InvalidateSkinnedChildren(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const HWND frame = record.hwnd;
  const auto erase = [](HWND control) { InvalidateRect(control, nullptr, TRUE); };
  const auto keep = [](HWND control) { InvalidateRect(control, nullptr, FALSE); };
  ForDirectChildren(record.listControls, frame, [](HWND control) { InvalidateSkinnedChild(control, true); });
  ForDirectChildren(record.combos, frame, erase);
  ForDirectChildren(record.edits, frame, erase);
  ForDirectChildren(record.buttons, frame, keep);
  ForDirectChildren(record.trackbars, frame, keep);
  ForDirectChildren(record.progressBars, frame, keep);
  ForDirectChildren(record.upDowns, frame, keep);
}

}  // namespace skin
