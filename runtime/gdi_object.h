// Move-only owners of GDI objects and menus, released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace rt {

template <class Handle, BOOL(WINAPI* Release)(Handle)>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(Handle handle) : handle_(handle) {}
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  ~UniqueGdi() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives up ownership (the object now belongs to someone else).
  Handle Detach() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontObject(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) { return DeleteObject(bitmap); }

using FontHandle = UniqueGdi<HFONT, DeleteFontObject>;
using BrushHandle = UniqueGdi<HBRUSH, DeleteBrushObject>;
using BitmapHandle = UniqueGdi<HBITMAP, DeleteBitmapObject>;
using MenuHandle = UniqueGdi<HMENU, DestroyMenu>;
using MemoryDcHandle = UniqueGdi<HDC, DeleteDC>;

// A DC obtained with GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for the length of a scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace rt
