// Move-only owners of GDI handles, menus, DCs and paints, each released
// exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace rt {

// Owns one handle and releases it through Release when it goes.
template <class Handle, class Release>
class UniqueGdiHandle {
 public:
  UniqueGdiHandle() = default;
  explicit UniqueGdiHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueGdiHandle(UniqueGdiHandle&& other) noexcept : handle_(other.release()) {}
  UniqueGdiHandle& operator=(UniqueGdiHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueGdiHandle(const UniqueGdiHandle&) = delete;
  UniqueGdiHandle& operator=(const UniqueGdiHandle&) = delete;
  ~UniqueGdiHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  // Gives the handle up without releasing it.
  Handle release() noexcept { return std::exchange(handle_, nullptr); }

  void reset(Handle handle = nullptr) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old) Release{}(old);
  }

 private:
  Handle handle_ = nullptr;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct DeleteMemoryDc {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct DestroyMenuHandle {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};

using UniqueBitmap = UniqueGdiHandle<HBITMAP, DeleteGdiObject>;
using UniqueBrush = UniqueGdiHandle<HBRUSH, DeleteGdiObject>;
using UniqueFont = UniqueGdiHandle<HFONT, DeleteGdiObject>;
using UniqueRegion = UniqueGdiHandle<HRGN, DeleteGdiObject>;
using UniqueMemoryDc = UniqueGdiHandle<HDC, DeleteMemoryDc>;
using UniqueMenu = UniqueGdiHandle<HMENU, DestroyMenuHandle>;

// A DC from GetDC, handed back with ReleaseDC to the window it came from.
class WindowDc {
 public:
  WindowDc() = default;
  WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { reset(); }

  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

  void reset() noexcept {
    if (HDC dc = std::exchange(dc_, nullptr)) ReleaseDC(window_, dc);
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// One BeginPaint (which validates the update region) and its EndPaint,
// which comes when the owner goes or on reset().
class PaintScope {
 public:
  PaintScope() = default;
  explicit PaintScope(HWND window) noexcept : window_(window) { BeginPaint(window, &paint_); }
  PaintScope(PaintScope&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_) {}
  PaintScope& operator=(PaintScope&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = std::exchange(other.window_, nullptr);
      paint_ = other.paint_;
    }
    return *this;
  }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { reset(); }

  HDC get() const noexcept { return window_ != nullptr ? paint_.hdc : nullptr; }
  const RECT& area() const noexcept { return paint_.rcPaint; }
  bool mustErase() const noexcept { return paint_.fErase != FALSE; }

  void reset() noexcept {
    if (HWND window = std::exchange(window_, nullptr)) EndPaint(window, &paint_);
  }

 private:
  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
};

// Selects an object into a DC for one scope and puts the old one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves a DC's state (clip region, selections, modes) for one scope and
// restores it when the scope ends, whatever the scope changed.
class ScopedSaveDc {
 public:
  explicit ScopedSaveDc(HDC dc) noexcept : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
  ScopedSaveDc(const ScopedSaveDc&) = delete;
  ScopedSaveDc& operator=(const ScopedSaveDc&) = delete;
  ~ScopedSaveDc() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace rt
