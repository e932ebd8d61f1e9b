// The per-control records that a skinned window keeps, one list per kind.
//
// The button, edit, list, container and range-control skins fill and read
// them; the core keeps them here so that the window registry can hold the
// lists. Every record's first member is the control's window (0 marks the
// free first record of a fresh list). A record owns its texts, byte arrays,
// rectangles and objects, and frees them when it goes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/byte_array.h"
#include "skin/core/control_image.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/finished_image.h"
#include "skin/core/font_spec.h"
#include "skin/core/nine_grid_image.h"
#include "skin/core/skin_text.h"
#include "skin/core/tooltip.h"

namespace skin {

// ---- Buttons ---------------------------------------------------------------

enum class ButtonKind : int {
  Push = 0,
  ImageButton = 1,
  GradientButton = 3,
  AutoRadio = 4,
  CheckBox = 5,
  ImageCheckBox = 7,
};

// A push button, check box or radio button.
struct ButtonRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  ButtonKind kind = ButtonKind::Push;
  rt::ByteArray normalImage;
  rt::ByteArray hoverImage;
  rt::ByteArray pressedImage;
  rt::ByteArray reservedImage;
  rt::ByteArray disabledImage;
  int imageBesideCaption = 0;
  rt::Text caption;
  int hasFocus = 0;
  int checkedAtInstall = 0;
  HWND parent = nullptr;
  Tooltip tooltip;  // never gets a window
  FontSpec font;
  int mouseDown = 0;
  int stretchImages = 0;
  COLORREF textEffect = 0;  // halo colour of the caption, or -1 for plain text
  int useStateImages = 0;
  rt::ByteArray uncheckedImage;
  rt::ByteArray uncheckedHoverImage;
  rt::ByteArray checkedImage;
  rt::ByteArray checkedHoverImage;
  rt::ByteArray checkedPressedImage;
  rt::ByteArray uncheckedPressedImage;
  rt::ByteArray checkedDisabledImage;
  rt::ByteArray uncheckedDisabledImage;
  int highlight = 0;
  int faceLoaded = 0;
  NineGridImage face;
  // Kept between paints: the caption's font and format, the last finished
  // image, and the image pictures decoded (each slot keyed by the bytes it
  // decoded: the image button's picture, an image check box's two, a
  // check box's state images).
  TextKit captionKit;
  FinishedImage finished;
  std::array<DecodedPicture, 8> statePictures;
};

// ---- Edits, combo boxes, lists ---------------------------------------------

// Start arrow, end arrow and thumb of a painted scroll bar, in the
// overlay's own coordinates.
using ScrollPartRects = std::array<RECT, 3>;

enum class ScrollBarPart : int {
  None = 0,
  Thumb = 1,
  StartArrow = 3,
  EndArrow = 4,
};

// An edit, rich edit or IP-address field.
struct EditRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int focused = 0;
  int hover = 0;
  int buttonHeld = 0;
  HWND vScrollOverlay = nullptr;
  HWND hScrollOverlay = nullptr;
  ScrollPartRects vScrollParts{};
  ScrollPartRects hScrollParts{};
  FinishedImage ringImage;  // the frame ring over the composed background
  FinishedImage vScrollImage;
  FinishedImage hScrollImage;
};

struct ComboRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int focused = 0;
  rt::ByteArray buttonImage;
  rt::ByteArray buttonHotImage;
  rt::Text buttonImageFile;
  rt::Text buttonHotImageFile;
};

// A list box, drop list, list view, tree view, IP-address or date-time
// picker.
struct ListControlRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int focused = 0;
  int hover = 0;
  int arrowKeyDown = 0;
  HWND vScrollOverlay = nullptr;
  HWND hScrollOverlay = nullptr;
  ScrollPartRects vScrollParts{};
  ScrollPartRects hScrollParts{};
  int dirty = 0;  // paint anew instead of restoring the host's composition
  int hoverReported = 0;
  ScrollBarPart hotPart = ScrollBarPart::None;
  COLORREF listViewBackColour = 0;
  FontSpec font;
  COLORREF textColour = 0;
  COLORREF effectColour = 0;
  int textEffect = 0;
  COLORREF selectedTextColour = 0;
  COLORREF selectedEffectColour = 0;
  COLORREF hoverFill = 0;
  COLORREF selectionFill = 0;
  int imageButtons = 0;
  int lastMouseX = 0;
  int lastMouseY = 0;
  FinishedImage keptRows;  // the tree's last painted rows
  FinishedImage vScrollImage;
  FinishedImage hScrollImage;
  FinishedImage ringImage;  // the ring around the client, last painted
};

struct UpDownRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int hover = 0;
  int hotHalf = 0;
  int pressed = 0;
  int horizontal = 0;
  int lastButtonLParam = 0;
  FinishedImage image;
};

