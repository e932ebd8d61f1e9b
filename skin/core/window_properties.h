// The window-property vocabulary that ties windows to the skin records.
// Properties are set with SetPropA, read with GetPropA, never removed (they
// die with their window); one never set reads 0.
#pragma once

#include <windows.h>

namespace skin::prop {

// Links of a skinned window or control to its records.
inline constexpr char kOldProc[] = "Hw_hProc";      // previous window procedure
inline constexpr char kIndex[] = "Hw_lbID";         // window index, or a control's list index
inline constexpr char kHostIndex[] = "Hw_FuID";     // a control's window index
inline constexpr char kControlIndex[] = "Kj_lbID";  // index in `controls`
inline constexpr char kControlHostIndex[] = "Kj_FuID";
inline constexpr char kControlOldProc[] = "Kj_hProc";

// Colours and brushes of a control.
inline constexpr char kTextColour[] = "Kj_Ztys";
inline constexpr char kDisabledTextColour[] = "Kj_Jzzts";
inline constexpr char kTintColour[] = "Kj_bjys";
inline constexpr char kTintAlpha[] = "Kj_bjystmd";
inline constexpr char kCtlColourBrush[] = "Kj_dxjb";   // pattern brush for WM_CTLCOLOR*
inline constexpr char kCtlColourBitmap[] = "Kj_wtjb";  // its bitmap; a toolbar's image list

inline constexpr char kClickAnimation[] = "Xzk_dhxg";  // check box plays its click animation
inline constexpr char kOverlayTarget[] = "Mngd_zct";   // control under a scroll-bar overlay
inline constexpr char kPanelAncestor[] = "Mb_zpf";     // a container's panel ancestor

// Drop-shadow window.
inline constexpr char kShadowDepth[] = "Yyck_yysd";
inline constexpr char kShadowColour[] = "Yyck_yyys";
inline constexpr char kShadowSides[] = "Yyck_yyWz";
inline constexpr char kShadowOpacity[] = "Yyck_Tmd";
inline constexpr char kShadowOwner[] = "Yyck_Glck";

// Cached objects of frame painters.
inline constexpr char kDialogPaintObject[] = "Ck_Ycjdx";
inline constexpr char kDialogBitmap[] = "Ck_wtjbdx";
inline constexpr char kCompositionDc[] = "CK_Ggcj";

// Read by the skins but never set to a non-zero value in this program.
inline constexpr char kPanelMark[] = "Wxk_Zpf";
inline constexpr char kPanelDc[] = "Wxk_Cj";
inline constexpr char kCustomDrawIndex[] = "Wxk_LBID";
inline constexpr char kParentTint[] = "Zqk_LbID";
inline constexpr char kAltTint[] = "Zqk_Szqk";
inline constexpr char kAltTintColour[] = "Zqk_bjs";
inline constexpr char kAltTintAlpha[] = "Zqk_bjstmd";
inline constexpr char kEditCompanion[] = "Zqk_gljb";
inline constexpr char kTreeIconSet[] = "Sxk_Tpzsy";
inline constexpr char kLayered[] = "CK_Fcck";
inline constexpr char kLayerIndex[] = "Fc_lbID";
inline constexpr char kLayerBackground[] = "Fcsx_bjcj";
inline constexpr char kLayerForeground[] = "Fcsx_gycj";
inline constexpr char kMenuToDestroy[] = "Ck_cdjb";

// A property's value as an integer (0 when never set).
inline INT_PTR Read(HWND hwnd, const char* name) {
  return reinterpret_cast<INT_PTR>(GetPropA(hwnd, name));
}

// Stores an integer or handle value; a null window is ignored.
inline void Write(HWND hwnd, const char* name, INT_PTR value) {
  if (hwnd != nullptr) SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
}

// False when no window holds the property at all, so that every read of it
// would give 0: a property's name is a global atom while any window holds
// it. One look-up then answers for many windows (each read is a round trip
// to the window server under Wine). True does not say which window has it.
inline bool MayBeHeld(const char* name) { return GlobalFindAtomA(name) != 0; }

template <class Handle>
Handle ReadHandle(HWND hwnd, const char* name) {
  return reinterpret_cast<Handle>(GetPropA(hwnd, name));
}

template <class Handle>
void WriteHandle(HWND hwnd, const char* name, Handle value) {
  Write(hwnd, name, reinterpret_cast<INT_PTR>(value));
}

}  // namespace skin::prop
