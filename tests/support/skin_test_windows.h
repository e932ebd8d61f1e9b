// Windows and skin records for the skin engine's tests: plain "Static"
// windows stand in for frames, containers and controls, and records are
// registered the way the skinning calls register them (a fresh record,
// its window's "Hw_lbID", list slots taken by the slot rule with their
// index properties).
#pragma once

#include <windows.h>

#include <utility>

#include "skin/core/engine_globals.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_properties.h"

namespace quillora_test {

// Owns one test window; destroying it takes its children along.
class TestWindow {
 public:
  TestWindow() = default;
  explicit TestWindow(HWND hwnd) : hwnd_(hwnd) {}
  TestWindow(TestWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
  TestWindow& operator=(TestWindow&& other) noexcept {
    if (this != &other) {
      Reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() { Reset(); }

  HWND get() const { return hwnd_; }
  operator HWND() const { return hwnd_; }  // NOLINT: reads like the handle it owns

 private:
  void Reset() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }

  HWND hwnd_ = nullptr;
};

// A top-level popup at (x, y), optionally owned.
inline TestWindow MakePopup(int x, int y, int width, int height, HWND owner = nullptr,
                            DWORD style = WS_POPUP | WS_VISIBLE) {
  return TestWindow(CreateWindowExA(0, "Static", "", style, x, y, width, height, owner, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
}

// A child window at (x, y) of its parent's client area.
inline TestWindow MakeChild(HWND parent, int x, int y, int width, int height,
                            const char* className = "Static",
                            DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0) {
  return TestWindow(CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent,
                                    nullptr, GetModuleHandleA(nullptr), nullptr));
}

// Appends a fresh record for the window and gives it its window index.
inline int AddSkinWindow(HWND hwnd) {
  const int index = skin::SkinWindowTable.Append(skin::MakeSkinWindowRecord(hwnd));
  skin::prop::Write(hwnd, skin::prop::kIndex, index);
  return index;
}

// Takes a slot for the control as an installer does and sets its index
// properties ("Kj_" ones for the common controls list).
template <class Record>
int ListControl(skin::ControlList<Record>& list, HWND control, int windowIndex,
                bool commonControl = false) {
  const int index = list.Take(control);
  skin::prop::Write(control, commonControl ? skin::prop::kControlIndex : skin::prop::kIndex,
                    index);
  skin::prop::Write(control,
                    commonControl ? skin::prop::kControlHostIndex : skin::prop::kHostIndex,
                    windowIndex);
  return index;
}

// Empties the window registry when a test ends.
struct SkinTableGuard {
  SkinTableGuard() { skin::SkinWindowTable.Clear(); }
  ~SkinTableGuard() { skin::SkinWindowTable.Clear(); }
};

}  // namespace quillora_test
