#include "gdip/gdip_font_family.h"

#include <cstring>

#include "gdip/gdip_font_collection.h"
#include "gdip/wide_text.h"

namespace gdip {

using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;

namespace {

// GDI+'s face-name buffer: LF_FACESIZE UTF-16 units.
constexpr std::size_t kNameUnits = LF_FACESIZE;
// Family names are read in the neutral language.
constexpr LANGID kNeutralLanguage = 0;

GpStatus DeleteFamily(void* native) { return flat::GdipDeleteFontFamily(static_cast<GpFontFamily*>(native)); }

}  // namespace

GdipFontFamily::GdipFontFamily() : GdipObject(DeleteFamily) {}

bool GdipFontFamily::Delete() { return ReleaseNative(); }

bool GdipFontFamily::CreateFromWide(const WCHAR* name, const GdipFontCollection& collection) {
  auto* installedOrOwn = NativeOf<GpFontCollection>(collection);
  return CreateWith<GpFontFamily>(
      [&](GpFontFamily** out) { return flat::GdipCreateFontFamilyFromName(name, installedOrOwn, out); });
}

bool GdipFontFamily::CreateFromName(const rt::Text& name, const GdipFontCollection& collection) {
  const WideArg wide = WideArg::Ansi(name);
  return CreateFromWide(wide.text(), collection);
}

bool GdipFontFamily::CreateFromNameW(const rt::ByteArray& wideName, const GdipFontCollection& collection) {
  const WideArg wide = WideArg::Utf16(wideName);
  if (!wide.valid()) return RefuseArgument();
  return CreateFromWide(wide.text(), collection);
}

bool GdipFontFamily::CloneInto(GdipFontFamily& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpFontFamily>([&](GpFontFamily** out) { return flat::GdipCloneFontFamily(Native(), out); });
}

bool GdipFontFamily::CreateGenericSansSerif() {
  return CreateWith<GpFontFamily>([](GpFontFamily** out) { return flat::GdipGetGenericFontFamilySansSerif(out); });
}

bool GdipFontFamily::CreateGenericSerif() {
  return CreateWith<GpFontFamily>([](GpFontFamily** out) { return flat::GdipGetGenericFontFamilySerif(out); });
}

bool GdipFontFamily::CreateGenericMonospace() {
  return CreateWith<GpFontFamily>([](GpFontFamily** out) { return flat::GdipGetGenericFontFamilyMonospace(out); });
}

rt::ByteArray GdipFontFamily::GetNameW() {
  // One unit more than GDI+ fills keeps the name terminated whatever it wrote.
  WCHAR name[kNameUnits + 1] = {};
  Record(flat::GdipGetFamilyName(Native(), name, kNeutralLanguage));
  rt::ByteArray bytes(kNameUnits * sizeof(WCHAR));
  std::memcpy(bytes.data(), name, bytes.size());
  return bytes;
}

rt::Text GdipFontFamily::GetName() {
  WCHAR name[kNameUnits + 1] = {};
  Record(flat::GdipGetFamilyName(Native(), name, kNeutralLanguage));
  return FromWideBytes(name);
}

bool GdipFontFamily::IsStyleAvailable(FontStyle style) {
  BOOL available = FALSE;
  Record(flat::GdipIsStyleAvailable(Native(), ToInt(style), &available));
  return available != FALSE;
}

UINT16 GdipFontFamily::GetEmHeight(FontStyle style) {
  UINT16 value = 0;
  Record(flat::GdipGetEmHeight(Native(), ToInt(style), &value));
  return value;
}

UINT16 GdipFontFamily::GetCellAscent(FontStyle style) {
  UINT16 value = 0;
  Record(flat::GdipGetCellAscent(Native(), ToInt(style), &value));
  return value;
}

UINT16 GdipFontFamily::GetCellDescent(FontStyle style) {
  UINT16 value = 0;
  Record(flat::GdipGetCellDescent(Native(), ToInt(style), &value));
  return value;
}

UINT16 GdipFontFamily::GetLineSpacing(FontStyle style) {
  UINT16 value = 0;
  Record(flat::GdipGetLineSpacing(Native(), ToInt(style), &value));
  return value;
}

}  // namespace gdip
