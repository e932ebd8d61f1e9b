// Helpers of the graphics-layer tests: GDI+ started for the program, a
// count of the flat calls an operation makes, the native objects it leaves
// alive, and a GDI bitmap owner.
#pragma once

#include <memory>
#include <type_traits>

#include "gdip/gdip_object.h"
#include "tests/support/gdip_test_env.h"

namespace gdip_test {

inline bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The flat calls an operation makes, counted around a statement.
class FlatCalls {
 public:
  FlatCalls() : start_(gdip::FlatCallCount()) {}
  unsigned long made() const { return gdip::FlatCallCount() - start_; }

 private:
  unsigned long start_;
};

// Native GDI+ objects made and not yet released since construction.
class LiveNatives {
 public:
  LiveNatives() : start_(static_cast<long>(gdip::LiveNativeCount())) {}
  long added() const { return static_cast<long>(gdip::LiveNativeCount()) - start_; }

 private:
  long start_;
};

struct BitmapHandleDelete {
  void operator()(HBITMAP b) const { DeleteObject(b); }
};
using HbitmapOwner = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapHandleDelete>;

}  // namespace gdip_test

