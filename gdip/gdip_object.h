// The common base of the GDI+ wrappers.
//
// A wrapper owns at most one native GDI+ object. It starts empty, a
// creating operation fills it, and Delete (Dispose for images) or the
// wrapper's destruction releases it, exactly once. Wrappers are move-only:
// a copy sharing the native object would release it twice; CloneInto gives
// an independent native copy instead.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "gdip/gdip_enums.h"
#include "gdip/gdip_optional.h"
#include "gdip/gdip_records.h"
#include "gdip/gdip_status.h"
#include "gdip/gdiplus_api.h"

namespace gdip {

// Memory from GDI+'s own allocator, freed with GdipFree.
struct GdipMemoryFree {
  void operator()(void* block) const noexcept;
};
using GdipMemory = std::unique_ptr<void, GdipMemoryFree>;

class GdipObject {
 public:
  // Releases one native object of the wrapper's kind; its status is returned.
  using NativeDeleter = GpStatus (*)(void* native);

  GdipObject(const GdipObject&) = delete;
  GdipObject& operator=(const GdipObject&) = delete;

  // The native object, null while the object is empty. Operations taking
  // another wrapper pass this on, so an empty wrapper stands for "none".
  void* GetHandle() const noexcept { return handle_; }
  bool IsEmpty() const noexcept { return handle_ == nullptr; }

  // Takes ownership of a native object of this wrapper's kind (null empties
  // the wrapper). The native object held before is released first.
  void SetHandle(void* native);

  // Runs a flat call that makes a native object of this wrapper's kind:
  // what the wrapper held is released first, the call fills a fresh handle
  // variable, and the wrapper takes whatever the call left in it. The call's
  // status goes to LastStatus; true when it is Ok.
  template <class Native, class Call>
  bool CreateWith(Call&& call) {
    ReleaseNative();
    Native* created = nullptr;
    const bool ok = Record(std::forward<Call>(call)(&created));
    SetHandle(created);
    return ok;
  }

  // GdipAlloc / GdipFree, for buffers GDI+ expects from its own allocator.
  static GdipMemory Alloc(std::size_t size);
  static void Free(GdipMemory block) noexcept { block.reset(); }

 protected:
  explicit GdipObject(NativeDeleter deleter) noexcept : deleter_(deleter) {}
  GdipObject(GdipObject&& other) noexcept;
  GdipObject& operator=(GdipObject&& other) noexcept;
  ~GdipObject();

  // The body of Delete / Dispose: false without a flat call when empty,
  // else releases the native object and tells whether GDI+ answered Ok.
  // The wrapper is empty afterwards either way.
  bool ReleaseNative();

  template <class Native>
  Native* NativeAs() const noexcept {
    return static_cast<Native*>(handle_);
  }

 private:
  void* handle_ = nullptr;
  NativeDeleter deleter_;
};

// Native GDI+ objects the wrappers hold at this moment. Leak checks compare
// it before and after a piece of work: every object made is released once.
unsigned long LiveNativeCount() noexcept;

// Bookkeeping of LiveNativeCount for owners outside GdipObject (the
// graphics' cached image attributes).
void NoteNativeMade() noexcept;
void NoteNativeReleased() noexcept;

// The native object of any wrapper, typed for a flat call.
template <class Native>
Native* NativeOf(const GdipObject& object) noexcept {
  return static_cast<Native*>(object.GetHandle());
}

}  // namespace gdip