struct HeaderRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int hover = 0;
  int hotItem = 0;
  int lastPaintedHot = 0;
  int buttons = 0;
  int pressedItem = 0;
  int buttonDown = 0;
  FontSpec font;
  HIMAGELIST imageList = nullptr;
};

// ---- Containers, common controls, statics, labels, range controls --------

enum class ContainerKind : int {
  Plain = 0,
  GroupBox = 1,
  TabControl = 2,
};

// A child re-laid out when its container or frame is sized.
struct ChildAnchor {
  HWND hwnd = nullptr;
  int top = 0;
  int left = 0;
  int fullWidth = 0;
};

// A group box, tab control or other window that hosts skinned controls.
struct ContainerRecord {
  HWND hwnd = nullptr;
  COLORREF tintColour = 0;  // 0: no tint
  int alpha = 0;            // low byte only
  int border = 0;
  WNDPROC oldProc = nullptr;
  int redraw = 0;
  int childChanged = 0;
  int width = 0;
  int height = 0;
  ContainerKind kind = ContainerKind::Plain;
  // Non-zero: the engine paints the container, and its tint is laid over
  // the background of every control inside it.
  int paintMode = 0;
  FontSpec font;
  std::vector<ChildAnchor> anchors = std::vector<ChildAnchor>(1);
  // Kept between paints: the title's font and format, the last finished image.
  TextKit titleKit;
  FinishedImage finished;
};

// A toolbar or other common control linked through the "Kj_" properties.
// What a toolbar's paints keep between them (its painter makes it).
struct ToolbarKit;

struct ControlRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  COLORREF background = 0;
  FontSpec font;
  int redraw = 0;  // draw afresh instead of copying the cached image
  int hover = 0;
  int dropFrame = 0;
  std::shared_ptr<ToolbarKit> toolbarKit;  // shared, so the record stays copyable
};

enum class StaticKind : int {
  None = 0,
  Text = 1,
  Bitmap = 2,
  Icon = 3,
};

enum class ImagePlacement : int {
  TopLeft = 0,
  RightJustified = 1,
  Centred = 2,
  Stretched = 3,
};

struct StaticRecord {
  HWND hwnd = nullptr;
  ImagePlacement imagePlacement = ImagePlacement::TopLeft;
  StaticKind kind = StaticKind::None;
  WNDPROC oldProc = nullptr;
  FontSpec font;
};

struct LabelRecord {
  HWND hwnd = nullptr;
  int alignment = 0;
  int lineAlignment = 0;
  int wrap = 0;
  COLORREF textColour = 0;
  int halo = 0;
  COLORREF haloColour = 0;
  FontSpec font;
  int needsRepaint = 0;  // draw the text again over a fresh background
};

enum class TickPlacement : int {
  TopLeft = 0,
  BottomRight = 1,
  Both = 2,
  None = 3,
};

struct TrackbarRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int vertical = 0;
  TickPlacement tickPlacement = TickPlacement::TopLeft;
  int hot = 0;
  int selectionRange = 0;
  int imageMode = 0;
  NineGridImage thumbImage;
  NineGridImage channelImage;
  NineGridImage fillImage;
  FinishedImage look;  // the trackbar as last drawn; not kept in image mode
};

enum class ShineStyle : int {
  Glow = 0,
  Band = 1,
  Cyan = 2,
};

// A progress bar as drawn without its shine, with what it was drawn from:
// while none of that changes, the shine's 30 ms ticks copy it back and
// draw only the strip.
struct ProgressFace {
  struct Key {
    int width = 0;
    int height = 0;
    int position = 0;
    int low = 0;
    int high = 0;
    int vertical = 0;
    int squareCorners = 0;
    COLORREF fillColour = 0;
    COLORREF frameColour = 0;
    bool operator==(const Key&) const = default;
  };
  Key key;
  std::vector<std::uint8_t> background;  // the image's pixels before the bar was drawn
  std::vector<std::uint8_t> pixels;      // and after, without the shine
};

// A bar's kept shine drawing surface (its painter makes it).
struct ShineSurface;

struct ProgressRecord {
  HWND hwnd = nullptr;
  WNDPROC oldProc = nullptr;
  int vertical = 0;
  int squareCorners = 0;
  int shineOn = 0;
  int shineX = 0;
  int shineWidth = 0;
  COLORREF fillColour = 0;
  COLORREF frameColour = 0;
  ShineStyle shineStyle = ShineStyle::Glow;
  // The style's strip, decoded once: the shine repaints every 30 ms.
  DecodedPicture shinePicture;
  ProgressFace face;
  // Where the painter draws the shine between ticks; shared, so the record
  // stays copyable.
  std::shared_ptr<ShineSurface> shineSurface;
};

}  // namespace skin
