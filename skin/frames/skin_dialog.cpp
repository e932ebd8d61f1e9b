#include "skin/frames/skin_dialog.h"

#include <vector>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/containers/child_installers.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/frames/dialog_frame_proc.h"
#include "skin/frames/drop_shadow.h"

namespace skin {

namespace {

constexpr int kExtraWidth = 10;
// What each of the dialog's text statics grows by.
constexpr int kStaticExtraWidth = 9;
constexpr int kStaticExtraHeight = 14;
constexpr int kCaptionHeight = 25;
constexpr int kCloseWidth = 38;
constexpr int kCloseHeight = 18;
constexpr int kStripHeight = 22;
constexpr int kStripY = 2;
constexpr int kStripInset = 36;  // the close zone's distance from the right edge
constexpr int kButtonGap = 5;
constexpr int kButtonsRight = 12;   // the block ends this far from the right edge
constexpr int kButtonsBottom = 33;  // a button's bottom this far above the window's
constexpr int kBandBelowTop = 7;
constexpr COLORREF kColourKey = 0xFF00FF;
constexpr int kShadowDepth = 15;
constexpr int kShadowOpacity = 20;

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

void FillFrameFields(SkinWindowRecord& record) {
  record.captionHeight = kCaptionHeight;
  record.helpButton = 0;
  record.menuButton = 0;
  record.minimizeButton = 0;
  record.maximizeButton = 0;
  record.closeButton = 1;
  record.frameSwitch = 1;
  record.sizable = 0;
  record.showTitle = 1;
  record.captionBand = 0;
  record.titleColour = 0xFFFFFF;
  record.titleColour2 = 0x808080;
  record.titleFont = {"宋体", 13, 0};
}

void AddCloseButton(SkinWindowRecord& record) {
  record.captionButtons.clear();
  CaptionButtonRecord close;
  close.width = kCloseWidth;
  close.height = kCloseHeight;
  close.image = DialogCloseImage();
  close.kind = CaptionButtonKind::Close;
  close.tooltipText = "关闭";
  record.captionButtons.push_back(std::move(close));
  int widths = 0;
  for (const CaptionButtonRecord& button : record.captionButtons) widths += button.width;
  record.buttonsWidth = widths + (static_cast<int>(record.captionButtons.size()) - 1) + 3;
  record.buttonsHeight = kStripHeight;
  record.buttonsY = kStripY;
}

}  // namespace

rt::ByteArray DialogCloseImage() { return rt::LoadEmbeddedBytes(IDR_DIALOG_CLOSE); }

void LayoutDialogCaption(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const RECT r = WindowRect(record.hwnd);
  const int left = (r.right - r.left) - kStripInset;
  record.buttonsX = left;
  for (CaptionButtonRecord& button : record.captionButtons) {
    button.rect = RectF{static_cast<float>(left), static_cast<float>(kStripY), static_cast<float>(kStripInset),
                        static_cast<float>(kStripHeight)};
  }
}

void LayoutDialogButtons(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const HWND dialog = record.hwnd;
  const RECT r = WindowRect(dialog);
  const int width = r.right - r.left, height = r.bottom - r.top;

  std::vector<HWND> buttons;
  double widths = 0;
  for (HWND b = FindWindowExA(dialog, nullptr, "BUTTON", nullptr); b; b = FindWindowExA(dialog, b, "BUTTON", nullptr)) {
    buttons.push_back(b);
    const RECT br = GetRectInParentWindow(b);
    widths += br.right - br.left;
  }
  if (buttons.empty()) return;
  const double total = widths + kButtonGap * (static_cast<double>(buttons.size()) - 1);
  int x = static_cast<int>(width - total - kButtonsRight);
  int previousWidth = 0;
  bool first = true;
  for (HWND b : buttons) {
    const RECT br = GetRectInParentWindow(b);
    const int w = br.right - br.left, h = br.bottom - br.top;
    if (!first) x = x + previousWidth + kButtonGap;
    first = false;
    const int y = height - h - kButtonsBottom;
    // Computed against the window rectangle, placed in client coordinates:
    // each button lands offset by the client area's place in the window.
    MoveWindow(b, x, y, w, h, FALSE);
    previousWidth = w;
    const RECT moved = GetRectInParentWindow(b);
    record.buttonBandHeight = height - moved.top + kBandBelowTop;
  }
}

void SkinDialog(HWND dialog) {
  if (FindSkinWindow(dialog) != 0 || CarriesSavedProcedure(dialog)) return;

  RECT r = WindowRect(dialog);
  MoveWindow(dialog, r.left, r.top, r.right - r.left + kExtraWidth, r.bottom - r.top, TRUE);
  r = WindowRect(dialog);
  const int width = r.right - r.left, height = r.bottom - r.top;
  // The window owns the region once it is set; a refused one is ours.
  HRGN region = CreateRoundRectRgn(0, 0, width + 1, height + 1, 5, 5);
  if (region != nullptr && SetWindowRgn(dialog, region, TRUE) == 0) DeleteObject(region);

  auto fresh = MakeSkinWindowRecord(dialog);
  FillFrameFields(*fresh);
  fresh->hwnd = dialog;
  const int windowIndex = SkinWindowTable.Append(std::move(fresh));
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  // The buttons are laid out before the record's other steps need them; the
  // table position is the window index the layout reads.
  LayoutDialogButtons(windowIndex);
  AddCloseButton(record);

  SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_SYSMENU);
  MakeLayered(dialog);
  SetLayeredWindowAttributes(dialog, kColourKey, 0, LWA_COLORKEY | LWA_ALPHA);

  LayoutDialogCaption(windowIndex);
  RunChildInstallers(windowIndex, dialog, SIZE{kStaticExtraWidth, kStaticExtraHeight});
  record.recompose = 1;

  record.oldProc = InstallProcedure(dialog, DialogFrameProc);
  prop::Write(dialog, prop::kIndex, windowIndex);

  ShadowSettings shadow;
  shadow.depth = kShadowDepth;
  shadow.opacity = kShadowOpacity;
  SetWindowShadow(dialog, shadow);
}

}  // namespace skin
