// The skin engine's process-wide state. Only the user-interface thread
// touches it. The values here are the start values; InitSkinEngine sets
// the engine's defaults.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/byte_array.h"
#include "skin/core/dc_cache.h"  // DcCache
#include "skin/core/engine_records.h"
#include "skin/core/image_strip.h"
#include "skin/core/skin_window_table.h"

namespace skin {

extern SkinWindowList SkinWindowTable;  // skinned top-level windows

extern int SkinChildControls;   // 0: the child-control installers skip their work
extern int TransparencyMode;    // 1: controls are painted over the skin background
extern int GlobalAlpha;         // alpha of the default white control tint
extern COLORREF AccentColour;   // fills, frames and glyphs
extern COLORREF ThemeColour;
extern rt::ByteArray ThemeBackground;
extern int ThemeMode;           // placement of the theme picture
extern int TrackbarPanel;       // trackbars draw their translucent panel
extern int ListHoverTracking;   // list-type controls ask for hover tracking

extern ImageStrip GlyphStrip;   // check-box glyphs
extern std::vector<FadeRecord> FadeList;
extern std::vector<TreeIconSet> TreeIconSets;
extern std::vector<CustomDrawRecord> CustomDrawTable;
extern std::vector<std::unique_ptr<MenuRecord>> MenuTable;
extern std::vector<LayerElement> LayerElements;
extern std::vector<HWND> BrushOwners;  // windows holding a "Kj_dxjb" brush

extern HICON AppIcon;           // icon of the engine's classes and frame titles
extern int WorkingSetTrimOff;   // TrimWorkingSet does nothing while it is 1
extern int FirstSizePending;    // a main frame's first WM_SIZE skips one recompose
extern ULONG_PTR GdiplusTokenCopy;  // GDI+ token, kept for the shutdown on WM_QUIT

// System cursors loaded at start-up.
extern HCURSOR HandCursor;
extern HCURSOR IBeamCursor;
extern HCURSOR SizeWeCursor;

}  // namespace skin
