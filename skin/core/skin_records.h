// The record of one skinned top-level window (a main frame or a skinned
// dialog) and the kind of control under its mouse.
//
// A record is filled in full by the skinning call before it enters
// SkinWindowTable and lives until its window's WM_NCDESTROY. Every list
// starts with one zero record. Members nobody sets keep their zero start.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "runtime/byte_array.h"
#include "skin/core/control_list.h"
#include "skin/core/control_records.h"
#include "skin/core/dc_cache.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/font_spec.h"
#include "skin/core/frame_records.h"
#include "skin/core/kept_picture_slots.h"
#include "skin/core/nine_grid_image.h"
#include "skin/core/skin_geometry.h"
#include "skin/core/tooltip.h"

namespace skin {

// Kind of the control under the mouse (5 to 7 are not used).
enum class HotKind : int {
  Button = 0,
  Edit = 1,
  Trackbar = 2,
  ComboBox = 3,
  ListControl = 4,
  UpDown = 8,
  Header = 9,
};

struct SkinWindowRecord {
  HWND hwnd = nullptr;

  // Window state, kept by the frame procedures.
  int shownComposed = 0;
  int hidden = 0;
  CloseEffect closeEffect = CloseEffect::None;
  int moving = 0;
  int sizing = 0;
  int repaintPending = 0;
  int erasedSincePaint = 0;
  int active = 0;

  // Caption and its buttons.
  int captionHeight = 0;
  int helpButton = 0;
  int menuButton = 0;
  int minimizeButton = 0;
  int maximizeButton = 0;
  int closeButton = 0;
  int showTitle = 0;
  int captionBand = 0;
  WNDPROC oldProc = nullptr;

  // Background.
  rt::ByteArray backgroundImage;
  int backgroundMode = 0;
  COLORREF backgroundColour = 0;
  COLORREF overlayColour = 0;
  int overlayAlpha = 0;
  DecodedPicture backgroundPicture;  // the own or theme picture, decoded
  FrameBackgroundLayer backgroundLayer;

  std::vector<CaptionButtonRecord> captionButtons = std::vector<CaptionButtonRecord>(1);
  int buttonsX = 0;
  int buttonsY = 0;
  int buttonsWidth = 0;
  int buttonsHeight = 0;

  int maximized = 0;
  int minimized = 0;
  int trackLimits = 0;
  int minTrackWidth = 0;
  int minTrackHeight = 0;
  int maxTrackWidth = 0;
  int maxTrackHeight = 0;
  int sizable = 0;
  int frameSwitch = 0;
  int dragAnywhere = 0;

  // Title.
  COLORREF titleColour = 0;
  COLORREF titleColour2 = 0;  // outline or second colour; -1 draws plain text
  FontSpec titleFont;
  int titleEffect = 0;

  // Hover state of the caption and of the controls.
  int hoverButton = 0;
  HotKind hotKind = HotKind::Button;
  HWND hotEditParent = nullptr;

  FARPROC helpRoutine = nullptr;
  FARPROC menuRoutine = nullptr;
  FARPROC closeQueryRoutine = nullptr;
  Tooltip tooltip;  // the caption buttons' tips

  int buttonBandHeight = 0;

  // Bottom bar.
  int bottomBarHeight = 0;
  XywhRect bottomBarRect;
  std::vector<BottomBarItem> bottomItems = std::vector<BottomBarItem>(1);
  std::vector<XywhRect> bottomItemRects = std::vector<XywhRect>(1);
  int bottomThemeColour = 0;
  int bottomTextHalo = 0;
  COLORREF bottomTextColour = 0;
  COLORREF bottomTextColour2 = 0;
  FontSpec bottomFont;  // face and size; the style stays 0
  FARPROC bottomClickRoutine = nullptr;
  FARPROC bottomRightClickRoutine = nullptr;
  FARPROC bottomDoubleClickRoutine = nullptr;

  // Skinned controls, one list per kind.
  ControlList<ButtonRecord> buttons;
  ControlList<EditRecord> edits;
  ControlList<ListControlRecord> listControls;
  ControlList<TrackbarRecord> trackbars;
  ControlList<ProgressRecord> progressBars;
  ControlList<ComboRecord> combos;
  ControlList<UpDownRecord> upDowns;
  ControlList<HeaderRecord> headers;
  ControlList<ControlRecord> controls;
  ControlList<StaticRecord> statics;
  ControlList<LabelRecord> labels;

  // Cached images of the frame. Assigning a new DC releases the one held
  // before; the record releases what it holds when it goes.
  int recompose = 0;
  CachedDc backgroundDc;   // the composed frame: source of every control background
  CachedDc captionDc;
  CachedDc bottomDc;
  CachedDc compositionDc;  // the frame plus the last image of every control

  // The engine's small embedded pictures, kept decoded for the painters of
  // this window's controls, which draw them on every paint.
  std::array<DecodedPicture, kKeptPictureCount> keptPictures;

  int lastHot = 0;
  int hot = 0;

  ControlList<ContainerRecord> containers;
  std::vector<ChildAnchor> anchors = std::vector<ChildAnchor>(1);

  int hoverReported = 0;
  CaptionFadeState fadeIn;
  CaptionFadeState fadeOut;
  int hoverTimer = 0;
  int closeHot = 0;

  // Drop shadow.
  HWND shadowHwnd = nullptr;
  int shadowDepth = 0;
  rt::ByteArray shadowImage;
  int shadowImageX = 0;
  int shadowImageY = 0;
  int shadowImageMode = 0;
  int dragByShadow = 0;
  int shadowCutOwner = 0;
  int imageOnlyShadow = 0;
  DecodedPicture shadowPicture;  // shadowImage, decoded

  int width = 0;   // window size at the last composition
  int height = 0;
  int hideIcon = 0;
  int faceImageLoaded = 0;
  NineGridImage faceImage;  // push-button face of the whole window
  std::vector<CompanionWindow> companions = std::vector<CompanionWindow>(1);
};

}  // namespace skin
