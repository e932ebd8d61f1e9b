// Skinning of a top-level window as a main frame: its SkinWindowRecord with
// caption buttons, tooltips, background picture and optional bottom bar,
// the child-control skins, and the frame procedure.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "runtime/byte_array.h"
#include "skin/core/frame_records.h"
#include "skin/core/nine_grid_image.h"

namespace skin {

// The optional settings of SkinMainWindow. An omitted setting takes its
// default; the plain values are read as given (0 when left out).
struct MainWindowSettings {
  int captionHeight = 0;               // at least 25
  std::optional<int> frameSwitch;      // default 1
  std::optional<int> sizable;          // default 1
  std::optional<int> helpButton;       // default 0
  std::optional<int> menuButton;       // default 0
  std::optional<int> showTitle;        // default 1
  std::optional<int> captionBand;      // default 0
  int bottomBarHeight = 0;             // a bottom bar when above 0
  std::optional<std::vector<BottomBarItem>> bottomItems;  // default: one item spanning the bar
  rt::ByteArray backgroundImage;       // any format GDI+ decodes; empty = none
  std::optional<int> backgroundMode;   // default ThemeMode
  std::optional<COLORREF> overlayColour;  // default -1 (no tint)
  std::optional<int> overlayAlpha;     // default 255
  int noClose = 0;                     // nonzero: no close button
  std::optional<int> hideIcon;         // default 0
  const NineGridImage* faceImage = nullptr;  // used only when loaded
  std::optional<int> dragAnywhere;     // default 1
};

// Skins the window as a main frame: builds and registers its record, lays
// out the caption buttons and the bottom bar, skins its direct child
// controls and installs MainFrameProc. Nothing is drawn yet. A window that
// is skinned already, or carries another skin's procedure, is left as it
// is.
void SkinMainWindow(HWND window, const MainWindowSettings& settings = {});

// The PNG bytes of a caption button's image; `restore` picks the maximize
// button's image for the maximized frame.
rt::ByteArray LoadCaptionButtonImage(CaptionButtonKind kind, bool restore = false);

}  // namespace skin
