// Move-only owners of kernel handles, released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace rt {

// A handle that CloseHandle releases; `Invalid` is the value meaning "none"
// (INVALID_HANDLE_VALUE for files, nullptr for most other objects).
template <HANDLE (*Invalid)()>
class BasicHandle {
 public:
  BasicHandle() = default;
  explicit BasicHandle(HANDLE handle) : handle_(handle) {}
  BasicHandle(BasicHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  BasicHandle& operator=(BasicHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid()));
    return *this;
  }
  BasicHandle(const BasicHandle&) = delete;
  BasicHandle& operator=(const BasicHandle&) = delete;
  ~BasicHandle() { reset(); }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid() && handle_ != nullptr; }
  void reset(HANDLE handle = Invalid()) {
    if (*this) CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = Invalid();
};

inline HANDLE NoHandle() { return nullptr; }
inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }

using KernelHandle = BasicHandle<NoHandle>;           // processes, threads, events
using FileHandle = BasicHandle<InvalidFileHandle>;    // CreateFile results

}  // namespace rt
