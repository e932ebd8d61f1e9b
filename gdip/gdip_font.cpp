#include "gdip/gdip_font.h"

#include <cstring>

#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_graphics.h"

namespace gdip {

using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;

namespace {

GpStatus DeleteFont(void* native) { return flat::GdipDeleteFont(static_cast<GpFont*>(native)); }

// GDI+ accepts an em size of 0 on some platforms and makes a font that
// draws nothing; no size that is not positive is passed on.
bool IsValidEmSize(REAL emSize) { return emSize > 0; }

Gdiplus::Unit UnitOf(const Opt<Unit>& unit) { return static_cast<Gdiplus::Unit>(unit.value); }

// The window DC of the screen, released on every path.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

GdipFont::GdipFont() : GdipObject(DeleteFont) {}

bool GdipFont::Delete() { return ReleaseNative(); }

bool GdipFont::Create(const GdipFontFamily& family, REAL emSize, Opt<FontStyle> style, Opt<Unit> unit) {
  if (!IsValidEmSize(emSize)) return RefuseArgument();
  auto* nativeFamily = NativeOf<GpFontFamily>(family);
  return CreateWith<GpFont>(
      [&](GpFont** out) { return flat::GdipCreateFont(nativeFamily, emSize, ToInt(style.value), UnitOf(unit), out); });
}

bool GdipFont::CreateFromDc(HDC hdc) {
  return CreateWith<GpFont>([&](GpFont** out) { return flat::GdipCreateFontFromDC(hdc, out); });
}

bool GdipFont::CloneInto(GdipFont& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpFont>([&](GpFont** out) { return flat::GdipCloneFont(Native(), out); });
}

FontStyle GdipFont::GetStyle() {
  INT style = 0;
  Record(flat::GdipGetFontStyle(Native(), &style));
  return static_cast<FontStyle>(style);
}

REAL GdipFont::GetSize() {
  REAL size = 0;
  Record(flat::GdipGetFontSize(Native(), &size));
  return size;
}

Unit GdipFont::GetUnit() {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  Record(flat::GdipGetFontUnit(Native(), &unit));
  return static_cast<Unit>(unit);
}

REAL GdipFont::GetHeight(const GdipGraphics& graphics) {
  REAL height = 0;
  Record(flat::GdipGetFontHeight(Native(), NativeOf<GpGraphics>(graphics), &height));
  return height;
}

REAL GdipFont::GetHeightGivenDpi(REAL dpi) {
  REAL height = 0;
  Record(flat::GdipGetFontHeightGivenDPI(Native(), dpi, &height));
  return height;
}

bool GdipFont::CreateFromLogfontOrDc(HDC hdc, const LOGFONTA* logfont) {
  if (logfont == nullptr) return CreateFromDc(hdc);
  return CreateWith<GpFont>([&](GpFont** out) { return flat::GdipCreateFontFromLogfontA(hdc, logfont, out); });
}

bool GdipFont::CreateFromLogfontA(HDC hdc, const LOGFONTA* logfont) { return CreateFromLogfontOrDc(hdc, logfont); }

bool GdipFont::CreateFromLogfontW(HDC hdc, const LOGFONTW* logfont) {
  if (logfont == nullptr) return CreateFromDc(hdc);
  return CreateWith<GpFont>([&](GpFont** out) { return flat::GdipCreateFontFromLogfontW(hdc, logfont, out); });
}

bool GdipFont::CreateFromName(const rt::Text& familyName, REAL emSize, Opt<FontStyle> style, Opt<Unit> unit) {
  if (!IsValidEmSize(emSize)) return RefuseArgument();
  GdipFontFamily family;
  family.CreateFromName(familyName, GdipFontCollection());
  // A family that is not installed leaves `family` empty, and GDI+ refuses
  // to make a font of no family.
  return Create(family, emSize, style, unit);
}

bool GdipFont::CreateFromNameW(const rt::ByteArray& wideFamilyName, REAL emSize, Opt<FontStyle> style,
                               Opt<Unit> unit) {
  if (!IsValidEmSize(emSize)) return RefuseArgument();
  GdipFontFamily family;
  family.CreateFromNameW(wideFamilyName, GdipFontCollection());
  return Create(family, emSize, style, unit);
}

bool GdipFont::CreateFromHfont(HDC hdc, HFONT font) {
  // GetObjectA also answers for brushes, pens and bitmaps; only a font's
  // answer is a LOGFONT.
  LOGFONTA logfont = {};
  const bool readable = GetObjectType(font) == OBJ_FONT && GetObjectA(font, sizeof(logfont), &logfont) != 0;
  return CreateFromLogfontOrDc(hdc, readable ? &logfont : nullptr);
}

bool GdipFont::CreateDefaultGui() {
  LOGFONTA logfont = {};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logfont), &logfont) == 0) return false;
  const ScreenDc screen;
  return CreateWith<GpFont>(
      [&](GpFont** out) { return flat::GdipCreateFontFromLogfontA(screen.get(), &logfont, out); });
}

bool GdipFont::GetLogFontA(const GdipGraphics& graphics, rt::ByteArray& logfont) {
  if (logfont.size() < sizeof(LOGFONTA)) return RefuseArgument();
  LOGFONTA read = {};
  if (!Record(flat::GdipGetLogFontA(Native(), NativeOf<GpGraphics>(graphics), &read))) return false;
  std::memcpy(logfont.data(), &read, sizeof(read));
  return true;
}

bool GdipFont::GetLogFontW(const GdipGraphics& graphics, LOGFONTW* logfont) {
  if (logfont == nullptr) return RefuseArgument();
  return Record(flat::GdipGetLogFontW(Native(), NativeOf<GpGraphics>(graphics), logfont));
}

bool GdipFont::GetFamily(GdipFontFamily& family) {
  return family.CreateWith<GpFontFamily>([&](GpFontFamily** out) { return flat::GdipGetFamily(Native(), out); });
}

}  // namespace gdip
