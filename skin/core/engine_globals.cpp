#include "skin/core/engine_globals.h"

namespace skin {

// Defined before the window table in this one file, so it is built before
// the table and destroyed after it: records still holding cached DCs at
// exit release them into a live cache.
std::vector<DcCacheEntry> DcCache;
SkinWindowList SkinWindowTable;

int SkinChildControls = 0;
int TransparencyMode = 0;
int GlobalAlpha = 0;
COLORREF AccentColour = 0;
COLORREF ThemeColour = 0;
rt::ByteArray ThemeBackground;
int ThemeMode = 0;
int TrackbarPanel = 0;
int ListHoverTracking = 0;

ImageStrip GlyphStrip;
std::vector<FadeRecord> FadeList;
std::vector<TreeIconSet> TreeIconSets;
std::vector<CustomDrawRecord> CustomDrawTable;
std::vector<std::unique_ptr<MenuRecord>> MenuTable;
std::vector<LayerElement> LayerElements;
std::vector<HWND> BrushOwners;

HICON AppIcon = nullptr;
int WorkingSetTrimOff = 0;
int FirstSizePending = 0;
ULONG_PTR GdiplusTokenCopy = 0;

HCURSOR HandCursor = nullptr;
HCURSOR IBeamCursor = nullptr;
HCURSOR SizeWeCursor = nullptr;

}  // namespace skin
