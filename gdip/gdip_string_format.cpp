#include "gdip/gdip_string_format.h"

namespace gdip {

using Gdiplus::GpStringFormat;

namespace {

GpStatus DeleteFormat(void* native) { return flat::GdipDeleteStringFormat(static_cast<GpStringFormat*>(native)); }

Gdiplus::StringAlignment AlignmentOf(StringAlignment align) { return static_cast<Gdiplus::StringAlignment>(align); }

}  // namespace

GdipStringFormat::GdipStringFormat() : GdipObject(DeleteFormat) {}

bool GdipStringFormat::Create(Opt<StringFormatFlags> flags, Opt<int> language) {
  const auto lang = static_cast<LANGID>(language.value);
  return CreateWith<GpStringFormat>(
      [&](GpStringFormat** out) { return flat::GdipCreateStringFormat(ToInt(flags.value), lang, out); });
}

// GDI+ hands out its generic formats shared; the object takes a copy of
// its own, which it may change and release freely.
template <class Generic>
bool GdipStringFormat::CopyGeneric(Generic generic) {
  GpStringFormat* shared = nullptr;
  if (!Record(generic(&shared))) return false;
  return CreateWith<GpStringFormat>([&](GpStringFormat** out) { return flat::GdipCloneStringFormat(shared, out); });
}

bool GdipStringFormat::CreateGenericDefault() {
  return CopyGeneric([](GpStringFormat** out) { return flat::GdipStringFormatGetGenericDefault(out); });
}

bool GdipStringFormat::CreateGenericTypographic() {
  return CopyGeneric([](GpStringFormat** out) { return flat::GdipStringFormatGetGenericTypographic(out); });
}

bool GdipStringFormat::Delete() { return ReleaseNative(); }

bool GdipStringFormat::CloneInto(GdipStringFormat& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpStringFormat>(
      [&](GpStringFormat** out) { return flat::GdipCloneStringFormat(Native(), out); });
}

bool GdipStringFormat::SetFlags(StringFormatFlags flags) {
  return Record(flat::GdipSetStringFormatFlags(Native(), ToInt(flags)));
}

StringFormatFlags GdipStringFormat::GetFlags() {
  INT flags = 0;
  Record(flat::GdipGetStringFormatFlags(Native(), &flags));
  return static_cast<StringFormatFlags>(flags);
}

bool GdipStringFormat::SetAlign(StringAlignment align) {
  return Record(flat::GdipSetStringFormatAlign(Native(), AlignmentOf(align)));
}

StringAlignment GdipStringFormat::GetAlign() {
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Record(flat::GdipGetStringFormatAlign(Native(), &align));
  return static_cast<StringAlignment>(align);
}

bool GdipStringFormat::SetLineAlign(StringAlignment align) {
  return Record(flat::GdipSetStringFormatLineAlign(Native(), AlignmentOf(align)));
}

StringAlignment GdipStringFormat::GetLineAlign() {
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Record(flat::GdipGetStringFormatLineAlign(Native(), &align));
  return static_cast<StringAlignment>(align);
}

bool GdipStringFormat::SetTrimming(StringTrimming trimming) {
  return Record(flat::GdipSetStringFormatTrimming(Native(), static_cast<Gdiplus::StringTrimming>(trimming)));
}

StringTrimming GdipStringFormat::GetTrimming() {
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  Record(flat::GdipGetStringFormatTrimming(Native(), &trimming));
  return static_cast<StringTrimming>(trimming);
}

bool GdipStringFormat::SetHotkeyPrefix(HotkeyPrefix prefix) {
  return Record(flat::GdipSetStringFormatHotkeyPrefix(Native(), ToInt(prefix)));
}

HotkeyPrefix GdipStringFormat::GetHotkeyPrefix() {
  INT prefix = 0;
  Record(flat::GdipGetStringFormatHotkeyPrefix(Native(), &prefix));
  return static_cast<HotkeyPrefix>(prefix);
}

bool GdipStringFormat::SetTabStops(REAL firstOffset, std::span<const REAL> tabStops) {
  return Record(flat::GdipSetStringFormatTabStops(Native(), firstOffset, static_cast<INT>(tabStops.size()),
                                                  FirstOrNull(tabStops)));
}

int GdipStringFormat::GetTabStops(REAL& firstOffset, std::vector<REAL>& tabStops) {
  INT count = 0;
  if (!Record(flat::GdipGetStringFormatTabStopCount(Native(), &count))) return 0;
  if (count < 0) count = 0;
  tabStops.assign(static_cast<std::size_t>(count), 0.0f);
  Record(flat::GdipGetStringFormatTabStops(Native(), count, &firstOffset, FirstOrNull(std::span<REAL>(tabStops))));
  return count;
}

bool GdipStringFormat::SetDigitSubstitution(int substitute, Opt<int> language) {
  return Record(flat::GdipSetStringFormatDigitSubstitution(Native(), static_cast<LANGID>(language.value),
                                                           static_cast<Gdiplus::StringDigitSubstitute>(substitute)));
}

bool GdipStringFormat::GetDigitSubstitution(int& substitute, int& language) {
  LANGID lang = 0;
  Gdiplus::StringDigitSubstitute sub = Gdiplus::StringDigitSubstituteUser;
  const bool ok = Record(flat::GdipGetStringFormatDigitSubstitution(Native(), &lang, &sub));
  if (ok) {
    language = lang;
    substitute = static_cast<int>(sub);
  }
  return ok;
}

bool GdipStringFormat::SetMeasurableCharacterRanges(std::span<const CharacterRange> ranges) {
  std::vector<Gdiplus::CharacterRange> buffer;
  buffer.reserve(ranges.size());
  for (const CharacterRange& r : ranges) buffer.emplace_back(r.first, r.length);
  return Record(flat::GdipSetStringFormatMeasurableCharacterRanges(Native(), static_cast<INT>(buffer.size()),
                                                                   buffer.empty() ? nullptr : buffer.data()));
}

int GdipStringFormat::GetMeasurableCharacterRangeCount() {
  INT count = 0;
  Record(flat::GdipGetStringFormatMeasurableCharacterRangeCount(Native(), &count));
  return count;
}

}  // namespace gdip
