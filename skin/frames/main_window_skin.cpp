#include "skin/frames/main_window_skin.h"

#include <algorithm>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/containers/child_installers.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/frames/background_picture.h"
#include "skin/frames/bottom_bar.h"
#include "skin/frames/caption_actions.h"
#include "skin/frames/caption_layout.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/main_frame_proc.h"

namespace skin {

namespace {

constexpr int kMinCaptionHeight = 25;
constexpr int kBorderZone = 3;
constexpr int kColourSamples = 2000;
constexpr int kButtonWidth = 26;
constexpr int kCloseWidth = 38;
constexpr int kButtonHeight = 18;
constexpr int kStripHeight = 22;

CaptionButtonRecord MakeCaptionButton(CaptionButtonKind kind, const char* tooltipText) {
  CaptionButtonRecord button;
  button.width = kind == CaptionButtonKind::Close ? kCloseWidth : kButtonWidth;
  button.height = kButtonHeight;
  button.image = LoadCaptionButtonImage(kind);
  if (kind == CaptionButtonKind::MaximizeRestore) {
    button.restoreImage = LoadCaptionButtonImage(kind, true);
  }
  button.kind = kind;
  button.tooltipText = tooltipText;
  return button;
}

// Help, main menu, minimize, maximize and close, left to right, each when
// the record wants it; then the strip that holds them.
void AddCaptionButtons(SkinWindowRecord& record) {
  record.captionButtons.clear();
  if (record.helpButton != 0) {
    record.captionButtons.push_back(MakeCaptionButton(CaptionButtonKind::Help, "帮助"));
  }
  if (record.menuButton != 0) {
    record.captionButtons.push_back(MakeCaptionButton(CaptionButtonKind::MainMenu, "主菜单"));
  }
  if (record.minimizeButton != 0) {
    record.captionButtons.push_back(MakeCaptionButton(CaptionButtonKind::Minimize, "最小化"));
  }
  if (record.maximizeButton != 0) {
    record.captionButtons.push_back(
        MakeCaptionButton(CaptionButtonKind::MaximizeRestore, "最大化"));
  }
  if (record.closeButton != 0) {
    record.captionButtons.push_back(MakeCaptionButton(CaptionButtonKind::Close, "关闭"));
  }
  int widths = 0;
  for (const CaptionButtonRecord& button : record.captionButtons) widths += button.width;
  const int count = static_cast<int>(record.captionButtons.size());
  record.buttonsWidth = widths + (count - 1) + 3;
  record.buttonsHeight = kStripHeight;
  record.buttonsY = 0;
}

// The background colour is the average of the picture's right-hand strip;
// modes 0 and 1 fade the picture's right or left side into it.
void SetBackgroundPicture(SkinWindowRecord& record, const rt::ByteArray& picture) {
  if (picture.empty()) return;
  record.backgroundColour = AverageImageColour(picture, kColourSamples);
  switch (record.backgroundMode) {
    case 0:
      record.backgroundImage = ComposeBackgroundImage(picture, std::nullopt, record.backgroundColour);
      break;
    case 1:
      record.backgroundImage = ComposeBackgroundImage(picture, std::nullopt, record.backgroundColour, 0);
      break;
    default:
      record.backgroundImage = picture;
      break;
  }
}

void FillFromSettings(SkinWindowRecord& record, const MainWindowSettings& settings, LONG_PTR style) {
  record.captionHeight = std::max(settings.captionHeight, kMinCaptionHeight);
  record.frameSwitch = settings.frameSwitch.value_or(1);
  record.sizable = settings.sizable.value_or(1);
  record.helpButton = settings.helpButton.value_or(0);
  record.menuButton = settings.menuButton.value_or(0);
  record.showTitle = settings.showTitle.value_or(1);
  record.captionBand = settings.captionBand.value_or(0);
  record.backgroundMode = settings.backgroundMode.value_or(ThemeMode);
  record.overlayColour = settings.overlayColour.value_or(static_cast<COLORREF>(-1));
  record.overlayAlpha = settings.overlayAlpha.value_or(255);
  record.hideIcon = settings.hideIcon.value_or(0);
  record.dragAnywhere = settings.dragAnywhere.value_or(1);

  record.minimizeButton = (style & WS_MINIMIZEBOX) != 0 ? 1 : 0;
  record.maximizeButton = (style & WS_MAXIMIZEBOX) != 0 ? 1 : 0;
  record.closeButton = settings.noClose != 0 ? 0 : (record.frameSwitch != 0 ? 1 : 0);
  record.minTrackWidth = 200;
  record.minTrackHeight = 150;
  record.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
  record.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
}

void SetTitleDefaults(SkinWindowRecord& record) {
  record.titleColour = 0xFFFFFF;
  record.titleColour2 = 0x808080;
  record.titleFont = {kDefaultFontFace, kDefaultFontSize, 1};  // bold
}

// Tools get their rectangles from the caption layout that follows.
void CreateCaptionTooltips(SkinWindowRecord& record) {
  record.tooltip.Create(record.hwnd);
  int id = 0;
  for (const CaptionButtonRecord& button : record.captionButtons) {
    ++id;
    const RectF& r = button.rect;
    record.tooltip.AddTool(
        RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
             static_cast<LONG>(r.y + r.height)},
        button.tooltipText, id);
  }
}

}  // namespace

