// A control's last finished image, kept with the background it was drawn
// over and a key of everything else its look was drawn from. A repaint
// whose key and freshly composed background are the same as last time
// copies the kept pixels instead of drawing again: drawing the skin's
// gradients, outlines, texts and pictures costs several times the
// composition. Plain memory, one image per record: bounded, and no GDI or
// GDI+ object is held.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "runtime/byte_array.h"

namespace skin {

// Everything a control's look depends on besides the background it is
// drawn over, written out as bytes: two keys are equal exactly when the
// values added, in the same order, are.
class LookKey {
 public:
  LookKey() = default;
  // A key of whole numbers, each added as 64 bits.
  LookKey(std::initializer_list<std::int64_t> values) {
    for (const std::int64_t value : values) Add(value);
  }

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

// The kept image is a cache: keeping and forgetting it changes no pixel a
// paint gives, so a record's painter may use it through a const record.
class FinishedImage {
 public:
  using Key = LookKey;

  // `image` is a 32-bit DIB DC holding the composed background. Copies
  // the kept image over it when background and key are those kept, else
  // lets `draw` paint onto it and keeps the outcome. False when `draw`
  // gave up (nothing is kept then). A DC holding anything else is drawn on
  // and nothing is kept.
  bool Finish(HDC image, const LookKey& key, const std::function<bool()>& draw) const;

  // The same in steps, for painters that draw between them. When `key` is
  // the kept one and the 32-bit DIB selected into `dc` holds exactly the
  // kept background, replaces its pixels with the kept finished image and
  // returns true; otherwise leaves `dc` alone.
  bool Restore(HDC dc, const LookKey& key) const;
  // Before drawing: keeps `key` and the background `dc`'s DIB holds now,
  // and lets go of the finished image kept before.
  void Start(HDC dc, LookKey key) const;
  // After drawing on the DC given to Start: keeps its pixels as the
  // finished image. Nothing is kept when Start kept no background.
  void Finish(HDC dc) const;

  // Lets go of the kept image; the next paint draws.
  void Forget() const;

  bool Holds() const { return !finished_.empty(); }

 private:
  mutable LookKey key_;
  mutable int width_ = 0, height_ = 0;
  mutable std::vector<std::uint32_t> background_;
  mutable std::vector<std::uint32_t> finished_;
};

}  // namespace skin
