#include "skin/engine/skin_theme.h"

#include "gdip/gdip_image.h"
#include "gdip/image_encoders.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/background_picture.h"
#include "skin/frames/dialog_frame_painter.h"
#include "skin/frames/frame_title.h"
#include "skin/frames/main_frame_compose.h"

namespace skin {

namespace {

constexpr COLORREF kDefaultAccentColour = 0xDDCA22;
constexpr COLORREF kFollowTheme = static_cast<COLORREF>(-1);
constexpr int kColourSamples = 2000;
constexpr int kDefaultThemeMode = 4;

// Modes 0 and 1 fade the picture's right or left side into the theme
// colour; the others keep the picture as it is (as PNG bytes when it comes
// from a file).
rt::ByteArray ThemePicture(const rt::Text& file, const rt::ByteArray& bytes, int mode) {
  if (mode == 0) return ComposeBackgroundImage(bytes, std::nullopt, ThemeColour, std::nullopt, file);
  if (mode == 1) return ComposeBackgroundImage(bytes, std::nullopt, ThemeColour, 0, file);
  if (file.empty()) return bytes;
  gdip::GdipImage image;
  if (!image.LoadFromFile(file)) return {};
  return image.SaveToStream(gdip::kPngFormat);
}

// A skinned message box has its own painter; the main-frame composer would
// leave its frame picture unreleased.
bool IsSkinnedDialog(HWND window) { return IsClass(window, "#32770"); }

void RecomposeSkinnedWindows() {
  for (int index = 1; index <= SkinWindowTable.Count(); ++index) {
    const HWND window = SkinWindowTable.At(index).hwnd;
    DropControlBrushes(window);
    if (!IsWindowVisible(window)) continue;
    if (IsSkinnedDialog(window)) {
      PaintDialogFrame(window);
    } else {
      ComposeMainFrame(index, false);
    }
    InvalidateRect(window, nullptr, FALSE);
    InvalidateWindowCaches(window, true);
    InvalidateVisibleChildren(window);
  }
}

}  // namespace

void SetSkinTheme(const rt::Text& imageFile, const rt::ByteArray& imageBytes,
                  std::optional<COLORREF> themeColour, std::optional<COLORREF> accentColour,
                  std::optional<int> mode) {
  const bool followTheme = accentColour == kFollowTheme;
  if (!followTheme) AccentColour = accentColour.value_or(kDefaultAccentColour);

  const bool picture = !imageFile.empty() || !imageBytes.empty();
  if (!picture && !themeColour) return;

  if (picture) {
    ThemeColour = themeColour ? *themeColour
                              : AverageImageColour(imageBytes, kColourSamples, std::nullopt, 0, imageFile);
    ThemeMode = mode.value_or(kDefaultThemeMode);
    ThemeBackground = ThemePicture(imageFile, imageBytes, ThemeMode);
  } else {
    ThemeBackground.clear();
    ThemeColour = *themeColour;
  }
  if (followTheme) AccentColour = ThemeColour;

  RecomposeSkinnedWindows();
}

bool SetFrameTitleStyle(HWND window, std::optional<rt::Text> face, std::optional<int> size,
                        std::optional<COLORREF> colour, std::optional<COLORREF> colour2,
                        std::optional<int> style, std::optional<int> effect) {
  // A released window keeps its "Hw_lbID", which may name another
  // window's record by now.
  const SkinFrame frame = FindSkinFrame(window);
  if (!frame) return false;
  SkinWindowRecord& record = *frame.record;
  if (face) record.titleFont.face = *face;
  if (size) record.titleFont.size = *size;
  if (colour) record.titleColour = *colour;
  if (colour2) record.titleColour2 = *colour2;
  if (style) record.titleFont.style = *style;
  if (effect) record.titleEffect = *effect;

  PaintFrameTitle(frame.index, GetWindowTextCopy(window));
  return true;
}

}  // namespace skin
