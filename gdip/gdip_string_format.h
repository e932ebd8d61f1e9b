// Owning wrapper of a GDI+ string format: the layout options of drawn and
// measured text (alignment, line alignment, trimming, hot-key prefix,
// flags, tab stops, digit substitution, measurable character ranges).
//
// The generic formats are copied into the object, so changing one never
// changes GDI+'s shared generic format.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_object.h"

namespace gdip {

// A run of characters whose layout GdipGraphics::MeasureCharacterRanges
// reports: first character and length, in UTF-16 units.
struct CharacterRange {
  INT first = 0;
  INT length = 0;
  friend bool operator==(const CharacterRange&, const CharacterRange&) = default;
};

class GdipStringFormat : public GdipObject {
 public:
  GdipStringFormat();
  GdipStringFormat(GdipStringFormat&&) noexcept = default;
  GdipStringFormat& operator=(GdipStringFormat&&) noexcept = default;

  // No flags and the neutral language (0) when omitted.
  bool Create(Opt<StringFormatFlags> flags = {}, Opt<int> language = {});
  bool CreateGenericDefault();
  bool CreateGenericTypographic();
  bool Delete();
  // An independent copy of this format in the target.
  bool CloneInto(GdipStringFormat& target) const;

  bool SetFlags(StringFormatFlags flags);
  StringFormatFlags GetFlags();
  bool SetAlign(StringAlignment align);
  StringAlignment GetAlign();
  bool SetLineAlign(StringAlignment align);
  StringAlignment GetLineAlign();
  bool SetTrimming(StringTrimming trimming);
  StringTrimming GetTrimming();
  bool SetHotkeyPrefix(HotkeyPrefix prefix);
  HotkeyPrefix GetHotkeyPrefix();

  bool SetTabStops(REAL firstOffset, std::span<const REAL> tabStops);
  // Fills firstOffset, replaces the array by the tab stops and returns
  // their count; 0 with nothing changed when the count cannot be read.
  int GetTabStops(REAL& firstOffset, std::vector<REAL>& tabStops);
  // Language 0 = neutral when omitted.
  bool SetDigitSubstitution(int substitute, Opt<int> language = {});
  bool GetDigitSubstitution(int& substitute, int& language);

  bool SetMeasurableCharacterRanges(std::span<const CharacterRange> ranges);
  int GetMeasurableCharacterRangeCount();

 private:
  Gdiplus::GpStringFormat* Native() const { return NativeAs<Gdiplus::GpStringFormat>(); }
  template <class Generic>
  bool CopyGeneric(Generic generic);
};

}  // namespace gdip
