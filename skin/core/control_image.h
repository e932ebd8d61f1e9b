// A skinned control's finished image: the background behind it composed
// into a memory DC, the control's look drawn over that, the result put
// into the host window's composition image and copied onto the control.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/core/dc_cache.h"

namespace skin {

// Draws a control's look with `graphics` on its composed background.
// Answers false when there is nothing to show after all (the control's
// record went while the background was composed); the image is then
// dropped.
using ControlDraw = std::function<bool(gdip::GdipGraphics& graphics)>;

// Everything a control's look depends on besides the background it is
// drawn over, written out as bytes: two keys are equal exactly when the
// values added, in the same order, are.
class LookKey {
 public:
  template <class Value>
  LookKey& Add(const Value& value) {
    static_assert(std::is_trivially_copyable_v<Value>);
    return AddRaw(&value, sizeof value);
  }
  // A text or byte array, with its length so that neighbours cannot merge.
  LookKey& AddBytes(const void* data, std::size_t size) {
    Add(size);
    return AddRaw(data, size);
  }
  LookKey& Add(const rt::ByteArray& bytes) { return AddBytes(bytes.data(), bytes.size()); }
  LookKey& Add(const rt::Text& text) { return AddBytes(text.data(), text.size()); }

  friend bool operator==(const LookKey&, const LookKey&) = default;

 private:
  LookKey& AddRaw(const void* data, std::size_t size);

  std::vector<char> bytes_;
};

// A control's finished image kept with its record: the background pixels
// it was drawn over, the pixels it came out as and the look's key. Drawing
// a look costs several times composing its background; a paint over the
// same background pixels with the same key copies the kept pixels, which
// are exactly what the drawing would give. Plain memory, one image per
// record: bounded, and no GDI or GDI+ object is held.
class FinishedImage {
 public:
  // `image` is a 32-bit DIB DC holding the composed background. Copies
  // the kept image over it when background and key are those kept, else
  // lets `draw` paint onto it and keeps the outcome. False when `draw`
  // gave up (nothing is kept then). A DC holding anything else is drawn on
  // and nothing is kept.
  bool Finish(HDC image, const LookKey& key, const std::function<bool()>& draw) const;
  // Lets go of the kept image; the next paint draws.
  void Forget() const;

 private:
  mutable LookKey key_;
  mutable int width_ = 0, height_ = 0;
  mutable std::vector<std::uint32_t> background_;
  mutable std::vector<std::uint32_t> finished_;
};

// The area a paint covers: the given one, else the control's client
// rectangle.
RECT ControlArea(HWND control, const RECT* given);

// Composes the background behind `area` (the control's window
// coordinates), lets `draw` paint over it and puts the image into the
// host's composition image. Empty when there is no background or `draw`
// gave up.
CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw);
// The same through the record's kept finished image: drawn only when the
// background or the key differ from the kept one's.
CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                             const LookKey& key);

// The same, then the image copied from its corner onto the control's
// corner: onto `dc`, which stays the caller's, or through the control's
// own DC.
void PresentControlImage(HWND control, const RECT& area, HDC dc, const ControlDraw& draw);
void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw);
void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                         const LookKey& key);

}  // namespace skin
