// A move-only owner of a thread timer, killed exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace rt {

// A timer of the calling thread (SetTimer without a window), whose ticks go
// to `procedure`; killed when its owner goes or on reset().
class ThreadTimer {
 public:
  ThreadTimer() = default;
  ThreadTimer(UINT milliseconds, TIMERPROC procedure) noexcept
      : id_(SetTimer(nullptr, 0, milliseconds, procedure)) {}
  ThreadTimer(ThreadTimer&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
  ThreadTimer& operator=(ThreadTimer&& other) noexcept {
    if (this != &other) {
      reset();
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;
  ~ThreadTimer() { reset(); }

  // The id the ticks carry; 0 when none runs.
  UINT_PTR get() const noexcept { return id_; }

  void reset() noexcept {
    if (UINT_PTR id = std::exchange(id_, 0)) KillTimer(nullptr, id);
  }

 private:
  UINT_PTR id_ = 0;
};

}  // namespace rt
