#include "app/installer_skinning.h"

#include <windows.h>

#include "app/embedded_payload.h"
#include "app/options_menu.h"
#include "app/window_names.h"
#include "runtime/window_runtime.h"
#include "skin/containers/label_skin.h"
#include "skin/core/frame_records.h"
#include "skin/core/nine_grid_image.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_theme.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/main_window_skin.h"

namespace app {
namespace {

constexpr COLORREF kThemeColour = 0xECECEC;
constexpr COLORREF kAccentColour = 0xC0C0C0;
constexpr COLORREF kTitleColour = 0xECECEC;
constexpr COLORREF kTitleOutline = 0x606060;

// The main-menu caption button's routine.
INT_PTR WINAPI MainMenuRoutine() {
  PopupOptionsMenu();
  return 0;
}

bool windowSkinningLeftOut = false;

HWND InstallerControl(std::string_view name) { return rt::WindowHandleOf(kInstallerWindow, name); }

// Skins a window as a main frame; the face image stays empty.
void SkinFrame(HWND window, skin::MainWindowSettings settings) {
  const skin::NineGridImage faceImage;
  settings.bottomItems.emplace();  // given, and empty
  settings.faceImage = &faceImage;
  skin::SkinMainWindow(window, settings);
}

}  // namespace

void StartSkinEngine() { skin::InitSkinEngine(); }

void SkinInstallerWindow() {
  if (windowSkinningLeftOut) return;
  HWND window = rt::WindowHandleOf(kInstallerWindow);
  skin::SetSkinOptions(1, 100);
  skin::SetSkinTheme("", BackgroundImage(), kThemeColour, kAccentColour, 3);

  skin::MainWindowSettings frame;
  frame.frameSwitch = 1;
  frame.sizable = 0;
  frame.menuButton = 1;
  frame.showTitle = 1;
  frame.hideIcon = 1;
  frame.dragAnywhere = 1;
  SkinFrame(window, frame);
  skin::SetFrameTitleStyle(window, std::nullopt, std::nullopt, kTitleColour, kTitleOutline);

  skin::SkinControl(InstallerControl(kOptionsGroup));
  skin::SkinControl(InstallerControl(kNotesGroup));
  HWND notes = InstallerControl(kReleaseNotesEdit);
  skin::SkinEditBox(notes);
  skin::SetControlBackground(notes, kThemeColour, 5);
  skin::SkinLabel(InstallerControl(kFolderCaptionLabel));
  skin::SkinLabel(InstallerControl(kDiskSpaceLabel));
  skin::SkinLabel(InstallerControl(kStatusLabel), std::nullopt, std::nullopt, 0, COLORREF{0xFF});
  skin::SetProgressStyle(InstallerControl(kProgressBar), 0, 1, COLORREF{0x0080FF}, COLORREF{0},
                         skin::ShineStyle::Glow);
  skin::SetMainMenuRoutine(window, MainMenuRoutine);
}

void SkinSideWindow(std::string_view window) {
  if (windowSkinningLeftOut) return;
  skin::SetSkinOptions(1);
  SkinFrame(rt::WindowHandleOf(window), {});
}

void SetInstallerCloseEffect() {
  skin::SetCloseEffect(rt::WindowHandleOf(kInstallerWindow), static_cast<int>(skin::CloseEffect::Fade));
}

void LeaveOutWindowSkinning(bool leaveOut) { windowSkinningLeftOut = leaveOut; }

}  // namespace app
