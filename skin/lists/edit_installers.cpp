#include "skin/lists/edit_installers.h"

#include <vector>

#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/combo_skin.h"
#include "skin/lists/edit_skin.h"
#include "skin/lists/scroll_overlay.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledText = 0x606060;

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

bool SkinOneEdit(int windowIndex, HWND edit, EditOverlays overlays) {
  const auto fill = [&](EditRecord& record) {
    // An overlay over a bar the edit does not show is parked hidden.
    const bool visible = IsVisibleStyle(edit);
    const bool vertical = HasVScrollStyle(edit), horizontal = HasHScrollStyle(edit);
    if (overlays == EditOverlays::Both || (overlays == EditOverlays::AsStyled && vertical))
      record.vScrollOverlay = CreateVScrollOverlay(edit, visible && vertical ? 1 : 0);
    if (overlays == EditOverlays::Both || (overlays == EditOverlays::AsStyled && horizontal))
      record.hScrollOverlay = CreateHScrollOverlay(edit, visible && horizontal ? 1 : 0);
  };
  return static_cast<bool>(LinkControl(windowIndex, &SkinWindowRecord::edits, edit, EditSkinProc, fill,
                                       {{prop::kTextColour, 0}, {prop::kDisabledTextColour, kDisabledText}}));
}

int FindEditRecord(int windowIndex, HWND edit) { return SkinWindowTable.At(windowIndex).edits.Find(edit); }

void SkinEditControls(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check

  ForEachChildOfClass(parent, "Edit", [&](HWND edit) { SkinOneEdit(windowIndex, edit, EditOverlays::AsStyled); });

  ForEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
    const auto linked = LinkControl(windowIndex, &SkinWindowRecord::combos, combo, ComboSkinProc,
                                    [&](ComboRecord&) { ResetTextFromSelection(combo); });
    if (!linked) return;
    const HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (inner != nullptr && TransparencyMode) SkinOneEdit(windowIndex, inner, EditOverlays::None);
  });
}

}  // namespace skin
