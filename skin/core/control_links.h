// The one way from a skinned window to its skin: every control kind is
// linked to its record, and every skin procedure to the procedure it
// replaced, through the window's own properties. Installing a skin
// procedure, finding a control's record and handing a message on all go
// through here, so a new control kind needs only its installer, its
// procedure and its painter.
//
// The properties are read from windows anybody may change, so every link
// read is checked against the window before it is used.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

// The three properties that link a control to its host: its list index,
// the host's window index and the procedure the skin replaced. The
// controls of the control layer have a set of their own, so that one
// window can be such a control and a container at once.
struct LinkProperties {
  const char* index;
  const char* host;
  const char* oldProc;
};

inline constexpr LinkProperties kSkinLink{prop::kIndex, prop::kHostIndex, prop::kOldProc};
inline constexpr LinkProperties kControlLink{prop::kControlIndex, prop::kControlHostIndex,
                                             prop::kControlOldProc};

// One of a skinned window's control lists.
template <class Record>
using RecordList = ControlList<Record> SkinWindowRecord::*;

// Calls visit(list, link) for every control list of a skinned window with
// the properties that link its controls: the one place that names them
// all.
template <class Visit>
void ForEachControlList(Visit&& visit) {
  visit(&SkinWindowRecord::buttons, kSkinLink);
  visit(&SkinWindowRecord::edits, kSkinLink);
  visit(&SkinWindowRecord::listControls, kSkinLink);
  visit(&SkinWindowRecord::trackbars, kSkinLink);
  visit(&SkinWindowRecord::progressBars, kSkinLink);
  visit(&SkinWindowRecord::combos, kSkinLink);
  visit(&SkinWindowRecord::upDowns, kSkinLink);
  visit(&SkinWindowRecord::headers, kSkinLink);
  visit(&SkinWindowRecord::statics, kSkinLink);
  visit(&SkinWindowRecord::labels, kSkinLink);
  visit(&SkinWindowRecord::containers, kSkinLink);
  visit(&SkinWindowRecord::controls, kControlLink);
}

// A control's record with its host and both indices; all empty when the
// control's properties name no record of this very control.
template <class Record>
struct ControlLink {
  SkinWindowRecord* host = nullptr;
  Record* record = nullptr;
  int windowIndex = 0;
  int listIndex = 0;

  explicit operator bool() const { return record != nullptr; }
  Record* operator->() const { return record; }
};

template <class Record>
ControlLink<Record> FindControlLink(HWND control, RecordList<Record> list,
                                    const LinkProperties& link = kSkinLink) {
  const INT_PTR hostIndex = prop::Read(control, link.host);
  const INT_PTR listIndex = prop::Read(control, link.index);
  SkinWindowRecord* host = SkinWindowTable.Find(hostIndex);
  Record* record = host != nullptr ? (host->*list).Listed(listIndex, control) : nullptr;
  if (record == nullptr) return {};
  return {host, record, static_cast<int>(hostIndex), static_cast<int>(listIndex)};
}

// A skinned top-level window's record and window index, from its own
// "Hw_lbID"; empty unless that names the record of this very window (on a
// control "Hw_lbID" is a list index, and a released window's may name
// another window's record by now).
struct SkinFrame {
  SkinWindowRecord* record = nullptr;
  int index = 0;

  explicit operator bool() const { return record != nullptr; }
  SkinWindowRecord* operator->() const { return record; }
};

SkinFrame FindSkinFrame(HWND window);

// The one rule against taking a window twice: a window carrying a saved
// procedure in `property` has a skin procedure on it, this skin's or
// another's, and a second one would make the two hand each other its
// messages.
inline bool CarriesSavedProcedure(HWND window, const char* property = prop::kOldProc) {
  return prop::Read(window, property) != 0;
}

// Whether `control` is taken already, by the list or by any skin.
template <class Record>
bool IsTaken(int windowIndex, RecordList<Record> list, HWND control, const LinkProperties& link = kSkinLink) {
  return (SkinWindowTable.At(windowIndex).*list).Find(control) > 0 || CarriesSavedProcedure(control, link.oldProc);
}

// Puts `procedure` on the window and saves the one it replaces in
// `property`; returns that one.
WNDPROC InstallProcedure(HWND window, WNDPROC procedure, const char* property = prop::kOldProc);

// Gives the window back the procedure saved in `property`; the property
// stays, so that messages still arriving reach that procedure.
void RestoreSavedProcedure(HWND window, const char* property = prop::kOldProc);

// A property a control kind sets along with the link.
struct LinkedProperty {
  const char* name;
  INT_PTR value;
};

// Skins `control` as a record of `list` in the host of window index
// `windowIndex` (which must name a skinned window), writing its properties
// in one order: takes the record's slot and lets `fill` fill it while the
// control still has its own procedure; sets the list index and the host
// index, then the kind's own `properties`; installs `procedure` and saves
// the replaced one in the property and, where the record keeps one, in the
// record. A control already in the list, or already carrying a saved
// procedure, is not taken: the result is then empty.
//
// `fill` may append to the host's lists (an installer run inside keeps the
// record where it is); the record is found again before it is linked, and
// nothing is linked when it or its host has gone meanwhile.
template <class Record, class Fill>
ControlLink<Record> LinkControl(int windowIndex, RecordList<Record> list, HWND control,
                                WNDPROC procedure, Fill&& fill,
                                std::initializer_list<LinkedProperty> properties = {},
                                const LinkProperties& link = kSkinLink) {
  SkinWindowRecord& host = SkinWindowTable.At(windowIndex);
  if (control == nullptr || IsTaken(windowIndex, list, control, link)) return {};
  fill((host.*list).At((host.*list).Take(control)));

  if (SkinWindowTable.Find(windowIndex) != &host) return {};
  const int listIndex = (host.*list).Find(control);
  if (listIndex == 0) return {};
  Record* record = &(host.*list).At(listIndex);
  prop::Write(control, link.index, listIndex);
  prop::Write(control, link.host, windowIndex);
  for (const LinkedProperty& property : properties) prop::Write(control, property.name, property.value);
  const WNDPROC previous = InstallProcedure(control, procedure, link.oldProc);
  if constexpr (requires { record->oldProc; }) record->oldProc = previous;
  return {&host, record, windowIndex, listIndex};
}

// Hands the message on to the procedure saved in `property`. A missing one,
// or `self` (a window skinned twice would call itself without end), gives
// the default procedure instead.
LRESULT CallSavedProcedure(HWND hwnd, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam,
                           const char* property = prop::kOldProc);

}  // namespace skin