rt::ByteArray LoadCaptionButtonImage(CaptionButtonKind kind, bool restore) {
  switch (kind) {
    case CaptionButtonKind::Close:
      return rt::LoadEmbeddedBytes(IDR_CAPTION_CLOSE);
    case CaptionButtonKind::MaximizeRestore:
      return rt::LoadEmbeddedBytes(restore ? IDR_CAPTION_RESTORE : IDR_CAPTION_MAXIMIZE);
    case CaptionButtonKind::Minimize:
      return rt::LoadEmbeddedBytes(IDR_CAPTION_MINIMIZE);
    case CaptionButtonKind::MainMenu:
      return rt::LoadEmbeddedBytes(IDR_CAPTION_MENU);
    case CaptionButtonKind::Help:
      return rt::LoadEmbeddedBytes(IDR_CAPTION_HELP);
    case CaptionButtonKind::Custom:
      break;
  }
  return {};
}

void SkinMainWindow(HWND window, const MainWindowSettings& settings) {
  auto fresh = MakeSkinWindowRecord(window);
  // A second frame procedure, ours or another skin's, would make the two
  // hand each other the window's messages.
  if (FindSkinWindow(window) >= 1 || CarriesSavedProcedure(window)) return;

  // The frame paints over its children's area itself.
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  RECT client{};
  GetClientRect(window, &client);

  if (CaptionClickRoutine == nullptr) CaptionClickRoutine = &OnCaptionButtonClick;
  BorderZone = kBorderZone;

  SkinWindowRecord& record = *fresh;
  record.hwnd = window;
  FillFromSettings(record, settings, style);
  SetBackgroundPicture(record, settings.backgroundImage);
  SetTitleDefaults(record);
  if (settings.faceImage != nullptr && settings.faceImage->IsLoaded()) {
    record.faceImageLoaded = 1;
    record.faceImage = settings.faceImage->Clone();
  }
  record.companions.clear();
  AddCaptionButtons(record);

  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);

  const int windowIndex = SkinWindowTable.Append(std::move(fresh));
  SkinWindowRecord& listed = SkinWindowTable.At(windowIndex);
  listed.recompose = 1;
  listed.width = client.right;
  listed.height = client.bottom;
  // Only a frame switch given as nonzero brings tooltips; the record's own
  // default of 1 does not.
  if (settings.frameSwitch.value_or(0) != 0) CreateCaptionTooltips(listed);
  LayoutCaptionButtons(windowIndex);

  if (settings.bottomBarHeight > 0) {
    SetupBottomBar(windowIndex, settings.bottomBarHeight, settings.bottomItems);
    listed.bottomTextColour = 0;
    listed.bottomTextColour2 = 0xFFFFFF;
    listed.bottomFont = {kDefaultFontFace, kDefaultFontSize, 0};
  }
  LayoutBottomBar(windowIndex);

  RunChildInstallers(windowIndex, window);

  listed.oldProc = InstallProcedure(window, MainFrameProc);
  prop::Write(window, prop::kIndex, windowIndex);
}

}  // namespace skin
