#include "skin/engine/skin_engine.h"

#include <utility>

#include "gdip/gdiplus_startup.h"
#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/core/engine_globals.h"
#include "skin/core/kept_pictures.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/shadow_window.h"

namespace skin {

namespace {

constexpr int kDefaultGlobalAlpha = 160;
constexpr COLORREF kDefaultAccentColour = 0xDDCA22;

HICON LoadAppIcon() {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(module, MAKEINTRESOURCEA(IDI_APP_ICON));
  if (icon == nullptr) icon = LoadIconA(module, "DEFAULT_ICON");
  return icon;
}

void SetEngineDefaults() {
  WorkingSetTrimOff = 1;
  FirstSizePending = 1;
  SkinChildControls = 1;
  GlobalAlpha = kDefaultGlobalAlpha;
  AccentColour = kDefaultAccentColour;
  TrackbarPanel = 1;
  ListHoverTracking = 0;
}

// Kept for the frames; nothing draws with them yet.
void LoadSystemCursors() {
  HandCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));   // IDC_HAND
  IBeamCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32513));  // IDC_IBEAM
  SizeWeCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)); // IDC_SIZEWE
}

}  // namespace

void InitSkinEngine() {
  GdiplusTokenCopy = gdip::StartGdiplus();
  AppIcon = LoadAppIcon();
  SetEngineDefaults();
  LoadSystemCursors();
  RegisterSkinWindowClass(kShadowWindowClass, ShadowWindowProc);
  RegisterSkinWindowClass(kCanvasWindowClass, CanvasWindowProc);
  GlyphStrip.Load(rt::LoadEmbeddedBytes(IDR_GLYPH_STRIP));
  CustomDrawTable.clear();
  BrushOwners.clear();
}

void ShutdownSkinEngine() {
  const ULONG_PTR token = std::exchange(GdiplusTokenCopy, 0);
  if (token == 0) return;
  if (gdip::GdiplusToken == token) gdip::GdiplusToken = 0;
  // No GDI+ image may outlive GDI+, whatever windows are still alive.
  ForgetKeptPictures();
  gdip::ShutdownGdiplus(token);
}

bool RegisterSkinWindowClass(const char* className, WNDPROC windowProc) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = AppIcon;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszMenuName = nullptr;  // the classes have no menu
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0;
}

void SetSkinOptions(int skinChildControls, std::optional<int> alpha,
                    std::optional<int> trackbarPanel) {
  SkinChildControls = skinChildControls;
  GlobalAlpha = alpha.value_or(kDefaultGlobalAlpha);
  TransparencyMode = alpha.has_value() ? 1 : 0;
  TrackbarPanel = trackbarPanel.value_or(1);
}

}  // namespace skin
