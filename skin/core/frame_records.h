// Records of a skinned frame's caption buttons, bottom bar, hover fades and
// close animation.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"
#include "runtime/gdi_object.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/skin_geometry.h"

namespace skin {

enum class CaptionButtonKind : int {
  Close = 0,
  MaximizeRestore = 1,
  Minimize = 2,
  MainMenu = 3,
  Help = 4,
  Custom = 5,
};

struct CaptionButtonRecord {
  int width = 0;   // nominal width: 26, the close button 38
  int height = 0;
  rt::ByteArray image;
  rt::ByteArray restoreImage;  // drawn instead of `image` while maximized
  rt::ByteArray extraImage;
  CaptionButtonKind kind = CaptionButtonKind::Close;
  rt::Text tooltipText;
  FARPROC routine = nullptr;  // a Custom button's click routine
  RectF rect;                 // client coordinates, set by the caption layout
  DecodedPicture decoded;     // the image or restore image last drawn, decoded
};

// One item of a main frame's optional bottom bar.
struct BottomBarItem {
  int width = 0;  // -1: an equal share of what the fixed items leave
  rt::Text text;
  rt::ByteArray image;
  COLORREF textColour = 0;
  DecodedPicture decoded{};  // `image` decoded, kept between composes
};

// A frame's background layer (base colour and placed picture) as last
// painted, with what it was painted from: a compose at the same size and
// look copies it instead of stretching the picture again.
struct FrameBackgroundLayer {
  rt::UniqueBitmap dib;  // a 32-bit DIB section like the frame's own; selected only while used
  int width = 0;
  int height = 0;
  COLORREF colour = 0;
  int mode = 0;
  rt::ByteArray picture;   // the bytes placed; empty: colour only
};

// One caption-button hover fade: the 1-based button and its step (0..8).
struct CaptionFadeState {
  int button = 0;
  int step = 0;
};

// A layered window moved and shown with its frame.
struct CompanionWindow {
  HWND hwnd = nullptr;
  int reserved = 0;
  int xOffset = 0;
  int yOffset = 0;
};

enum class CloseEffect : int {
  None = 0,
  ShrinkFade = 1,
  Pulse = 2,
  Fade = 3,
  SqueezeToMiddleRow = 4,
  RollUp = 5,
  RollDown = 6,
  CollapseLeft = 7,
  CollapseRight = 8,
  SqueezeToMiddleColumn = 9,
};

}  // namespace skin
