#include "skin/lists/edit_installers.h"

#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/combo_skin.h"
#include "skin/lists/edit_skin.h"
#include "skin/lists/scroll_overlay.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledText = 0x606060;

WNDPROC Subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// Lists and subclasses one edit; its overlays are made first, as its style
// asks, unless `withOverlays` is false.
void SkinOneEdit(int windowIndex, HWND edit, bool withOverlays) {
  SkinWindowRecord& host = SkinWindowTable.At(windowIndex);
  const int index = host.edits.Take(edit);
  HWND vertical = nullptr, horizontal = nullptr;
  if (withOverlays) {
    const int shown = IsVisibleStyle(edit) ? 1 : 0;
    if (HasVScrollStyle(edit)) vertical = CreateVScrollOverlay(edit, shown);
    if (HasHScrollStyle(edit)) horizontal = CreateHScrollOverlay(edit, shown);
  }
  // Creating the overlays may have grown nothing, but look the record up
  // again rather than hold it across window creation.
  EditRecord& record = SkinWindowTable.At(windowIndex).edits.At(index);
  record.vScrollOverlay = vertical;
  record.hScrollOverlay = horizontal;
  record.oldProc = Subclass(edit, EditSkinProc);
  prop::Write(edit, prop::kIndex, index);
  prop::Write(edit, prop::kHostIndex, windowIndex);
  prop::Write(edit, prop::kTextColour, 0);
  prop::Write(edit, prop::kDisabledTextColour, kDisabledText);
  prop::WriteHandle(edit, prop::kOldProc, record.oldProc);
}

// Sets the combo box's text again from its selected item.
void ResetTextFromSelection(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length < 0) return;
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
}

template <class Visit>
void ForEachChildOfClass(HWND parent, const char* className, Visit visit) {
  // Collected first: skinning creates overlay siblings of the same parent.
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
       child = FindWindowExA(parent, child, className, nullptr)) {
    children.push_back(child);
  }
  for (HWND child : children) visit(child);
}

}  // namespace

int FindEditRecord(int windowIndex, HWND edit) {
  const SkinWindowRecord& host = SkinWindowTable.At(windowIndex);
  for (int i = 1; i <= host.edits.Count(); ++i) {
    if (host.edits.At(i).hwnd == edit) return i;
  }
  return 0;
}

void SkinEditControls(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check

  ForEachChildOfClass(parent, "Edit", [&](HWND edit) {
    if (FindEditRecord(windowIndex, edit) >= 1) return;
    SkinOneEdit(windowIndex, edit, true);
  });

  ForEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
    // A combo box taken twice would pass its messages to itself.
    if (SkinWindowTable.At(windowIndex).combos.Find(combo) >= 1) return;
    const int index = SkinWindowTable.At(windowIndex).combos.Take(combo);
    ResetTextFromSelection(combo);
    ComboRecord& record = SkinWindowTable.At(windowIndex).combos.At(index);
    record.oldProc = Subclass(combo, ComboSkinProc);
    prop::Write(combo, prop::kIndex, index);
    prop::Write(combo, prop::kHostIndex, windowIndex);
    prop::WriteHandle(combo, prop::kOldProc, record.oldProc);

    const HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (inner != nullptr && TransparencyMode) SkinOneEdit(windowIndex, inner, false);
  });
}

}  // namespace skin
